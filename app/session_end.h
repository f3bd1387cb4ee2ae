#pragma once
// The close sequence's report of the files it could not write (widgets/unsaved_files.h), and the
// watch that turns the session's end into the same saves (widgets/session_end_watch.h).
#include "widgets/session_end_watch.h"
#include "widgets/unsaved_files.h"
