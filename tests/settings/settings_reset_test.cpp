#include "settings/settings_reset.h"

#include "options/option_dlg.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "widgets/tab_control.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
const QString kCaption = QStringLiteral("設定の初期化");
const QString kQuestion = QStringLiteral(
    "プログラムを再起動したときに、設定がすべて初期化されます。\n"
    "よろしいですか？　（検索キーワードは削除されません）");
const QString kSuccess = QStringLiteral("初期化に成功しました。プログラムを起動しなおしてください。");
const std::string kIni = "[TabName]\r\nKEY#1=saved\r\n";
}  // namespace

class SettingsReset : public FormFixture {
protected:
    TOptionDlg& dlg() { return *windows().optionDlg(); }

    // Presses 設定の初期化 inside the open dialog, then runs after (the dialog still open).
    void resetInsideTheDialog(const std::function<void(TOptionDlg&)>& after)
    {
        QTimer::singleShot(0, &dlg(), [&] {
            input::click(dlg().Button1);
            after(dlg());
            if (dlg().isVisible())
                dlg().reject();
        });
        formControl<QAction>(form(), "N5")->trigger();
    }
};

TEST_F(SettingsReset, ConfirmedRemovesTheFileReportsAndSetsTheFlag)
{
    folder.write(".ini", kIni);
    start();
    dialogs.answers = {QMessageBox::Yes};
    resetInsideTheDialog([&](TOptionDlg& d) { EXPECT_TRUE(d.isVisible()) << "the dialog stays open"; });

    EXPECT_FALSE(folder.exists(".ini"));
    EXPECT_TRUE(form().SettingsReset);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    const ShownBox& question = dialogs.shown[0];
    EXPECT_EQ(question.icon, QMessageBox::NoIcon);
    EXPECT_EQ(question.caption, kCaption);
    EXPECT_EQ(question.text, kQuestion);
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.defaultButton, QMessageBox::Yes);
    const ShownBox& done = dialogs.shown[1];
    EXPECT_EQ(done.icon, QMessageBox::NoIcon);
    EXPECT_EQ(done.caption, kCaption);
    EXPECT_EQ(done.text, kSuccess);
    EXPECT_EQ(done.buttons, QMessageBox::Ok);
}

TEST_F(SettingsReset, AnythingButYesLeavesEverything)
{
    for (const auto answer : {QMessageBox::No, QMessageBox::Cancel}) {
        folder.write(".ini", kIni);
        folder.write(".manifest", "m");
        dialogs = ScriptedDialogs{};
        dialogs.answers = {answer};
        EXPECT_FALSE(runSettingsReset(dialogs, nullptr, folder.executablePath()));
        EXPECT_TRUE(folder.exists(".ini"));
        EXPECT_TRUE(folder.exists(".manifest"));
        EXPECT_EQ(dialogs.shown.size(), 1u);
    }
}

TEST_F(SettingsReset, WithoutASettingsFileShowsNothingFurtherAndKeepsTheFlag)
{
    start();
    dialogs.answers = {QMessageBox::Yes};
    resetInsideTheDialog([](TOptionDlg&) {});
    EXPECT_FALSE(form().SettingsReset);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "only the question";
    EXPECT_TRUE(dialogs.errors().empty());
}

TEST_F(SettingsReset, RemovesTheManifestBesideTheExecutable)
{
    // The manifest keeps the executable's own name whole: ribemo.manifest here, ribemo.exe.manifest
    // where the executable has an extension.
    folder.write(".manifest", "m");
    dialogs.answers = {QMessageBox::Yes};
    EXPECT_FALSE(runSettingsReset(dialogs, nullptr, folder.executablePath())) << "no settings file";
    EXPECT_FALSE(folder.exists(".manifest"));
}

TEST_F(SettingsReset, ChangesNoneOfTheDialogsControls)
{
    folder.write(".ini", kIni);
    start();
    dialogs.answers = {QMessageBox::Yes};
    QString before;
    resetInsideTheDialog([&](TOptionDlg& d) {
        d.LabeledEdit7->setText(QStringLiteral("typed before OK"));
        before = d.LabeledEdit7->text();
        input::click(d.Button1);  // a second reset finds no file: silent
        EXPECT_EQ(d.LabeledEdit7->text(), before);
        input::click(d.OKBtn);
    });
    EXPECT_EQ(dialogs.shown.size(), 3u);
    // OK after the reset still applies to the running program.
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(1), before);
}

TEST_F(SettingsReset, TheCloseDoesNotWriteTheSettingsBackAndTheNextStartHasTheDefaults)
{
    folder.write(".ini", kIni);
    start();
    ASSERT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(0), QStringLiteral("saved"));
    dialogs.answers = {QMessageBox::Yes};
    resetInsideTheDialog([](TOptionDlg& d) {
        d.LabeledEdit6->setText(QStringLiteral("after reset"));
        input::click(d.OKBtn);
    });
    ASSERT_TRUE(form().SettingsReset);
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(0), QStringLiteral("after reset"));
    ASSERT_TRUE(closeWindow());
    EXPECT_FALSE(folder.exists(".ini"));
    restart();
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(0), QStringLiteral("KEY #1"));
    EXPECT_FALSE(form().SettingsReset);
}

TEST_F(SettingsReset, ThatFoundNoFileLeavesTheCloseSavingAsUsual)
{
    start();
    dialogs.answers = {QMessageBox::Yes};
    resetInsideTheDialog([](TOptionDlg& d) {
        d.LabeledEdit6->setText(QStringLiteral("kept"));
        input::click(d.OKBtn);
    });
    ASSERT_FALSE(form().SettingsReset);
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(folder.exists(".ini"));
    restart();
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->tabCaption(0), QStringLiteral("kept"));
}
