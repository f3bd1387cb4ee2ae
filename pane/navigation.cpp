// The browser pane's own controls and what the pane is doing: the navigation buttons, the address
// bar with its history, and the status bar, progress bar and busy animation driven by the pane's
// events.
#include "app/main_window.h"
#include "browser/web_browser.h"
#include "pane/address_box.h"
#include "pane/app_message_filter.h"
#include "search/dropdown_history.h"
#include "text/sjis_text.h"
#include "widgets/animate.h"
#include "widgets/status_bar.h"

#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {

const QString kBusyLabel = QStringLiteral("検索中... :");
const QString kIdleLabel = QStringLiteral("現在のURL :");

}  // namespace

// The buttons are never disabled: back or forward without history is the pane's to ignore.
void TForm1::setUpNavigation()
{
    connectHandler(ToolButton1, &QToolButton::clicked, &TForm1::ToolButton1Click);
    connectHandler(ToolButton2, &QToolButton::clicked, &TForm1::ToolButton2Click);
    connectHandler(ToolButton7, &QToolButton::clicked, &TForm1::ToolButton7Click);
    connectHandler(ToolButton3, &QToolButton::clicked, &TForm1::ToolButton3Click);
    connectHandler(ToolButton4, &QToolButton::clicked, &TForm1::ToolButton4Click);
    connectHandler(Button2, &QPushButton::clicked, &TForm1::Button2Click);
    connect(CppWebBrowser1, &TCppWebBrowser::BeforeNavigate2, this,
            [this](const QString& url) { guarded([&] { CppWebBrowser1BeforeNavigate2(url); }); });
    connectHandler(CppWebBrowser1, &TCppWebBrowser::DownloadBegin, &TForm1::CppWebBrowser1DownloadBegin);
    connect(CppWebBrowser1, &TCppWebBrowser::ProgressChange, this, [this](int progress, int progressMax) {
        guarded([&] { CppWebBrowser1ProgressChange(progress, progressMax); });
    });
    connectHandler(CppWebBrowser1, &TCppWebBrowser::DownloadComplete, &TForm1::CppWebBrowser1DownloadComplete);
    // The mouse's side buttons go back and forward wherever the pointer is over the window.
    qApp->installEventFilter(new AppMessageFilter(*CppWebBrowser1, this));
}

void TForm1::navigateTo(const std::string& address) { CppWebBrowser1->Navigate(fromSjis(address)); }

void TForm1::ToolButton1Click() { CppWebBrowser1->GoBack(); }
void TForm1::ToolButton2Click() { CppWebBrowser1->GoForward(); }
void TForm1::ToolButton7Click() { CppWebBrowser1->Stop(); }
void TForm1::ToolButton3Click() { CppWebBrowser1->Refresh(); }
void TForm1::ToolButton4Click() { CppWebBrowser1->GoHome(); }

void TForm1::Button2Click()
{
    commitComposition();
    // Exactly as typed: no placeholder expansion, no encoding, no trimming, no scheme added.
    const QString address = ComboBox2->currentText();
    CppWebBrowser1->Navigate(address);
    pane_.addressBox->sent();
    rememberInHistory(*ComboBox2, address);
}

void TForm1::ComboBox2KeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        Button2Click();
}

void TForm1::CppWebBrowser1BeforeNavigate2(const QString& url)
{
    StatusBar1->setPanelText(0, kBusyLabel);
    StatusBar1->setPanelText(1, url);
}

void TForm1::CppWebBrowser1DownloadBegin()
{
    StatusBar1->setPanelText(0, kBusyLabel);
    if (ProgressBar1)
        ProgressBar1->show();
    Animate1->setActive(true);
}

void TForm1::CppWebBrowser1ProgressChange(int progress, int progressMax)
{
    if (!ProgressBar1)
        return;
    // The bar's minimum stays 0 (a negative maximum would drag it down). A position outside the
    // range is shown at the nearer end: the bar itself would ignore it and keep the old position.
    const int maximum = std::max(progressMax, 0);
    ProgressBar1->setRange(0, maximum);
    ProgressBar1->setValue(std::clamp(progress, 0, maximum));
}

void TForm1::CppWebBrowser1DownloadComplete()
{
    StatusBar1->setPanelText(0, kIdleLabel);
    // A page the pane could not show says so beside its address.
    const QString problem = CppWebBrowser1->LocationProblem();
    const QString address = CppWebBrowser1->LocationURL();
    StatusBar1->setPanelText(1, problem.isEmpty() ? address : problem + QStringLiteral(" : ") + address);
    // The address bar shows the page now on show, unless the user is typing there; its history
    // only grows by what the user sends.
    pane_.addressBox->follow(CppWebBrowser1->LocationURL());
    if (ProgressBar1)
        ProgressBar1->hide();
    Animate1->setActive(false);
}
