// The boxes the pane shows for its page (script boxes, the hang question), as the program really
// shows them: each fits its texts, and each is the pane's alone, so the rest of the window works
// while one is up and closing the window closes it.
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "widgets/owned_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using PageBoxes = FormFixture;

QDialog* shownBox()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QDialog*>(window); box && box->isVisible())
            return box;
    return nullptr;
}

// Every text the box shows is whole, where no other covers it, and the caption has its room.
void expectFitting(QDialog& box)
{
    QList<QWidget*> parts;
    for (QWidget* part : box.findChildren<QWidget*>())
        if (part->isVisible() && (qobject_cast<QLabel*>(part) || qobject_cast<QCheckBox*>(part) ||
                                  qobject_cast<QLineEdit*>(part) || qobject_cast<QAbstractButton*>(part)))
            parts.push_back(part);
    for (QWidget* part : parts) {
        const QRect at(part->mapTo(&box, QPoint(0, 0)), part->size());
        EXPECT_TRUE(box.rect().contains(at)) << part->metaObject()->className();
        if (!qobject_cast<QLabel*>(part) || !static_cast<QLabel*>(part)->wordWrap()) {
            EXPECT_GE(part->width(), part->minimumSizeHint().width()) << part->metaObject()->className();
        }
        for (QWidget* other : parts) {
            if (other != part && !other->isAncestorOf(part) && !part->isAncestorOf(other)) {
                EXPECT_FALSE(at.intersects(QRect(other->mapTo(&box, QPoint(0, 0)), other->size())))
                    << part->metaObject()->className() << " over " << other->metaObject()->className();
            }
        }
    }
    EXPECT_GE(box.width(), widthForCaption(box, box.windowTitle()));
}

}  // namespace

TEST_F(PageBoxes, FitTheirTextsAndLeaveTheRestOfTheWindowWorking)
{
    const QString silence = QStringLiteral("このページでこれ以上ダイアログを表示しない(&N)");
    const QString caption = QStringLiteral("127.0.0.1 からのメッセージ");
    MessageBoxDialogs real;
    start();
    ASSERT_NO_FATAL_FAILURE(showActive());
    QWidget* pane = formControl<QWidget>(form(), "CppWebBrowser1");
    const std::function<void()> asks[] = {
        [&] {
            QString text = QStringLiteral("太郎");
            bool checked = false;
            EXPECT_FALSE(real.askText(pane, caption, QStringLiteral("名前は？"), text, silence, &checked));
        },
        [&] {
            real.choose(pane, QMessageBox::Question, caption, QStringLiteral("消しますか"), {"OK", "キャンセル"}, 1,
                        silence);
        },
        [&] { real.choose(pane, QMessageBox::Information, caption + caption, QStringLiteral("済"), {"OK"}, 0); },
    };
    for (const auto& ask : asks) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QDialog* box = shownBox();
            ASSERT_TRUE(box);
            seen = true;
            expectFitting(*box);
            EXPECT_FALSE(pane->isEnabled());
            // The window takes input meanwhile: the user clicks there, which makes it active.
            auto* keywordBox = formControl<QComboBox>(form(), "ComboBox1");
            form().activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&form()));
            input::click(keywordBox);
            input::type(QStringLiteral("ab"));
            EXPECT_TRUE(keywordBox->currentText().endsWith(QStringLiteral("ab")));
            box->reject();
        });
        ask();
        EXPECT_TRUE(seen);
        EXPECT_TRUE(pane->isEnabled());
    }

    // Closing the window closes the box with it.
    QTimer::singleShot(0, [&] { form().close(); });
    bool checked = true;
    QString text;
    EXPECT_FALSE(real.askText(pane, caption, QStringLiteral("名前は？"), text, silence, &checked));
    EXPECT_EQ(shownBox(), nullptr);
}
