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
    TCppWebBrowser* pane = nullptr;
    if (deferEngine) {
        browser = nullptr;
        pane = deferred = new DeferredBrowser([this](QWidget*) { return browser = new RecordingBrowser; });
    } else {
        pane = browser = new RecordingBrowser;
    }
    ProgramServices services{pane, &dialogs, &launcher, folder.executablePath(), dataFolder};
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
