#include "memos/memo_table_model.h"

#include "memos/memo_texts.h"
#include "memos/price_memos.h"
#include "memos/price_reader.h"
#include "text/sjis_text.h"

namespace {

QString dateText(const MemoTime& time)
{
    return QStringLiteral("%1 %2:%3")
        .arg(QString::fromStdString(memoTimeText(time)).left(10))
        .arg(time.hour, 2, 10, QChar(u'0'))
        .arg(time.minute, 2, 10, QChar(u'0'));
}

}  // namespace

MemoTableModel::MemoTableModel(PriceMemos& memos, QObject* parent) : QAbstractTableModel(parent), memos_(memos) {}

void MemoTableModel::showMemos(std::vector<std::size_t> positions)
{
    if (positions == rows_) {
        if (!rows_.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
        return;
    }
    beginResetModel();
    rows_ = std::move(positions);
    endResetModel();
}

int MemoTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MemoTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant MemoTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || rows_.at(static_cast<std::size_t>(index.row())) >= memos_.memos().size())
        return {};
    const PriceMemo& memo = memos_.memos()[memoAt(index.row())];
    const auto column = static_cast<Column>(index.column());
    switch (role) {
        case Qt::DisplayRole:
            switch (column) {
                case Date:
                    return dateText(memo.time);
                case Price:
                    return yenText(memo.price);
                case Site:
                    return fromSjis(memo.site);
                case Title:
                    return fromSjis(memo.title);
                case Note:
                    return fromSjis(memo.note);
                case ColumnCount:
                    break;
            }
            break;
        case Qt::EditRole:
            if (column == Price)
                return QString::fromStdString(groupedDigits(memo.price));
            if (column == Note)
                return fromSjis(memo.note);
            break;
        case kSortRole:
            if (column == Date)
                return dateTimeOf(memo.time);
            if (column == Price)
                return static_cast<qint64>(memo.price);
            return data(index, Qt::DisplayRole);
        case Qt::TextAlignmentRole:
            if (column == Price)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            break;
        case Qt::ToolTipRole:
            // The page the memo was kept from; a double-click opens it.
            if (column == Title || column == Site)
                return fromSjis(memo.address);
            if (column == Note)
                return fromSjis(memo.note);
            break;
        default:
            break;
    }
    return {};
}

QVariant MemoTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList kHeaders{QStringLiteral("日付"), QStringLiteral("価格"), QStringLiteral("サイト"),
                                      QStringLiteral("表題"), QStringLiteral("メモ")};
    return kHeaders.value(section);
}

Qt::ItemFlags MemoTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Price || index.column() == Note)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool MemoTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const std::size_t memo = memoAt(index.row());
    const QString text = value.toString();
    // A price that is no amount keeps the old one; the cell shows it again.
    return memos_.guard()([&] {
        if (index.column() == Price) {
            if (const auto yen = typedPrice(text))
                memos_.setPrice(memo, *yen);
        } else if (index.column() == Note) {
            memos_.setNote(memo, bytesOfShownText(text, memos_.memos().at(memo).note));
        }
    });
}
