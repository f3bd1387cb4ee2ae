// The colours of the dialogs' notes against the light and the dark theme's window colour.
#include "widgets/readable_colour.h"

#include <gtest/gtest.h>

TEST(ReadableColour, KeepsReadableColoursAndMovesOthersJustEnough)
{
    const QColor light(0xEF, 0xEF, 0xEF);
    const QColor dark(0x32, 0x32, 0x32);
    const struct {
        QColor text, background;
        bool kept;
    } cases[] = {
        {QColor(0x80, 0x00, 0x00), light, true},  // the organize dialog's maroon note
        {QColor(0x80, 0x00, 0x00), dark, false},  // 1.2:1 before
        {QColor(0x00, 0x00, 0xFF), light, true},  // the about box's link
        {QColor(0x00, 0x00, 0xFF), dark, false},
        {QColor(0x00, 0x80, 0x80), light, false},  // teal: 4.2:1 on the light window
        {QColor(0x00, 0x80, 0x80), dark, false},
        {QColor(0xFF, 0x00, 0x00), light, false},
        {QColor(0xFF, 0x00, 0x00), dark, false},
        {QColor(0x80, 0x80, 0x80), QColor(0x77, 0x77, 0x77), false},  // a middle grey on middle grey
    };
    for (const auto& c : cases) {
        const QColor shown = readableOn(c.text, c.background);
        const std::string what = c.text.name().toStdString() + " on " + c.background.name().toStdString();
        EXPECT_GE(contrastRatio(shown, c.background), 4.5) << what;
        EXPECT_EQ(shown == c.text, c.kept) << what;
        if (!c.kept && c.text.saturation() > 0) {
            EXPECT_NEAR(shown.hue(), c.text.hue(), 2) << what << ": keeps its hue";
            EXPECT_LT(contrastRatio(shown, c.background), 6.0) << what << ": moved no further than needed";
        }
    }
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
}
