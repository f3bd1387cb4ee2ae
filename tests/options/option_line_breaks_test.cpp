// An address pasted with a line break into the options dialog is the value used and the value
// saved: each line break (and NUL) becomes a blank, so the settings file keeps it on its line.
#include "options/option_dlg.h"
#include "tests/support/form_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class OptionLineBreaks : public FormFixture {};

TEST_F(OptionLineBreaks, APastedLineBreakBecomesABlankInTheValueUsedAndSaved)
{
    start();
    form().show();
    TOptionDlg& dialog = *form().OptionDlg;
    QGuiApplication::clipboard()->setText(QStringLiteral("http://a.example/\r\nsearch?\nq=\0x"));
    QTimer::singleShot(0, &dialog, [&] {
        dialog.activateWindow();
        dialog.LabeledEdit1->setFocus();
        dialog.LabeledEdit1->selectAll();
        QTest::keyClick(dialog.windowHandle(), Qt::Key_V, Qt::ControlModifier);
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, dialog.OKBtn->mapTo(&dialog, dialog.OKBtn->rect().center()));
        if (dialog.isVisible())
            dialog.close();
    });
    form().N5->trigger();
    EXPECT_EQ(form().Settings.URL, "http://a.example/ search? q= x");
    ASSERT_TRUE(closeWindow());
    EXPECT_NE(folder.read(".ini").find("\r\nURL=http://a.example/ search? q= x\r\n"), std::string::npos);
}

}  // namespace
