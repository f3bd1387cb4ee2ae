#pragma once
// A tab control whose tabs share one content widget: switching tabs reports a change and the
// owner refills the content (the keyword tree, the browser pane).
#include <QTabBar>
#include <QWidget>

class TabControl : public QWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    void addTab(const QString& caption) { tabs_->addTab(caption); }
    void setContent(QWidget* content);
    int TabIndex() const { return tabs_->currentIndex(); }
    void setTabIndex(int index) { tabs_->setCurrentIndex(index); }
    QString tabCaption(int index) const { return tabs_->tabText(index); }
    void setTabCaption(int index, const QString& caption) { tabs_->setTabText(index, caption); }
    int tabCount() const { return tabs_->count(); }
    QTabBar* tabBar() const { return tabs_; }

signals:
    // After the index has changed.
    void Change();

private:
    QTabBar* tabs_;
    QWidget* frame_;
};
