// The browser pane's controls: the navigation buttons, the mouse side buttons over any window of
// the program, the address bar with its history and completion, and the status display driven by
// the pane's events.
#include "keywords/keyword_tree_view.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "widgets/animate.h"
#include "widgets/status_bar.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// Counts the presses that reach a widget past the application-wide filter.
class PressProbe : public QObject {
public:
    explicit PressProbe(QWidget* widget) { widget->installEventFilter(this); }
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            ++presses;
        return false;
    }
};

// A mouse event over the middle of widget, delivered where the window system delivers it: to the
// widget's top-level window, which hands it to the widget under the point.
void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button)
{
    QWidget* top = widget->window();
    const QPointF at = widget->mapTo(top, QPointF(widget->width() / 2.0, widget->height() / 2.0));
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, top->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(top->windowHandle(), &event);
}

class Navigation : public FormFixture {
protected:
    void startShown()
    {
        start();
        ASSERT_NO_FATAL_FAILURE(showActive());
        browser->navigations.clear();
    }

    QLineEdit* addressField() { return formControl<QComboBox>(form(), "ComboBox2")->lineEdit(); }

    void typeAddress(const QString& text)
    {
        addressField()->clear();
        input::click(formControl<QComboBox>(form(), "ComboBox2"));
        input::type(text);
    }

    QStringList addressHistory()
    {
        QStringList items;
        for (int i = 0; i < formControl<QComboBox>(form(), "ComboBox2")->count(); ++i)
            items.push_back(formControl<QComboBox>(form(), "ComboBox2")->itemText(i));
        return items;
    }
};

}  // namespace

TEST_F(Navigation, EachButtonCallsItsOperationWhateverTheHistory)
{
    startShown();
    const struct {
        QToolButton* button;
        const char* operation;
    } buttons[] = {{formControl<QToolButton>(form(), "ToolButton1"), "GoBack"},
                   {formControl<QToolButton>(form(), "ToolButton2"), "GoForward"},
                   {formControl<QToolButton>(form(), "ToolButton7"), "Stop"},
                   {formControl<QToolButton>(form(), "ToolButton3"), "Refresh"},
                   {formControl<QToolButton>(form(), "ToolButton4"), "GoHome"}};
    for (int round = 0; round < 2; ++round) {
        for (const auto& b : buttons) {
            browser->operations.clear();
            EXPECT_TRUE(b.button->isEnabled()) << b.operation;
            input::click(b.button);
            EXPECT_EQ(browser->operations, QStringList{QString::fromLatin1(b.operation)});
        }
        browser->simulateLoad(QStringLiteral("http://a.example/"));  // with a history the same
    }
}

TEST_F(Navigation, SideButtonPressesGoBackAndForwardAndAreConsumed)
{
    startShown();
    QWidget* targets[] = {formControl<QComboBox>(form(), "ComboBox1")->lineEdit(),
                          formControl<KeywordTreeView>(form(), "TreeView1")->viewport(),
                          static_cast<QWidget*>(formControl<TCppWebBrowser>(form(), "CppWebBrowser1")),
                          formControl<StatusBar>(form(), "StatusBar1")};
    for (QWidget* target : targets) {
        PressProbe probe(target);
        browser->operations.clear();
        sendMouse(target, QEvent::MouseButtonPress, Qt::BackButton);
        sendMouse(target, QEvent::MouseButtonRelease, Qt::BackButton);
        sendMouse(target, QEvent::MouseButtonPress, Qt::ForwardButton);
        sendMouse(target, QEvent::MouseButtonRelease, Qt::ForwardButton);
        EXPECT_EQ(browser->operations, (QStringList{QStringLiteral("GoBack"), QStringLiteral("GoForward")}))
            << target->objectName().toStdString();
        EXPECT_EQ(probe.presses, 0) << "the widget saw the press too";
    }

    // Other buttons and double-clicks of the side buttons pass untouched.
    QWidget* target = formControl<StatusBar>(form(), "StatusBar1");
    PressProbe probe(target);
    browser->operations.clear();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::ExtraButton3})
        sendMouse(target, QEvent::MouseButtonPress, button);
    sendMouse(target, QEvent::MouseButtonDblClick, Qt::BackButton);
    EXPECT_TRUE(browser->operations.isEmpty());
    EXPECT_EQ(probe.presses, 4);
}

