// Draws the options dialog (each of its four pages) and the about box into PNG files for the
// documentation: dialog_screenshots [folder], default "docs". The dialogs are filled as on a first
// start; nothing is written beside the program.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "browser/idle_browser.h"
#include "help/about_box.h"
#include "options/option_dlg.h"
#include "options/option_values.h"
#include "settings/settings_values.h"
#include "widgets/dialogs.h"
#include "widgets/launcher.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool savePicture(QWidget& window, const QString& path)
{
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

void fillAsOnAFirstStart(TForm1& form)
{
    const SettingsValues defaults;
    form.Settings.URL = defaults.URL;
    form.Settings.SoubaCheck = defaults.SoubaCheck;
    form.Settings.KaisaiCheck = defaults.KaisaiCheck;
    form.Settings.YahooURL = defaults.YahooURL;
    form.Settings.BiddersURL = defaults.BiddersURL;
    form.Settings.MsgKeyDel = defaults.MsgKeyDel;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication(app);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);

    QTemporaryDir programFolder;
    MessageBoxDialogs dialogs;
    DesktopLauncher launcher;
    const std::string exePath = QFile::encodeName(programFolder.filePath(QStringLiteral("ribemo"))).toStdString();
    ProgramServices services{new IdleBrowser, &dialogs, &launcher, exePath};
    ProgramWindows windows = createProgramWindows(services);
    fillAsOnAFirstStart(*windows.form);

    bool ok = true;
    TOptionDlg& options = *windows.optionDlg();
    options.showValues(windows.form->currentOptionValues());
    for (int page = 0; page < options.PageControl1->count(); ++page) {
        options.PageControl1->setCurrentIndex(page);
        ok = savePicture(options, QStringLiteral("%1/options-%2.png").arg(folder).arg(page + 1)) && ok;
    }
    options.hide();
    // The scratch folder's random name would stand in the picture; a folder as a user's would.
    windows.aboutBox()->showDataFolder(QStringLiteral("/home/user/ribemo"));
    ok = savePicture(*windows.aboutBox(), folder + QStringLiteral("/about.png")) && ok;
    return ok ? 0 : 1;
}
