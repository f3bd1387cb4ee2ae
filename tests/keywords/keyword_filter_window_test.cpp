// The filter box over the keyword tree, through the keys the window receives: Ctrl+Shift+F, what
// is typed, Enter and Esc; the tree's saved content never moves.
#include "keywords/keyword_tree_view.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"
#include "widgets/tab_rows.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <string>

namespace {

// Full-width Latin letters and half-width kana, so that the filter's comparison is put to work.
const QString kTree =
    QStringLiteral("時計\r\n\tＳＥＩＫＯ SBDC101\r\n\tｾｲｺｰ 腕時計\r\n\tCITIZEN\r\nカメラ\r\n\tNikon F3\r\n");

struct FilterCase {
    const char* name;
    const char16_t* typed;
    const char16_t* shown;     // the rows on show, in order, joined by "|"
    const char16_t* searched;  // the keyword box after Enter
};

class KeywordFilterBox : public FormFixture, public ::testing::WithParamInterface<FilterCase> {
protected:
    KeywordTreeView& tree() { return *formControl<KeywordTreeView>(form(), "TreeView1"); }

    // The texts of the rows the user can see: not hidden, under expanded ancestors.
    QString shownRows()
    {
        QStringList rows;
        const auto visit = [&](const auto& self, const QModelIndex& parent) -> void {
            for (int row = 0; row < tree().model()->rowCount(parent); ++row) {
                const QModelIndex index = tree().model()->index(row, 0, parent);
                if (tree().isRowHidden(row, parent))
                    continue;
                rows << index.data().toString();
                if (tree().isExpanded(index))
                    self(self, index);
            }
        };
        visit(visit, {});
        return rows.join(u'|');
    }
};

}  // namespace

TEST_P(KeywordFilterBox, ShowsTheMatchesWithTheirAncestorsEnterSearchesEscRestores)
{
    const FilterCase& c = GetParam();
    const std::string file = toSjis(kTree);
    folder.write(".ask", file);
    start();
    ASSERT_NO_FATAL_FAILURE(showActive());
    tree().collapse(tree().indexFromItem(tree().topLevelItem(1)));  // カメラ, closed by the user
    const QString before = shownRows();
    const quint64 changes = tree().changeCount();
    auto* box = formControl<QLineEdit>(form(), "KeywordFilter");
    EXPECT_EQ(box->placeholderText(), QStringLiteral("キーワードを絞り込み"));

    input::key(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), box);
    input::type(QString::fromUtf16(c.typed));
    EXPECT_EQ(shownRows().toStdString(), QString::fromUtf16(c.shown).toStdString());
    input::key(Qt::Key_Return);
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox1")->currentText(), QString::fromUtf16(c.searched));

    input::key(Qt::Key_Escape);
    EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), &tree());
    EXPECT_EQ(shownRows().toStdString(), before.toStdString());
    EXPECT_EQ(tree().changeCount(), changes);
    // Only looked at: the switch to another tab leaves the file alone.
    auto* tabs = formControl<TabControl>(form(), "TabControl2")->tabBar();
    input::click(tabs, Qt::LeftButton, tabs->tabRect(1).center());
    EXPECT_EQ(folder.read(".ask"), file);
}

INSTANTIATE_TEST_SUITE_P(
    KeywordTabs, KeywordFilterBox,
    ::testing::Values(FilterCase{"LetterCaseAndWidth", u"seiko", u"時計|ＳＥＩＫＯ SBDC101", u"ＳＥＩＫＯ SBDC101"},
                      FilterCase{"HalfWidthKana", u"セイコー", u"時計|ｾｲｺｰ 腕時計", u"ｾｲｺｰ 腕時計"},
                      FilterCase{"UnderACollapsedNode", u"f3", u"カメラ|Nikon F3", u"Nikon F3"},
                      FilterCase{"TopLevelAndBelow", u"時計", u"時計|ｾｲｺｰ 腕時計", u""}),
    [](const auto& test) { return std::string(test.param.name); });
