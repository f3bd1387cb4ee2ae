// The memo window's behaviour: which keyword it shows, the table's keys, the typed memo.
#include "memos/price_memo_window.h"

#include "memos/memo_figures.h"
#include "memos/memo_table_model.h"
#include "memos/memo_texts.h"
#include "memos/price_memo_chart.h"
#include "memos/price_memos.h"
#include "text/sjis_text.h"
#include "widgets/dialog_placement.h"
#include "widgets/dialogs.h"
#include "widgets/open_edits.h"
#include "widgets/window_fit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStackedWidget>
#include <QTableView>

#include <algorithm>
#include <map>

namespace {

constexpr int kKeywordRole = Qt::UserRole;

QString keywordCaption(const std::string& keyword)
{
    return keyword.empty() ? QStringLiteral("（キーワードなし）") : fromSjis(keyword);
}

QString changeText(std::int64_t change)
{
    if (change == 0)
        return QStringLiteral("前回比 ± 0円");
    return QStringLiteral("前回比 %1 %2").arg(QChar(change > 0 ? u'↑' : u'↓'), yenText(change > 0 ? change : -change));
}

QString figuresText(const MemoFigures& f)
{
    QString text = QStringLiteral("%1 件　最安 %2　中央値 %3　最高 %4")
                       .arg(f.count)
                       .arg(yenText(f.lowest), yenText(f.median), yenText(f.highest));
    if (f.change)
        text += QStringLiteral("　") + changeText(*f.change);
    return text;
}

}  // namespace

PriceMemoWindow::PriceMemoWindow(PriceMemos& memos, std::string executablePath, QWidget* owner)
    : QWidget(owner, Qt::Window),
      memos_(memos),
      executablePath_(std::move(executablePath)),
      model_(new MemoTableModel(memos, this)),
      sorted_(new QSortFilterProxyModel(this))
{
    setObjectName(QStringLiteral("PriceMemoWindow"));
    setWindowTitle(QStringLiteral("相場メモ"));
    setAccessibleName(QStringLiteral("相場メモ"));
    resize(860, 600);
    buildLayout();
    site_->addItems(memos_.knownSiteNames());
    site_->setCurrentText({});
    date_->setDate(QDate::currentDate());

    connect(&memos_, &PriceMemos::memosChanged, this, &PriceMemoWindow::refresh);
    connect(filter_, &QLineEdit::textChanged, this, &PriceMemoWindow::filterKeywords);
    connect(keywords_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!item)
            return;
        keyword_ = item->data(kKeywordRole).toByteArray().toStdString();
        showMemosOfKeyword();
    });
    connect(table_, &QTableView::doubleClicked, this, &PriceMemoWindow::openPageOf);
    connect(price_, &QLineEdit::textChanged, this, &PriceMemoWindow::updateAddButton);
    connect(price_, &QLineEdit::returnPressed, this, &PriceMemoWindow::addTypedMemo);
    connect(note_, &QLineEdit::returnPressed, this, &PriceMemoWindow::addTypedMemo);
    connect(add_, &QPushButton::clicked, this, &PriceMemoWindow::addTypedMemo);
    connect(remove_, &QPushButton::clicked, this, &PriceMemoWindow::removeSelectedMemos);
    table_->installEventFilter(this);
}

void PriceMemoWindow::showKeyword(const std::string& keyword)
{
    if (!keyword.empty()) {
        keyword_ = keyword;
    } else if (keyword_.empty() && !memos_.memos().empty()) {
        const auto newest = std::max_element(memos_.memos().begin(), memos_.memos().end(),
                                             [](const PriceMemo& a, const PriceMemo& b) { return a.time < b.time; });
        keyword_ = newest->keyword;
    }
    refresh();
    if (!isVisible() && !placed_) {
        // Over the main window the first time, and whole on a small or highly scaled screen.
        placed_ = true;
        centreOnParent(*this);
        fitWindowToScreen(*this);
    }
    show();
    raise();
    activateWindow();
}

bool PriceMemoWindow::event(QEvent* event)
{
    // What another copy of the program or a spreadsheet changed is shown when the user turns here.
    if (event->type() == QEvent::WindowActivate)
        memos_.guard()([this] { memos_.takeInChangesIfTouched(); });
    else if (event->type() == QEvent::PaletteChange && chart_)
        showChart();
    return QWidget::event(event);
}

void PriceMemoWindow::closeEvent(QCloseEvent* event)
{
    commitOpenEdit();
    QWidget::closeEvent(event);
}

void PriceMemoWindow::commitOpenEdit() { ::commitOpenEdit(*table_); }

bool PriceMemoWindow::eventFilter(QObject*, QEvent* event)
{
    // A key that an open editor passed on reaches the table while the editor has the focus.
    if (event->type() != QEvent::KeyPress || !table_->hasFocus())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo)) {
        memos_.guard()([this] { memos_.undoRemoval(); });
        return true;
    }
    if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
        if (!key->isAutoRepeat())
            removeSelectedMemos();
        return true;
    }
    return false;
}

void PriceMemoWindow::refresh()
{
    fillKeywordList();
    showMemosOfKeyword();
}

