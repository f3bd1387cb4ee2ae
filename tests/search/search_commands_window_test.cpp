// The search commands driven as the user drives them: typing into the keyword box, Enter, the
// 検索 button, the result tabs, the site buttons and the keyword tree popup.
#include "keywords/keyword_tree_view.h"
#include "search/search_bar.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"
#include "widgets/status_bar.h"
#include "widgets/tab_control.h"
#include "widgets/tab_rows.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace {

const QString kBase = QStringLiteral("http://auction-stats.example/");
const std::string kTokeiSjis = "\x8E\x9E\x8C\x76";  // 時計
const QString kTokeiEuc = QStringLiteral("%BB%FE%B7%D7");

class SearchCommands : public FormFixture {
protected:
    void startWithTemplates()
    {
        start();
        ASSERT_NO_FATAL_FAILURE(showActive());
        SettingsValues& s = form().Settings;
        s.URL = kBase.toStdString();
        s.SoubaCheck = "search?q=$KEY$&t=-1";
        s.KaisaiCheck = "search2?q=$KEY$";
        s.YahooURL = "http://yahoo-auction.example/search?p=$KEY$";
        s.BiddersURL = "http://bidders.example/find?kw=$KEY$";
        for (int k = 0; k < 6; ++k)
            s.SiteURL[static_cast<size_t>(k)] = "http://site" + std::to_string(k + 1) + ".example/?q=$KEY$";
        browser->navigations.clear();
    }

    QLineEdit* keywordField() { return formControl<QComboBox>(form(), "ComboBox1")->lineEdit(); }

    // Typed as the user types: a click into the box, then the keys.
    void typeKeyword(const QString& text)
    {
        keywordField()->clear();
        input::click(formControl<QComboBox>(form(), "ComboBox1"));
        input::type(text);
    }

    // Full-width and Japanese text comes in through the input method, committed in one piece.
    void commitKeyword(const QString& text)
    {
        keywordField()->clear();
        input::click(formControl<QComboBox>(form(), "ComboBox1"));
        input::commit(text);
    }

    QStringList history()
    {
        QStringList items;
        for (int i = 0; i < formControl<QComboBox>(form(), "ComboBox1")->count(); ++i)
            items.push_back(formControl<QComboBox>(form(), "ComboBox1")->itemText(i));
        return items;
    }

    KeywordNode* addKeywordNode(const std::string& bytes)
    {
        KeywordNode* first = formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(0);
        KeywordNode* node = formControl<KeywordTreeView>(form(), "TreeView1")->newNode(bytes, 0);
        formControl<KeywordTreeView>(form(), "TreeView1")->nodes().insertNode(first, first->childCount(), node);
        formControl<KeywordTreeView>(form(), "TreeView1")->expandAll();
        return node;
    }

    void clickNode(KeywordNode* node)
    {
        KeywordTreeView* tree = formControl<KeywordTreeView>(form(), "TreeView1");
        input::click(tree->viewport(), Qt::LeftButton, tree->visualItemRect(node).center());
        ASSERT_EQ(tree->currentItem(), node);
    }
};

}  // namespace

TEST_F(SearchCommands, EnterWithAnyModifierSearchesAndOtherKeysDoNot)
{
    startWithTemplates();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } enters[] = {{Qt::Key_Return, Qt::NoModifier},      {Qt::Key_Return, Qt::ShiftModifier},
                  {Qt::Key_Return, Qt::ControlModifier}, {Qt::Key_Return, Qt::AltModifier},
                  {Qt::Key_Enter, Qt::KeypadModifier},   {Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier}};
    typeKeyword(QStringLiteral("a b"));
    EXPECT_TRUE(browser->navigations.isEmpty()) << "typing alone searched";
    for (const auto& enter : enters) {
        browser->navigations.clear();
        input::key(enter.key, enter.modifiers);
        ASSERT_EQ(browser->navigations.size(), 1) << enter.key << " " << enter.modifiers.toInt();
        EXPECT_EQ(browser->lastNavigation(), kBase + QStringLiteral("search?q=a+b&t=-1"));
    }
    // The key went on to the box: the text and the caret are where the user left them.
    EXPECT_EQ(keywordField()->text(), QStringLiteral("a b"));

    browser->navigations.clear();
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Down, Qt::Key_F5, Qt::Key_Space, Qt::Key_Tab})
        input::key(key);
    EXPECT_TRUE(browser->navigations.isEmpty());
}

