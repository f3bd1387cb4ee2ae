#pragma once
// The options dialog: every address template, the site names and visibility, the tab captions
// and the two keyword-tree switches; and the settings reset.
#include "options/option_values.h"

#include <QDialog>
#include <QList>

#include <array>
#include <memory>
#include <string>

class Dialogs;
class QIcon;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
namespace Ui {
class TOptionDlg;
}

class TOptionDlg : public QDialog {
    Q_OBJECT
public:
    // The settings reset deletes the settings file named after executablePath.
    TOptionDlg(QWidget* parent, Dialogs& dialogs, std::string executablePath);
    ~TOptionDlg() override;

    // Once, at program start: the first page, and the site icons the main window's bar shows.
    void FormCreate(const QList<QIcon>& siteIcons);
    // The settings reset; the dialog stays open and its controls keep what they show. A reset
    // that deleted the file is announced by settingsReset().
    void Button1Click();

    // Fills every control from values; they are also what takenValues() compares against.
    void showValues(const OptionValues& values);
    // The controls' contents as typed. An edit whose text is still the one shown gives back the
    // bytes it was filled with, so text that is not valid Shift-JIS survives an OK untouched.
    OptionValues takenValues() const;

    // Controls, named as the layout names them (also their objectNames).
    QTabWidget* PageControl1;
    QLineEdit *LabeledEdit1, *LabeledEdit2, *LabeledEdit3;  // URL, SoubaCheck, KaisaiCheck
    QLineEdit *LabeledEdit4, *LabeledEdit5;                 // YahooURL, BiddersURL
    QLineEdit *LabeledEdit6, *LabeledEdit7, *LabeledEdit8;  // KEY#1..KEY#3
    QCheckBox *CheckBox7, *CheckBox8;                       // MsgKeyDel, KeyTreeBackup
    std::array<QCheckBox*, 6> SiteChecks;                   // CheckBox1..CheckBox6
    std::array<QLabel*, 6> SiteImages;                      // Image1..Image6
    std::array<QLineEdit*, 6> SiteNames;                    // SiteName1..SiteName6
    std::array<QLineEdit*, 6> SiteUrls;                     // SiteUrl1..SiteUrl6
    QPushButton *Button1, *OKBtn, *CancelBtn;

signals:
    // The settings file was deleted: the close must not write it back.
    void settingsReset();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TOptionDlg> ui_;
    Dialogs& dialogs_;
    std::string executablePath_;
    OptionValues shown_;
};