TEST_F(Navigation, SideButtonsWorkOverAModalDialogOfTheProgram)
{
    startShown();
    QDialog dialog(&form());
    auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
    (new QVBoxLayout(&dialog))->addWidget(button);
    PressProbe probe(button);
    QTimer::singleShot(0, &dialog, [&] {
        sendMouse(button, QEvent::MouseButtonPress, Qt::BackButton);
        // As the window system delivers it: to the dialog's top-level window first.
        QTest::mousePress(dialog.windowHandle(), Qt::ForwardButton, {}, button->geometry().center());
        QTest::mouseRelease(dialog.windowHandle(), Qt::ForwardButton, {}, button->geometry().center());
        dialog.accept();
    });
    dialog.exec();
    EXPECT_EQ(browser->operations, (QStringList{QStringLiteral("GoBack"), QStringLiteral("GoForward")}));
    EXPECT_EQ(probe.presses, 0);
}

TEST_F(Navigation, TheAddressGoesAsTypedAndEntersTheHistoryOnceInAnyCase)
{
    startShown();
    const QString typed = QStringLiteral(" http://a.example/s?q=$KEY$&x=%41 ");
    typeAddress(typed);
    input::key(Qt::Key_Return);
    ASSERT_EQ(browser->navigations.size(), 1);
    EXPECT_EQ(browser->lastNavigation(), typed);

    typeAddress(QStringLiteral("HTTP://A.EXAMPLE/S?Q=$KEY$&X=%41 ").prepend(u' '));
    input::key(Qt::Key_Return, Qt::ShiftModifier);
    typeAddress(QStringLiteral("b.example"));
    input::click(formControl<QPushButton>(form(), "Button2"));
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("b.example"));  // no scheme added
    EXPECT_EQ(browser->navigations.size(), 3);
    EXPECT_EQ(addressHistory(), (QStringList{QStringLiteral("b.example"), typed}));

    // The address bar is no search: the keyword box's history stays empty.
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox1")->count(), 0);
}

TEST_F(Navigation, TheAddressBarCompletesInlineFromItsHistory)
{
    startShown();
    for (const char* address :
         {"http://other.example/", "http://auction-stats.example/search", "http://auction-two.example/"}) {
        typeAddress(QString::fromLatin1(address));
        input::key(Qt::Key_Return);
    }
    // Newest first: the first entry beginning with the typed text is the newest such address.
    // What was typed stays as typed; the rest of the entry is appended and highlighted.
    typeAddress(QStringLiteral("HTTP://AUCTION-"));
    EXPECT_EQ(addressField()->text(), QStringLiteral("HTTP://AUCTION-two.example/"));
    EXPECT_EQ(addressField()->selectedText(), QStringLiteral("two.example/"));

    // Typing on replaces the highlighted rest and completes afresh.
    input::type(QStringLiteral("s"));
    EXPECT_EQ(addressField()->text(), QStringLiteral("HTTP://AUCTION-stats.example/search"));
    EXPECT_EQ(addressField()->selectedText(), QStringLiteral("tats.example/search"));
    input::key(Qt::Key_End);  // takes the rest; Enter alone would open what was typed
    input::key(Qt::Key_Return);
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("HTTP://AUCTION-stats.example/search"));
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox2")->count(), 3);

    typeAddress(QStringLiteral("http://nothing"));
    EXPECT_EQ(addressField()->text(), QStringLiteral("http://nothing"));
    EXPECT_FALSE(addressField()->hasSelectedText());
}

