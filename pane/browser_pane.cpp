// The browser pane's own controls and what the pane is doing: the navigation buttons, the address
// bar with its history, and the status bar, progress bar and busy animation driven by the pane's
// events.
#include "pane/browser_pane.h"

#include "browser/web_browser.h"
#include "pane/address_box.h"
#include "pane/app_message_filter.h"
#include "pane/typed_address.h"
#include "search/box_input.h"
#include "search/dropdown_history.h"
#include "text/sjis_text.h"
#include "widgets/animate.h"
#include "widgets/status_bar.h"

#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

const QString kBusyLabel = QStringLiteral("検索中... :");
const QString kIdleLabel = QStringLiteral("現在のURL :");

}  // namespace

BrowserPane::BrowserPane(const BrowserPaneWidgets& widgets, const HandlerGuard& guard, QWidget* window)
    : BrowserPaneWidgets(widgets), guard_(guard)
{
    setUpNavigation();
    setUpBrowserKeys(window);
    setUpDownloads();
    setUpNotes();
}

// The buttons are never disabled: back or forward without history is the pane's to ignore.
void BrowserPane::setUpNavigation()
{
    guard_.connect(ToolButton1, &QToolButton::clicked, this, &BrowserPane::ToolButton1Click);
    guard_.connect(ToolButton2, &QToolButton::clicked, this, &BrowserPane::ToolButton2Click);
    guard_.connect(ToolButton7, &QToolButton::clicked, this, &BrowserPane::ToolButton7Click);
    guard_.connect(ToolButton3, &QToolButton::clicked, this, &BrowserPane::ToolButton3Click);
    guard_.connect(ToolButton4, &QToolButton::clicked, this, &BrowserPane::ToolButton4Click);
    guard_.connect(Button2, &QPushButton::clicked, this, &BrowserPane::Button2Click);
    connect(CppWebBrowser1, &TCppWebBrowser::BeforeNavigate2, this,
            [this](const QString& url) { guard_([&] { CppWebBrowser1BeforeNavigate2(url); }); });
    guard_.connect(CppWebBrowser1, &TCppWebBrowser::DownloadBegin, this, &BrowserPane::CppWebBrowser1DownloadBegin);
    connect(CppWebBrowser1, &TCppWebBrowser::ProgressChange, this, [this](int progress, int progressMax) {
        guard_([&] { CppWebBrowser1ProgressChange(progress, progressMax); });
    });
    guard_.connect(CppWebBrowser1, &TCppWebBrowser::DownloadComplete, this,
                   &BrowserPane::CppWebBrowser1DownloadComplete);
    // The mouse's side buttons go back and forward wherever the pointer is over the window.
    qApp->installEventFilter(new AppMessageFilter(*CppWebBrowser1, this));
    watchBoxKeys(ComboBox2, [this](int key) { guard_([&] { ComboBox2KeyDown(key); }); });
    guard_.connect(StatusBar1, &StatusBar::resized, this, &BrowserPane::StatusBar1Resize);
}

void BrowserPane::navigate(const QString& address)
{
    pageKeyword_.reset();
    // A site button or an entry without an address: the engine would show an empty page unsaid.
    if (address.isEmpty()) {
        noteUntilNextLoad(QStringLiteral("開くアドレスが設定されていません"));
        return;
    }
    CppWebBrowser1->Navigate(address);
}

void BrowserPane::navigateForKeyword(const QString& address, const std::string& keyword)
{
    navigate(address);
    if (!address.isEmpty())
        pageKeyword_ = keyword;
}

void BrowserPane::showKeywordNote(const QString& note)
{
    if (!note.isEmpty())
        StatusBar1->setPanelText(1, note);
    else if (!keywordNote_.isEmpty() && StatusBar1->panelText(1) == keywordNote_)
        StatusBar1->setPanelText(1, CppWebBrowser1->LocationURL());
    keywordNote_ = note;
}
QString BrowserPane::pageAddress() const { return CppWebBrowser1->LocationURL(); }
QString BrowserPane::pageTitle() const { return CppWebBrowser1->LocationName(); }

