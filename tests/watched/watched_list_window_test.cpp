#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"
#include "watched/auction_list_view.h"
#include "widgets/status_bar.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

using WatchedList = FormFixture;

// A menu caption as the menu shows it: "&" marks the access key, "&&" stands for "&".
QString shownCaption(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    return caption.replace(u'\x01', u'&');
}

QStringList captions(TForm1& form)
{
    QStringList texts;
    for (std::size_t n = 0; n < 10; ++n)
        texts << shownCaption(faucItem(form, n)->text());
    return texts;
}

QPoint cellCentre(AuctionListView& list, int row) { return list.visualRect(list.model()->index(row, 0)).center(); }

// The edit field the list has open now; fields closed earlier are hidden until deleted.
QLineEdit* openEditor(AuctionListView& list)
{
    for (QLineEdit* field : list.viewport()->findChildren<QLineEdit*>())
        if (field->isVisible())
            return field;
    return nullptr;
}

// The folder or file marked immutable: neither a new file nor a rename gets past it, not even
// for root (tests run as root, where permission bits stop nothing).
class ImmutableMark {
public:
    explicit ImmutableMark(const std::string& path) : path_(path) { marked_ = setFlag(true); }
    ~ImmutableMark()
    {
        if (marked_)
            setFlag(false);
    }
    bool marked() const { return marked_; }

private:
    bool setFlag(bool on) const
    {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return ok;
    }
    std::string path_;
    bool marked_ = false;
};

// A file in the program's own form: every line as the writer makes it. Quoted and unquoted
// fields, empty ones, further fields, double-byte characters whose trail byte is 0x5C ("表",
// "ソ", "能") and bytes that are no Shift-JIS at all.
const std::string kOwnForm =
    "abc,about:blank\r\n"
    "\"a b\",\"x,y\"\r\n"
    "\"say \"\"hi\"\"\",about:blank\r\n"
    "\"\"\r\n"
    ",about:blank\r\n"
    "abc,\r\n"
    ",\r\n"
    "t,http://a.example/?q=1,extra,\"more one\",\r\n"
    "\x95\x5c\x83\x5c,http://b.example/\x94\x5c\r\n"
    "\"\x95\x5c \x83\x5c\t\",\"\x94\x5c,\"\r\n"
    "\xff\xfe\x80,\xa0\xfd\r\n"
    "abc\x81,def\x81\r\n";

TEST_F(WatchedList, AFileInTheProgramsOwnFormSurvivesAStartAndACloseByteForByte)
{
    folder.write(".fal", kOwnForm);
    start();
    AuctionListView& list = *formControl<AuctionListView>(form(), "FavAucList");
    ASSERT_EQ(list.entryCount(), 12);
    EXPECT_EQ(list.item(8, 0)->text(), QStringLiteral("表ソ"));
    EXPECT_EQ(list.item(8, 1)->text(), QStringLiteral("http://b.example/能"));
    EXPECT_EQ(list.item(7, 1)->text(), QStringLiteral("http://a.example/?q=1"));
    EXPECT_EQ(list.item(3, 1)->text(), QString());
    EXPECT_EQ(captions(form()).mid(0, 3),
              (QStringList{QStringLiteral("1.abc"), QStringLiteral("2.a b"), QStringLiteral("3.say \"hi\"")}));
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".fal"), kOwnForm);
}

