#include "app/program_windows.h"

#include "app/main_window.h"
#include "help/about_box.h"
#include "options/option_dlg.h"
#include "watched/fav_auc_dlg.h"
#include "widgets/program_style.h"

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
    form->makeDialogsWhenAsked([form, services] {
        auto* aboutBox = new TAboutBox(form, *services.dialogs, *services.launcher);
        aboutBox->showDataFolder(
            QFileInfo(QFile::decodeName(QByteArray::fromStdString(form->companionBase()))).absolutePath());
        auto* optionDlg = new TOptionDlg(form, *services.dialogs, form->companionBase());
        optionDlg->FormCreate(form->ImageList3);
        form->attachDialogs(aboutBox, optionDlg, new TFavAucDlg(form, *services.dialogs));
    });
    return windows;
}

TAboutBox* ProgramWindows::aboutBox() const
{
    form->ensureDialogs();
    return form->AboutBox;
}

TOptionDlg* ProgramWindows::optionDlg() const
{
    form->ensureDialogs();
    return form->OptionDlg;
}

TFavAucDlg* ProgramWindows::favAucDlg() const
{
    form->ensureDialogs();
    return form->FavAucDlg;
}

void setUpApplication(QApplication& app)
{
    initProgramResources();
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    // The menus are part of the window, above its bands, on every desktop. (Offering them to a
    // desktop's global menu bar would also ask the session's message bus whether there is one
    // before the window could be shown.)
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
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
