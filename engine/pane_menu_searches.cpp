#include "engine/pane_menu_searches.h"

#include "browser/web_browser.h"
#include "engine/blocked_popup_entry.h"
#include "text/single_line.h"

#include <QMenu>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineView>

namespace {

constexpr qsizetype kCaptionLength = 20;

// An ampersand in a caption would be read as the access key's mark.
QString quoted(const QString& keyword)
{
    QString shown = selectionCaption(keyword);
    shown.replace(u'&', QStringLiteral("&&"));
    return u'"' + shown + u'"';
}

void addSelectionSearches(QMenu& menu, QAction* before, TCppWebBrowser& browser, const QString& keyword)
{
    const PaneMenuCaptions captions = paneMenuCaptions(keyword);
    auto* closed = new QAction(captions.closedSearch, &menu);
    QObject::connect(closed, &QAction::triggered, &browser, [&browser, keyword] {
        emit browser.searchSelectionRequested(keyword, TCppWebBrowser::kClosedAuctions);
    });
    auto* open = new QAction(captions.openSearch, &menu);
    QObject::connect(open, &QAction::triggered, &browser, [&browser, keyword] {
        emit browser.searchSelectionRequested(keyword, TCppWebBrowser::kOpenAuctions);
    });
    menu.insertActions(before, {closed, open});

    auto* others = new QMenu(captions.otherSites, &menu);
    const auto sites = browser.otherSearchSites ? browser.otherSearchSites() : QList<std::pair<QString, int>>();
    for (const auto& [name, id] : sites) {
        QString caption = name;
        caption.replace(u'&', QStringLiteral("&&"));
        QObject::connect(others->addAction(caption), &QAction::triggered, &browser,
                         [&browser, keyword, id] { emit browser.searchSelectionRequested(keyword, id); });
    }
    others->setEnabled(!sites.isEmpty());
    menu.insertMenu(before, others);
}

// One price: its own entry; several: a submenu of them, each kept on its own.
void addPriceEntries(QMenu& menu, QAction* before, TCppWebBrowser& browser, const QString& selection)
{
    const auto prices =
        browser.pricesInSelection ? browser.pricesInSelection(selection) : QList<std::pair<QString, qint64>>();
    if (prices.isEmpty())
        return;
    const auto entry = [&](QWidget* parent, const QString& caption, qint64 yen) {
        auto* action = new QAction(caption, parent);
        QObject::connect(action, &QAction::triggered, &browser,
                         [&browser, yen, selection] { emit browser.recordPriceRequested(yen, selection); });
        return action;
    };
    const PaneMenuCaptions captions = paneMenuCaptions({}, prices.size() == 1 ? prices.constFirst().first : QString());
    if (prices.size() == 1) {
        menu.insertAction(before, entry(&menu, captions.recordPrice, prices.constFirst().second));
        return;
    }
    auto* submenu = new QMenu(captions.recordPrice, &menu);
    for (const auto& [caption, yen] : prices)
        submenu->addAction(entry(submenu, QString(caption).replace(u'&', QStringLiteral("&&")), yen));
    menu.insertMenu(before, submenu);
}

void addLinkEntry(QMenu& menu, QAction* before, TCppWebBrowser& browser, const QWebEngineContextMenuRequest& request)
{
    const QString address = request.linkUrl().toString(QUrl::FullyEncoded);
    const QString text = selectionAsKeyword(request.linkText());
    const QString title = text.isEmpty() ? address : text;
    auto* watch = new QAction(paneMenuCaptions({}).watchLink, &menu);
    QObject::connect(watch, &QAction::triggered, &browser,
                     [&browser, title, address] { emit browser.watchLinkRequested(title, address); });
    menu.insertAction(before, watch);
}

void showMenu(QWebEngineView& view, TCppWebBrowser& browser, const QPoint& pos)
{
    const QWebEngineContextMenuRequest* request = view.lastContextMenuRequest();
    if (!request)
        return;
    QMenu* menu = view.createStandardContextMenu();  // deletes itself when closed
    QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().constFirst();
    const QString keyword = selectionAsKeyword(request->selectedText());
    if (!keyword.isEmpty()) {
        addSelectionSearches(*menu, first, browser, keyword);
        addPriceEntries(*menu, first, browser, request->selectedText());
    }
    if (request->linkUrl().isValid())
        addLinkEntry(*menu, first, browser, *request);
    addBlockedPopupEntry(*menu, first, view);
    if (first && menu->actions().constFirst() != first)
        menu->insertSeparator(first);
    menu->popup(view.mapToGlobal(pos));
}

}  // namespace

void addPaneMenuEntries(QWebEngineView& view, TCppWebBrowser& browser)
{
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&view, &QWidget::customContextMenuRequested, &browser,
                     [&view, &browser](const QPoint& pos) { showMenu(view, browser, pos); });
}

PaneMenuCaptions paneMenuCaptions(const QString& keyword, const QString& price)
{
    return {quoted(keyword) + QStringLiteral(" の落札相場を検索(&S)"),
            quoted(keyword) + QStringLiteral(" を開催中のオークションで検索(&O)"), QStringLiteral("ほかのサイトで検索"),
            QStringLiteral("リンクを注目のオークションに追加(&W)"),
            price.isEmpty() ? QStringLiteral("相場メモに記録(&M)")
                            : quoted(price) + QStringLiteral(" を相場メモに記録(&M)")};
}

QString selectionAsKeyword(const QString& selection)
{
    QString line = withoutLineBreaks(selection);
    // The engine ends paragraphs of a selection with these as well.
    line.replace(QChar(0x2029), u' ').replace(QChar(0x2028), u' ');
    return line.trimmed();
}

QString selectionCaption(const QString& keyword)
{
    if (keyword.size() <= kCaptionLength)
        return keyword;
    // Never between the two halves of a character outside the basic plane.
    const qsizetype cut = keyword.at(kCaptionLength - 1).isHighSurrogate() ? kCaptionLength - 1 : kCaptionLength;
    return keyword.left(cut) + QStringLiteral("…");
}