TEST_F(WatchedList, LinesInOtherFormsAreReadByTheReadingRulesAndWrittenInTheProgramsForm)
{
    const struct {
        std::string file, written;
    } cases[] = {
        {"abc , def\n", "abc,def\r\n"},
        {"a,,b\r", "a,,b\r\n"},
        {"abc,", "abc,\r\n"},
        {",a\n\n   \r\nb\r\n", ",a\r\nb\r\n"},
        {"\"a\"b, \"c\"\"d\"  ,e", "a,b,\"c\"\"d\",e\r\n"},
        {"\"never closed, x", "\"never closed, x\"\r\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        folder.write(".fal", c.file);
        start();
        EXPECT_TRUE(dialogs.errors().empty());
        ASSERT_TRUE(closeWindow());
        EXPECT_EQ(folder.read(".fal"), c.written) << c.file;
    }
}

TEST_F(WatchedList, WithoutAFileTheListIsEmptyAndTheCloseWritesAnEmptyFile)
{
    start();
    EXPECT_EQ(formControl<AuctionListView>(form(), "FavAucList")->entryCount(), 0);
    EXPECT_EQ(captions(form()), (QStringList{"1.", "2.", "3.", "4.", "5.", "6.", "7.", "8.", "9.", "10."}));
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_TRUE(closeWindow());
    ASSERT_TRUE(folder.exists(".fal"));
    EXPECT_EQ(folder.read(".fal"), "");
}

TEST_F(WatchedList, AddsTheCurrentPageOnTopAndTheMenuShowsTheNewestTen)
{
    start();
    form().show();
    for (int n = 1; n <= 11; ++n) {
        browser->locationName = QStringLiteral("p%1").arg(n);
        browser->locationUrl = QStringLiteral("http://p%1.example/").arg(n);
        if (n % 2)
            input::click(formControl<QPushButton>(form(), "Button3"));
        else
            formControl<QAction>(form(), "A1")->trigger();
    }
    AuctionListView& list = *formControl<AuctionListView>(form(), "FavAucList");
    ASSERT_EQ(list.entryCount(), 11);
    EXPECT_EQ(list.entry(0), (WatchedEntry{"p11", "http://p11.example/"}));
    EXPECT_EQ(list.entry(10), (WatchedEntry{"p1", "http://p1.example/"}));
    EXPECT_EQ(list.selectedRow(), -1);
    EXPECT_EQ(faucItem(form(), 0)->text(), QStringLiteral("&1.p11"));
    EXPECT_EQ(faucItem(form(), 9)->text(), QStringLiteral("1&0.p2"));

    // A title taken from a page loses its line breaks; a character no conversion table has becomes "?".
    browser->locationName = QStringLiteral("表\r\nソ\nb\rc 😀");
    browser->locationUrl = QStringLiteral("about:blank");
    formControl<QAction>(form(), "A1")->trigger();
    EXPECT_EQ(list.entry(0), (WatchedEntry{"\x95\x5c \x83\x5c b c ?", "about:blank"}));

    ASSERT_TRUE(closeWindow());
    const std::string file = folder.read(".fal");
    EXPECT_EQ(file.substr(0, file.find("p2,")),
              "\"\x95\x5c \x83\x5c b c ?\",about:blank\r\np11,http://p11.example/\r\np10,http://p10.example/\r\n"
              "p9,http://p9.example/\r\np8,http://p8.example/\r\np7,http://p7.example/\r\np6,http://p6.example/\r\n"
              "p5,http://p5.example/\r\np4,http://p4.example/\r\np3,http://p3.example/\r\n");
}

TEST_F(WatchedList, NumberedEntriesOpenTheirAddressAndNumbersBeyondTheListDoNothing)
{
    folder.write(".fal", "t1,http://1.example/\r\nt2,http://2.example/%41\r\nt3,\r\n");
    start();
    EXPECT_EQ(captions(form()), (QStringList{"1.t1", "2.t2", "3.t3", "4.", "5.", "6.", "7.", "8.", "9.", "10."}));
    // The third entry has no address: nothing opens, and the status bar says why.
    const QString expected[10] = {"http://1.example/", "http://2.example/%41"};
    for (int n = 0; n < 10; ++n) {
        const qsizetype before = browser->navigations.size();
        faucItem(form(), static_cast<size_t>(n))->trigger();
        if (n < 2) {
            ASSERT_EQ(browser->navigations.size(), before + 1) << n;
            EXPECT_EQ(browser->lastNavigation(), expected[n]);
        } else {
            EXPECT_EQ(browser->navigations.size(), before) << n;
        }
    }
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(formControl<StatusBar>(form(), "StatusBar1")->panelText(1),
              QStringLiteral("開くアドレスが設定されていません"));
}

TEST_F(WatchedList, ALongTitleIsShortenedInItsMiddleInTheMenuAndWholeInItsTip)
{
    start();
    form().show();
    const QString title = QStringLiteral("始") + QString(2000, u'x') + QStringLiteral("終");
    browser->locationName = title;
    browser->locationUrl = QStringLiteral("http://a.example/");
    formControl<QAction>(form(), "A1")->trigger();
    QAction* first = faucItem(form(), 0);
    EXPECT_TRUE(first->text().startsWith(QStringLiteral("&1.始x")) && first->text().endsWith(QStringLiteral("x終")) &&
                first->text().contains(QStringLiteral("…")))
        << first->text().toStdString();
    EXPECT_EQ(first->toolTip(), title);
    QMenu* menu = first->associatedObjects().isEmpty() ? nullptr : qobject_cast<QMenu*>(first->associatedObjects()[0]);
    ASSERT_TRUE(menu);
    EXPECT_LE(menu->sizeHint().width(), menu->screen()->availableGeometry().width() * 6 / 10);
}

TEST_F(WatchedList, DoubleClickOpensTheEntryClickedAndAnEntryWithOnlyATitleReportsTheIndexError)
{
    folder.write(".fal", "\"only a title\"\r\nb,http://b.example/\r\n");
    start();
    form().show();
    AuctionListView& list = *formControl<AuctionListView>(form(), "FavAucList");
    const qsizetype before = browser->navigations.size();
    faucItem(form(), 0)->trigger();
    input::doubleClick(list.viewport(), cellCentre(list, 0));
    EXPECT_EQ(browser->navigations.size(), before);
    const QString indexError = QStringLiteral("リストのインデックスが範囲を超えています (0)");
    EXPECT_EQ(dialogs.errors(), (std::vector<QString>{indexError, indexError}));

    input::doubleClick(list.viewport(), cellCentre(list, 1));
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("http://b.example/"));
    EXPECT_EQ(list.selectedRow(), 1);
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    EXPECT_EQ(openEditor(list), nullptr) << "a double-click opens the page, not an edit field";

    const QPoint belowTheRows(20, list.viewport()->height() - 3);
    ASSERT_FALSE(list.indexAt(belowTheRows).isValid());
    input::doubleClick(list.viewport(), belowTheRows);
    EXPECT_EQ(browser->navigations.size(), before + 1);
    EXPECT_EQ(list.selectedRow(), -1);
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(WatchedList, ClickingTheSelectedTitleEditsItInPlaceWithoutTouchingTheMenu)
{
    const struct {
        Qt::Key key;
        QString typed;
        std::string title;
    } cases[] = {
        {Qt::Key_Return, QStringLiteral("新しい表題"), "\x90\x56\x82\xb5\x82\xa2\x95\x5c\x91\xe8"},
        {Qt::Key_Return, QString(), ""},
        {Qt::Key_Escape, QStringLiteral("dropped"), "old\xff"},  // the old bytes, not a conversion of them
    };
    for (const auto& c : cases) {
        folder.write(".fal", "first,about:blank\r\nold\xff,http://x.example/,kept\r\n");
        start();
        form().show();
        AuctionListView& list = *formControl<AuctionListView>(form(), "FavAucList");
        input::click(list.viewport(), Qt::LeftButton, cellCentre(list, 1));
        input::click(list.viewport(), Qt::LeftButton, cellCentre(list, 1));
        QLineEdit* editor = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] { return (editor = openEditor(list)) != nullptr; }));
        editor->selectAll();
        input::key(Qt::Key_Backspace);
        input::commit(c.typed);
        input::key(c.key);
        QApplication::processEvents();  // the list takes the text from the field once it is back in the loop
        EXPECT_EQ(list.entry(1), (WatchedEntry{c.title, "http://x.example/", "kept"}));
        EXPECT_EQ(shownCaption(faucItem(form(), 1)->text()), fromSjis("2.old\xff"));

        formControl<QAction>(form(), "A1")->trigger();  // the next add refreshes every caption
        EXPECT_EQ(shownCaption(faucItem(form(), 2)->text()), QStringLiteral("3.") + fromSjis(c.title));
        ASSERT_TRUE(closeWindow());
        EXPECT_EQ(folder.read(".fal"), ",\r\nfirst,about:blank\r\n" + c.title + ",http://x.example/,kept\r\n");
    }
}