TEST_F(SearchCommands, EnterInAnOpenListTakesTheHighlightedEntryThenSearchesOrNavigates)
{
    startWithTemplates();
    const struct {
        QComboBox* box;
        const char *oldest, *newest;
        QString expected;
    } boxes[] = {
        {formControl<QComboBox>(form(), "ComboBox1"), "clock", "watch", kBase + QStringLiteral("search?q=clock&t=-1")},
        {formControl<QComboBox>(form(), "ComboBox2"), "clock.example", "watch.example",
         QStringLiteral("clock.example")}};
    for (const auto& b : boxes) {
        for (const char* text : {b.oldest, b.newest}) {
            b.box->lineEdit()->clear();
            input::click(b.box);
            input::type(QString::fromLatin1(text));
            input::key(Qt::Key_Return);
        }
        b.box->lineEdit()->setText(QStringLiteral("typed"));
        browser->navigations.clear();
        input::key(Qt::Key_F4);
        ASSERT_TRUE(b.box->view()->isVisible());
        input::key(Qt::Key_End);  // the list holds watch, clock: the oldest is last
        input::key(Qt::Key_Return);
        EXPECT_FALSE(b.box->view()->isVisible());
        EXPECT_EQ(b.box->currentText(), QString::fromLatin1(b.oldest));
        EXPECT_EQ(browser->navigations, QStringList{b.expected});
    }
}

TEST_F(SearchCommands, TheEnterThatConfirmsAnInputMethodCompositionIsNotASearch)
{
    startWithTemplates();
    input::click(formControl<QComboBox>(form(), "ComboBox1"));
    input::compose(QStringLiteral("とけい"));
    // An input method that lets the confirming Enter through after all.
    input::key(Qt::Key_Return);
    EXPECT_TRUE(browser->navigations.isEmpty());

    input::commit(QStringLiteral("時計"));
    EXPECT_EQ(keywordField()->text(), QStringLiteral("時計"));
    EXPECT_TRUE(browser->navigations.isEmpty());

    input::key(Qt::Key_Return);
    ASSERT_EQ(browser->navigations.size(), 1);
    EXPECT_EQ(browser->lastNavigation(), kBase + QStringLiteral("search?q=") + kTokeiEuc + QStringLiteral("&t=-1"));

    // A composition given up (Escape in the input method) ends it as well.
    input::compose(QStringLiteral("か"));
    input::compose(QString());
    input::key(Qt::Key_Return);
    EXPECT_EQ(browser->navigations.size(), 2);
}

TEST_F(SearchCommands, HistoryKeepsTheFirstOfOneKeywordInAnyLetterCaseNewestFirst)
{
    startWithTemplates();
    typeKeyword(QStringLiteral("Watch"));
    input::key(Qt::Key_Return);
    typeKeyword(QStringLiteral("WATCH"));
    input::key(Qt::Key_Return);
    typeKeyword(QStringLiteral("watch"));
    input::click(formControl<QPushButton>(form(), "Button1"));
    EXPECT_EQ(history(), QStringList{QStringLiteral("Watch")});
    // The box keeps what was typed even though the list holds another spelling.
    EXPECT_EQ(keywordField()->text(), QStringLiteral("watch"));

    typeKeyword(QStringLiteral("clock"));
    input::key(Qt::Key_Return);
    commitKeyword(QStringLiteral("ｗａｔｃｈ"));  // full-width letters also compare without case
    input::key(Qt::Key_Return);
    commitKeyword(QStringLiteral("ＷＡＴＣＨ"));
    input::key(Qt::Key_Return);
    EXPECT_EQ(history(), (QStringList{QStringLiteral("ｗａｔｃｈ"), QStringLiteral("clock"), QStringLiteral("Watch")}));
    EXPECT_EQ(keywordField()->text(), QStringLiteral("ＷＡＴＣＨ"));
    EXPECT_EQ(browser->navigations.size(), 6);
}

