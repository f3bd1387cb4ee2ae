#include "tests/support/form_fixture.h"

#include <QApplication>
#include <QCloseEvent>

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

void FormFixture::TearDown() { windows_ = ProgramWindows{}; }
