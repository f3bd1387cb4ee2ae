// ツール → キーワードツリーのバックアップ / レストア change all three files or none of them, and a
// restore asks first.
#include "tests/support/form_fixture.h"

#include <QDir>

#include <sys/stat.h>

namespace {

class KeywordBackup : public FormFixture {
protected:
    void writeSet()
    {
        folder.write(".ask", "A\r\n\tB\r\n");
        folder.write(".ask2", "C\r\n\tD\r\n");
        folder.write(".ask.bak", "old0\r\n");
        folder.write(".ask2.bak", "old1\r\n");
        folder.write(".ask3.bak", "old2\r\n");
    }
    void expectSet(const char* ask, const char* ask2, const char* bak, const char* bak2, const char* bak3)
    {
        EXPECT_EQ(folder.read(".ask"), ask);
        EXPECT_EQ(folder.read(".ask2"), ask2);
        EXPECT_FALSE(folder.exists(".ask3"));
        EXPECT_EQ(folder.read(".ask.bak"), bak);
        EXPECT_EQ(folder.read(".ask2.bak"), bak2);
        EXPECT_EQ(folder.read(".ask3.bak"), bak3);
        // No temporary file is left behind.
        EXPECT_EQ(QDir(QString::fromStdString(folder.folder())).entryList(QDir::Files | QDir::Hidden).size(), 5);
    }
    QString lastText() const { return dialogs.shown.empty() ? QString() : dialogs.shown.back().text; }
};

TEST_F(KeywordBackup, RestoreAsksFirstAndNoChangesNothing)
{
    writeSet();
    start();
    formControl<QAction>(form(), "N25")->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const ShownBox& question = dialogs.shown[0];
    EXPECT_EQ(question.text, QStringLiteral("キーワードツリーをバックアップの内容に戻します。今のキーワードツリーは"
                                            "失われます。よろしいですか？"));
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.defaultButton, QMessageBox::No);
    expectSet("A\r\n\tB\r\n", "C\r\n\tD\r\n", "old0\r\n", "old1\r\n", "old2\r\n");
}

// A file of the set that cannot be written stops the command before any file changes, and the
// user is told which file and why.
TEST_F(KeywordBackup, AFailedBackupOrRestoreLeavesEveryFileAsItWas)
{
    writeSet();
    ASSERT_EQ(::chmod(folder.file(".ask2.bak").c_str(), 0444), 0);
    start();
    formControl<QAction>(form(), "N24")->trigger();
    ASSERT_EQ(dialogs.errors().size(), 1u);
    EXPECT_EQ(dialogs.errors()[0], QStringLiteral("キーワードツリーのバックアップを作成できませんでした。ファイル %1 に"
                                                  "書き込めません (アクセスが許可されていません)。以前のバックアップは"
                                                  "そのまま残っています.")
                                       .arg(QString::fromStdString(folder.file(".ask2.bak"))));
    expectSet("A\r\n\tB\r\n", "C\r\n\tD\r\n", "old0\r\n", "old1\r\n", "old2\r\n");

    ASSERT_EQ(::chmod(folder.file(".ask2").c_str(), 0444), 0);
    dialogs.answers.push_back(QMessageBox::Yes);
    formControl<QAction>(form(), "N25")->trigger();
    ASSERT_EQ(dialogs.errors().size(), 2u);
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("キーワードツリーをレストアできませんでした。ファイル %1 に")
                                          .arg(QString::fromStdString(folder.file(".ask2")))));
    expectSet("A\r\n\tB\r\n", "C\r\n\tD\r\n", "old0\r\n", "old1\r\n", "old2\r\n");
}

}  // namespace
