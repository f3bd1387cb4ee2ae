// The filter box over the keyword tree, through the keys the window receives: Ctrl+Shift+F, what
// is typed, Enter and Esc; the tree's saved content never moves.
#include "keywords/keyword_tree_view.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

namespace {

struct FilterCase {
    const char* name;
    const char16_t *typed, *shown;  // shown: the rows the user sees, in order
};

class KeywordFilterBox : public FormFixture, public ::testing::WithParamInterface<FilterCase> {
protected:
    // The rows not hidden under expanded ancestors, joined by "|".
    QString shownRows(const QModelIndex& parent = {})
    {
        auto& tree = *formControl<KeywordTreeView>(form(), "TreeView1");
        QString rows;
        for (int row = 0; row < tree.model()->rowCount(parent); ++row) {
            const QModelIndex index = tree.model()->index(row, 0, parent);
            if (!tree.isRowHidden(row, parent))
                rows += u'|' + index.data().toString() + (tree.isExpanded(index) ? shownRows(index) : QString());
        }
        return rows;
    }
};

}  // namespace

TEST_P(KeywordFilterBox, ShowsTheMatchesWithTheirAncestorsEnterSearchesEscRestores)
{
    // Full-width Latin letters and half-width kana put the comparison to work.
    folder.write(".ask",
                 toSjis(QStringLiteral("時計\r\n\tＳＥＩＫＯ SBDC101\r\n\tｾｲｺｰ 腕時計\r\nカメラ\r\n\tNikon F3\r\n")));
    start();
    ASSERT_NO_FATAL_FAILURE(showActive());
    auto& tree = *formControl<KeywordTreeView>(form(), "TreeView1");
    tree.collapse(tree.indexFromItem(tree.topLevelItem(1)));  // カメラ, closed by the user
    const QString before = shownRows();
    const quint64 changes = tree.changeCount();

    input::key(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto* box = formControl<QLineEdit>(form(), "KeywordFilter");
    ASSERT_EQ(QApplication::focusWidget(), box);
    input::type(QString::fromUtf16(GetParam().typed));
    const QStringList shown = QString::fromUtf16(GetParam().shown).split(u'|');
    EXPECT_EQ(shownRows().toStdString(), (u'|' + shown.join(u'|')).toStdString());
    input::key(Qt::Key_Return);
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox1")->currentText(), shown.back());

    input::key(Qt::Key_Escape);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), &tree);
    EXPECT_EQ(shownRows().toStdString(), before.toStdString());
    EXPECT_EQ(tree.changeCount(), changes);  // a tab switch has nothing to save
}

INSTANTIATE_TEST_SUITE_P(KeywordTabs, KeywordFilterBox,
                         ::testing::Values(FilterCase{"LetterCaseAndWidth", u"seiko", u"時計|ＳＥＩＫＯ SBDC101"},
                                           FilterCase{"HalfWidthKana", u"セイコー", u"時計|ｾｲｺｰ 腕時計"},
                                           FilterCase{"UnderACollapsedNode", u"f3", u"カメラ|Nikon F3"}),
                         [](const auto& test) { return std::string(test.param.name); });