TEST_F(WatchedList, TheUrlColumnKeepsItsWidthAndTheTitleTakesTheRest)
{
    std::string many;
    for (int i = 0; i < 100; ++i)
        many += "t,u\r\n";
    for (const std::string& file : {std::string(), many}) {
        folder.write(".fal", file);
        start();
        form().show();
        AuctionListView& list = *formControl<AuctionListView>(form(), "FavAucList");
        for (int width : {870, 640, 1100}) {
            form().resize(width, 720);
            QApplication::processEvents();
            EXPECT_EQ(list.columnWidth(1), 200);
            EXPECT_EQ(list.columnWidth(0), list.viewport()->width() - 200) << width;
            EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
        }
        EXPECT_EQ(list.verticalScrollBar()->isVisible(), !file.empty());
        closeWindow();
    }
}

TEST_F(WatchedList, AFailedWriteKeepsTheWindowOpenAndTheOldFile)
{
    for (bool lockFolder : {true, false}) {
        const std::string old = "old,about:blank\r\n";
        folder.write(".fal", old);
        SCOPED_TRACE(lockFolder ? "folder locked" : "file locked");
        start();
        form().show();
        formControl<QAction>(form(), "A1")->trigger();
        // The settings step comes first in the close and would meet a locked folder first.
        form().SettingsReset = true;
        {
            ImmutableMark lock(lockFolder ? folder.folder() : folder.file(".fal"));
            if (!lock.marked())
                GTEST_SKIP() << "this file system keeps no immutable mark";
            EXPECT_FALSE(form().close());
            EXPECT_TRUE(form().isVisible());
        }
        ASSERT_EQ(dialogs.errors().size(), 1u);
        EXPECT_TRUE(dialogs.errors()[0].startsWith(
            QString::fromStdString("ファイル " + folder.file(".fal") + " を作成できません（")));
        EXPECT_EQ(folder.read(".fal"), old);
        EXPECT_EQ(QDir(QString::fromStdString(folder.folder())).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("ribemo.fal")});
        ASSERT_TRUE(closeWindow());  // unlocked, the same close goes through
        EXPECT_EQ(folder.read(".fal"), ",\r\n" + old);
        dialogs.shown.clear();
        windows() = ProgramWindows{};
    }
}

