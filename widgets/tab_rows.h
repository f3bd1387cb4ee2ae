#pragma once
// A tab strip that puts its tabs on as many rows as the width needs, each row only as wide as its
// tabs, and the row of the selected tab next to the content, as the desktop's multi-line tab
// controls do. A click selects the tab under the pointer; with the focus, the arrow keys and
// Home/End move the selection.
#include <QStringList>
#include <QWidget>

#include <vector>

class TabRows : public QWidget {
    Q_OBJECT
public:
    explicit TabRows(QWidget* parent = nullptr);

    void addTab(const QString& caption);
    int count() const { return static_cast<int>(captions_.size()); }
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    QString tabText(int index) const { return captions_.value(index); }
    void setTabText(int index, const QString& caption);
    // Where the tab is drawn now (empty for an index out of range).
    QRect tabRect(int index) const;
    int rowCount() const { return static_cast<int>(rows_.size()); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    using Rows = std::vector<std::vector<int>>;

    QSize tabSize(int index) const;
    int tabWidth(int index) const;
    int rowHeight() const;
    Rows rowsFor(int width) const;
    void relayout();

    QStringList captions_;
    int current_ = -1;
    Rows rows_;
    std::vector<QRect> rects_;
};
