// The main window at the size it opens: keyword tabs on as many rows as they need, each reachable
// where it is drawn; the bands' buttons whole when the bands share rows; the band edge easy to take.
#include "tests/support/form_fixture.h"
#include "widgets/animate.h"
#include "widgets/cool_bar.h"
#include "widgets/tab_control.h"
#include "widgets/tab_rows.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace {

class WindowFit : public FormFixture {
protected:
    void show(const std::string& settings)
    {
        folder.write(".ini", settings);
        start();
        form().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    }

    // A click where the window system puts it: at the window, routed by Qt to what lies there.
    void clickAt(QWidget* widget, QPoint point)
    {
        QTest::mouseClick(form().windowHandle(), Qt::LeftButton, {}, widget->mapTo(&form(), point));
    }

    bool wholeInside(QWidget* child, QWidget* outer)
    {
        const QRect r(child->mapTo(outer, QPoint(0, 0)), child->size());
        return child->isVisible() && outer->rect().contains(r);
    }
};

const char kTwoRows[] =
    "[CoolBar]\r\nBand0Width=433\r\nBand1Width=221\r\nBand2Width=151\r\nBand3Width=59\r\n"
    "Band4Width=299\r\nBand5Width=569\r\nBand0Break=1\r\nBand1Break=0\r\nBand2Break=0\r\n"
    "Band3Break=0\r\nBand4Break=1\r\nBand5Break=0\r\n";

}  // namespace

TEST_F(WindowFit, EveryKeywordTabIsDrawnWholeAndTakesAClickAtItsPlace)
{
    for (const std::string& names : {std::string(), std::string("[TabName]\r\nKEY#1=Cameras and lenses\r\n"
                                                                "KEY#2=Wrist watches\r\nKEY#3=Fountain pens\r\n")}) {
        show(names);
        TabRows* tabs = formControl<TabControl>(form(), "TabControl2")->tabBar();
        EXPECT_GE(tabs->rowCount(), names.empty() ? 1 : 2);
        for (int target : {2, 0, 1, 2}) {
            const QRect place = tabs->tabRect(target);
            ASSERT_TRUE(tabs->rect().contains(place) || place.width() > tabs->width()) << target;
            clickAt(tabs, place.center());
            EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->TabIndex(), target);
        }
        // With the focus on the tabs, the arrow keys step through them.
        tabs->setFocus();
        QTest::keyClick(form().windowHandle(), Qt::Key_Left);
        EXPECT_EQ(formControl<TabControl>(form(), "TabControl2")->TabIndex(), 1);
        closeWindow();
        windows() = ProgramWindows{};
    }
}

TEST_F(WindowFit, TwoBandRowsShowTheAddressButtonWholeAndKeepTheStoredWidths)
{
    show(kTwoRows);
    ASSERT_EQ(formControl<CoolBar>(form(), "CoolBar1")->rowCount(), 2);
    EXPECT_TRUE(wholeInside(formControl<QPushButton>(form(), "Button2"), formControl<CoolBar>(form(), "CoolBar1")));
    EXPECT_TRUE(wholeInside(formControl<QPushButton>(form(), "Button1"), formControl<CoolBar>(form(), "CoolBar1")));
    EXPECT_TRUE(wholeInside(formControl<Animate>(form(), "Animate1"), formControl<CoolBar>(form(), "CoolBar1")));
    EXPECT_LT(formControl<QComboBox>(form(), "ComboBox2")->width(), 457);
    EXPECT_GE(formControl<QComboBox>(form(), "ComboBox2")->width(), 120);
    ASSERT_TRUE(closeWindow());
    EXPECT_NE(folder.read(".ini").find("Band5Width=569"), std::string::npos);
}

TEST_F(WindowFit, ABandEdgeIsTakenAnywhereInItsZone)
{
    show(kTwoRows);
    CoolBar& bands = *formControl<CoolBar>(form(), "CoolBar1");
    const int stored = bands.widthAt(4);
    // From the band's last pixels to the first ones of the band after it, before its grip.
    for (int offset : {-CoolBar::kEdgeInside + 1, 0, CoolBar::kEdgeOutside}) {
        const QRect band = bands.bandRect(bands.bandIdAt(4));
        const QPoint from(band.right() + offset, band.center().y());
        QWindow* window = form().windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, bands.mapTo(&form(), from));
        QTest::mouseMove(window, bands.mapTo(&form(), from + QPoint(40, 0)));
        QTest::mouseRelease(window, Qt::LeftButton, {}, bands.mapTo(&form(), from + QPoint(40, 0)));
        EXPECT_EQ(bands.widthAt(4), band.width() + 40) << offset;
        bands.setWidthAt(4, stored);
    }
}
