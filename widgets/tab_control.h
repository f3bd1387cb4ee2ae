#pragma once
// A tab control whose tabs share one content widget: switching tabs reports a change and the
// owner refills the content (the keyword tree, the browser pane). Tabs that do not fit the width
// go on further rows.
#include <QWidget>

class TabRows;

class TabControl : public QWidget {
    Q_OBJECT
public:
    // name: what a screen reader calls the strip of tabs.
    explicit TabControl(const QString& name = {}, QWidget* parent = nullptr);

    void addTab(const QString& caption);
    void setContent(QWidget* content);
    int TabIndex() const;
    void setTabIndex(int index);
    QString tabCaption(int index) const;
    void setTabCaption(int index, const QString& caption);
    int tabCount() const;
    TabRows* tabBar() const { return tabs_; }

signals:
    // After the index has changed.
    void Change();

private:
    TabRows* tabs_;
    QWidget* frame_;
};
