// Files changed on disk while the program runs (a second window on the folder, a sync tool, an
// editor) keep that change: a close that changed nothing in a file leaves it alone, and one that
// changed it too keeps the other version beside it and says where. A close that cannot write one
// file still writes the others and names every failure in one box.
#include "files/file_io.h"
#include "search/search_bar.h"
#include "tests/support/form_fixture.h"

#include <QDir>

#include <sys/stat.h>

namespace {

class OutsideChanges : public FormFixture {
protected:
    // The files beside the program whose names start with the companion file's and ".conflict-".
    QStringList conflictCopies(const std::string& suffix) const
    {
        return QDir(QString::fromStdString(folder.folder()))
            .entryList({QString::fromStdString("ribemo" + suffix + ".conflict-*")}, QDir::Files);
    }
};

TEST_F(OutsideChanges, AreKeptWhenTheWindowChangedNothingAndCopiedAsideWhenBothChanged)
{
    const struct {
        const char* suffix;
        std::string outside;  // what the other program writes while the window is open
        void (*change)(TForm1&);
        std::string ours;  // the file after the window's change, when the file is all the window's
    } cases[] = {
        {".ask", "root\r\n\tA\r\n\tOUT\r\n",
         [](TForm1& f) {
             f.searchBar().setKeywordText("K");
             formControl<QAction>(f, "N6")->trigger();
         },
         "root\r\n\tA\r\nK\r\n"},
        {".fal", "out,http://out.example/\r\na,b\r\n", [](TForm1& f) { formControl<QAction>(f, "A1")->trigger(); },
         ",\r\na,b\r\n"},
        {".ini", "[Aucfun]\r\nURL=http://out.example/\r\n", [](TForm1& f) { f.Settings.SoubaCheck = "mine?q=$KEY$"; },
         ""},
    };
    for (const auto& c : cases) {
        for (const bool windowChanged : {false, true}) {
            SCOPED_TRACE(std::string(c.suffix) + (windowChanged ? " both changed" : " outside only"));
            folder.write(".ask", "root\r\n\tA\r\n");
            folder.write(".fal", "a,b\r\n");
            folder.write(".ini", "[Aucfun]\r\nURL=http://a.example/\r\n");
            start();
            folder.write(c.suffix, c.outside);
            if (windowChanged)
                c.change(form());
            ASSERT_TRUE(closeWindow());
            const std::string saved = folder.read(c.suffix);
            const QStringList copies = conflictCopies(c.suffix);
            if (std::string(c.suffix) == ".ini") {
                // Merged key by key: theirs stays, the window's own change goes in beside it.
                EXPECT_NE(saved.find("\r\nURL=http://out.example/\r\n"), std::string::npos) << saved;
                EXPECT_EQ(saved.find("mine?q=") != std::string::npos, windowChanged) << saved;
                EXPECT_TRUE(copies.isEmpty());
            } else if (!windowChanged) {
                EXPECT_EQ(saved, c.outside);
                EXPECT_TRUE(copies.isEmpty());
            } else {
                EXPECT_EQ(saved, c.ours);
                ASSERT_EQ(copies.size(), 1);
                const std::string copy = folder.folder() + "/" + copies.front().toStdString();
                EXPECT_EQ(readWholeFile(copy), c.outside);
                ASSERT_EQ(dialogs.shown.size(), 1u);
                EXPECT_TRUE(dialogs.shown[0].text.contains(QString::fromStdString(copy)));
                removeFile(copy);
            }
            TearDown();
            dialogs.shown.clear();
        }
    }
}

TEST_F(OutsideChanges, AFileThatCannotBeWrittenCostsNoOtherAndEveryFailureIsNamedOnce)
{
    folder.write(".ini", "[ETC]\r\n");
    folder.write(".fal", "a,b\r\n");
    ::chmod(folder.file(".ini").c_str(), 0444);
    ::chmod(folder.file(".fal").c_str(), 0444);
    start();
    form().searchBar().setKeywordText("K");
    formControl<QAction>(form(), "N6")->trigger();
    formControl<QAction>(form(), "A1")->trigger();
    form().move(40, 30);

    // はい: every file was already tried before the question.
    dialogs.answers = {QMessageBox::No, QMessageBox::Yes};  // not kept elsewhere; quit
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask"), "\x8C\x9F\x8D\xF5\x83\x4C\x81\x5B\x83\x8F\x81\x5B\x83\x68\r\nK\r\n");
    EXPECT_EQ(folder.read(".ini"), "[ETC]\r\n");
    EXPECT_EQ(folder.read(".fal"), "a,b\r\n");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    const QStringList lines = dialogs.shown[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);  // a line for each file, then after a blank line the offer to keep them
    EXPECT_TRUE(lines[0].startsWith(QString::fromStdString(folder.file(".ini")))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(QString::fromStdString(folder.file(".fal")))) << lines[1].toStdString();
    for (const QString& line : lines.mid(0, 2))
        EXPECT_TRUE(line.contains(QStringLiteral("読み取り専用"))) << line.toStdString();
    EXPECT_EQ(dialogs.shown[1].defaultButton, QMessageBox::No);
}

}  // namespace
