#pragma once
// The memo window's table: the memos of the keyword on show, a row each. Price and note are
// edited in place; the rest is as the memo was kept. Each column sorts by its value (the date by
// time, the price by amount), through kSortRole.
#include <QAbstractTableModel>

#include <cstddef>
#include <vector>

class PriceMemos;

class MemoTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Date, Price, Site, Title, Note, ColumnCount };
    static constexpr int kSortRole = Qt::UserRole;

    explicit MemoTableModel(PriceMemos& memos, QObject* parent = nullptr);

    // Shows the memos at these positions of the memo list. The same positions again only
    // refresh what the rows show, so an edit that changed one keeps the view as it is.
    void showMemos(std::vector<std::size_t> positions);
    // The position in the memo list of a row's memo.
    std::size_t memoAt(int row) const { return rows_.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    PriceMemos& memos_;
    std::vector<std::size_t> rows_;
};
