#include "browser/pane_downloads.h"

#include "browser/web_browser.h"

#include <QDir>
#include <QFileInfo>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace {

QString reasonInWords(const QWebEngineDownloadRequest& request)
{
    using R = QWebEngineDownloadRequest::DownloadInterruptReason;
    const R reason = request.interruptReason();
    if (reason >= R::FileFailed && reason < R::NetworkFailed)
        return QStringLiteral("ファイルに書き込めませんでした");
    if (reason >= R::NetworkFailed && reason < R::ServerFailed)
        return QStringLiteral("通信が途切れました");
    if (reason >= R::ServerFailed && reason < R::UserCanceled)
        return QStringLiteral("サーバーが送ってきませんでした");
    if (reason == R::UserCanceled)
        return QStringLiteral("中止しました");
    return request.interruptReasonString();
}

}  // namespace

PaneDownloads::PaneDownloads(QWebEnginePage& page, TCppWebBrowser& pane) : QObject(&pane), page_(&page), pane_(&pane)
{
    connect(page.profile(), &QWebEngineProfile::downloadRequested, this, &PaneDownloads::onRequested);
}

void PaneDownloads::onRequested(QWebEngineDownloadRequest* request)
{
    if (request->page() != page_)
        return;
    // The engine's proposal keeps the server's name; with a name already taken in the download
    // folder it has been made unique, so only the name is offered.
    const QString path = pane_->askDownloadPath ? pane_->askDownloadPath(request->downloadFileName()) : QString();
    if (path.isEmpty()) {
        request->cancel();
        return;
    }
    const QFileInfo target(path);
    // The engine would give up on a folder it cannot make without saying why.
    if (!QDir().mkpath(target.absolutePath())) {
        request->cancel();
        emit pane_->DownloadFinished(path, false, QStringLiteral("保存先のフォルダーを作れませんでした"));
        return;
    }
    request->setDownloadDirectory(target.absolutePath());
    request->setDownloadFileName(target.fileName());
    if (request->isSavePageDownload()) {
        // The name the user gives says the form: a web page alone, or everything in one archive.
        const QString suffix = target.suffix().toLower();
        const bool page = suffix == u"htm" || suffix == u"html";
        request->setSavePageFormat(page ? QWebEngineDownloadRequest::SingleHtmlSaveFormat
                                        : QWebEngineDownloadRequest::MimeHtmlSaveFormat);
    }
    follow(request);
    request->accept();
}

void PaneDownloads::follow(QWebEngineDownloadRequest* request)
{
    const auto path = [request] { return QDir(request->downloadDirectory()).filePath(request->downloadFileName()); };
    const auto progress = [this, request, path] {
        emit pane_->DownloadProgress(path(), request->receivedBytes(), request->totalBytes());
    };
    connect(request, &QWebEngineDownloadRequest::receivedBytesChanged, this, progress);
    connect(request, &QWebEngineDownloadRequest::totalBytesChanged, this, progress);
    connect(request, &QWebEngineDownloadRequest::stateChanged, this, [this, request, path](auto state) {
        using S = QWebEngineDownloadRequest::DownloadState;
        if (state != S::DownloadCompleted && state != S::DownloadInterrupted && state != S::DownloadCancelled)
            return;
        // The engine still reports sizes after the end; the end is the last word.
        disconnect(request, nullptr, this, nullptr);
        emit pane_->DownloadFinished(path(), state == S::DownloadCompleted,
                                     state == S::DownloadCompleted ? QString() : reasonInWords(*request));
    });
}
