// The help page keeps in step with the window: every menu caption it names is one the user finds
// (the menu bar's, the keyword tree's menu, the pane menu's own), and every key in its table of
// keys is a shortcut of the main window.
#include "browser/pane_menu_searches.h"
#include "tests/support/form_fixture.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QShortcut>

#include <set>

namespace {

QString helpPage()
{
    QFile file(QStringLiteral(RIBEMO_SOURCE_DIR "/resources/HELP/index.htm"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A caption as the help writes it: without its access key and the dots of an item that opens a
// dialog.
QString plain(QString caption)
{
    static const QRegularExpression accessKey(QStringLiteral("\\(&.\\)|\\.\\.\\.$"));
    return caption.remove(accessKey).remove(u'&');
}

void addCaptions(const QMenu& menu, std::set<QString>& captions)
{
    captions.insert(plain(menu.title()));
    for (const QAction* item : menu.actions()) {
        captions.insert(plain(item->text()));
        if (item->menu())
            addCaptions(*item->menu(), captions);
    }
}

QKeySequence keyOf(const QString& combination)
{
    static const QHash<QString, Qt::KeyboardModifier> modifiers = {{QStringLiteral("Ctrl"), Qt::ControlModifier},
                                                                   {QStringLiteral("Shift"), Qt::ShiftModifier},
                                                                   {QStringLiteral("Alt"), Qt::AltModifier}};
    static const QHash<QString, Qt::Key> keys = {{QStringLiteral("←"), Qt::Key_Left},
                                                 {QStringLiteral("→"), Qt::Key_Right},
                                                 {QStringLiteral("+"), Qt::Key_Plus},
                                                 {QStringLiteral("-"), Qt::Key_Minus},
                                                 {QStringLiteral("Esc"), Qt::Key_Escape}};
    static const QRegularExpression name(QStringLiteral("<span class=\"key\">([^<]+)</span>"));
    Qt::KeyboardModifiers held;
    Qt::Key key = Qt::Key_unknown;
    for (const QRegularExpressionMatch& match : name.globalMatch(combination)) {
        const QString part = match.captured(1);
        if (modifiers.contains(part))
            held |= modifiers.value(part);
        else
            key = keys.value(part, QKeySequence::fromString(part)[0].key());
    }
    return key == Qt::Key_unknown ? QKeySequence() : QKeySequence(QKeyCombination(held, key));
}

using HelpPage = FormFixture;

}  // namespace

TEST_F(HelpPage, NamesOnlyMenuCaptionsAndKeysTheWindowHas)
{
    start();
    const QString help = helpPage();
    ASSERT_FALSE(help.isEmpty());

    std::set<QString> captions;
    for (const QMenu* menu : {formControl<QMenu>(form(), "PopupMenu1")})
        addCaptions(*menu, captions);
    for (const QAction* top : form().menuBar()->actions())
        addCaptions(*top->menu(), captions);
    const PaneMenuCaptions pane = paneMenuCaptions(QStringLiteral("…"));
    for (const QString& caption : {pane.closedSearch, pane.openSearch, pane.otherSites, pane.watchLink})
        captions.insert(plain(caption));
    static const QRegularExpression menu(QStringLiteral("<span class=\"menu\">([^<]+)</span>"));
    int named = 0;
    for (const QRegularExpressionMatch& match : menu.globalMatch(help)) {
        for (const QString& part : match.captured(1).split(QStringLiteral(" → "))) {
            ++named;
            EXPECT_TRUE(captions.count(part.trimmed())) << part.toStdString();
        }
    }
    EXPECT_GE(named, 10);

    QList<QKeySequence> shortcuts;
    for (const QAction* action : form().findChildren<QAction*>())
        shortcuts << action->shortcuts();
    for (const QShortcut* shortcut : form().findChildren<QShortcut*>())
        shortcuts << shortcut->keys();
    static const QRegularExpression table(QStringLiteral("<table id=\"keys\">(.*?)</table>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression firstCell(QStringLiteral("<tr><td>(.*?)</td>"));
    int listed = 0;
    for (const QRegularExpressionMatch& row : firstCell.globalMatch(table.match(help).captured(1))) {
        static const QRegularExpression alternatives(QStringLiteral("、| / "));
        for (const QString& combination : row.captured(1).split(alternatives)) {
            ++listed;
            const QKeySequence key = keyOf(combination);
            EXPECT_TRUE(!key.isEmpty() && shortcuts.contains(key)) << combination.toStdString();
        }
    }
    EXPECT_GE(listed, 12);
}
