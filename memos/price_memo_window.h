#pragma once
// The memo window: one for the run, opened from the keyword tree's menu and the Tools menu. A
// keyword chooser (every keyword with memos, narrowed as the tree's filter box narrows the tree),
// the chart of the chosen keyword's prices over time (one line per site), its figures, the table
// of its memos (price and note edited in place, Delete and Ctrl+Z as in the tree, a double-click
// opens the memo's page) and a row for a price seen elsewhere.
#include <QWidget>

#include <string>

class MemoTableModel;
class PriceChartMaker;
class PriceMemos;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QStackedWidget;
class QTableView;

class PriceMemoWindow : public QWidget {
    Q_OBJECT
public:
    // The chart's module is looked for beside executablePath; the window is owner's.
    PriceMemoWindow(PriceMemos& memos, std::string executablePath, QWidget* owner);

    // Shows the window on keyword's memos; an empty keyword keeps the one on show, or takes the
    // keyword of the newest memo.
    void showKeyword(const std::string& keyword);
    const std::string& keyword() const { return keyword_; }
    // Stores what an editor still open in the table holds, as Enter would.
    void commitOpenEdit();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void refresh();
    void fillKeywordList();
    void filterKeywords(const QString& typed);
    void showMemosOfKeyword();
    void showChart();
    void removeSelectedMemos();
    void addTypedMemo();
    void updateAddButton();
    void openPageOf(const QModelIndex& index);

    PriceMemos& memos_;
    std::string executablePath_;
    std::string keyword_;
    PriceChartMaker* chartMaker_ = nullptr;
    bool chartTried_ = false;
    bool placed_ = false;
    QString chartProblem_;

    QLineEdit* filter_;
    QListWidget* keywords_;
    QLabel* heading_;
    QStackedWidget* chartArea_;
    QLabel* chartMessage_;
    QWidget* chart_ = nullptr;
    QLabel* figures_;
    QTableView* table_;
    MemoTableModel* model_;
    QSortFilterProxyModel* sorted_;
    QDateEdit* date_;
    QLineEdit* price_;
    QComboBox* site_;
    QLineEdit* note_;
    QPushButton* add_;
    QPushButton* remove_;
};
