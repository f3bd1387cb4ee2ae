#include "app/program_windows.h"

#include "app/main_window.h"
#include "help/about_box.h"
#include "options/option_dlg.h"
#include "watched/fav_auc_dlg.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

static void initProgramResources() { Q_INIT_RESOURCE(resources); }

ProgramWindows createProgramWindows(const ProgramServices& services)
{
    ProgramWindows windows;
    windows.form = std::make_unique<TForm1>(services);
    windows.form->FormCreate();
    TForm1* form = windows.form.get();
    windows.aboutBox = new TAboutBox(form, *services.dialogs, *services.launcher);
    windows.aboutBox->showDataFolder(
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(form->companionBase()))).absolutePath());
    windows.optionDlg = new TOptionDlg(form, *services.dialogs, form->companionBase());
    windows.optionDlg->FormCreate(form->ImageList3);
    windows.favAucDlg = new TFavAucDlg(form, *services.dialogs);
    windows.form->attachDialogs(windows.aboutBox, windows.optionDlg, windows.favAucDlg);
    return windows;
}

void setUpApplication(QApplication& app)
{
    initProgramResources();
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    for (const char* name : {"qtbase_ja", "qt_ja"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
    // The 12-pixel proportional Gothic the layout was drawn for, or the closest one installed.
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPixelSize(12);
    QApplication::setFont(font);
}
