// The help page keeps in step with the window: every menu caption it names is one the user finds,
// and every key in its table of keys is a shortcut of the main window.
#include "engine/pane_menu_searches.h"
#include "tests/support/form_fixture.h"

#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QShortcut>

using HelpPage = FormFixture;

TEST_F(HelpPage, NamesOnlyMenuCaptionsAndKeysTheWindowHas)
{
    start();
    QFile file(QStringLiteral(RIBEMO_SOURCE_DIR "/resources/HELP/index.htm"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());

    // Captions as the help writes them: without access keys and the dots of an item with a dialog.
    static const QRegularExpression accessKey(QStringLiteral("\\(&.\\)|\\.\\.\\.$|&"));
    const PaneMenuCaptions pane = paneMenuCaptions(QStringLiteral("…"));
    QStringList captions = {pane.closedSearch, pane.openSearch, pane.otherSites, pane.watchLink};
    for (const QMenu* menu : form().findChildren<QMenu*>()) {
        captions << menu->title();
        for (const QAction* item : menu->actions())
            captions << item->text();
    }
    captions.replaceInStrings(accessKey, QString());
    static const QRegularExpression named(QStringLiteral("<span class=\"menu\">([^<]+)</span>"));
    qsizetype count = 0;
    for (const QRegularExpressionMatch& match : named.globalMatch(help))
        for (const QString& part : match.captured(1).split(QStringLiteral(" → "))) {
            ++count;
            EXPECT_TRUE(captions.contains(part)) << part.toStdString();
        }
    EXPECT_GE(count, 10);

    QList<QKeySequence> shortcuts;
    for (const QAction* action : form().findChildren<QAction*>())
        shortcuts << action->shortcuts();
    for (const QShortcut* shortcut : form().findChildren<QShortcut*>())
        shortcuts << shortcut->keys();
    static const QRegularExpression table(QStringLiteral("<table id=\"keys\">(.*?)</table>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression firstCell(QStringLiteral("<tr><td>(.*?)</td>")), tag(QStringLiteral("<[^>]+>"));
    count = 0;
    for (const QRegularExpressionMatch& row : firstCell.globalMatch(table.match(help).captured(1)))
        for (QString keys : row.captured(1).remove(tag).split(QRegularExpression(QStringLiteral("、| / ")))) {
            ++count;
            const QKeySequence key = QKeySequence::fromString(
                keys.replace(u'←', QStringLiteral("Left")).replace(u'→', QStringLiteral("Right")));
            EXPECT_TRUE(!key.isEmpty() && shortcuts.contains(key)) << keys.toStdString();
        }
    EXPECT_GE(count, 12);
}
