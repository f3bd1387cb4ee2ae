#include "options/option_dlg.h"

#include "settings/settings_reset.h"
#include "text/single_line.h"
#include "text/sjis_text.h"
#include "ui_option_dlg.h"
#include "widgets/dialog_placement.h"
#include "widgets/error_box.h"
#include "widgets/readable_colour.h"
#include "widgets/widget_accessibility.h"

namespace {

// Shows the start of the text, as a long address is read from its beginning.
void showText(QLineEdit& edit, const std::string& bytes)
{
    edit.setText(fromSjis(bytes));
    edit.setCursorPosition(0);
}

// A line break pasted into an edit would end the value's line in the settings file, so the
// value used now would not be the value read at the next start; like titles taken from the
// browser, each line break (and NUL) becomes a blank.
std::string takenText(const QLineEdit& edit, const std::string& shownBytes)
{
    return bytesOfShownText(withoutLineBreaks(edit.text()), shownBytes);
}

}  // namespace

TOptionDlg::TOptionDlg(QWidget* parent, Dialogs& dialogs, std::string executablePath)
    : QDialog(parent),
      ui_(std::make_unique<Ui::TOptionDlg>()),
      dialogs_(dialogs),
      executablePath_(std::move(executablePath))
{
    ui_->setupUi(this);
    setFixedSize(420, 275);

    PageControl1 = ui_->PageControl1;
    LabeledEdit1 = ui_->LabeledEdit1;
    LabeledEdit2 = ui_->LabeledEdit2;
    LabeledEdit3 = ui_->LabeledEdit3;
    LabeledEdit4 = ui_->LabeledEdit4;
    LabeledEdit5 = ui_->LabeledEdit5;
    LabeledEdit6 = ui_->LabeledEdit6;
    LabeledEdit7 = ui_->LabeledEdit7;
    LabeledEdit8 = ui_->LabeledEdit8;
    CheckBox7 = ui_->CheckBox7;
    CheckBox8 = ui_->CheckBox8;
    SiteChecks = {ui_->CheckBox1, ui_->CheckBox2, ui_->CheckBox3, ui_->CheckBox4, ui_->CheckBox5, ui_->CheckBox6};
    SiteImages = {ui_->Image1, ui_->Image2, ui_->Image3, ui_->Image4, ui_->Image5, ui_->Image6};
    SiteNames = {ui_->SiteName1, ui_->SiteName2, ui_->SiteName3, ui_->SiteName4, ui_->SiteName5, ui_->SiteName6};
    SiteUrls = {ui_->SiteUrl1, ui_->SiteUrl2, ui_->SiteUrl3, ui_->SiteUrl4, ui_->SiteUrl5, ui_->SiteUrl6};
    Button1 = ui_->Button1;
    OKBtn = ui_->OKBtn;
    CancelBtn = ui_->CancelBtn;
    // The heading's teal and the note's red, moved only as far as the theme's background needs.
    setReadableTextColour(ui_->Label2, QColor(0x00, 0x80, 0x80));
    setReadableTextColour(ui_->Label1, QColor(0xFF, 0x00, 0x00));
    nameFieldsByLabels(this);

    // The red note and the site pages have no room for more text, so where to read about the other
    // forms of the keyword goes in the tooltips of the note and of every site's address.
    const QString keywordForms = QStringLiteral(
        "UTF-8 や Shift-JIS でキーワードを受け取るサイトには $KEY$ の代わりに $KEY:UTF-8$ や $KEY:SJIS$ と書きます。\n"
        "くわしくは ヘルプ → 取扱説明の表示 の「キーワードの文字コード」を見てください。");
    ui_->Label1->setToolTip(keywordForms);
    for (QLineEdit* url : {LabeledEdit4, LabeledEdit5})
        url->setToolTip(keywordForms);
    for (QLineEdit* url : SiteUrls)
        url->setToolTip(keywordForms);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded(dialogs_, this, [this] { Button1Click(); }); });
}

TOptionDlg::~TOptionDlg() = default;

void TOptionDlg::FormCreate(const QList<QIcon>& siteIcons)
{
    PageControl1->setCurrentIndex(0);
    for (size_t k = 0; k < SiteImages.size(); ++k)
        SiteImages[k]->setPixmap(siteIcons.at(static_cast<qsizetype>(k)).pixmap(16, 16, QIcon::Normal));
}

void TOptionDlg::Button1Click()
{
    if (runSettingsReset(dialogs_, this, executablePath_))
        emit settingsReset();
}

void TOptionDlg::showValues(const OptionValues& values)
{
    shown_ = values;
    showText(*LabeledEdit1, values.URL);
    showText(*LabeledEdit2, values.SoubaCheck);
    showText(*LabeledEdit3, values.KaisaiCheck);
    showText(*LabeledEdit4, values.YahooURL);
    showText(*LabeledEdit5, values.BiddersURL);
    showText(*LabeledEdit6, values.TabName[0]);
    showText(*LabeledEdit7, values.TabName[1]);
    showText(*LabeledEdit8, values.TabName[2]);
    for (size_t k = 0; k < SiteChecks.size(); ++k) {
        SiteChecks[k]->setChecked(values.SiteVisible[k]);
        showText(*SiteNames[k], values.SiteName[k]);
        showText(*SiteUrls[k], values.SiteURL[k]);
    }
    CheckBox7->setChecked(values.MsgKeyDel);
    CheckBox8->setChecked(values.KeyTreeBackup);
}

OptionValues TOptionDlg::takenValues() const
{
    OptionValues v;
    v.URL = takenText(*LabeledEdit1, shown_.URL);
    v.SoubaCheck = takenText(*LabeledEdit2, shown_.SoubaCheck);
    v.KaisaiCheck = takenText(*LabeledEdit3, shown_.KaisaiCheck);
    v.YahooURL = takenText(*LabeledEdit4, shown_.YahooURL);
    v.BiddersURL = takenText(*LabeledEdit5, shown_.BiddersURL);
    v.TabName[0] = takenText(*LabeledEdit6, shown_.TabName[0]);
    v.TabName[1] = takenText(*LabeledEdit7, shown_.TabName[1]);
    v.TabName[2] = takenText(*LabeledEdit8, shown_.TabName[2]);
    for (size_t k = 0; k < SiteChecks.size(); ++k) {
        v.SiteVisible[k] = SiteChecks[k]->isChecked();
        v.SiteName[k] = takenText(*SiteNames[k], shown_.SiteName[k]);
        v.SiteURL[k] = takenText(*SiteUrls[k], shown_.SiteURL[k]);
    }
    v.MsgKeyDel = CheckBox7->isChecked();
    v.KeyTreeBackup = CheckBox8->isChecked();
    return v;
}

void TOptionDlg::showEvent(QShowEvent* event)
{
    // Centred on the main window at every opening, wherever it was last moved to.
    centreOnParent(*this);
    QDialog::showEvent(event);
}