TEST_F(Navigation, StatusBarProgressBarAndAnimationFollowThePanesEvents)
{
    startShown();
    TForm1& f = form();
    browser->raiseBeforeNavigate2(QStringLiteral("http://a.example/next"));
    EXPECT_EQ(formControl<StatusBar>(f, "StatusBar1")->panelText(0), QStringLiteral("検索中... :"));
    EXPECT_EQ(formControl<StatusBar>(f, "StatusBar1")->panelText(1), QStringLiteral("http://a.example/next"));
    EXPECT_TRUE(formControl<QProgressBar>(f, "ProgressBar1")->isHidden()) << "only a download shows the bar";

    browser->raiseDownloadBegin();
    EXPECT_TRUE(formControl<QProgressBar>(f, "ProgressBar1")->isVisible());
    EXPECT_TRUE(formControl<Animate>(f, "Animate1")->active());
    browser->raiseDownloadBegin();  // a second begin changes nothing
    EXPECT_TRUE(formControl<Animate>(f, "Animate1")->active());

    const struct {
        int progress, max, shownValue, shownMax;
    } reports[] = {{50, 100, 50, 100}, {-1, 100, 0, 100}, {250, 100, 100, 100}, {100, 100, 100, 100},
                   {7, 10, 7, 10},     {-1, 0, 0, 0},     {3, -5, 0, 0},        {10000, 20000, 10000, 20000}};
    for (const auto& r : reports) {
        browser->raiseProgressChange(r.progress, r.max);
        EXPECT_EQ(formControl<QProgressBar>(f, "ProgressBar1")->value(), r.shownValue) << r.progress << "/" << r.max;
        EXPECT_EQ(formControl<QProgressBar>(f, "ProgressBar1")->maximum(), r.shownMax) << r.progress << "/" << r.max;
        EXPECT_EQ(formControl<QProgressBar>(f, "ProgressBar1")->minimum(), 0);
    }
    EXPECT_TRUE(dialogs.errors().empty());

    // One completion makes the pane idle, however many downloads began.
    addressField()->setText(QStringLiteral("typed by the user"));
    browser->locationUrl = QStringLiteral("http://a.example/shown");
    browser->raiseDownloadComplete();
    EXPECT_EQ(formControl<StatusBar>(f, "StatusBar1")->panelText(0), QStringLiteral("現在のURL :"));
    EXPECT_EQ(formControl<StatusBar>(f, "StatusBar1")->panelText(1), QStringLiteral("http://a.example/shown"));
    EXPECT_EQ(addressField()->text(), QStringLiteral("http://a.example/shown"));
    EXPECT_EQ(formControl<QComboBox>(f, "ComboBox2")->count(), 0)
        << "a page the user did not type never enters the address history";
    EXPECT_TRUE(formControl<QProgressBar>(f, "ProgressBar1")->isHidden());
    EXPECT_FALSE(formControl<Animate>(f, "Animate1")->active());
    EXPECT_EQ(formControl<Animate>(f, "Animate1")->currentFrame(), 1);
}

TEST_F(Navigation, ThePagesOwnAddressChangesNeverReplaceWhatTheUserIsTyping)
{
    startShown();
    TForm1& f = form();
    browser->simulateLoad(QStringLiteral("http://a.example/p"));
    input::key(Qt::Key_L, Qt::ControlModifier);
    // A script's history change before the first key: the box follows, still ready to be typed over.
    browser->simulateLoad(QStringLiteral("http://a.example/pushed/auto"));
    EXPECT_EQ(addressField()->selectedText(), QStringLiteral("http://a.example/pushed/auto"));
    input::type(QStringLiteral("http://b.example/mytyp"));
    browser->simulateLoad(QStringLiteral("http://a.example/pushed/again"));
    EXPECT_EQ(formControl<StatusBar>(f, "StatusBar1")->panelText(1), QStringLiteral("http://a.example/pushed/again"))
        << "the status follows";
    input::type(QStringLiteral("ing"));
    input::key(Qt::Key_Return);
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("http://b.example/mytyping"));
    // Sent, the edit is over: the page's address shows even while the box keeps the keyboard.
    browser->simulateLoad(QStringLiteral("http://b.example/mytyping/"));
    EXPECT_EQ(addressField()->text(), QStringLiteral("http://b.example/mytyping/"));

    // Esc gives the edit up.
    input::type(QStringLiteral("x"));
    browser->simulateLoad(QStringLiteral("http://b.example/later"));
    input::key(Qt::Key_Escape);
    EXPECT_EQ(addressField()->text(), QStringLiteral("http://b.example/later"));

    // An edit taken back and then left shows the page now on show.
    input::key(Qt::Key_End);
    input::type(QStringLiteral("x"));
    browser->simulateLoad(QStringLiteral("http://b.example/latest"));
    input::key(Qt::Key_Backspace);
    input::click(formControl<KeywordTreeView>(f, "TreeView1")->viewport());
    EXPECT_EQ(addressField()->text(), QStringLiteral("http://b.example/latest"));

    // The first key's inline completion can offer back the very address on show: still an edit,
    // and a load ending then leaves it alone.
    browser->simulateLoad(QStringLiteral("http://b.example/mytyping"));
    input::key(Qt::Key_L, Qt::ControlModifier);
    input::type(QStringLiteral("h"));
    ASSERT_EQ(addressField()->text(), QStringLiteral("http://b.example/mytyping")) << "offered by the completion";
    browser->simulateLoad(QStringLiteral("https://c.example/"));
    input::type(QStringLiteral("ttp://d.example/after"));
    input::key(Qt::Key_Return);
    EXPECT_EQ(browser->lastNavigation(), QStringLiteral("http://d.example/after"));
}

