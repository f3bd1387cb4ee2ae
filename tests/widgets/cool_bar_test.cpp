// The band container driven with real mouse events: moving bands between rows, resizing by the
// edge, hiding a band with its tool bar.
#include "widgets/cool_bar.h"

#include <QLabel>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace {

class Bands : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar = std::make_unique<CoolBar>();
        for (int id = 0; id < 3; ++id) {
            auto* child = new QLabel(QStringLiteral("band %1").arg(id));
            child->setMinimumWidth(40);
            children[id] = child;
            // Bands 0 and 1 share the first row; band 2 starts the second.
            bar->addBand(child, 22, 150, id != 1, true);
        }
        bar->resize(600, bar->sizeHint().height());
        bar->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
    }

    QPoint grip(int id) const { return bar->bandRect(id).topLeft() + QPoint(4, bar->bandHeight() / 2); }

    void drag(QPoint from, QPoint to)
    {
        // At the band container's own window, as the window system delivers a drag.
        QWindow* window = bar->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    }

    std::unique_ptr<CoolBar> bar;
    QWidget* children[3] = {};
};

}  // namespace

TEST_F(Bands, ADraggedBandJoinsTheRowItIsDroppedOn)
{
    ASSERT_EQ(bar->rowCount(), 2);
    const QRect first = bar->bandRect(1);
    drag(grip(2), QPoint(first.right() - 5, first.center().y()));
    EXPECT_EQ(bar->rowCount(), 1);
    EXPECT_EQ(bar->bandIdAt(2), 2);
    EXPECT_FALSE(bar->breakAt(2));
}

TEST_F(Bands, DroppedBelowTheLastRowABandOpensANewRow)
{
    drag(grip(1), QPoint(100, bar->height() + 10));
    EXPECT_EQ(bar->rowCount(), 3);
    EXPECT_EQ(bar->bandIdAt(2), 1);
    EXPECT_TRUE(bar->breakAt(2));
}

TEST_F(Bands, DroppedBeforeTheFirstBandOfARowTheBandStartsThatRow)
{
    drag(grip(1), grip(2) + QPoint(0, 0));
    EXPECT_EQ(bar->rowCount(), 2);
    EXPECT_EQ(bar->bandIdAt(0), 0);
    EXPECT_EQ(bar->bandIdAt(1), 1);
    EXPECT_TRUE(bar->breakAt(1));
    EXPECT_FALSE(bar->breakAt(2));
}

TEST_F(Bands, DraggingABandsRightEdgeResizesIt)
{
    const QRect band = bar->bandRect(0);
    const QPoint edge(band.right() - 1, band.center().y());
    drag(edge, edge + QPoint(60, 0));
    EXPECT_EQ(bar->widthAt(0), 150 + 60);
    EXPECT_EQ(bar->bandRect(0).width(), 210);
}

TEST_F(Bands, MovingByIdShiftsTheBandsBetween)
{
    bar->moveBand(2, 0);
    EXPECT_EQ(bar->bandIdAt(0), 2);
    EXPECT_EQ(bar->bandIdAt(1), 0);
    EXPECT_EQ(bar->bandIdAt(2), 1);
    EXPECT_EQ(bar->positionOfBand(1), 2);
}

TEST_F(Bands, AHiddenToolBarHidesItsBandAndItsRowCloses)
{
    children[2]->hide();
    EXPECT_EQ(bar->rowCount(), 1);
    EXPECT_TRUE(bar->bandRect(2).isEmpty());
    children[2]->show();
    EXPECT_EQ(bar->rowCount(), 2);
    EXPECT_FALSE(bar->bandRect(2).isEmpty());
}
