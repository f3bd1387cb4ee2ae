// The pane's page policy with the real engine, through the program's window: links that ask for a
// new window, downloads that break off or are refused, and the page's script boxes.
#include "tests/support/real_program.h"
#include "tests/support/window_input.h"
#include "widgets/animate.h"
#include "widgets/status_bar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWebEngineView>

#include <optional>

namespace {

using PanePolicy = RealProgram;

// A click at a point of the page, delivered to the main window over the pane.
void clickPage(TForm1& form, QWidget* view, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(form.windowHandle(), button, modifiers, view->mapTo(&form, at));
}

struct LinkKind {
    const char* name;
    QByteArray link;  // an <a> filling the top of the page
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    const char* opened;
};

class NewWindowLink : public RealProgram, public ::testing::WithParamInterface<LinkKind> {};

}  // namespace

TEST_P(NewWindowLink, OpensInThePaneAndBackReturnsToThePageWithTheLink)
{
    const LinkKind& kind = GetParam();
    server.serve("/popups", "text/html",
                 "<body style='margin:0'><a style='display:block;height:100px' " + kind.link + ">link</a></body>");
    // As the user came there: from another page, so the pane's page has taken input before.
    for (const QString& page : {QStringLiteral("p9"), QStringLiteral("popups")}) {
        openAddress(form(), server.baseAddress() + page);
        ASSERT_TRUE(waitUntilShown(server.baseAddress() + page));
    }

    clickPage(form(), browser->view(), QPoint(50, 50), kind.button, kind.modifiers);
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QString::fromLatin1(kind.opened)))
        << browser->LocationURL().toStdString();
    input::click(formControl<QToolButton>(form(), "ToolButton1"));
    EXPECT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("popups")))
        << browser->LocationURL().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    PanePolicy, NewWindowLink,
    ::testing::Values(
        LinkKind{"TargetBlank", "href='/blanktarget' target='_blank'", Qt::LeftButton, {}, "blanktarget"},
        LinkKind{
            "WindowOpen", "href='#' onclick=\"window.open('/opened'); return false\"", Qt::LeftButton, {}, "opened"},
        LinkKind{"MiddleClick", "href='/middle'", Qt::MiddleButton, {}, "middle"},
        LinkKind{"ControlClick", "href='/control'", Qt::LeftButton, Qt::ControlModifier, "control"}),
    [](const auto& test) { return std::string(test.param.name); });

namespace {

struct DownloadFailure {
    const char* name;
    bool cutShort;        // the server breaks the transfer off part-way
    bool saved;           // the user names a file at the dialog (else Esc)
    QByteArray oldBytes;  // a file the chosen name already has, or none
    const char* reason = "通信が途切れました";
    qint64 bytes = 1000;                // what the server sends
    qint64 disk = 0;                    // a file system of this size to save on, or the usual one
    QByteArray fileName = "fail2.bin";  // the name the server suggests
};

// A small file system of its own, while the test runs; only root may make one.
struct SmallDisk {
    explicit SmallDisk(const QString& at, qint64 bytes)
        : at_(at),
          mounted_(QProcess::execute(QStringLiteral("mount"),
                                     {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                      QStringLiteral("size=%1").arg(bytes), QStringLiteral("tmpfs"), at}) == 0)
    {}
    ~SmallDisk()
    {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {at_});
    }
    QString at_;
    bool mounted_;
};

class FailedDownload : public RealProgram, public ::testing::WithParamInterface<DownloadFailure> {};

}  // namespace

