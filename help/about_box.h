#pragma once
// The about box: program name, version and a link to the statistics site.
#include <QDialog>

#include <memory>

class TForm1;
class QLabel;
class QPushButton;
namespace Ui {
class TAboutBox;
}

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(TForm1& owner);
    ~TAboutBox() override;

    // The statistics site's home page goes to the user's default browser; the box stays open.
    void Label1Click();

    // The address Label1 shows and opens: the statistics site's home, as the URL setting defaults to.
    static QString statisticsSiteHome();

    QLabel* Label1;
    QPushButton* OKButton;
    // Where this copy keeps its files, so a user can find them to back up or move.
    QLabel* DataFolder;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showDataFolder();

    std::unique_ptr<Ui::TAboutBox> ui_;
    TForm1& owner_;
};