void PriceMemoWindow::fillKeywordList()
{
    // Each keyword once, the one with the newest memo first, with its number of memos.
    struct Seen {
        MemoTime newest;
        int count = 0;
    };
    std::map<std::string, Seen> seen;
    for (const PriceMemo& memo : memos_.memos()) {
        Seen& s = seen[memo.keyword];
        s.newest = std::max(s.newest, memo.time);
        ++s.count;
    }
    std::vector<std::pair<std::string, Seen>> order(seen.begin(), seen.end());
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.second.newest > b.second.newest; });
    const QSignalBlocker quiet(keywords_);
    keywords_->clear();
    for (const auto& [keyword, s] : order) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(keywordCaption(keyword)).arg(s.count));
        item->setData(kKeywordRole, QByteArray::fromStdString(keyword));
        keywords_->addItem(item);
        if (keyword == keyword_)
            keywords_->setCurrentItem(item);
    }
    filterKeywords(filter_->text());
}

void PriceMemoWindow::filterKeywords(const QString& typed)
{
    const auto comparable = [this](const QString& text) {
        return memos_.comparableText ? memos_.comparableText(text) : text;
    };
    const QString wanted = comparable(typed.trimmed());
    for (int row = 0; row < keywords_->count(); ++row) {
        QListWidgetItem* item = keywords_->item(row);
        const QString keyword = fromSjis(item->data(kKeywordRole).toByteArray().toStdString());
        item->setHidden(!wanted.isEmpty() && !comparable(keyword).contains(wanted));
    }
}

void PriceMemoWindow::showMemosOfKeyword()
{
    const std::vector<std::size_t> shown = memosOfKeyword(memos_.memos(), keyword_);
    model_->showMemos(shown);
    std::vector<std::int64_t> prices;
    for (const std::size_t n : shown)
        prices.push_back(memos_.memos()[n].price);
    const bool chosen = !keyword_.empty() || !shown.empty();
    setWindowTitle(chosen ? QStringLiteral("相場メモ - %1").arg(keywordCaption(keyword_)) : QStringLiteral("相場メモ"));
    heading_->setText(chosen ? keywordCaption(keyword_) : QString());
    figures_->setText(prices.empty() ? QString() : figuresText(memoFigures(prices)));
    remove_->setEnabled(!shown.empty());
    updateAddButton();
    showChart();
}

void PriceMemoWindow::showChart()
{
    const std::vector<std::size_t> shown = memosOfKeyword(memos_.memos(), keyword_);
    if (shown.empty()) {
        chartMessage_->setText(
            keyword_.empty() && memos_.memos().empty()
                ? QStringLiteral("相場メモはまだありません。ページで値段を選んで右クリックし、"
                                 "「相場メモに記録」を選ぶと、ここに記録されます。")
                : QStringLiteral("「%1」の相場メモはまだありません。").arg(keywordCaption(keyword_)));
        chartArea_->setCurrentWidget(chartMessage_);
        return;
    }
    if (!chartTried_) {
        chartTried_ = true;
        chart_ = makePriceChart(executablePath_, chartMaker_, chartProblem_, chartArea_);
        if (chart_)
            chartArea_->addWidget(chart_);
    }
    if (!chart_) {
        chartMessage_->setText(
            QStringLiteral("グラフの部品を読み込めないため、グラフは表示できません（%1）。").arg(chartProblem_));
        chartArea_->setCurrentWidget(chartMessage_);
        return;
    }
    showMemosOnChart(*chartMaker_, chart_, memos_.memos(), shown);
    chartArea_->setCurrentWidget(chart_);
}

void PriceMemoWindow::removeSelectedMemos()
{
    std::vector<std::size_t> chosen;
    for (const QModelIndex& row : table_->selectionModel()->selectedRows())
        chosen.push_back(model_->memoAt(sorted_->mapToSource(row).row()));
    if (chosen.empty())
        return;
    memos_.guard()([&] {
        if (memos_.settings().MsgKeyDel) {
            const auto answer =
                memos_.guard().dialogs().ask(this, QMessageBox::Warning, QStringLiteral("警告"),
                                             QStringLiteral("相場メモ %1 件を削除します。").arg(chosen.size()),
                                             QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
            if (answer != QMessageBox::Ok)
                return;
        }
        memos_.remove(chosen);
    });
}

void PriceMemoWindow::updateAddButton() { add_->setEnabled(!keyword_.empty() && typedPrice(price_->text())); }

void PriceMemoWindow::addTypedMemo()
{
    const std::optional<qint64> yen = typedPrice(price_->text());
    if (keyword_.empty() || !yen)
        return;
    PriceMemo memo;
    memo.time = memoTimeOf(QDateTime(date_->date(), QTime::currentTime()));
    memo.keyword = keyword_;
    memo.price = *yen;
    memo.site = toSjis(site_->currentText().simplified());
    memo.note = toSjis(note_->text().simplified());
    if (memos_.guard()([&] { memos_.add(std::move(memo)); })) {
        price_->clear();
        note_->clear();
    }
}

void PriceMemoWindow::openPageOf(const QModelIndex& index)
{
    // The price and the note are edited by a double-click; elsewhere it opens the memo's page.
    const QModelIndex source = sorted_->mapToSource(index);
    if (!source.isValid() || (model_->flags(source) & Qt::ItemIsEditable))
        return;
    const PriceMemo& memo = memos_.memos().at(model_->memoAt(source.row()));
    if (!memo.address.empty())
        emit memos_.navigateRequested(fromSjis(memo.address));
}
