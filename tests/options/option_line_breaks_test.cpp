// An address pasted with line breaks into the options dialog is used and saved with a blank for
// each (and for a NUL), so the settings file keeps the value on its line.
#include "options/option_dlg.h"
#include "tests/support/form_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class OptionLineBreaks : public FormFixture {};

TEST_F(OptionLineBreaks, APastedLineBreakBecomesABlankInTheValueUsedAndSaved)
{
    start();
    TOptionDlg& dialog = *windows().optionDlg();
    QGuiApplication::clipboard()->setText(QStringLiteral("http://a.example/\r\nsearch?\nq=\0x"));
    QTimer::singleShot(0, &dialog, [&] {
        dialog.LabeledEdit1->setFocus();
        dialog.LabeledEdit1->selectAll();
        QTest::keyClick(dialog.windowHandle(), Qt::Key_V, Qt::ControlModifier);
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                          dialog.OKBtn->mapTo(&dialog, dialog.OKBtn->rect().center()));
    });
    formControl<QAction>(form(), "N5")->trigger();
    EXPECT_EQ(form().Settings.URL, "http://a.example/ search? q= x");
    ASSERT_TRUE(closeWindow());
    EXPECT_NE(folder.read(".ini").find("\r\nURL=http://a.example/ search? q= x\r\n"), std::string::npos);
}
