#pragma once
// 相場メモ: the prices the user keeps from the pages, per keyword. A price is kept from the pane
// menu over a selection or typed in the memo window; the keyword tree tells of a keyword's
// memos, and the memo window draws them over time. The memos live in a CSV file of their own
// beside the other files (memos/memo_file.h), read at start and written, whole and synced, at
// once after each change the user makes, so that a crash loses none of them. A file that could
// not be read whole is left as it is and no memo is kept until it can be read.
#include "files/companion_file.h"
#include "memos/memo_errors.h"
#include "memos/memo_file.h"
#include "settings/settings_values.h"
#include "widgets/handler_guard.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class ConflictNotice;
class PriceMemoWindow;
class QWidget;

class PriceMemos : public QObject {
    Q_OBJECT
public:
    // companionBase names the companion files afresh at each use (files/companion_paths.h); the
    // chart's module is looked for beside executablePath. The memo window is window's.
    PriceMemos(const SettingsValues& settings, const HandlerGuard& guard, ConflictNotice& conflicts,
               std::function<std::string()> companionBase, std::string executablePath, QWidget* window);
    ~PriceMemos() override;

    // ---- The file (memos/price_memos.cpp)
    // Reads the file; what could be read is kept. Throws MemoFileNotRead for a file not read
    // whole, MemoRowsNotRead for rows that are no memos.
    void load();
    // Loads the file (through the guard) right after window's first paint: a long file does not
    // hold the window back from the screen.
    void loadAfterFirstPaint(QWidget* window);
    bool loaded() const { return !file_.path().empty(); }
    std::string filePath() const;
    // Reads the file again when another program (a second copy, a spreadsheet) changed it, or
    // when it could not be read before.
    void takeInOutsideChanges();
    // The same, asked often (a tooltip, a window turned to): the file is read only when what
    // stands at its path is no longer what this window last read or wrote there.
    void takeInChangesIfTouched();
    const std::vector<PriceMemo>& memos() const { return content_.memos; }

    // ---- Keeping and changing memos; each change is on disk before it returns
    // A price found in a selection of the page at address, under keyword (its blanks aside).
    void record(qint64 yen, const QString& selection, const std::string& keyword, const QString& address,
                const QString& title);
    void add(PriceMemo memo);
    void setPrice(std::size_t index, std::int64_t yen);
    void setNote(std::size_t index, const std::string& note);
    // Deletes the memos at indexes; Ctrl+Z in the window brings them back (undoRemoval).
    void remove(std::vector<std::size_t> indexes);
    bool undoRemoval();

    // ---- What the rest of the window shows of them
    // "相場メモ: 12,345円 (12/09, Yahoo!オークション) ほか 7 件" of the keyword's last memo; empty
    // for a keyword without memos.
    QString summaryOf(const std::string& keyword) const;
    // The names of the sites the program searches, for the memo window's site box.
    QStringList knownSiteNames() const;
    // Opens the memo window (one for the run) on keyword's memos; an empty keyword keeps the one
    // shown, or takes the keyword of the newest memo.
    void showWindow(const std::string& keyword);
    // How the window's keyword filter compares texts (the keyword tree's filter's way).
    std::function<QString(const QString&)> comparableText;

    const SettingsValues& settings() const { return settings_; }
    const HandlerGuard& guard() const { return guard_; }

signals:
    void memosChanged();
    // The window asks to show a memo's page.
    void navigateRequested(const QString& address);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readFile();
    void save();
    // Refuses every change while the file is not read whole.
    void refuseWhileNotRead() const;
    template <class Change>
    void change(Change&& apply);

    const SettingsValues& settings_;
    HandlerGuard guard_;
    ConflictNotice& conflicts_;
    std::function<std::string()> companionBase_;
    std::string executablePath_;
    QWidget* window_;
    QWidget* paintWatched_ = nullptr;
    CompanionFile file_;
    std::optional<MemoFileNotRead::Why> notReadWhy_;  // while the file is held back
    std::string stamp_;  // the file's place, size and time of change at the last read or write
    MemoFile content_;
    // What was deleted, for Ctrl+Z: each deletion's memos with the places they stood at.
    std::deque<std::vector<std::pair<std::size_t, PriceMemo>>> removed_;
    PriceMemoWindow* memoWindow_ = nullptr;
};
