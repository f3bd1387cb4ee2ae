#include "help/about_box.h"

#include "app/main_window.h"
#include "settings/settings_values.h"
#include "text/sjis_text.h"
#include "ui_about_box.h"
#include "widgets/launcher.h"
#include "widgets/picture_lists.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMouseEvent>

TAboutBox::TAboutBox(TForm1& owner) : QDialog(&owner), ui_(std::make_unique<Ui::TAboutBox>()), owner_(owner)
{
    ui_->setupUi(this);
    setFixedSize(313, 154);
    ui_->ProgramIcon->setPixmap(programIcon().pixmap(64, 64));
    Label1 = ui_->Label1;
    OKButton = ui_->OKButton;
    Label1->setText(statisticsSiteHome());
    Label1->installEventFilter(this);
    showDataFolder();
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::showDataFolder()
{
    // The line under the link, inside the panel: the box keeps its size, so a long path is
    // shortened in the middle and shown whole as the tooltip.
    const ProgramServices& services = owner_.services();
    const QString path =
        services.dataFolder.empty()
            ? QFileInfo(QFile::decodeName(QByteArray::fromStdString(services.executablePath))).absolutePath()
            : QFile::decodeName(QByteArray::fromStdString(services.dataFolder));
    DataFolder = new QLabel(ui_->Panel1);
    DataFolder->setObjectName(QStringLiteral("DataFolder"));
    DataFolder->setGeometry(8, 102, 281, 9);
    QFont small = DataFolder->font();
    small.setPixelSize(9);
    DataFolder->setFont(small);
    const QString text = QStringLiteral("データの保存先: ") + path;
    DataFolder->setText(QFontMetrics(small).elidedText(text, Qt::ElideMiddle, DataFolder->width()));
    DataFolder->setToolTip(path);
}

QString TAboutBox::statisticsSiteHome() { return fromSjis(settings_defaults::kURL); }

void TAboutBox::Label1Click() { owner_.services().launcher->openWithDefaultHandler(statisticsSiteHome()); }

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    // A click is a left-button release over the label, as for a button.
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && Label1->rect().contains(mouse->position().toPoint()))
            owner_.guarded([this] { Label1Click(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    // Centred on the main window at every opening.
    QRect frame = frameGeometry();
    frame.moveCenter(owner_.frameGeometry().center());
    move(frame.topLeft());
    QDialog::showEvent(event);
}
