#include "engine/pane_downloads.h"

#include "browser/web_browser.h"
#include "engine/file_name_fit.h"

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
    if (reason == R::FileNoSpace)
        return QStringLiteral("ディスクの空きがありません");
    if (reason == R::FileAccessDenied)
        return QStringLiteral("書き込みが許可されていません");
    if (reason == R::FileNameTooLong)
        return QStringLiteral("ファイル名が長すぎます");
    if (reason == R::FileTooLarge)
        return QStringLiteral("ファイルが大きすぎます");
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

// The engine writes a file of its own beside the name it is given (NAME.download), and may add
// others; every file whose name begins so is the download's.
QStringList filesOf(const QString& partial)
{
    const QFileInfo info(partial);
    QStringList files;
    for (const QString& name :
         info.dir().entryList({info.fileName() + QStringLiteral("*")}, QDir::Files | QDir::Hidden))
        files.push_back(info.dir().filePath(name));
    return files;
}

// Where the bytes go until the download is whole: beside the chosen file, so that taking its
// name is a rename within one folder, and under a name no file begins with yet, so that every
// such file left at the end is the download's. The engine's own suffix must fit in the name too.
QString partialPath(const QString& path)
{
    const QFileInfo chosen(path);
    const QString stem = fitFileName(chosen.fileName(), kLongestFileName - 32);
    QString partial = chosen.dir().filePath(stem + QStringLiteral(".part"));
    for (int n = 2; !filesOf(partial).isEmpty(); ++n)
        partial = chosen.dir().filePath(stem + QStringLiteral(".%1.part").arg(n));
    return partial;
}

void removeFilesOf(const QString& partial)
{
    for (const QString& file : filesOf(partial))
        QFile::remove(file);
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

// The program ends: what is under way will not be whole, and nothing of it stays.
PaneDownloads::~PaneDownloads() { cancelAll(); }

void PaneDownloads::cancelAll()
{
    const auto running = running_;
    running_.clear();
    for (const QPointer<QWebEngineDownloadRequest>& request : running) {
        if (!request)
            continue;
        disconnect(request, nullptr, this, nullptr);
        request->cancel();
        removeFilesOf(QDir(request->downloadDirectory()).filePath(request->downloadFileName()));
    }
    targets_.clear();
}

void PaneDownloads::onRequested(QWebEngineDownloadRequest* request)
{
    if (request->page() != page_)
        return;
    Target target = targets_.value(request->id());
    if (target.path.isEmpty()) {
        // The engine's proposal keeps the server's name; with a name already taken in the download
        // folder it has been made unique, so only the name is offered.
        // A name longer than the file system takes would leave the save dialog refusing it unsaid.
        const QString suggested = fitFileName(request->downloadFileName());
        target.path = pane_->askDownloadPath ? pane_->askDownloadPath(suggested) : QString();
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
    running_.insert(request->id(), request);
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
    running_.remove(request->id());
    const QString partial = QDir(request->downloadDirectory()).filePath(request->downloadFileName());
    using S = QWebEngineDownloadRequest::DownloadState;
    if (request->state() == S::DownloadCompleted) {
        if (moveIntoPlace(partial, path)) {
            removeFilesOf(partial);
            emit pane_->DownloadFinished(path, true, {});
            return;
        }
        removeFilesOf(partial);
        emit pane_->DownloadFinished(path, false, QStringLiteral("ファイルに書き込めませんでした"));
        return;
    }
    removeFilesOf(partial);
    emit pane_->DownloadFinished(path, false,
                                 request->state() == S::DownloadCancelled ? QString() : reasonInWords(*request));
}
