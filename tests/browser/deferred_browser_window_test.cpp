// The pane's engine starts behind the window: what the user does before it is there is done, in
// its order, as soon as it is.
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"

#include <QComboBox>
#include <QTest>

namespace {

class EngineBehindTheWindow : public FormFixture {};

}  // namespace

TEST_F(EngineBehindTheWindow, AKeywordAndEnterBeforeThePaneIsReadySearchOnceItIs)
{
    deferEngine = true;
    start();
    form().Settings.URL = "http://auction-stats.example/";
    form().Settings.SoubaCheck = "search?q=$KEY$";
    showActive();
    ASSERT_EQ(browser, nullptr) << "the engine started before it was asked to";
    input::click(formControl<QComboBox>(form(), "ComboBox1"));
    input::type(QStringLiteral("時計"));
    input::key(Qt::Key_Return);
    EXPECT_EQ(browser, nullptr);

    deferred->start();
    ASSERT_NE(browser, nullptr);
    // The help page of the start, then the search, in the order they were asked for.
    ASSERT_EQ(browser->navigations.size(), 2);
    EXPECT_TRUE(browser->navigations.at(0).endsWith(QStringLiteral("HELP/index.htm")));
    EXPECT_EQ(browser->navigations.at(1), QStringLiteral("http://auction-stats.example/search?q=%BB%FE%B7%D7"));
    EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox1")->itemText(0), QStringLiteral("時計"));
}

TEST_F(EngineBehindTheWindow, StartsOnTheTurnOfTheEventLoopAfterTheFirstPaint)
{
    deferEngine = true;
    start();
    deferred->startAfterFirstPaint(&form());
    EXPECT_EQ(browser, nullptr);
    showActive();
    EXPECT_TRUE(QTest::qWaitFor([&] { return browser != nullptr; }, 5000));
}
