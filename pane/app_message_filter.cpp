#include "pane/app_message_filter.h"

#include "browser/web_browser.h"

#include <QMouseEvent>

AppMessageFilter::AppMessageFilter(TCppWebBrowser& browser, QObject* parent) : QObject(parent), browser_(&browser) {}

bool AppMessageFilter::eventFilter(QObject* watched, QEvent* event)
{
    // Only presses: releases and double-clicks of the side buttons pass untouched. A press from
    // the window system is seen here first for the top-level window, so consuming it there keeps
    // it from every widget inside.
    if (event->type() != QEvent::MouseButtonPress || !browser_)
        return QObject::eventFilter(watched, event);
    const auto button = static_cast<QMouseEvent*>(event)->button();
    if (button == Qt::BackButton) {
        browser_->GoBack();
        return true;
    }
    if (button == Qt::ForwardButton) {
        browser_->GoForward();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
