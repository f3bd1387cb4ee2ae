#include "tests/support/form_fixture.h"
#include "widgets/tab_control.h"
#include "widgets/window_fit.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QSplitter>
#include <QTest>

TEST(ScreenFit, FrameIsShrunkAndMovedOntoTheAvailableArea)
{
    // A 1280x1024 screen at scale 1, 1.5 and 2 (logical pixels), the first start's frame with a
    // title bar; then saved places that no longer fit.
    const QSize minimum(488, 434);
    const QRect firstStart(0, 0, 878, 754);
    struct Case {
        const char* what;
        QRect frame, available, fitted;
    };
    const Case cases[] = {
        {"scale 1: fits as it is", firstStart, {0, 0, 1280, 1024}, firstStart},
        {"scale 1.5", firstStart, {0, 0, 853, 682}, {0, 0, 853, 682}},
        {"scale 2", firstStart, {0, 0, 640, 512}, {0, 0, 640, 512}},
        {"scale 2 with a top panel", {100, 0, 878, 754}, {0, 28, 640, 484}, {0, 28, 640, 484}},
        {"on a screen that has gone", {3000, 200, 800, 600}, {0, 0, 1280, 1024}, {480, 200, 800, 600}},
        {"above and left of the screen", {-50, -40, 800, 600}, {0, 0, 1280, 1024}, {0, 0, 800, 600}},
        {"area smaller than the minimum", {10, 10, 800, 600}, {0, 0, 480, 400}, {0, 0, 488, 434}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fitFrameOnScreen(c.frame, c.available, minimum), c.fitted);
    }
}

using StripAndPane = FormFixture;

TEST_F(StripAndPane, StripGivesWayBeforeThePaneAndKeepsItsButtonsWhole)
{
    // A strip saved far too low and one saved very tall.
    for (const char* favListHeight : {"5", "400"}) {
        folder.write(".ini", std::string("[Form]\r\nFavListHeight=") + favListHeight + "\r\n");
        start();
        form().show();
        for (const QSize size : {QSize(870, 720), QSize(640, 480), QSize(0, 0)}) {
            SCOPED_TRACE(std::string(favListHeight) + " at " + std::to_string(size.width()) + "x" +
                         std::to_string(size.height()));
            form().resize(size);
            QTest::qWait(0);
            QCoreApplication::processEvents();  // the strip's answer to the new size
            for (const QPushButton* button :
                 {formControl<QPushButton>(form(), "Button3"), formControl<QPushButton>(form(), "Button4")})
                EXPECT_LE(button->geometry().bottom(), formControl<QWidget>(form(), "Panel3")->height() - 1)
                    << "clipped";
            const int pane = formControl<TabControl>(form(), "TabControl1")->height();
            const int strip = formControl<QWidget>(form(), "Panel2")->height();
            if (pane < 160) {
                EXPECT_EQ(strip, formControl<QWidget>(form(), "Panel2")->minimumSizeHint().height())
                    << "the pane gave way first";
            }
            EXPECT_GE(pane, 120);
        }
        TearDown();
    }
}
