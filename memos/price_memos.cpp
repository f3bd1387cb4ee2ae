// The memos and their file: reading at start, the changes the user makes, each saved at once.
#include "memos/price_memos.h"

#include "files/companion_paths.h"
#include "memos/memo_figures.h"
#include "memos/memo_site.h"
#include "memos/memo_texts.h"
#include "memos/price_memo_window.h"
#include "text/single_line.h"
#include "text/sjis_text.h"
#include "widgets/conflict_notice.h"
#include "widgets/error_box.h"

#include <QEvent>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <sys/stat.h>

namespace {

constexpr std::size_t kUndoKept = 20;

QString pathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::optional<QString> memoErrorMessage(const std::exception& error)
{
    if (auto* e = dynamic_cast<const MemoFileNotRead*>(&error)) {
        const QString why = e->why == MemoFileNotRead::Why::NotOpened ? QStringLiteral("開けません")
                            : e->why == MemoFileNotRead::Why::CutShortAtNul
                                ? QStringLiteral("途中に NUL 文字があります")
                                : QStringLiteral("Shift-JIS のテキストではありません");
        return QStringLiteral(
                   "相場メモのファイル %1 を読み込めません（%2）。ファイルはそのまま残し、"
                   "読み込めるようになるまで相場メモは記録しません")
            .arg(pathText(e->path), why);
    }
    if (auto* e = dynamic_cast<const MemoRowsNotRead*>(&error))
        return QStringLiteral(
                   "相場メモのファイル %1 の %2 行は相場メモとして読めませんでした。"
                   "その行は書き換えずにファイルの最後に残します")
            .arg(pathText(e->path))
            .arg(e->rows);
    return std::nullopt;
}

// The memo errors reach the error box in the user's words from the program's start on.
[[maybe_unused]] const bool messagesAdded = addErrorMessages(&memoErrorMessage);

// A spreadsheet's "CSV UTF-8": the header in UTF-8, with or without the byte-order mark. Read as
// Shift-JIS every Japanese text would be garbled.
bool savedAsUtf8(std::string_view bytes)
{
    if (bytes.starts_with("\xef\xbb\xbf"))
        return true;
    return bytes.starts_with("\xe6\x97\xa5\xe4\xbb\x98,");  // 日付, in UTF-8
}

std::optional<MemoFileNotRead::Why> whyNotRead(const CompanionFile& file)
{
    switch (file.outcome()) {
        case CompanionFile::ReadOutcome::NotPlainFile:
        case CompanionFile::ReadOutcome::Unreadable:
            return MemoFileNotRead::Why::NotOpened;
        case CompanionFile::ReadOutcome::CutShortAtNul:
            return MemoFileNotRead::Why::CutShortAtNul;
        case CompanionFile::ReadOutcome::Utf16:
            return MemoFileNotRead::Why::NotShiftJis;
        default:
            return std::nullopt;
    }
}

// The sites the program searches, by the names their buttons show; a user site left unnamed goes
// by its address.
std::vector<KnownSite> knownSites(const SettingsValues& settings)
{
    std::vector<KnownSite> sites{{toSjis(QStringLiteral("Yahoo!オークション")), settings.YahooURL},
                                 {"BIDDERS", settings.BiddersURL}};
    for (std::size_t k = 0; k < kSiteCount; ++k) {
        if (!settings.SiteURL[k].empty())
            sites.push_back(
                {settings.SiteName[k].empty() ? settings.SiteURL[k] : settings.SiteName[k], settings.SiteURL[k]});
    }
    return sites;
}

// What tells cheaply that a file was replaced or changed: its inode, size and time of change.
std::string stampOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return std::to_string(st.st_ino) + ':' + std::to_string(st.st_size) + ':' + std::to_string(st.st_mtim.tv_sec) +
           '.' + std::to_string(st.st_mtim.tv_nsec);
}

}  // namespace

PriceMemos::PriceMemos(const SettingsValues& settings, const HandlerGuard& guard, ConflictNotice& conflicts,
                       std::function<std::string()> companionBase, std::string executablePath, QWidget* window)
    : QObject(window),
      settings_(settings),
      guard_(guard),
      conflicts_(conflicts),
      companionBase_(std::move(companionBase)),
      executablePath_(std::move(executablePath)),
      window_(window)
{}

PriceMemos::~PriceMemos()
{
    // The program ends with the window: a price or note still being edited is a change too.
    if (memoWindow_)
        memoWindow_->commitOpenEdit();
}

std::string PriceMemos::filePath() const { return companionFilePath(companionBase_(), ".memo.csv"); }

void PriceMemos::load()
{
    readFile();
    if (notReadWhy_)
        throw MemoFileNotRead(file_.path(), *notReadWhy_);
    if (!content_.unreadRows.empty())
        throw MemoRowsNotRead(file_.path(), content_.unreadRows.size());
}

void PriceMemos::loadAfterFirstPaint(QWidget* window)
{
    window->installEventFilter(this);
    paintWatched_ = window;
}

bool PriceMemos::eventFilter(QObject* watched, QEvent* event)
{
    // As the browser engine's start: the paint is on screen before the read holds the loop up.
    if (watched == paintWatched_ && (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest)) {
        watched->removeEventFilter(this);
        paintWatched_ = nullptr;
        QTimer::singleShot(0, this, [this] { guard_([this] { load(); }); });
    }
    return QObject::eventFilter(watched, event);
}

