// The memo window's layout: the keyword chooser on the left; the chart, its figures, the table
// and the row for a typed price on the right.
#include "memos/memo_table_model.h"
#include "memos/price_memo_window.h"
#include "widgets/layout_helpers.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kChartHeight = 160;

// A label that names the field after it, also for a screen reader.
QLabel* labelFor(QWidget* field, const QString& caption)
{
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    field->setAccessibleName(QString(caption).remove(QRegularExpression(QStringLiteral("\\(&.\\)"))));
    return label;
}

}  // namespace

void PriceMemoWindow::buildLayout()
{
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setChildrenCollapsible(false);

    auto* chooser = new QWidget;
    auto* chooserColumn = new QVBoxLayout(chooser);
    chooserColumn->setContentsMargins(0, 0, 0, 0);
    filter_ = named(new QLineEdit, "MemoKeywordFilter");
    filter_->setPlaceholderText(QStringLiteral("キーワードを絞り込み"));
    filter_->setAccessibleName(QStringLiteral("キーワードの絞り込み"));
    filter_->setMinimumWidth(filter_->fontMetrics().horizontalAdvance(filter_->placeholderText()) + 12);
    keywords_ = named(new QListWidget, "MemoKeywords");
    keywords_->setAccessibleName(QStringLiteral("相場メモのあるキーワード"));
    chooserColumn->addWidget(filter_);
    chooserColumn->addWidget(keywords_, 1);
    splitter->addWidget(chooser);

    auto* shown = new QWidget;
    auto* column = new QVBoxLayout(shown);
    column->setContentsMargins(0, 0, 0, 0);
    heading_ = named(new QLabel, "MemoHeading");
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    chartArea_ = new QStackedWidget;
    chartArea_->setMinimumHeight(kChartHeight);
    chartMessage_ = named(new QLabel, "MemoChartMessage");
    chartMessage_->setWordWrap(true);
    chartMessage_->setAlignment(Qt::AlignCenter);
    chartMessage_->setMargin(12);
    chartArea_->addWidget(chartMessage_);
    figures_ = named(new QLabel, "MemoFigures");
    figures_->setAccessibleName(QStringLiteral("相場メモの数字"));
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    figures_->setWordWrap(true);
    table_ = named(new QTableView, "MemoTable");
    table_->setAccessibleName(QStringLiteral("相場メモの一覧"));
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(MemoTableModel::kSortRole);
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(MemoTableModel::Date, Qt::DescendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    table_->verticalHeader()->hide();
    QHeaderView* columns = table_->horizontalHeader();
    for (const int fitted : {MemoTableModel::Date, MemoTableModel::Price, MemoTableModel::Site})
        columns->setSectionResizeMode(fitted, QHeaderView::ResizeToContents);
    columns->setStretchLastSection(true);
    table_->setWordWrap(false);
    column->addWidget(heading_);
    column->addWidget(chartArea_, 3);
    column->addWidget(figures_);
    column->addWidget(table_, 2);

    // A price seen elsewhere: two rows, so that the fields stay usable in a narrow window.
    auto* typed = new QGridLayout;
    date_ = named(new QDateEdit, "MemoDate");
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    price_ = named(new QLineEdit, "MemoPrice");
    price_->setPlaceholderText(QStringLiteral("12,345"));
    price_->setMinimumWidth(price_->fontMetrics().horizontalAdvance(QStringLiteral("1,234,567円")));
    site_ = named(new QComboBox, "MemoSite");
    site_->setEditable(true);
    site_->setMinimumContentsLength(8);
    note_ = named(new QLineEdit, "MemoNote");
    add_ = named(new QPushButton(QStringLiteral("追加(&A)")), "MemoAdd");
    typed->addWidget(labelFor(date_, QStringLiteral("日付(&T)")), 0, 0);
    typed->addWidget(date_, 0, 1);
    typed->addWidget(labelFor(price_, QStringLiteral("価格(&R)")), 0, 2);
    typed->addWidget(price_, 0, 3);
    typed->addWidget(labelFor(site_, QStringLiteral("サイト(&S)")), 1, 0);
    typed->addWidget(site_, 1, 1);
    typed->addWidget(labelFor(note_, QStringLiteral("メモ(&N)")), 1, 2);
    typed->addWidget(note_, 1, 3);
    typed->addWidget(add_, 1, 4);
    typed->setColumnStretch(1, 1);
    typed->setColumnStretch(3, 2);
    column->addLayout(typed);
    splitter->addWidget(shown);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({170, 690});

    auto* buttons = new QHBoxLayout;
    remove_ = named(new QPushButton(QStringLiteral("削除(&D)")), "MemoRemove");
    auto* close = named(new QPushButton(QStringLiteral("閉じる")), "MemoClose");
    buttons->addWidget(remove_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
}
