// A signal that ends the session (logout, shutdown, a closed terminal, Ctrl+C) saves what the
// run added, like a close; a second signal then changes nothing.
#include "app/session_end.h"

#include "search/search_bar.h"
#include "tests/support/form_fixture.h"

#include <QTest>

#include <csignal>

namespace {

class SessionEnd : public FormFixture {};

TEST_F(SessionEnd, ASignalSavesLikeACloseAndASecondOneChangesNothing)
{
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        folder.write(".ask", "root\r\n");
        folder.write(".fal", "");
        start();
        int ends = 0;
        SessionEndWatch watch(form(), [&] { ++ends; });
        form().searchBar().setKeywordText("K");
        formControl<QAction>(form(), "N6")->trigger();
        formControl<QAction>(form(), "A1")->trigger();

        ::raise(signal);
        ASSERT_TRUE(QTest::qWaitFor([&] { return ends > 0; }, 5000));
        EXPECT_EQ(folder.read(".ask"), "root\r\nK\r\n");
        EXPECT_EQ(folder.read(".fal"), ",\r\n");
        EXPECT_TRUE(folder.exists(".ini"));

        // Neither a second signal nor the window's close writes again.
        folder.write(".fal", "untouched\r\n");
        ::raise(signal);
        QTest::qWait(20);
        EXPECT_TRUE(closeWindow());
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(folder.read(".fal"), "untouched\r\n");
        TearDown();
    }
}

// The window system's plugin tells of a lost display in a warning and then calls exit(): the saves
// run at the warning, before anything is taken down.
TEST_F(SessionEnd, TheWordThatTheDisplayHasGoneSavesAtOnceAndOnlyOnce)
{
    folder.write(".ask", "root\r\n");
    start();
    SessionEndWatch watch(form(), [] {});
    form().searchBar().setKeywordText("K");
    formControl<QAction>(form(), "N6")->trigger();

    qWarning("The X11 connection broke (error 1). Did the X11 server die?");
    EXPECT_EQ(folder.read(".ask"), "root\r\nK\r\n");
    folder.write(".ask", "untouched\r\n");
    qWarning("The X11 connection broke (error 1). Did the X11 server die?");
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(folder.read(".ask"), "untouched\r\n");
}

}  // namespace