void PriceMemos::readFile()
{
    CompanionFile file(filePath());
    stamp_ = stampOf(file.path());
    const std::string bytes = file.read();
    notReadWhy_ = whyNotRead(file);
    if (!notReadWhy_ && savedAsUtf8(bytes)) {
        notReadWhy_ = MemoFileNotRead::Why::NotShiftJis;
        file.holdBack();
    }
    // What could be read is shown; the file itself is not written while it is held back.
    content_ = notReadWhy_ == MemoFileNotRead::Why::NotShiftJis ? MemoFile{} : readMemoFile(bytes);
    file.setReadContent(file.absent() ? std::nullopt : std::optional<std::string>(writeMemoFile(content_)));
    file_ = std::move(file);
    // The places the deleted memos stood at belong to the memos as they were.
    removed_.clear();
    emit memosChanged();
}

void PriceMemos::takeInOutsideChanges()
{
    if (file_.path().empty() || file_.heldBack() || file_.changedOnDisk())
        readFile();
}

void PriceMemos::takeInChangesIfTouched()
{
    // Before the read at start there is nothing to compare with; that read is still to come.
    if (!file_.path().empty() && stampOf(file_.path()) != stamp_)
        takeInOutsideChanges();
}

void PriceMemos::refuseWhileNotRead() const
{
    if (notReadWhy_)
        throw MemoFileNotRead(file_.path(), *notReadWhy_);
}

template <class Change>
void PriceMemos::change(Change&& apply)
{
    refuseWhileNotRead();
    apply();
    emit memosChanged();
    save();
}

void PriceMemos::save()
{
    if (file_.path().empty())
        file_ = CompanionFile(filePath());
    const auto result = file_.save(writeMemoFile(content_));
    stamp_ = stampOf(file_.path());
    if (result == CompanionFile::SaveResult::WrittenWithConflictCopy)
        conflicts_.tell(file_.path(), file_.conflictCopy());
}

void PriceMemos::record(qint64 yen, const QString& selection, const std::string& keyword, const QString& address,
                        const QString& title)
{
    // Another copy of the program may have kept memos since: they stay.
    takeInOutsideChanges();
    PriceMemo memo;
    memo.time = memoTimeOf(QDateTime::currentDateTime());
    memo.keyword = memoKeyword(keyword);
    memo.price = yen;
    memo.title = toSjis(withoutLineBreaks(title));
    memo.address = toSjis(withoutLineBreaks(address));
    memo.site = siteOf(memo.address, knownSites(settings_));
    memo.note = toSjis(selectionNote(selection));
    add(std::move(memo));
}

void PriceMemos::add(PriceMemo memo)
{
    memo.row.clear();
    change([&] { content_.memos.push_back(std::move(memo)); });
}

void PriceMemos::setPrice(std::size_t index, std::int64_t yen)
{
    PriceMemo& memo = content_.memos.at(index);
    if (memo.price == yen)
        return;
    change([&] {
        memo.price = yen;
        memo.row.clear();
    });
}

void PriceMemos::setNote(std::size_t index, const std::string& note)
{
    PriceMemo& memo = content_.memos.at(index);
    if (memo.note == note)
        return;
    change([&] {
        memo.note = note;
        memo.row.clear();
    });
}

void PriceMemos::remove(std::vector<std::size_t> indexes)
{
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    if (indexes.empty())
        return;
    change([&] {
        std::vector<std::pair<std::size_t, PriceMemo>> taken;
        // From the back, so that the places still to take stay where they are.
        for (auto n = indexes.rbegin(); n != indexes.rend(); ++n) {
            taken.emplace(taken.begin(), *n, std::move(content_.memos.at(*n)));
            content_.memos.erase(content_.memos.begin() + static_cast<std::ptrdiff_t>(*n));
        }
        removed_.push_back(std::move(taken));
        if (removed_.size() > kUndoKept)
            removed_.pop_front();
    });
}

bool PriceMemos::undoRemoval()
{
    if (removed_.empty())
        return false;
    change([&] {
        // From the front: each memo goes back to the place it had among those before it.
        for (auto& [place, memo] : removed_.back()) {
            const std::size_t at = std::min(place, content_.memos.size());
            content_.memos.insert(content_.memos.begin() + static_cast<std::ptrdiff_t>(at), std::move(memo));
        }
        removed_.pop_back();
    });
    return true;
}

QString PriceMemos::summaryOf(const std::string& keyword) const
{
    const std::vector<std::size_t> found = memosOfKeyword(content_.memos, memoKeyword(keyword));
    if (found.empty())
        return {};
    const PriceMemo& last = content_.memos[found.back()];
    QString when = shortDate(last.time);
    if (!last.site.empty())
        when += QStringLiteral(", ") + fromSjis(last.site);
    QString summary = QStringLiteral("相場メモ: %1 (%2)").arg(yenText(last.price), when);
    if (found.size() > 1)
        summary += QStringLiteral(" ほか %1 件").arg(found.size() - 1);
    return summary;
}

QStringList PriceMemos::knownSiteNames() const
{
    QStringList names;
    for (const KnownSite& site : knownSites(settings_))
        names << fromSjis(site.name);
    return names;
}

void PriceMemos::showWindow(const std::string& keyword)
{
    if (!memoWindow_)
        memoWindow_ = new PriceMemoWindow(*this, executablePath_, window_);
    memoWindow_->showKeyword(memoKeyword(keyword));
}