TEST_F(WatchedList, AFolderInPlaceOfTheFileIsReportedAtStartAndAtACloseAfterAChange)
{
    const std::string path = folder.file(".fal");
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(path)));
    start();
    EXPECT_EQ(
        dialogs.errors(),
        (std::vector<QString>{QString::fromStdString("ファイル " + path +
                                                     " は開けません。その内容は表示されませんが、ファイルはそのまま残り"
                                                     "ます。内容を変更するまでファイルには書き込みません.")}));
    ASSERT_NE(formControl<QProgressBar>(form(), "ProgressBar1"), nullptr);  // the start-up went on
    EXPECT_FALSE(browser->navigations.isEmpty());
    EXPECT_EQ(formControl<AuctionListView>(form(), "FavAucList")->entryCount(), 0);
    // Unchanged, the list is not written over what could not be read.
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(dialogs.errors().size(), 1u);
    formControl<QAction>(form(), "A1")->trigger();
    EXPECT_FALSE(closeWindow());
    EXPECT_EQ(dialogs.errors().back(),
              QString::fromStdString("ファイル " + path +
                                     " を作成できません（その名前でフォルダーが置かれています）.\r\n\r\n"
                                     "保存できなかった内容を別の場所に保存しますか？"));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(path)).isDir());
}

TEST_F(WatchedList, DeleteTakesARowOutAndCtrlZBringsItBackInItsPlaceWithTheMenuFollowing)
{
    const std::string file = "t1,http://1.example/\r\nt2,http://2.example/,memo\r\nt3,http://3.example/\r\n";
    folder.write(".fal", file);
    start();
    ASSERT_NO_FATAL_FAILURE(showActive());
    AuctionListView& list = *formControl<AuctionListView>(form(), "FavAucList");
    const struct {
        int clicked;  // the row clicked before each Delete
        int deletes;
        QStringList afterDeletes;
    } cases[] = {
        {1, 1, {"1.t1", "2.t3", "3."}}, {0, 3, {"1.", "2.", "3."}},  // the next row takes the place each time
    };
    for (const auto& c : cases) {
        input::click(list.viewport(), Qt::LeftButton, cellCentre(list, c.clicked));
        for (int i = 0; i < c.deletes; ++i)
            input::key(Qt::Key_Delete);
        EXPECT_EQ(captions(form()).mid(0, 3), c.afterDeletes);
        EXPECT_FALSE(faucItem(form(), 2)->isEnabled());
        for (int i = 0; i < c.deletes; ++i)
            input::key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(captions(form()).mid(0, 4), (QStringList{"1.t1", "2.t2", "3.t3", "4."}));
        EXPECT_EQ(list.entry(1), (WatchedEntry{"t2", "http://2.example/", "memo"}));
    }
    EXPECT_TRUE(faucItem(form(), 2)->isEnabled());
    EXPECT_FALSE(faucItem(form(), 3)->isEnabled());

    // In the menu the number is the item's key.
    QMenu* menu = formControl<QMenu>(form(), "L1");
    menu->popup(form().mapToGlobal(QPoint(40, 40)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    input::key(Qt::Key_2);
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("http://2.example/"));
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".fal"), file);
}

}  // namespace
