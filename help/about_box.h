#pragma once
// The about box: program name, version and a link to the statistics site.
#include <QDialog>

#include <memory>

class Dialogs;
class Launcher;
class QLabel;
class QPushButton;
namespace Ui {
class TAboutBox;
}

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(QWidget* parent, Dialogs& dialogs, Launcher& launcher);
    ~TAboutBox() override;

    // The statistics site's home page goes to the user's default browser; the box stays open.
    void Label1Click();

    // The address Label1 shows and opens: the statistics site's home, as the URL setting defaults to.
    static QString statisticsSiteHome();

    // Shows, under the link, the folder where this copy keeps its files (once, at program start).
    void showDataFolder(const QString& path);

    QLabel* Label1;
    QPushButton* OKButton;
    // Where this copy keeps its files, so a user can find them to back up or move.
    QLabel* DataFolder = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TAboutBox> ui_;
    Dialogs& dialogs_;
    Launcher& launcher_;
};
