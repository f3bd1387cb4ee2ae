// Downloads from the browser pane: where to save them, and the status bar and progress bar while
// they run and when they end. The state labels are as short as the page's, to fit their panel. A
// page load that begins meanwhile takes the bars over; the download shows itself again with its
// next progress report.
#include "browser/web_browser.h"
#include "pane/browser_pane.h"
#include "widgets/dialogs.h"
#include "widgets/status_bar.h"

#include <QDir>
#include <QProgressBar>
#include <QStandardPaths>

#include <algorithm>
#include <memory>
#include <tuple>

namespace {

const QString kSaving = QStringLiteral("保存中 :");

// What the status bar showed before a download took it over, so that a download the user
// cancelled leaves it as it was.
struct StatusBeforeDownload {
    QString label, address;
    bool progressShown = false;
    int minimum = 0, maximum = 0, value = 0;

    void take(const StatusBar& status, const QProgressBar* progress)
    {
        label = status.panelText(0);
        address = status.panelText(1);
        progressShown = progress && progress->isVisible();
        if (progress)
            std::tie(minimum, maximum, value) = std::tuple(progress->minimum(), progress->maximum(), progress->value());
    }

    void restore(StatusBar& status, QProgressBar* progress) const
    {
        status.setPanelText(0, label);
        status.setPanelText(1, address);
        if (!progress)
            return;
        progress->setRange(minimum, maximum);
        progress->setValue(value);
        progress->setVisible(progressShown);
    }
};

}  // namespace

void BrowserPane::setUpDownloads()
{
    // The pane's own questions to the user: where a download goes, and the page's script boxes.
    CppWebBrowser1->setDialogs(&guard_.dialogs());
    CppWebBrowser1->askDownloadPath = [this](const QString& suggestedFileName) {
        QString path;
        guard_([&] { path = CppWebBrowser1DownloadPath(suggestedFileName); });
        return path;
    };
    auto before = std::make_shared<StatusBeforeDownload>();
    const auto showsDownload = [this](const QString& path) {
        return StatusBar1->panelText(0) == kSaving && StatusBar1->panelText(1) == QDir::toNativeSeparators(path);
    };
    connect(CppWebBrowser1, &TCppWebBrowser::DownloadProgress, this,
            [this, before](const QString& path, qint64 received, qint64 total) {
                if (StatusBar1->panelText(0) != kSaving)
                    before->take(*StatusBar1, ProgressBar1);
                guard_([&] { CppWebBrowser1DownloadProgress(path, received, total); });
            });
    connect(CppWebBrowser1, &TCppWebBrowser::DownloadFinished, this,
            [this, before, showsDownload](const QString& path, bool saved, const QString& reason) {
                // A cancelled download needs no word; a status bar still showing it goes back.
                if (!saved && reason.isEmpty()) {
                    if (showsDownload(path))
                        before->restore(*StatusBar1, ProgressBar1);
                    return;
                }
                guard_([&] { CppWebBrowser1DownloadFinished(path, saved, reason); });
            });
}

QString BrowserPane::CppWebBrowser1DownloadPath(const QString& suggestedFileName)
{
    // A fresh account has no download folder yet; browsers make it rather than start elsewhere.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QDir().mkpath(folder);
    return guard_.dialogs().askSaveFileName(guard_.owner(), QStringLiteral("名前を付けて保存"),
                                            QDir(folder).filePath(suggestedFileName));
}

void BrowserPane::CppWebBrowser1DownloadProgress(const QString& path, qint64 received, qint64 total)
{
    StatusBar1->setPanelText(0, kSaving);
    StatusBar1->setPanelText(1, QDir::toNativeSeparators(path));
    if (!ProgressBar1)
        return;
    // A size the server did not give shows as the bar's busy state. Per mille keeps large files
    // within the bar's int range.
    if (total > 0) {
        ProgressBar1->setRange(0, 1000);
        ProgressBar1->setValue(static_cast<int>(std::min<qint64>(received, total) * 1000 / total));
    } else {
        ProgressBar1->setRange(0, 0);
    }
    ProgressBar1->show();
}

void BrowserPane::CppWebBrowser1DownloadFinished(const QString& path, bool saved, const QString& reason)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    if (ProgressBar1)
        ProgressBar1->hide();
    if (saved) {
        StatusBar1->setPanelText(0, QStringLiteral("保存完了 :"));
        StatusBar1->setPanelText(1, shownPath);
        return;
    }
    StatusBar1->setPanelText(0, QStringLiteral("保存失敗 :"));
    StatusBar1->setPanelText(1, shownPath);
    guard_.dialogs().inform(guard_.owner(), QMessageBox::Warning, QStringLiteral("ダウンロード"),
                            QStringLiteral("%1 を保存できませんでした（%2）。").arg(shownPath, reason));
}

bool BrowserPane::mayCloseDuringDownloads()
{
    if (!CppWebBrowser1->DownloadsUnderWay())
        return true;
    // No is the default: a slip of the hand keeps the download.
    const auto answer =
        guard_.dialogs().ask(guard_.owner(), QMessageBox::Warning, QStringLiteral("ダウンロード"),
                             QStringLiteral("ダウンロード中のファイルがあります。中止して終了しますか？"),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    CppWebBrowser1->CancelDownloads();
    return true;
}
