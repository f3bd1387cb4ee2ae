#pragma once
// What the command line asks of the window once it is up (cli/command_line.h reads it).
#include "cli/command_line.h"

class TForm1;

// After start-up: the keyword goes into the keyword box and is searched for, or the address is
// opened in the pane (with a note in the status bar once it is shown when more were given); with
// neither the pane keeps the help page.
void applyCommandLine(TForm1& form, const CommandLine& commandLine);
