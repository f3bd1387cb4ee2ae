// The main window as a screen reader reads it through Qt's accessibility interfaces: every
// control named, the tab strips as page tabs, the status bar's panels read as they change. (The
// offscreen platform has no accessibility bridge, so the change events are heard at a real display
// by tests/journey/accessibility.py.)
#include "tests/support/form_fixture.h"
#include "text/sjis_text.h"
#include "widgets/status_bar.h"
#include "widgets/tab_control.h"

#include <QAccessible>
#include <QComboBox>
#include <QToolButton>

#include <functional>
#include <vector>

namespace {

using Accessibility = FormFixture;

void walk(QAccessibleInterface* node, const std::function<void(QAccessibleInterface*)>& visit)
{
    visit(node);
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i))
            walk(child, visit);
    }
}

std::vector<QAccessibleInterface*> withRole(QWidget& root, QAccessible::Role role)
{
    std::vector<QAccessibleInterface*> found;
    walk(QAccessible::queryAccessibleInterface(&root), [&](QAccessibleInterface* node) {
        if (node->role() == role)
            found.push_back(node);
    });
    return found;
}

}  // namespace

TEST_F(Accessibility, EveryControlOfTheWindowHasAName)
{
    // A site renamed in the settings is heard by its new name.
    folder.write(".ini", "[LinkBar]\r\nSite2Name=" + toSjis(QStringLiteral("相場サイト")) + "\r\n");
    start();
    form().show();
    const QAccessible::Role named[] = {QAccessible::PushButton, QAccessible::PageTab,     QAccessible::ComboBox,
                                       QAccessible::Tree,       QAccessible::List,        QAccessible::Table,
                                       QAccessible::StatusBar,  QAccessible::PageTabList, QAccessible::Grip,
                                       QAccessible::Animation,  QAccessible::EditableText};
    int checked = 0;
    walk(QAccessible::queryAccessibleInterface(&form()), [&](QAccessibleInterface* node) {
        if (std::find(std::begin(named), std::end(named), node->role()) == std::end(named) || node->state().invisible)
            return;
        ++checked;
        EXPECT_FALSE(node->text(QAccessible::Name).isEmpty())
            << "role " << node->role() << " of "
            << (node->object() ? node->object()->objectName().toStdString()
                               : node->parent()->object()->objectName().toStdString());
    });
    EXPECT_GT(checked, 30);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(siteButton(form(), 1))->text(QAccessible::Name),
              QStringLiteral("相場サイト"));
    EXPECT_EQ(withRole(form(), QAccessible::Animation).at(0)->text(QAccessible::Name),
              QStringLiteral("読み込み中の表示"));
    // The address box is called by its label, not by the address it holds.
    formControl<QComboBox>(form(), "ComboBox2")->setEditText(QStringLiteral("http://a.example/"));
    QAccessibleInterface* address = QAccessible::queryAccessibleInterface(formControl<QComboBox>(form(), "ComboBox2"));
    EXPECT_EQ(address->text(QAccessible::Name), QStringLiteral("アドレス"));
    EXPECT_EQ(address->text(QAccessible::Value), QStringLiteral("http://a.example/"));
}

TEST_F(Accessibility, BothTabStripsArePageTabsNamedByCaptionsAndPressable)
{
    start();
    form().show();
    const auto lists = withRole(form(), QAccessible::PageTabList);
    ASSERT_EQ(lists.size(), 2u);
    const struct {
        QString list;
        QStringList tabs;
    } strips[] = {{QStringLiteral("キーワードのタブ"), {"KEY #1", "KEY #2", "KEY #3"}},
                  {QStringLiteral("検索結果のタブ"),
                   {QStringLiteral("最近落札されたオークション"), QStringLiteral("現在開催中のオークション")}}};
    for (const auto& strip : strips) {
        auto list = std::find_if(lists.begin(), lists.end(),
                                 [&](QAccessibleInterface* l) { return l->text(QAccessible::Name) == strip.list; });
        ASSERT_NE(list, lists.end()) << strip.list.toStdString();
        auto captionsAndSelected = [&] {
            QStringList captions;
            int selected = -1;
            for (int i = 0; i < (*list)->childCount(); ++i) {
                captions << (*list)->child(i)->text(QAccessible::Name);
                EXPECT_EQ((*list)->child(i)->role(), QAccessible::PageTab);
                if ((*list)->child(i)->state().selected)
                    selected = selected < 0 ? i : -2;  // -2: more than one
            }
            return std::pair(captions, selected);
        };
        EXPECT_EQ(captionsAndSelected(), std::pair(strip.tabs, 0));
        // Pressed as a screen reader presses it, the second tab becomes the one selected.
        (*list)->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(captionsAndSelected(), std::pair(strip.tabs, 1));
    }
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->TabIndex(), 1);
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl1")->TabIndex(), 1);
}

TEST_F(Accessibility, TheStatusBarReadsTheStateAndAddressOfASearch)
{
    start();
    form().show();
    QAccessibleInterface* bar = withRole(form(), QAccessible::StatusBar).at(0);
    browser->raiseBeforeNavigate2(QStringLiteral("http://a.example/next"));
    EXPECT_EQ(bar->text(QAccessible::Name), QStringLiteral("検索中... : http://a.example/next"));
    QStringList panels;
    for (int i = 0; i < bar->childCount(); ++i) {
        if (bar->child(i)->role() == QAccessible::StaticText)
            panels << bar->child(i)->text(QAccessible::Name);
    }
    EXPECT_EQ(panels, QStringList({QStringLiteral("検索中... :"), QStringLiteral("http://a.example/next"), QString()}));
    browser->locationUrl = QStringLiteral("http://a.example/shown");
    browser->raiseDownloadComplete();
    EXPECT_EQ(bar->text(QAccessible::Name), QStringLiteral("現在のURL : http://a.example/shown"));
}