TEST_F(SearchCommands, TheKeywordBoxDoesNotComplete)
{
    startWithTemplates();
    typeKeyword(QStringLiteral("watch"));
    input::key(Qt::Key_Return);
    typeKeyword(QStringLiteral("wa"));
    EXPECT_EQ(keywordField()->text(), QStringLiteral("wa"));
    EXPECT_FALSE(keywordField()->hasSelectedText());
}

TEST_F(SearchCommands, TheSearchJoinsBaseAndTheTabsCommandAsTheyStand)
{
    startWithTemplates();
    SettingsValues& s = form().Settings;
    const struct {
        std::string url, souba, kaisai;
        int tab;
        std::string keyword;
        QString expected;
    } cases[] = {
        {s.URL, s.SoubaCheck, s.KaisaiCheck, 0, kTokeiSjis, kBase + "search?q=" + kTokeiEuc + "&t=-1"},
        {s.URL, s.SoubaCheck, s.KaisaiCheck, 1, kTokeiSjis, kBase + "search2?q=" + kTokeiEuc},
        // No separator is added between the two.
        {"http://x.example", "q=$KEY$", "", 0, "ab", QStringLiteral("http://x.exampleq=ab")},
        // The first "$KEY$" of the joined text is the one replaced, even inside the base address.
        {"http://x.example/$KEY$/", "?q=$KEY$", "", 0, "ab", QStringLiteral("http://x.example/ab/?q=$KEY$")},
        // A template without the placeholder opens the same address whatever the keyword.
        {"http://x.example/", "fixed", "", 0, "ab", QStringLiteral("http://x.example/fixed")},
        // An empty keyword removes the placeholder; an empty template is no address, and nothing opens.
        {"http://x.example/", "s?q=$KEY$&t=1", "", 0, "", QStringLiteral("http://x.example/s?q=&t=1")},
        {"", "", "", 0, "ab", QString()},
    };
    for (const auto& c : cases) {
        s.URL = c.url;
        s.SoubaCheck = c.souba;
        s.KaisaiCheck = c.kaisai;
        {
            const QSignalBlocker quiet(formControl<TabControl>(form(), "TabControl1")->tabBar());
            formControl<TabControl>(form(), "TabControl1")->setTabIndex(c.tab);
        }
        form().searchBar().setKeywordText(c.keyword);
        browser->navigations.clear();
        form().searchBar().Button1Click();
        ASSERT_EQ(browser->navigations.size(), c.expected.isNull() ? 0 : 1);
        if (c.expected.isNull())
            continue;
        EXPECT_EQ(browser->lastNavigation(), c.expected) << c.url << c.souba;
    }
    // The empty text enters the history like any other.
    EXPECT_TRUE(history().contains(QString()));
}

TEST_F(SearchCommands, SwitchingTheResultTabRepeatsTheSearchOnTheOtherCommand)
{
    startWithTemplates();
    typeKeyword(QStringLiteral("never searched"));
    auto* tabs = formControl<TabControl>(form(), "TabControl1")->tabBar();
    input::click(tabs, Qt::LeftButton, tabs->tabRect(1).center());
    ASSERT_EQ(formControl<TabControl>(form(), "TabControl1")->TabIndex(), 1);
    ASSERT_EQ(browser->navigations.size(), 1);
    EXPECT_EQ(browser->lastNavigation(), kBase + QStringLiteral("search2?q=never+searched"));
    EXPECT_EQ(history(), QStringList{QStringLiteral("never searched")});

    input::click(tabs, Qt::LeftButton, tabs->tabRect(0).center());
    ASSERT_EQ(browser->navigations.size(), 2);
    EXPECT_EQ(browser->lastNavigation(), kBase + QStringLiteral("search?q=never+searched&t=-1"));
    EXPECT_EQ(history().size(), 1);
}

