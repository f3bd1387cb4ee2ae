#pragma once
// The pane's request leaves before its window draws again. The window is drawn on the thread where
// the engine also takes each step of a navigation: a repaint started by a status text before the
// engine's next step holds the request back by the whole repaint (the window and the page's
// picture, drawn in software; on a slow or remote display tens of milliseconds). So from the
// moment an address is handed to the engine, the window's repaints wait until the engine has
// passed the page's request on to the network, or the load has ended, or a short bound has passed
// (a navigation the engine drops reports nothing). The widgets change meanwhile as ever; what
// changed is drawn then, in one repaint.
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWebEnginePage;
class QWidget;

class RequestFirst : public QObject {
    Q_OBJECT
public:
    // pane: the widget whose window is held. Both outlive this object.
    RequestFirst(QWebEnginePage& page, QWidget& pane);

    // Right before an address is handed to the engine.
    void hold();
    // The longest hold (a second); tests that wait on the engine however long it takes raise it.
    void setBoundMs(int ms) { bound_.setInterval(ms); }

signals:
    // The engine has passed a page's request on to the network.
    void requestSent();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void release();

    QWidget& pane_;
    QPointer<QWidget> window_;  // the window held, while held
    QTimer bound_;
    bool repaintAsked_ = false;
};