TEST_F(Navigation, ClosingDuringADownloadAsksAndOnlyYesStopsItAndCloses)
{
    start();
    browser->downloading = true;
    dialogs.answers = {QMessageBox::No, QMessageBox::Yes};
    EXPECT_FALSE(closeWindow());
    EXPECT_FALSE(browser->operations.contains(QStringLiteral("CancelDownloads")));
    EXPECT_TRUE(closeWindow());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("ダウンロード中のファイルがあります。中止して終了しますか？"));
    EXPECT_EQ(dialogs.shown[0].defaultButton, QMessageBox::No);
    EXPECT_TRUE(browser->operations.contains(QStringLiteral("CancelDownloads")));
}

TEST_F(Navigation, EnterOpensTheTypedAddressAndTheCompletionsRestOnlyOnceAccepted)
{
    const QString root = QStringLiteral("http://127.0.0.1:8080/");
    const struct {
        const char* name;
        QString typed;
        Qt::Key accept;  // a key before Enter, or none
        QString opened;
    } cases[] = {
        {"an entry equal to the typed text", root, Qt::Key_unknown, root},
        {"the start of an entry", QStringLiteral("http://127.0.0.1:8080/cook"), Qt::Key_unknown,
         QStringLiteral("http://127.0.0.1:8080/cook")},
        {"the rest taken by End", root, Qt::Key_End, root + QStringLiteral("cookiecheck")},
        {"the rest taken by the right arrow", root, Qt::Key_Right, root + QStringLiteral("cookiecheck")},
    };
    for (const auto& c : cases) {
        startShown();
        for (const QString& visited : {root, root + QStringLiteral("cookiecheck")}) {
            typeAddress(visited);
            input::key(Qt::Key_Return);
        }
        typeAddress(c.typed);
        ASSERT_TRUE(addressField()->hasSelectedText()) << c.name;  // the completion is on offer
        if (c.accept != Qt::Key_unknown)
            input::key(c.accept);
        input::key(Qt::Key_Return);
        EXPECT_EQ(browser->lastNavigation(), c.opened) << c.name;
        EXPECT_EQ(addressField()->text(), c.opened) << c.name;
        TearDown();
    }
}

TEST_F(Navigation, WordsTypedAsAnAddressAreSearchedAndNoAddressOpensNothingUnsaid)
{
    const struct {
        const char16_t* typed;
        bool words;
    } cases[] = {
        {u"seiko watch", true},
        {u" 時計 ", true},
        {u"seiko", true},
        {u"1.5 kg", true},
        {u"note: seiko", true},
        {u"b.example", false},
        {u"localhost:8080/x", false},
        {u"127.0.0.1", false},
        {u"about:blank", false},
        {u"/home/user/a b.htm", false},
        {u"www.example.jp/a b", false},
        {u" http://a.example/x y ", false},
        {u"[::1]:8080", false},
        {u"mailto:a@example.jp", false},
    };
    startShown();
    form().Settings.URL = "http://stats.example/";
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf16(c.typed);
        typeAddress(typed);
        input::key(Qt::Key_Return);
        const QString keyword = formControl<QComboBox>(form(), "ComboBox1")->currentText();
        if (c.words) {
            EXPECT_TRUE(browser->lastNavigation().startsWith(QStringLiteral("http://stats.example/search?q=")))
                << typed.toStdString() << " opened " << browser->lastNavigation().toStdString();
            EXPECT_EQ(keyword, typed.trimmed());
        } else {
            EXPECT_EQ(browser->lastNavigation(), typed);
        }
    }

    // A site button without an address says so, and the page stays.
    browser->navigations.clear();
    form().Settings.YahooURL.clear();
    input::click(formControl<QToolButton>(form(), "ToolButton5"));
    EXPECT_TRUE(browser->navigations.isEmpty());
    EXPECT_EQ(formControl<StatusBar>(form(), "StatusBar1")->panelText(1),
              QStringLiteral("開くアドレスが設定されていません"));
}
