// Text colours against the light and the dark theme's window colour: the helper's table, then the
// dialogs' notes and link as the dialogs show them.
#include "widgets/readable_colour.h"

#include "help/about_box.h"
#include "options/option_dlg.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_dialogs.h"
#include "watched/fav_auc_dlg.h"

#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

namespace {
const QColor kLight(0xEF, 0xEF, 0xEF), kDark(0x32, 0x32, 0x32), kMaroon(0x80, 0, 0);
}

TEST(ReadableColour, KeepsReadableColoursAndMovesOthersJustEnough)
{
    const struct {
        QColor text, background;
        bool kept;
    } cases[] = {
        {kMaroon, kLight, true},  {kMaroon, kDark, false},  // the organize dialog's note: 1.2:1 on dark
        {Qt::blue, kLight, true}, {Qt::blue, kDark, false}, {QColor(0, 0x80, 0x80), kLight, false},  // teal 4.2:1
        {Qt::red, kLight, false}, {Qt::red, kDark, false},  {QColor(0x80, 0x80, 0x80), QColor(0x77, 0x77, 0x77), false},
    };
    for (const auto& c : cases) {
        const QColor shown = readableOn(c.text, c.background);
        const std::string what = c.text.name().toStdString() + " on " + c.background.name().toStdString();
        EXPECT_GE(contrastRatio(shown, c.background), 4.5) << what;
        EXPECT_EQ(shown == c.text, c.kept) << what;
        if (!c.kept && c.text.saturation() > 0) {
            EXPECT_NEAR(shown.hue(), c.text.hue(), 2) << what;
            EXPECT_LT(contrastRatio(shown, c.background), 6.0) << what << ": moved no further than needed";
        }
    }
}

TEST(ReadableColour, DialogTextsReadOnLightAndDarkAndFollowATheme)
{
    const QPalette before = QApplication::palette();
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    TFavAucDlg lasting(nullptr, dialogs);  // made once, as the program makes it
    for (const QColor& window : {kLight, kDark, kLight}) {
        QPalette shades = before;
        shades.setColor(QPalette::Window, window);
        shades.setColor(QPalette::WindowText, window == kDark ? Qt::white : Qt::black);
        QApplication::setPalette(shades);
        QApplication::processEvents();
        const auto* note = lasting.findChild<QLabel*>(QStringLiteral("Label1"));
        EXPECT_EQ(note->palette().color(QPalette::WindowText) == kMaroon, window == kLight);
        TOptionDlg options(nullptr, dialogs, "/tmp/ribemo");
        TAboutBox about(nullptr, dialogs, launcher);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&lasting, &options, &about}) {
            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                if (!label->text().isEmpty()) {
                    EXPECT_GE(contrastRatio(label->palette().color(QPalette::WindowText), window), 4.5)
                        << window.name().toStdString() << " " << label->objectName().toStdString();
                }
            }
        }
    }
    QApplication::setPalette(before);
}
