#pragma once
// What the keyword tabs remember between their handlers, held by the main window.
#include "files/companion_file.h"

struct KeywordTabsState {
    // The file of the tab on show: what its last read found and what the tree on show was then.
    CompanionFile file;

    // Setting it to true holds the tab's file back; the restore does so when the file it put in
    // place cannot be read, so the tree still on show from before does not replace it.
    class HoldBackSwitch {
    public:
        explicit HoldBackSwitch(CompanionFile& file) : file_(file) {}
        HoldBackSwitch& operator=(bool held)
        {
            held ? file_.holdBack() : file_.release();
            return *this;
        }

    private:
        CompanionFile& file_;
    };
    HoldBackSwitch fileHeldBack{file};
};
