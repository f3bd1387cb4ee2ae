#include "tests/support/form_fixture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTest>

void FormFixture::start()
{
    static bool resourcesReady = [] {
        setUpApplication(*qApp);
        return true;
    }();
    (void)resourcesReady;
    browser = new RecordingBrowser;
    ProgramServices services{browser, &dialogs, &launcher, folder.executablePath(), dataFolder};
    windows_ = createProgramWindows(services);
}

bool FormFixture::closeWindow()
{
    QCloseEvent event;
    QApplication::sendEvent(windows_.form.get(), &event);
    return event.isAccepted();
}

void FormFixture::restart()
{
    closeWindow();
    windows_ = ProgramWindows{};
    start();
}

void FormFixture::showActive()
{
    form().show();
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
}

void FormFixture::TearDown() { windows_ = ProgramWindows{}; }