void BrowserPane::ToolButton1Click() { CppWebBrowser1->GoBack(); }
void BrowserPane::ToolButton2Click() { CppWebBrowser1->GoForward(); }
void BrowserPane::ToolButton7Click() { CppWebBrowser1->Stop(); }
void BrowserPane::ToolButton3Click() { CppWebBrowser1->Refresh(); }
void BrowserPane::ToolButton4Click()
{
    pageKeyword_.reset();
    CppWebBrowser1->GoHome();
}

void BrowserPane::Button2Click()
{
    commitBoxCompositions();
    const QString address = ComboBox2->currentText();
    if (address.trimmed().isEmpty())
        return;
    pageKeyword_.reset();
    // Words are searched for, as from the address bar of a browser. An address goes exactly as
    // typed: no placeholder expansion, no encoding, no trimming, no scheme added.
    if (typedTextIsKeyword(address))
        emit keywordSearchRequested(address.trimmed());
    else
        CppWebBrowser1->Navigate(address);
    addressBox_->sent();
    rememberInHistory(*ComboBox2, address);
}

void BrowserPane::ComboBox2KeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    // An address typed in full opens as typed, even when a longer one in the list begins with it.
    addressBox_->dropOfferedCompletion();
    Button2Click();
}

void BrowserPane::CppWebBrowser1BeforeNavigate2(const QString& url)
{
    StatusBar1->setPanelText(0, kBusyLabel);
    StatusBar1->setPanelText(1, url);
}

void BrowserPane::CppWebBrowser1DownloadBegin()
{
    StatusBar1->setPanelText(0, kBusyLabel);
    if (ProgressBar1)
        ProgressBar1->show();
    Animate1->setActive(true);
}

void BrowserPane::CppWebBrowser1ProgressChange(int progress, int progressMax)
{
    if (!ProgressBar1)
        return;
    // The bar's minimum stays 0 (a negative maximum would drag it down). A position outside the
    // range is shown at the nearer end: the bar itself would ignore it and keep the old position.
    const int maximum = std::max(progressMax, 0);
    ProgressBar1->setRange(0, maximum);
    ProgressBar1->setValue(std::clamp(progress, 0, maximum));
}

void BrowserPane::CppWebBrowser1DownloadComplete()
{
    StatusBar1->setPanelText(0, kIdleLabel);
    // A page the pane could not show says so beside its address.
    const QString problem = CppWebBrowser1->LocationProblem();
    const QString address = CppWebBrowser1->LocationURL();
    StatusBar1->setPanelText(1, problem.isEmpty() ? address : problem + QStringLiteral(" : ") + address);
    // The address bar shows the page now on show, unless the user is typing there; its history
    // only grows by what the user sends.
    addressBox_->follow(CppWebBrowser1->LocationURL());
    if (ProgressBar1)
        ProgressBar1->hide();
    Animate1->setActive(false);
}

void BrowserPane::noteOnceShown(const QString& note, const QString& exceptFile)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(CppWebBrowser1, &TCppWebBrowser::DownloadComplete, this, [=, this] {
        const QString shown = CppWebBrowser1->LocationURL();
        if (shown.isEmpty() || shown == u"about:blank" || QUrl(shown).toLocalFile() == exceptFile)
            return;
        StatusBar1->setPanelText(1, note);
        disconnect(*connection);
    });
}

void BrowserPane::noteKeywordChanged(const QString& sent)
{
    // Shown when the load ends, as the load's own texts would cover it while it runs.
    noteAfterLoad(QStringLiteral("キーワードを一部変えて検索しました: ") + sent);
}

void BrowserPane::createProgressBar()
{
    ProgressBar1 = new QProgressBar(StatusBar1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    StatusBar1Resize();
}

void BrowserPane::StatusBar1Resize()
{
    StatusBar1->setPanelWidth(1, StatusBar1->width() - 197);
    if (!ProgressBar1)
        return;
    ProgressBar1->setGeometry(StatusBar1->panelWidth(1) + 67, 2, StatusBar1->panelWidth(2) - 2,
                              StatusBar1->height() - 2);
}
