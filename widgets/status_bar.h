#pragma once
// A status bar of fixed panels side by side, each with its own width, bevel and text.
#include <QFrame>

#include <vector>

class StatusBar : public QFrame {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    void addPanel(int width, bool lowered, const QString& text);
    int panelCount() const { return static_cast<int>(panels_.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    int panelWidth(int panel) const;
    void setPanelWidth(int panel, int width);

    QSize sizeHint() const override;

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Panel {
        int width;
        bool lowered;
        QString text;
    };
    std::vector<Panel> panels_;
};
