#include "help/about_box.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <vector>

using Launches = FormFixture;

TEST_F(Launches, SecondCopyIsTheSameExecutableWithoutArguments)
{
    start();
    formControl<QAction>(form(), "N12")->trigger();
    ASSERT_EQ(launcher.startedPrograms.size(), 1);
    EXPECT_EQ(launcher.startedPrograms[0], QString::fromStdString(folder.executablePath()));
    EXPECT_TRUE(launcher.startedArguments[0].isEmpty());
    EXPECT_TRUE(launcher.openedAddresses.isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Launches, WithADataFolderTheFilesTheSecondCopyAndTheAboutBoxAllUseIt)
{
    const QTemporaryDir data;
    dataFolder = QFile::encodeName(data.path()).toStdString();
    start();
    formControl<QAction>(form(), "N12")->trigger();
    ASSERT_EQ(launcher.startedArguments.size(), 1);
    EXPECT_EQ(launcher.startedArguments[0], QStringList({QStringLiteral("--data-dir"), data.path()}));
    EXPECT_EQ(windows().aboutBox()->DataFolder->toolTip(), data.path());
    // Shown again, the line is replaced rather than laid over the first.
    windows().aboutBox()->showDataFolder(QStringLiteral("/elsewhere"));
    EXPECT_EQ(windows().aboutBox()->findChildren<QLabel*>(QStringLiteral("DataFolder")).size(), 1);
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(QFile::exists(data.filePath(QStringLiteral("ribemo.fal"))));
    EXPECT_TRUE(QFile::exists(data.filePath(QStringLiteral("ribemo.ini"))));
    EXPECT_FALSE(folder.exists(".fal")) << "nothing beside the executable";
    EXPECT_FALSE(folder.exists(".ini"));
}

TEST_F(Launches, DefaultBrowserGetsTheAddressThePaneReportsAtThatMoment)
{
    start();
    // Mid-load: the pane already reports the page it is fetching.
    browser->raiseBeforeNavigate2(QStringLiteral("http://auction-stats.example/search?q=a"));
    browser->raiseDownloadBegin();
    browser->locationUrl = QStringLiteral("http://auction-stats.example/search?q=a");
    formControl<QAction>(form(), "N13")->trigger();
    browser->locationUrl = QStringLiteral("http://other.example/page");
    formControl<QAction>(form(), "N13")->trigger();
    browser->locationUrl.clear();
    formControl<QAction>(form(), "N13")->trigger();
    EXPECT_EQ(launcher.openedAddresses, (QStringList{QStringLiteral("http://auction-stats.example/search?q=a"),
                                                     QStringLiteral("http://other.example/page"), QString()}));
}

TEST_F(Launches, HelpPageComesFromBesideTheExecutableWhateverTheCurrentFolder)
{
    start();
    const QString before = QDir::currentPath();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    formControl<QAction>(form(), "H2")->trigger();
    QDir::setCurrent(before);
    EXPECT_EQ(browser->lastNavigation(), QString::fromStdString(folder.folder() + "/HELP/index.htm"));
    // The same page the pane opened at start.
    EXPECT_EQ(browser->navigations.front(), browser->lastNavigation());
}

TEST_F(Launches, MakersPageOpensInThePane)
{
    start();
    formControl<QAction>(form(), "N18")->trigger();
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("http://ribemo.example/"));
    EXPECT_TRUE(launcher.openedAddresses.isEmpty());
}

TEST_F(Launches, AboutBoxHasTheDesignedLayout)
{
    start();
    TAboutBox& box = *windows().aboutBox();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(box.size(), QSize(313, 154));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    auto* panel = box.findChild<QFrame*>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), QRect(8, 8, 297, 113));
    struct Label {
        const char* name;
        QString text;
        QPoint at;
    };
    for (const Label& l : {Label{"ProductName", QStringLiteral("Ribemo ☆ オークション相場チェック"), {72, 16}},
                           Label{"Version", QStringLiteral("Version 1.30"), {192, 32}},
                           Label{"Comments", QStringLiteral("Powerd by オークション統計ページ（仮）"), {48, 72}},
                           Label{"Label1", QStringLiteral("http://auction-stats.example/"), {80, 88}}}) {
        SCOPED_TRACE(l.name);
        auto* label = panel->findChild<QLabel*>(QString::fromLatin1(l.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), l.text);
        EXPECT_EQ(label->pos(), l.at);
        EXPECT_GE(label->width(), label->sizeHint().width()) << "clipped";
    }
    auto* icon = panel->findChild<QLabel*>(QStringLiteral("ProgramIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->geometry(), QRect(16, 16, 41, 41));
    EXPECT_TRUE(icon->hasScaledContents());
    EXPECT_FALSE(icon->pixmap().isNull());
    auto* comments = panel->findChild<QLabel*>(QStringLiteral("Comments"));
    EXPECT_TRUE(comments->wordWrap());
    EXPECT_LE(comments->heightForWidth(comments->width()), comments->height()) << "wraps into a clipped line";
    EXPECT_TRUE(box.Label1->font().underline());
    EXPECT_EQ(box.Label1->cursor().shape(), Qt::PointingHandCursor);
    box.Label1->ensurePolished();
    EXPECT_EQ(box.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(box.OKButton->geometry(), QRect(96, 124, 129, 25));
    EXPECT_TRUE(box.OKButton->isDefault());
}

TEST_F(Launches, AboutBoxIsModalAndItsLinkOpensTheStatisticsSiteWhileItStaysOpen)
{
    start();
    TAboutBox& box = *windows().aboutBox();
    bool ran = false;
    QTimer::singleShot(0, &box, [&] {
        ran = true;
        EXPECT_TRUE(box.isVisible());
        EXPECT_TRUE(box.isModal());
        input::click(box.Label1);
        EXPECT_TRUE(box.isVisible());
        // A press that ends outside the label is no click.
        QWindow* window = box.windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, box.Label1->mapTo(&box, box.Label1->rect().center()));
        QTest::mouseRelease(window, Qt::LeftButton, {}, box.Label1->mapTo(&box, QPoint(-5, -5)));
        input::click(box.OKButton);
        if (box.isVisible())
            box.reject();
    });
    formControl<QAction>(form(), "V1")->trigger();
    ASSERT_TRUE(ran);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(launcher.openedAddresses, QStringList{QStringLiteral("http://auction-stats.example/")});
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST_F(Launches, AFailedLaunchSaysWhatCouldNotBeOpenedAndWhy)
{
    start();
    launcher.failure = QStringLiteral("既定のWebブラウザが見つからないか、起動できませんでした");
    browser->locationUrl = QStringLiteral("http://auction-stats.example/search?q=a");
    const std::vector<std::function<void()>> launches = {
        [&] { formControl<QAction>(form(), "N13")->trigger(); },
        [&] { windows().aboutBox()->Label1Click(); },
    };
    for (const auto& launch : launches) {
        dialogs.shown.clear();
        launch();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].icon, QMessageBox::Warning);
        EXPECT_TRUE(dialogs.shown[0].text.contains(launcher.openedAddresses.back()));
        EXPECT_TRUE(dialogs.shown[0].text.contains(launcher.failure));
    }
}
