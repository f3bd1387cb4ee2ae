// The main window as a screen reader reads it through Qt's accessibility interfaces. (The offscreen
// platform has no accessibility bridge; the change events are heard at a real display by
// tests/journey/accessibility.py.)
#include "options/option_dlg.h"
#include "tests/support/form_fixture.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

#include <functional>

namespace {

using Accessibility = FormFixture;

void walk(QAccessibleInterface* node, const std::function<void(QAccessibleInterface*)>& visit)
{
    visit(node);
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), visit);
}

std::vector<QAccessibleInterface*> withRole(QWidget& root, QAccessible::Role role)
{
    std::vector<QAccessibleInterface*> found;
    walk(QAccessible::queryAccessibleInterface(&root), [&](QAccessibleInterface* node) {
        if (node->role() == role && !node->state().invisible)
            found.push_back(node);
    });
    return found;
}

QStringList names(const std::vector<QAccessibleInterface*>& nodes)
{
    QStringList all;
    for (QAccessibleInterface* node : nodes)
        all << node->text(QAccessible::Name);
    return all;
}

}  // namespace

TEST_F(Accessibility, EveryControlIsNamedAndBothTabStripsArePageTabsThatPress)
{
    // A site renamed in the settings is heard by its new name.
    folder.write(".ini", "[LinkBar]\r\nSite2Name=" + toSjis(QStringLiteral("相場サイト")) + "\r\n");
    start();
    form().show();
    formControl<QComboBox>(form(), "ComboBox2")->setEditText(QStringLiteral("http://a.example/"));
    int checked = 0;
    for (auto role : {QAccessible::PushButton, QAccessible::PageTab, QAccessible::PageTabList, QAccessible::ComboBox,
                      QAccessible::EditableText, QAccessible::Tree, QAccessible::Table, QAccessible::StatusBar,
                      QAccessible::StaticText, QAccessible::Grip, QAccessible::Animation}) {
        for (const QString& name : names(withRole(form(), role))) {
            EXPECT_FALSE(name.isEmpty()) << "a control of role " << role << " has no name";
            ++checked;
        }
    }
    EXPECT_GT(checked, 40);
    QStringList expected = {QStringLiteral("Yahoo!オークション"), QStringLiteral("BIDDERS"),
                            QStringLiteral("サイト #1"), QStringLiteral("相場サイト")};
    EXPECT_EQ(names(withRole(form(), QAccessible::PushButton)).mid(1, 4), expected);
    // The address box is called by its label, not by the address it holds.
    EXPECT_EQ(names(withRole(form(), QAccessible::ComboBox)), QStringList({"キーワード", "アドレス"}));

    const auto strips = withRole(form(), QAccessible::PageTabList);
    EXPECT_EQ(names(strips), QStringList({"検索結果のタブ", "キーワードのタブ"}));
    const QStringList captions[] = {{"最近落札されたオークション", "現在開催中のオークション"},
                                    {"KEY #1", "KEY #2", "KEY #3"}};
    for (size_t s = 0; s < strips.size(); ++s) {
        auto selectedTabs = [&] {
            QStringList tabs, selected;
            for (int i = 0; i < strips[s]->childCount(); ++i) {
                tabs << strips[s]->child(i)->text(QAccessible::Name);
                if (strips[s]->child(i)->state().selected)
                    selected << tabs.back();
            }
            EXPECT_EQ(tabs, captions[s]);
            return selected;
        };
        EXPECT_EQ(selectedTabs(), QStringList(captions[s].at(0)));
        // Pressed as a screen reader presses it, the second tab becomes the one selected.
        strips[s]->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(selectedTabs(), QStringList(captions[s].at(1)));
    }
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->TabIndex(), 1);
    EXPECT_EQ(formControl<TabControl>(form(), "TabControl1")->TabIndex(), 1);
    // The options dialog's fields are named by their labels.
    for (QLineEdit* field : windows().optionDlg()->findChildren<QLineEdit*>())
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name).isEmpty());
}

TEST_F(Accessibility, TheStatusBarReadsTheStateAndAddressOfASearch)
{
    start();
    form().show();
    QAccessibleInterface* bar = withRole(form(), QAccessible::StatusBar).at(0);
    browser->raiseBeforeNavigate2(QStringLiteral("http://a.example/next"));
    EXPECT_EQ(bar->text(QAccessible::Name), QStringLiteral("検索中... : http://a.example/next"));
    EXPECT_EQ(names(withRole(*formControl<QWidget>(form(), "StatusBar1"), QAccessible::StaticText)),
              QStringList({"検索中... :", "http://a.example/next"}));
    browser->locationUrl = QStringLiteral("http://a.example/shown");
    browser->raiseDownloadComplete();
    EXPECT_EQ(bar->text(QAccessible::Name), QStringLiteral("現在のURL : http://a.example/shown"));
}
