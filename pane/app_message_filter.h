#pragma once
// Sees every event of every window of the program before it is delivered: a press of the mouse's
// first side button goes back in the browser pane, the second forward. The press is consumed, so
// the window under the pointer (the pane itself included) never acts on it a second time.
#include <QObject>
#include <QPointer>

class TCppWebBrowser;

class AppMessageFilter : public QObject {
    Q_OBJECT
public:
    AppMessageFilter(TCppWebBrowser& browser, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The pane and the filter both go with the main window; in between, a press finds no pane.
    QPointer<TCppWebBrowser> browser_;
};
