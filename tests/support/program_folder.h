#pragma once
// A temporary program folder: the executable's path lies in it, with a help page beside it, and
// the companion files are read and written there for real.
#include <QTemporaryDir>

#include <string>

class ProgramFolder {
public:
    ProgramFolder();

    std::string folder() const;
    // The executable's full path: <folder>/ribemo (no file needs to exist there).
    std::string executablePath() const;
    // <folder>/ribemo<suffix>, e.g. file(".ini").
    std::string file(const std::string& suffix) const;

    void write(const std::string& suffix, const std::string& bytes) const;
    std::string read(const std::string& suffix) const;
    bool exists(const std::string& suffix) const;

private:
    QTemporaryDir dir_;
};
