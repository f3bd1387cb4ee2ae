#include "tests/support/program_folder.h"

#include "files/file_io.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

ProgramFolder::ProgramFolder()
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    QDir(dir_.path()).mkdir(QStringLiteral("HELP"));
    QFile help(dir_.filePath(QStringLiteral("HELP/index.htm")));
    if (!help.open(QIODevice::WriteOnly))
        throw std::runtime_error("no help page");
    help.write("<html><head><title>help</title></head><body>help page</body></html>");
}

std::string ProgramFolder::folder() const { return QFile::encodeName(dir_.path()).toStdString(); }

std::string ProgramFolder::executablePath() const { return folder() + "/ribemo"; }

std::string ProgramFolder::file(const std::string& suffix) const { return executablePath() + suffix; }

void ProgramFolder::write(const std::string& suffix, const std::string& bytes) const
{
    if (!writeFileAtomically(file(suffix), bytes))
        throw std::runtime_error("cannot write " + file(suffix));
}

std::string ProgramFolder::read(const std::string& suffix) const { return readWholeFile(file(suffix)); }

bool ProgramFolder::exists(const std::string& suffix) const { return fileExists(file(suffix)); }
