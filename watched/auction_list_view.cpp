#include "watched/auction_list_view.h"

#include "text/sjis_text.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>

namespace {

// The title cell carries the whole entry: the title's bytes as read or added, and the fields
// after it. The bytes give way to the shown text only once the user has changed that text, so a
// title that is not valid Shift-JIS survives any number of loads, moves and saves.
class TitleItem : public QTableWidgetItem {
public:
    TitleItem(std::string title, WatchedEntry rest)
        : QTableWidgetItem(fromSjis(title), QTableWidgetItem::UserType),
          title_(std::move(title)),
          rest_(std::move(rest))
    {}

    std::string titleBytes() const { return edited_ ? toSjis(text()) : title_; }
    const WatchedEntry& rest() const { return rest_; }

    void setData(int role, const QVariant& value) override
    {
        if ((role == Qt::EditRole || role == Qt::DisplayRole) && value.toString() != text())
            edited_ = true;
        QTableWidgetItem::setData(role, value);
    }

    QTableWidgetItem* clone() const override { return new TitleItem(*this); }

private:
    std::string title_;
    WatchedEntry rest_;
    bool edited_ = false;
};

QTableWidgetItem* addressItem(const WatchedEntry& fields)
{
    auto* item = new QTableWidgetItem(fields.size() > 1 ? fromSjis(fields[1]) : QString());
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

TitleItem* titleItem(const WatchedEntry& fields)
{
    if (fields.empty())
        return new TitleItem({}, {});
    return new TitleItem(fields.front(), WatchedEntry(fields.begin() + 1, fields.end()));
}

}  // namespace

AuctionListView::AuctionListView(QWidget* parent) : QTableWidget(0, 2, parent)
{
    verticalHeader()->hide();
    // Rows of one fixed height: adding thousands of rows never measures any of them.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    // Tab leaves the list for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    QAbstractItemModel* rows = model();
    connect(rows, &QAbstractItemModel::dataChanged, this, &AuctionListView::countChange);
    connect(rows, &QAbstractItemModel::rowsInserted, this, &AuctionListView::countChange);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &AuctionListView::countChange);
    connect(rows, &QAbstractItemModel::rowsMoved, this, &AuctionListView::countChange);
    connect(rows, &QAbstractItemModel::layoutChanged, this, &AuctionListView::countChange);
    connect(rows, &QAbstractItemModel::modelReset, this, &AuctionListView::countChange);
}

// The table's model is a child of the view, deleted by the base class's destructor, and it
// reports its rows going as a reset: by then this object is only a QWidget, and a count taken
// there would call into a destroyed view and tell the list's listeners of a change nobody made.
AuctionListView::~AuctionListView() { disconnect(model(), nullptr, this, nullptr); }

void AuctionListView::countChange()
{
    if (replacing_)
        return;
    ++changes_;
    emit entriesChanged();
}

AuctionListView::AuctionListView(const QString& titleCaption, int urlColumnWidth, QWidget* parent)
    : AuctionListView(parent)
{
    setColumns(titleCaption, urlColumnWidth);
}

void AuctionListView::setColumns(const QString& titleCaption, int urlColumnWidth)
{
    setHorizontalHeaderLabels({titleCaption, QStringLiteral("URL")});
    urlColumnWidth_ = urlColumnWidth;
    fitColumns();
}

void AuctionListView::fitColumns()
{
    setColumnWidth(1, urlColumnWidth_);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

WatchedEntry AuctionListView::entry(int row) const
{
    const auto* title = dynamic_cast<const TitleItem*>(item(row, 0));
    if (!title)
        return {};
    WatchedEntry fields;
    fields.reserve(title->rest().size() + 1);
    fields.push_back(title->titleBytes());
    fields.insert(fields.end(), title->rest().begin(), title->rest().end());
    return fields;
}

std::vector<WatchedEntry> AuctionListView::entries() const
{
    std::vector<WatchedEntry> all;
    all.reserve(static_cast<size_t>(rowCount()));
    for (int row = 0; row < rowCount(); ++row)
        all.push_back(entry(row));
    return all;
}

std::string AuctionListView::title(int row) const
{
    const auto* title = dynamic_cast<const TitleItem*>(item(row, 0));
    return title ? title->titleBytes() : std::string();
}

void AuctionListView::insertEntry(int row, const WatchedEntry& fields)
{
    insertRow(row);
    setItem(row, 0, titleItem(fields));
    setItem(row, 1, addressItem(fields));
}

void AuctionListView::setEntries(const std::vector<WatchedEntry>& all)
{
    replacing_ = true;
    setUpdatesEnabled(false);
    clearSelection();
    setRowCount(0);
    setRowCount(static_cast<int>(all.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const WatchedEntry& fields = all[static_cast<size_t>(row)];
        setItem(row, 0, titleItem(fields));
        setItem(row, 1, addressItem(fields));
    }
    setUpdatesEnabled(true);
    replacing_ = false;
    countChange();
}

void AuctionListView::keyPressEvent(QKeyEvent* event)
{
    // An Enter that reaches the list while an in-place editor is open is the editor's, handed on
    // after it took the title; it opens nothing.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const int row = currentRow();
    if (!enter || state() == EditingState || row < 0 ||
        !isSignalConnected(QMetaMethod::fromSignal(&AuctionListView::openRequested))) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat())
        return;
    selectRow(row);
    emit openRequested();
}

int AuctionListView::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

namespace {

// The view scrolls to every new current row; a move changes that row twice (the removed row
// hands it on, then the copy takes it), and neither may scroll.
class ScrollHold {
public:
    explicit ScrollHold(QAbstractItemView& view) : view_(view), scrolls_(view.hasAutoScroll())
    {
        view_.setAutoScroll(false);
    }
    ~ScrollHold() { view_.setAutoScroll(scrolls_); }

private:
    QAbstractItemView& view_;
    bool scrolls_;
};

}  // namespace

void AuctionListView::selectRowInPlace(int row)
{
    ScrollHold hold(*this);
    selectionModel()->setCurrentIndex(model()->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void AuctionListView::moveEntry(int row, int to)
{
    ScrollHold hold(*this);
    // The copy goes in on the far side of the neighbour before the original leaves.
    const int insertAt = to > row ? to + 1 : to;
    insertEntry(insertAt, entry(row));
    removeRow(to > row ? row : row + 1);
    selectRowInPlace(to);
}

void AuctionListView::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    emit resized();
}
