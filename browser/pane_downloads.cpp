#include "browser/pane_downloads.h"

#include "browser/web_browser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include <cstdio>

namespace {

QString reasonInWords(const QWebEngineDownloadRequest& request)
{
    using R = QWebEngineDownloadRequest::DownloadInterruptReason;
    const R reason = request.interruptReason();
    if (reason >= R::FileFailed && reason < R::NetworkFailed)
        return QStringLiteral("ファイルに書き込めませんでした");
    // The engine also reports a transfer that ended before the announced length with a server
    // reason of its own that Qt does not name (38); for the user it is a broken connection.
    constexpr int kEndedShort = 38;
    if ((reason >= R::NetworkFailed && reason < R::ServerFailed) || static_cast<int>(reason) == kEndedShort)
        return QStringLiteral("通信が途切れました");
    if (reason >= R::ServerFailed && reason < R::UserCanceled)
        return QStringLiteral("サーバーが送ってきませんでした");
    return request.interruptReasonString();
}

// Where the bytes go until the download is whole: beside the chosen file, so that taking its
// name is a rename within one folder, and under a name no file has yet.
QString partialPath(const QString& path)
{
    QString partial = path + QStringLiteral(".part");
    for (int n = 2; QFileInfo::exists(partial); ++n)
        partial = path + QStringLiteral(".%1.part").arg(n);
    return partial;
}

// Puts the whole file in place of whatever had the chosen name, in one step.
bool moveIntoPlace(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
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
    Target target = targets_.value(request->id());
    if (target.path.isEmpty()) {
        // The engine's proposal keeps the server's name; with a name already taken in the download
        // folder it has been made unique, so only the name is offered.
        target.path = pane_->askDownloadPath ? pane_->askDownloadPath(request->downloadFileName()) : QString();
        if (target.path.isEmpty()) {
            request->cancel();
            return;
        }
        // The engine would give up on a folder it cannot make without saying why.
        if (!QDir().mkpath(QFileInfo(target.path).absolutePath())) {
            request->cancel();
            emit pane_->DownloadFinished(target.path, false, QStringLiteral("保存先のフォルダーを作れませんでした"));
            return;
        }
        target.partial = partialPath(target.path);
        targets_.insert(request->id(), target);
    }
    const QFileInfo partial(target.partial);
    request->setDownloadDirectory(partial.absolutePath());
    request->setDownloadFileName(partial.fileName());
    if (request->isSavePageDownload()) {
        // The name the user gives says the form: a web page alone, or everything in one archive.
        const QString suffix = QFileInfo(target.path).suffix().toLower();
        const bool page = suffix == u"htm" || suffix == u"html";
        request->setSavePageFormat(page ? QWebEngineDownloadRequest::SingleHtmlSaveFormat
                                        : QWebEngineDownloadRequest::MimeHtmlSaveFormat);
    }
    follow(request, target.path);
    request->accept();
}

void PaneDownloads::follow(QWebEngineDownloadRequest* request, const QString& path)
{
    const auto progress = [this, request, path] {
        emit pane_->DownloadProgress(path, request->receivedBytes(), request->totalBytes());
    };
    connect(request, &QWebEngineDownloadRequest::receivedBytesChanged, this, progress);
    connect(request, &QWebEngineDownloadRequest::totalBytesChanged, this, progress);
    connect(request, &QWebEngineDownloadRequest::stateChanged, this, [this, request, path](auto state) {
        using S = QWebEngineDownloadRequest::DownloadState;
        if (state == S::DownloadCompleted || state == S::DownloadInterrupted || state == S::DownloadCancelled)
            finish(request, path);
    });
}

void PaneDownloads::finish(QWebEngineDownloadRequest* request, const QString& path)
{
    // The engine still reports sizes after the end; the end is the last word.
    disconnect(request, nullptr, this, nullptr);
    targets_.remove(request->id());
    const QString partial = QDir(request->downloadDirectory()).filePath(request->downloadFileName());
    using S = QWebEngineDownloadRequest::DownloadState;
    if (request->state() == S::DownloadCompleted) {
        if (moveIntoPlace(partial, path)) {
            emit pane_->DownloadFinished(path, true, {});
            return;
        }
        QFile::remove(partial);
        emit pane_->DownloadFinished(path, false, QStringLiteral("ファイルに書き込めませんでした"));
        return;
    }
    QFile::remove(partial);
    emit pane_->DownloadFinished(path, false,
                                 request->state() == S::DownloadCancelled ? QString() : reasonInWords(*request));
}
