#pragma once
// A report-style list of watched-auction entries (title, address, further fields kept unshown),
// used by the main window's strip and by the organize dialog. Each row keeps its fields as the
// original Shift-JIS bytes, so an entry that was never edited is written back byte for byte; only
// the title can be edited, in place.
#include "watched/watched_list_file.h"

#include <QTableWidget>

#include <string>
#include <vector>

class AuctionListView : public QTableWidget {
    Q_OBJECT
public:
    // The form of the organize dialog creates the view first and names its columns afterwards.
    explicit AuctionListView(QWidget* parent = nullptr);
    AuctionListView(const QString& titleCaption, int urlColumnWidth, QWidget* parent = nullptr);
    ~AuctionListView() override;

    // The title column takes whatever width the fixed address column leaves.
    void setColumns(const QString& titleCaption, int urlColumnWidth);
    // Puts the address column back to its width and keeps the horizontal scroll bar away.
    void fitColumns();

    int entryCount() const { return rowCount(); }
    // The entry's fields: the title as stored (or as the user typed it), then the further fields.
    WatchedEntry entry(int row) const;
    std::vector<WatchedEntry> entries() const;
    std::string title(int row) const;
    void insertEntry(int row, const WatchedEntry& entry);
    void removeEntry(int row) { removeRow(row); }
    // Replaces every row at once, without a relayout or repaint per row.
    void setEntries(const std::vector<WatchedEntry>& entries);

    // The selected row, or -1.
    int selectedRow() const;
    // Moves the entry at row so that it lands at index to and stays selected; the list keeps its
    // scroll position.
    void moveEntry(int row, int to);
    // Selects row (and makes it current) without scrolling the list to it.
    void selectRowInPlace(int row);

    // Counts the changes of the entries (rows, fields, order), from the model's own reports, so no
    // way of changing the list is missed: an equal count means the same entries.
    quint64 changeCount() const { return changes_; }

    // The strip holding the list may be made as low as the user likes, down to nothing.
    QSize minimumSizeHint() const override { return {0, 0}; }

signals:
    void resized();
    // Enter on a row (made the selected row first). Only a list whose owner listens takes the key;
    // elsewhere (the organize dialog) Enter still reaches the dialog's default button.
    void openRequested();
    // The entries changed (each change changeCount() counts; a whole new set of rows once).
    void entriesChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void countChange();

    int urlColumnWidth_ = 0;
    quint64 changes_ = 0;
    bool replacing_ = false;  // setEntries: one change for all its rows
};
