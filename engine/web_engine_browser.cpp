#include "engine/web_engine_browser.h"

#include "browser/pane_address.h"
#include "engine/pane_action_texts.h"
#include "engine/pane_downloads.h"
#include "engine/pane_menu_searches.h"
#include "engine/pane_page.h"

#include <QDir>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWebEngineFindTextResult>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The zoom steps of the usual desktop browsers, so the keys feel the same here.
constexpr std::array<double, 15> kZoomFactors = {0.25, 0.33, 0.5, 0.67, 0.75, 0.8, 0.9, 1.0,
                                                 1.1,  1.25, 1.5, 1.75, 2.0,  2.5, 3.0};

}  // namespace

WebEngineBrowser::WebEngineBrowser(QWebEngineProfile* profile, QWidget* parent)
    : TCppWebBrowser(parent), view_(new QWebEngineView(this)), page_(new PanePage(profile, view_))
{
    view_->setPage(page_);
    giveActionsJapaneseTexts(*page_);
    downloads_ = new PaneDownloads(*page_, *this);
    addPaneMenuEntries(*view_, *this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    connect(page_, &PanePage::navigationRequested, this,
            [this](const QUrl& url) { emit BeforeNavigate2(url.toString(QUrl::FullyEncoded)); });
    connect(page_, &QWebEnginePage::loadStarted, this, [this] {
        loading_ = true;
        emit DownloadBegin();
    });
    connect(page_, &QWebEnginePage::loadProgress, this, [this](int percent) { emit ProgressChange(percent, 100); });
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool) {
        loading_ = false;
        emit DownloadComplete();
    });
    connect(page_, &QWebEnginePage::urlChanged, this, &WebEngineBrowser::onUrlChanged);
    connect(page_, &QWebEnginePage::linkHovered, this, &TCppWebBrowser::LinkHovered);
    connect(page_, &PanePage::note, this, &TCppWebBrowser::PageNote);
    // One connection answers every search, whoever started it.
    connect(page_, &QWebEnginePage::findTextFinished, this, [this](const QWebEngineFindTextResult& result) {
        emit FindTextFinished(result.activeMatch(), result.numberOfMatches());
    });
}

void WebEngineBrowser::onUrlChanged(const QUrl& url)
{
    // A load's own address change comes between its start and finish. One outside a load is the
    // page moving within itself (an #anchor, a script's history change): the engine fetches
    // nothing and reports no load, but the address is new, so it goes out as a whole page load.
    if (loading_ || url.isEmpty() || page_->failedUrl().isValid())
        return;
    emit BeforeNavigate2(url.toString(QUrl::FullyEncoded));
    emit DownloadBegin();
    emit ProgressChange(100, 100);
    emit DownloadComplete();
}

void WebEngineBrowser::Navigate(const QString& address)
{
    const QUrl url = paneAddressToUrl(address);
    // The engine would show an empty page for it, without a word.
    if (!url.isValid() || url.isEmpty()) {
        emit PageNote(QStringLiteral("アドレスとして開けません: ") + address);
        return;
    }
    page_->userWaits([page = page_, url] { page->load(url); }, url);
    page_->loadAsked(url);
}

void WebEngineBrowser::GoBack()
{
    page_->userWaits([page = page_] { page->triggerAction(QWebEnginePage::Back); });
    page_->triggerAction(QWebEnginePage::Back);
}

void WebEngineBrowser::GoForward()
{
    page_->userWaits([page = page_] { page->triggerAction(QWebEnginePage::Forward); });
    page_->triggerAction(QWebEnginePage::Forward);
}

void WebEngineBrowser::Refresh()
{
    // A page of the program's own stands for the address that failed: that is what is fetched again.
    const auto reload = [page = page_] {
        if (page->failedUrl().isValid())
            page->load(page->failedUrl());
        else
            page->triggerAction(QWebEnginePage::Reload);
    };
    page_->userWaits(reload, page_->failedUrl().isValid() ? page_->failedUrl() : page_->url());
    reload();
}

void WebEngineBrowser::Stop()
{
    page_->userWaits({});
    page_->triggerAction(QWebEnginePage::Stop);
}

void WebEngineBrowser::GoHome()
{
    if (!homeAddress_.isEmpty())
        Navigate(homeAddress_);
}

QString WebEngineBrowser::LocationURL() const
{
    const QUrl url = page_->failedUrl().isValid() ? page_->failedUrl() : page_->url();
    if (url.isLocalFile())
        return url.toString();
    return url.toString(QUrl::FullyEncoded);
}

QString WebEngineBrowser::LocationName() const { return page_->title(); }

QString WebEngineBrowser::LocationProblem() const { return page_->problem(); }

void WebEngineBrowser::Zoom(int steps)
{
    if (steps == 0) {
        page_->setZoomFactor(1.0);
        return;
    }
    // From the step nearest the present factor, which a page may have set between two steps.
    const double now = page_->zoomFactor();
    const auto nearest = std::min_element(kZoomFactors.begin(), kZoomFactors.end(),
                                          [now](double a, double b) { return std::abs(a - now) < std::abs(b - now); });
    const auto index =
        std::clamp<std::ptrdiff_t>(nearest - kZoomFactors.begin() + steps, 0, std::ssize(kZoomFactors) - 1);
    page_->setZoomFactor(kZoomFactors[static_cast<size_t>(index)]);
}

void WebEngineBrowser::FindText(const QString& text, bool backward)
{
    page_->findText(text, backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

void WebEngineBrowser::setDialogs(Dialogs* dialogs) { page_->setDialogs(dialogs); }

bool WebEngineBrowser::DownloadsUnderWay() const { return downloads_->underWay(); }
void WebEngineBrowser::CancelDownloads() { downloads_->cancelAll(); }

void drawPagesInSoftware() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }

void keepBrowserDataIn(QWebEngineProfile& profile, const QString& folder)
{
    profile.setPersistentStoragePath(folder + QStringLiteral("/QtWebEngine/ribemo"));
    profile.setCachePath(folder + QStringLiteral("/QtWebEngine/cache"));
}

QWebEngineProfile* persistentBrowserProfile(const QString& folder)
{
    static QWebEngineProfile* profile = [&folder] {
        auto* p = new QWebEngineProfile(QStringLiteral("ribemo"));
        if (!folder.isEmpty())
            keepBrowserDataIn(*p, folder);
        p->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
        p->setHttpAcceptLanguage(QStringLiteral("ja,en;q=0.5"));
        return p;
    }();
    return profile;
}
