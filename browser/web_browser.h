#pragma once
// The browser pane's contract: the navigation operations, the current address and title, and the
// four events the main window listens to. The production binding drives Qt WebEngine
// (WebEngineBrowser, in the engine's module); window tests use a recording stand-in of the same
// contract. Every function is pure, so that a stand-in cannot leave one out unnoticed.
//
// The class is the program's, and the program exports it to the engine's module (the one thing
// it exports), so that its meta-object, and with it every connection to its signals, exists once.
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <utility>

class Dialogs;

class Q_DECL_EXPORT TCppWebBrowser : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Starts loading the address. An absolute local path opens that file; any other text is
    // taken as an address whose percent-escapes reach the server unchanged (host:port without a
    // scheme opens over http).
    virtual void Navigate(const QString& address) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void GoHome() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;

    virtual QString LocationURL() const = 0;
    virtual QString LocationName() const = 0;
    // What went wrong with the page on show (its process ended, its certificate was refused) in a
    // few words, while the pane shows a page of its own in its place; empty otherwise.
    virtual QString LocationProblem() const = 0;

    // ---- Beyond the control: what the main window offers in the pane as any desktop browser
    // does.
    // steps: +1 one step larger, -1 one step smaller, 0 back to the page's own size.
    virtual void Zoom(int steps) = 0;
    // Finds the next (or previous) match of text in the page; an empty text clears the highlight.
    // The outcome comes back as FindTextFinished.
    virtual void FindText(const QString& text, bool backward) = 0;
    // Where a download the page asks for (a link, "save page") goes: the owner answers with a
    // full file path, or an empty text when the user chose not to save it. Asked once a download,
    // however often the engine retries it.
    std::function<QString(const QString& suggestedFileName)> askDownloadPath;
    // Whether a download is being written now; the owner asks before ending the program.
    virtual bool DownloadsUnderWay() const = 0;
    // Stops every download under way, leaving nothing of it on disk, without a word.
    virtual void CancelDownloads() = 0;
    // The message boxes the page's scripts (alert, confirm, prompt) speak through. Not owned.
    virtual void setDialogs(Dialogs* dialogs) = 0;
    // The sites besides the statistics site that the pane menu offers to search a selection on,
    // in the menu's order: each name with a number of the owner's choosing, which comes back in
    // searchSelectionRequested. Asked each time the menu opens.
    std::function<QList<std::pair<QString, int>>()> otherSearchSites;
    // The site numbers of the statistics site's two searches (its closed and open auctions).
    static constexpr int kClosedAuctions = -1;
    static constexpr int kOpenAuctions = -2;
    // The prices a selection holds that the pane menu offers to keep (相場メモ), in the menu's
    // order: each as the menu shows it ("12,345円") with its amount in yen, which comes back in
    // recordPriceRequested. Asked each time the menu opens over a selection.
    std::function<QList<std::pair<QString, qint64>>(const QString& selection)> pricesInSelection;

signals:
    void BeforeNavigate2(const QString& url);
    void DownloadBegin();
    void ProgressChange(int progress, int progressMax);
    void DownloadComplete();

    // activeMatch counts from 1; matches is the number of matches in the page.
    void FindTextFinished(int activeMatch, int matches);
    // A download under way: bytes received so far, and the whole size (-1 while not known).
    void DownloadProgress(const QString& path, qint64 received, qint64 total);
    // A download has ended: saved whole, or not, with the reason in the user's words; an empty
    // reason when it was cancelled, which needs no word. Nothing stays under path unless saved.
    void DownloadFinished(const QString& path, bool saved, const QString& reason);

    // The pane menu asks to search text (a selection made one line, without blanks at its ends)
    // on site: kClosedAuctions, kOpenAuctions or a number from otherSearchSites.
    void searchSelectionRequested(const QString& text, int site);
    // The pane menu asks to keep a link in the watched list: its text, or its address when it has
    // none, and its address.
    void watchLinkRequested(const QString& title, const QString& address);
    // The pane menu asks to keep a price of the selection (one of pricesInSelection's).
    void recordPriceRequested(qint64 yen, const QString& selection);

    // The pointer is over a link to url in the page; an empty url once it has left the link.
    void LinkHovered(const QString& url);
    // Something the user should know about the page on show, in a few words for the status bar:
    // a pop-up blocked, a permission refused, an address that cannot be opened.
    void PageNote(const QString& text);
};
