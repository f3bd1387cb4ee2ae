#include "engine/asked_load.h"

#include <QLoggingCategory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

namespace {

// Off unless asked for (QT_LOGGING_RULES="ribemo.pane.debug=true").
Q_LOGGING_CATEGORY(lcAskedLoad, "ribemo.pane", QtWarningMsg)

}  // namespace

AskedLoad::AskedLoad(QWebEnginePage& page) : page_(page)
{
    connect(&page, &QWebEnginePage::loadingChanged, this, &AskedLoad::onLoading);
    connect(&page, &QWebEnginePage::urlChanged, this, [this](const QUrl& url) {
        qCDebug(lcAskedLoad) << "page now" << url << "asked" << url_;
        if (!url_.isEmpty() && url != url_)
            otherPageArrived_ = true;
    });
}

void AskedLoad::asked(const QUrl& url)
{
    url_ = url;
    otherPageArrived_ = false;
    askedAgain_ = false;
}

void AskedLoad::onLoading(const QWebEngineLoadingInfo& info)
{
    qCDebug(lcAskedLoad) << "load" << info.status() << info.url() << info.errorCode() << "asked" << url_;
    if (url_.isEmpty() || info.url() != url_ || info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
        return;
    // Stopped without the user's word (a stop of theirs forgets the address first).
    if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus && otherPageArrived_ && !askedAgain_) {
        qCDebug(lcAskedLoad) << "asks again for" << url_;
        askedAgain_ = true;
        page_.load(url_);
        return;
    }
    url_.clear();
}
