// A program folder the user may not write (a copy under /opt, owned by root) is found at start,
// and the files in it that the user may write are still saved.
#include "keywords/keyword_tree_view.h"
#include "search/search_bar.h"
#include "tests/support/form_fixture.h"
#include "widgets/tab_control.h"

#include <sys/fsuid.h>
#include <sys/stat.h>

namespace {

class FolderCheck : public FormFixture {
protected:
    // Runs step with a normal user's file-system identity on this (the user-interface) thread; the
    // folder belongs to root, who could write anywhere.
    template <class Step>
    void asUser(Step&& step)
    {
        const auto previous = static_cast<uid_t>(::setfsuid(65534));
        ::setfsgid(65534);
        step();
        ::setfsuid(previous);
        ::setfsgid(0);
    }
};

TEST_F(FolderCheck, AFolderTheUserCannotWriteIsToldAtStartAndWritableFilesAreStillSaved)
{
    folder.write(".ask", "R\r\n\tA\r\n");
    ASSERT_EQ(::chmod(folder.file(".ask").c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.folder().c_str(), 0755), 0);
    asUser([this] { start(); });
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const ShownBox& box = dialogs.shown[0];
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    for (const QString& part : {QString::fromStdString(folder.folder()), QStringLiteral("にはファイルを作成できません"),
                                QStringLiteral("保存できるのは次のファイルだけです"), QStringLiteral("ribemo.ask。"),
                                QStringLiteral("自分のフォルダ"), QStringLiteral("--data-dir")})
        EXPECT_TRUE(box.text.contains(part)) << part.toStdString() << "\n" << box.text.toStdString();

    // The keyword file the user may write is saved in place at the next tab switch.
    formControl<KeywordTreeView>(form(), "TreeView1")
        ->selectNode(formControl<KeywordTreeView>(form(), "TreeView1")->topLevelItem(0));
    form().searchBar().setKeywordText("B");
    asUser([this] {
        formControl<QAction>(form(), "N6")->trigger();
        formControl<TabControl>(form(), "TabControl2")->setTabIndex(1);
    });
    EXPECT_EQ(folder.read(".ask"), "R\r\n\tA\r\n\tB\r\n");
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

}  // namespace
