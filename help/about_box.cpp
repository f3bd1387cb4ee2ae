#include "help/about_box.h"

#include "help/launch_failure.h"
#include "settings/settings_values.h"
#include "text/sjis_text.h"
#include "ui_about_box.h"
#include "widgets/dialog_placement.h"
#include "widgets/error_box.h"
#include "widgets/launcher.h"
#include "widgets/picture_lists.h"
#include "widgets/readable_colour.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMouseEvent>

TAboutBox::TAboutBox(QWidget* parent, Dialogs& dialogs, Launcher& launcher)
    : QDialog(parent), ui_(std::make_unique<Ui::TAboutBox>()), dialogs_(dialogs), launcher_(launcher)
{
    ui_->setupUi(this);
    setFixedSize(313, 154);
    ui_->ProgramIcon->setPixmap(programIcon().pixmap(64, 64));
    Label1 = ui_->Label1;
    OKButton = ui_->OKButton;
    Label1->setText(statisticsSiteHome());
    // A link's blue, made lighter where the theme is dark.
    setReadableTextColour(Label1, QColor(0x00, 0x00, 0xFF));
    Label1->installEventFilter(this);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::showDataFolder(const QString& path)
{
    // The line under the link, inside the panel: the box keeps its size, so a long path is
    // shortened in the middle and shown whole as the tooltip.
    if (!DataFolder) {
        DataFolder = new QLabel(ui_->Panel1);
        DataFolder->setObjectName(QStringLiteral("DataFolder"));
        DataFolder->setGeometry(8, 102, 281, 9);
        QFont small = DataFolder->font();
        small.setPixelSize(9);
        DataFolder->setFont(small);
    }
    const QString text = QStringLiteral("データの保存先: ") + path;
    DataFolder->setText(QFontMetrics(DataFolder->font()).elidedText(text, Qt::ElideMiddle, DataFolder->width()));
    DataFolder->setToolTip(path);
}

QString TAboutBox::statisticsSiteHome() { return fromSjis(settings_defaults::kURL); }

void TAboutBox::Label1Click() { openOrTell(launcher_, dialogs_, this, statisticsSiteHome()); }

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    // A click is a left-button release over the label, as for a button.
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && Label1->rect().contains(mouse->position().toPoint()))
            runGuarded(dialogs_, this, [this] { Label1Click(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    // Centred on the main window at every opening.
    centreOnParent(*this);
    QDialog::showEvent(event);
}
