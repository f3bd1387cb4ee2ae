// The dialogs made under a light and a dark palette: every coloured note and the link readable on
// the dialog's background (the organize dialog's maroon kept where it reads), every field named.
#include "help/about_box.h"
#include "options/option_dlg.h"
#include "tests/support/recording_launcher.h"
#include "tests/support/scripted_dialogs.h"
#include "watched/fav_auc_dlg.h"
#include "widgets/readable_colour.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

TEST(DialogThemes, NotesReadOnLightAndDarkAndFieldsAreNamed)
{
    const QPalette before = QApplication::palette();
    const struct {
        const char* theme;
        QColor window, text;
    } themes[] = {{"light", QColor(0xEF, 0xEF, 0xEF), Qt::black}, {"dark", QColor(0x32, 0x32, 0x32), Qt::white}};
    // The organize dialog is made once, as the program makes it, and the theme changes under it.
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    TFavAucDlg lasting(nullptr, dialogs);
    for (const auto& theme : {themes[0], themes[1], themes[0]}) {
        QPalette shades = before;
        shades.setColor(QPalette::Window, theme.window);
        shades.setColor(QPalette::WindowText, theme.text);
        QApplication::setPalette(shades);
        QApplication::processEvents();
        EXPECT_EQ(lasting.findChild<QLabel*>(QStringLiteral("Label1"))->palette().color(QPalette::WindowText) ==
                      QColor(0x80, 0, 0),
                  std::string(theme.theme) == "light");
        TFavAucDlg organize(nullptr, dialogs);
        TOptionDlg options(nullptr, dialogs, "/tmp/ribemo");
        TAboutBox about(nullptr, dialogs, launcher);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&organize, &options, &about}) {
            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                if (!label->text().isEmpty()) {
                    EXPECT_GE(contrastRatio(label->palette().color(QPalette::WindowText), theme.window), 4.5)
                        << theme.theme << " " << label->objectName().toStdString();
                }
            }
        }
        for (QLineEdit* field : options.findChildren<QLineEdit*>()) {
            EXPECT_FALSE(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name).isEmpty())
                << field->objectName().toStdString();
        }
    }
    QApplication::setPalette(before);
}