TEST_F(SearchCommands, EachSiteButtonSearchesItsOwnTemplateAndLeavesTheHistoryAlone)
{
    startWithTemplates();
    {
        const QSignalBlocker quiet(formControl<TabControl>(form(), "TabControl1")->tabBar());
        formControl<TabControl>(form(), "TabControl1")->setTabIndex(1);  // the result tab plays no part
    }
    QToolButton* buttons[8] = {formControl<QToolButton>(form(), "ToolButton5"),
                               formControl<QToolButton>(form(), "ToolButton6")};
    QStringList expected = {QStringLiteral("http://yahoo-auction.example/search?p=a+b"),
                            QStringLiteral("http://bidders.example/find?kw=a+b")};
    for (int k = 0; k < 6; ++k) {
        buttons[2 + k] = siteButton(form(), static_cast<size_t>(k));
        expected.push_back(QStringLiteral("http://site%1.example/?q=a+b").arg(k + 1));
    }
    typeKeyword(QStringLiteral("a b"));
    browser->navigations.clear();
    for (QToolButton* button : buttons)
        button->click();  // the user sites are hidden until the settings show them
    EXPECT_EQ(browser->navigations, expected);
    EXPECT_TRUE(history().isEmpty());
    EXPECT_EQ(keywordField()->text(), QStringLiteral("a b"));
}

TEST_F(SearchCommands, ThePopupSearchesReplaceTheTypedKeywordWithTheChosenNode)
{
    startWithTemplates();
    KeywordNode* node = addKeywordNode(kTokeiSjis);
    clickNode(node);
    typeKeyword(QStringLiteral("typed"));
    formControl<QAction>(form(), "Yahoo1")->trigger();
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("http://yahoo-auction.example/search?p=") + kTokeiEuc);
    EXPECT_EQ(keywordField()->text(), QStringLiteral("時計"));

    // A top-level node counts as well.
    clickNode(formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(0));
    typeKeyword(QStringLiteral("typed"));
    formControl<QAction>(form(), "Bidders1")->trigger();
    EXPECT_EQ(browser->lastNavigation(),
              QStringLiteral("http://bidders.example/find?kw=%B8%A1%BA%F7%A5%AD%A1%BC%A5%EF%A1%BC%A5%C9"));
    EXPECT_EQ(keywordField()->text(), QStringLiteral("検索キーワード"));
    EXPECT_EQ(browser->navigations.size(), 2);
    EXPECT_TRUE(history().isEmpty());
}

