// The search commands: the statistics-site search (the 検索 button, Enter in the keyword box, a
// change of result tab), the Yahoo!オークション / BIDDERS buttons, the six user site buttons and
// the keyword tree popup's two site searches. Every address is built from the keyword box.
#include "app/main_window.h"
#include "keywords/keyword_tree_view.h"
#include "search/dropdown_history.h"
#include "search/keyword_expansion.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"

#include <QComboBox>

std::string TForm1::ExpandKeyword(const std::string& addressTemplate) const
{
    // A UTF-8 site gets the text as the box holds it, not its Shift-JIS spelling, which would turn
    // é into e and 〜 into ～. A keyword still showing the bytes it came with (from a file) goes out
    // as those bytes decoded: the box's text of bytes that are not Shift-JIS is only a stand-in.
    const QString shown = ComboBox1->currentText();
    if (shown == fromSjis(keywordBox_.bytes))
        return ::ExpandKeyword(addressTemplate, keywordBox_.bytes);
    return ::ExpandKeyword(addressTemplate, keywordText(), shown.toUtf8().toStdString());
}

void TForm1::Button1Click()
{
    commitComposition();
    // Base address and command are joined as they stand, so a "$KEY$" inside the base address
    // would be the first one and the one replaced.
    const std::string& command = TabControl1->TabIndex() != 0 ? Settings.KaisaiCheck : Settings.SoubaCheck;
    navigateTo(ExpandKeyword(Settings.URL + command));
    rememberInHistory(*ComboBox1, ComboBox1->currentText());
}

void TForm1::TabControl1Change() { Button1Click(); }

void TForm1::ComboBox1KeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        Button1Click();
}

// The site buttons search the keyword box's text on their own complete templates: nothing is put
// in front, the result tab does not matter and the history stays as it is.
namespace {

void searchSite(TForm1& form, const std::string& addressTemplate)
{
    form.commitComposition();
    form.navigateTo(form.ExpandKeyword(addressTemplate));
}

}  // namespace

void TForm1::ToolButton5Click() { searchSite(*this, Settings.YahooURL); }
void TForm1::ToolButton6Click() { searchSite(*this, Settings.BiddersURL); }
void TForm1::ToolButton8Click() { searchSite(*this, Settings.SiteURL[0]); }
void TForm1::ToolButton9Click() { searchSite(*this, Settings.SiteURL[1]); }
void TForm1::ToolButton10Click() { searchSite(*this, Settings.SiteURL[2]); }
void TForm1::ToolButton11Click() { searchSite(*this, Settings.SiteURL[3]); }
void TForm1::ToolButton12Click() { searchSite(*this, Settings.SiteURL[4]); }
void TForm1::ToolButton13Click() { searchSite(*this, Settings.SiteURL[5]); }

// The popup searches take the chosen node's keyword into the keyword box (where it stays) and run
// the site button. A tree with no chosen node offers no keyword: then nothing happens, and what
// the user typed stays in the box. A composition still open is finished first, so the input
// method cannot drop its characters into the node's keyword later.
void TForm1::Yahoo1Click()
{
    commitComposition();
    const KeywordNode* node = TreeView1->currentItem();
    if (!node)
        return;
    setKeywordText(KeywordTreeView::itemBytes(node));
    ToolButton5Click();
}

void TForm1::Bidders1Click()
{
    commitComposition();
    const KeywordNode* node = TreeView1->currentItem();
    if (!node)
        return;
    setKeywordText(KeywordTreeView::itemBytes(node));
    ToolButton6Click();
}
