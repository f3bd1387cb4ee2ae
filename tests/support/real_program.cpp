#include "tests/support/real_program.h"

#include "widgets/status_bar.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWebEngineProfile>

void RealProgram::SetUp()
{
    static const bool applicationReady = [] {
        setUpApplication(*qApp);
        return true;
    }();
    (void)applicationReady;
    profile_ = new QWebEngineProfile;
    browser = new WebEngineBrowser(profile_);
    windows_ = createProgramWindows(ProgramServices{browser, &dialogs, &launcher, folder.executablePath()});
    form().resize(900, 700);
    form().show();
    ASSERT_TRUE(waitUntilShown(QStringLiteral("file://")));
}

void RealProgram::TearDown()
{
    windows_ = ProgramWindows{};  // the pane and its page go before their profile
    delete profile_;
}

QString RealProgram::panel(int index) const
{
    return formControl<StatusBar>(*windows_.form, "StatusBar1")->panelText(index);
}

bool RealProgram::waitUntilShown(const QString& prefix)
{
    return QTest::qWaitFor(
        [&] { return panel(0) == QStringLiteral("現在のURL :") && browser->LocationURL().startsWith(prefix); },
        kWaitMs);
}

bool RealProgram::waitForRequest(const QByteArray& line)
{
    return QTest::qWaitFor([&] { return server.pageRequestLines().contains(line); }, kWaitMs);
}

void openAddress(TForm1& form, const QString& address)
{
    formControl<QComboBox>(form, "ComboBox2")->lineEdit()->setFocus();
    formControl<QComboBox>(form, "ComboBox2")->lineEdit()->clear();
    for (const QChar c : address)
        QTest::keyClick(form.windowHandle(), c.toLatin1());
    QPushButton* go = formControl<QPushButton>(form, "Button2");
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, go->mapTo(&form, go->rect().center()));
}