TEST_F(SearchCommands, ThePopupSearchesWithoutAChosenNodeDoNothing)
{
    startWithTemplates();
    formControl<KeywordTreeView>(form(), "TreeView1")->setCurrentItem(nullptr);
    typeKeyword(QStringLiteral("typed"));
    formControl<QAction>(form(), "Yahoo1")->trigger();
    formControl<QAction>(form(), "Bidders1")->trigger();
    formControl<KeywordTreeView>(form(), "TreeView1")->nodes().replaceAll({});
    formControl<QAction>(form(), "Yahoo1")->trigger();
    EXPECT_TRUE(browser->navigations.isEmpty());
    EXPECT_EQ(keywordField()->text(), QStringLiteral("typed"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SearchCommands, ACompositionStillOpenIsTakenByEveryCommandThatReadsABox)
{
    startWithTemplates();
    const QString kamera = QStringLiteral("%A4%AB%A4%E1%A4%E9");  // かめら
    auto* tabs = formControl<TabControl>(form(), "TabControl1")->tabBar();
    const struct {
        const char* what;
        std::function<void()> command;
        QString navigation;
    } cases[] = {
        {"Yahoo!オークション", [&] { input::click(formControl<QToolButton>(form(), "ToolButton5")); },
         QStringLiteral("http://yahoo-auction.example/search?p=") + kamera},
        {"the second result tab", [&] { input::click(tabs, Qt::LeftButton, tabs->tabRect(1).center()); },
         kBase + QStringLiteral("search2?q=") + kamera},
        {"検索", [&] { input::click(formControl<QPushButton>(form(), "Button1")); },
         kBase + QStringLiteral("search2?q=") + kamera},
        {"register in the tree",
         [&] {
             KeywordTreeView* tree = formControl<KeywordTreeView>(form(), "TreeView1");
             input::click(tree->viewport(), Qt::RightButton, tree->visualItemRect(tree->topLevelItem(0)).center());
             QMenu* menu = formControl<QMenu>(form(), "PopupMenu1");
             input::click(menu, Qt::LeftButton, menu->actionGeometry(formControl<QAction>(form(), "N6")).center());
         },
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        typeKeyword(QString());
        input::compose(QStringLiteral("かめら"));
        browser->navigations.clear();
        c.command();
        EXPECT_EQ(browser->navigations, c.navigation.isEmpty() ? QStringList() : QStringList{c.navigation});
        EXPECT_EQ(keywordField()->text(), QStringLiteral("かめら")) << "taken once, and kept";
    }
    KeywordNode* first = formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(0);
    ASSERT_EQ(first->childCount(), 1);
    EXPECT_EQ(first->child(0)->shown(), QStringLiteral("かめら"));
}

TEST_F(SearchCommands, APastedTextOfSeveralLinesGoesOutAsOneLineFromEitherBox)
{
    startWithTemplates();
    const struct {
        const char* box;
        QKeySequence paste;
        QString expected;
    } cases[] = {
        {"ComboBox1", QKeySequence(Qt::CTRL | Qt::Key_V), kBase + QStringLiteral("search?q=SEIKO+SBDC101+%B5%E9&t=-1")},
        // Words in the address box are searched as well.
        {"ComboBox2", QKeySequence(Qt::SHIFT | Qt::Key_Insert),
         kBase + QStringLiteral("search?q=SEIKO+SBDC101+%B5%E9&t=-1")},
    };
    for (const auto& c : cases) {
        QApplication::clipboard()->setText(QStringLiteral("SEIKO\r\nSBDC101\n級"));
        QComboBox* box = formControl<QComboBox>(form(), c.box);
        box->lineEdit()->clear();
        input::click(box);
        input::key(Qt::Key(c.paste[0].key()), c.paste[0].keyboardModifiers());
        EXPECT_EQ(box->currentText(), QStringLiteral("SEIKO SBDC101 級")) << c.box;
        EXPECT_EQ(box->lineEdit()->cursorPosition(), box->currentText().size()) << c.box;
        input::key(Qt::Key_Return);
        EXPECT_EQ(browser->lastNavigation(), c.expected) << c.box;
    }
}

TEST_F(SearchCommands, AKeywordChangedOnItsWayIsNamedInTheStatusBarOnceThePageHasLoaded)
{
    startWithTemplates();
    form().Settings.YahooURL = "http://yahoo-auction.example/search?p=$KEY:UTF-8$";
    const QString cut(300, u'a');
    const struct {
        QString typed;
        const char* button;  // 検索, or a site button
        QString note;        // what panel 1 shows once the page has loaded; empty: the address
    } cases[] = {
        {cut, "Button1", QStringLiteral("キーワードを一部変えて検索しました: ") + QString(255, u'a')},
        {QStringLiteral("カメラ📷"), "ToolButton6", QStringLiteral("キーワードを一部変えて検索しました: カメラ?")},
        {QStringLiteral("カメラ📷"), "ToolButton5", {}},  // a UTF-8 site gets it as typed
        {QStringLiteral("カメラ"), "Button1", {}},
    };
    StatusBar& status = *formControl<StatusBar>(form(), "StatusBar1");
    for (const auto& c : cases) {
        commitKeyword(c.typed);
        if (QString(c.button) == u"Button1")
            input::key(Qt::Key_Return);
        else
            input::click(formControl<QToolButton>(form(), c.button));
        browser->raiseBeforeNavigate2(browser->lastNavigation());
        EXPECT_EQ(status.panelText(0), QStringLiteral("検索中... :"));
        browser->simulateLoad(browser->lastNavigation());
        EXPECT_EQ(status.panelText(1), c.note.isEmpty() ? browser->lastNavigation() : c.note) << c.button;
        browser->simulateLoad(QStringLiteral("http://next.example/"));  // the next load shows its address
        EXPECT_EQ(status.panelText(1), QStringLiteral("http://next.example/"));
    }
}