TEST_P(FailedDownload, AsksOnceEndsOnceAndLeavesNoPartialFile)
{
    const DownloadFailure& failure = GetParam();
    const QByteArray disposition = "Content-Disposition: attachment; filename=\"" + failure.fileName + "\"\r\n";
    const QByteArray part(failure.bytes, 'x');
    if (failure.cutShort)
        server.serveCutShort("/fail2.bin", "application/octet-stream", part, 100000, disposition);
    else
        server.serve("/fail2.bin", "application/octet-stream", part, disposition);
    QTemporaryDir scratch;
    std::optional<SmallDisk> disk;
    if (failure.disk > 0) {
        disk.emplace(scratch.path(), failure.disk);
        if (!disk->mounted_)
            GTEST_SKIP() << "no file system of its own can be made here";
    }
    const QString chosen = scratch.filePath(QStringLiteral("fail2.bin"));
    if (!failure.oldBytes.isNull()) {
        QFile old(chosen);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write(failure.oldBytes) == failure.oldBytes.size());
    }
    if (failure.saved)
        dialogs.savePaths = {chosen, chosen, chosen, chosen, chosen, chosen};
    openAddress(form(), server.baseAddress() + QStringLiteral("start"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("start")));
    const QStringList before = {panel(0), panel(1)};

    openAddress(form(), server.baseAddress() + QStringLiteral("fail2.bin"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.shown.empty(); }, kWaitMs));
    const QString endLabel = failure.saved ? QStringLiteral("保存失敗 :") : before[0];
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel(0) == endLabel; }, kWaitMs));
    QTest::qWait(1500);  // whatever the engine retries after the end would show by now

    ASSERT_EQ(dialogs.shown.size(), failure.saved ? 2u : 1u);
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("名前を付けて保存"));
    // A name too long for the file system comes shortened, with what it is kept.
    const QString proposed = QFileInfo(dialogs.shown[0].text).fileName();
    EXPECT_LE(QFile::encodeName(proposed).size(), 255);
    EXPECT_TRUE(proposed.endsWith(QStringLiteral(".bin"))) << proposed.toStdString();
    EXPECT_EQ(panel(0), endLabel);
    EXPECT_EQ(panel(1), failure.saved ? chosen : before[1]);
    if (failure.saved) {
        EXPECT_EQ(dialogs.shown[1].icon, QMessageBox::Warning);
        EXPECT_TRUE(dialogs.shown[1].text.contains(chosen)) << dialogs.shown[1].text.toStdString();
        EXPECT_TRUE(dialogs.shown[1].text.contains(QString::fromUtf8(failure.reason)))
            << dialogs.shown[1].text.toStdString();
    }
    EXPECT_TRUE(formControl<QProgressBar>(form(), "ProgressBar1")->isHidden());
    EXPECT_FALSE(formControl<Animate>(form(), "Animate1")->active());
    const QStringList left = QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden);
    if (failure.oldBytes.isNull()) {
        EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
    } else {
        EXPECT_EQ(left, QStringList{QStringLiteral("fail2.bin")});
        QFile old(chosen);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), failure.oldBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PanePolicy, FailedDownload,
    ::testing::Values(DownloadFailure{"BrokenOff", true, true, {}},
                      DownloadFailure{"BrokenOffOverAnOldFile", true, true, "old file"},
                      DownloadFailure{"EscAtTheDialog", false, false, {}},
                      DownloadFailure{"NameTooLong", false, false, {}, "", 1000, 0, QByteArray(300, 'n') + ".bin"},
                      DownloadFailure{"DiskFull", false, true, {}, "ディスクの空きがありません", 8 << 20, 512 << 10}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(PanePolicy, ScriptBoxesAreTheProgramsInJapaneseNamingTheSite)
{
    openAddress(form(), server.baseAddress() + QStringLiteral("script"));
    ASSERT_TRUE(waitUntilShown(server.baseAddress() + QStringLiteral("script")));
    dialogs.choiceAnswers = {1};  // キャンセル
    dialogs.textAnswers = {QStringLiteral("時計")};
    browser->view()->page()->runJavaScript(
        QStringLiteral("alert('保存しました'); document.title = confirm('消しますか') + '|' + prompt('名前', 'abc');"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser->LocationName() == QStringLiteral("false|時計"); }, kWaitMs))
        << browser->LocationName().toStdString();

    const QString caption = QStringLiteral("127.0.0.1 からのメッセージ");
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].caption, caption);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("保存しました"));
    EXPECT_EQ(dialogs.shown[0].choices, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(dialogs.shown[1].caption, caption);
    EXPECT_EQ(dialogs.shown[1].choices, (QStringList{QStringLiteral("OK"), QStringLiteral("キャンセル")}));
    EXPECT_EQ(dialogs.shown[2].caption, caption);
    EXPECT_EQ(dialogs.shown[2].text, QStringLiteral("名前"));
}

TEST_F(PanePolicy, AHoveredLinksAddressShowsInTheStatusBarWhileHovered)
{
    const QString page = server.baseAddress() + QStringLiteral("hover");
    server.serve("/hover", "text/html",
                 "<body style='margin:0'><a style='display:block;height:100px' href='/target'>t</a>");
    openAddress(form(), page);
    ASSERT_TRUE(waitUntilShown(page));
    const auto pointAt = [this](QPoint at) {
        QTest::mouseMove(form().windowHandle(), browser->view()->mapTo(&form(), at));
    };
    pointAt(QPoint(50, 50));
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel(1) == server.baseAddress() + QStringLiteral("target"); }, kWaitMs))
        << panel(1).toStdString();
    pointAt(QPoint(50, 200));
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel(1) == page; }, kWaitMs)) << panel(1).toStdString();
}
