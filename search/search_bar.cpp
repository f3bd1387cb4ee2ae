#include "search/search_bar.h"

#include "search/box_input.h"
#include "search/dropdown_history.h"
#include "search/keyword_expansion.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

// The bar item that carries the button. The item, not the widget, is shown and hidden, so the bar
// closes up around a hidden button (hiding the widget would leave a gap), and the item is asked:
// a button of a window not yet shown reports itself hidden.
QAction* siteButtonItem(const QToolBar& bar, const QToolButton* button)
{
    const QList<QAction*> items = bar.actions();
    const auto found =
        std::find_if(items.begin(), items.end(), [&](QAction* item) { return bar.widgetForAction(item) == button; });
    return found == items.end() ? nullptr : *found;
}

}  // namespace

SearchBar::SearchBar(const SearchBarWidgets& widgets, const SettingsValues& settings, const HandlerGuard& guard)
    : SearchBarWidgets(widgets), settings_(settings), guard_(guard)
{
    guard_.connect(Button1, &QPushButton::clicked, this, &SearchBar::Button1Click);
    guard_.connect(TabControl1, &TabControl::Change, this, &SearchBar::TabControl1Change);
    guard_.connect(ToolButton5, &QToolButton::clicked, this, &SearchBar::ToolButton5Click);
    guard_.connect(ToolButton6, &QToolButton::clicked, this, &SearchBar::ToolButton6Click);
    const std::array<void (SearchBar::*)(), kSiteCount> siteHandlers{
        &SearchBar::ToolButton8Click,  &SearchBar::ToolButton9Click,  &SearchBar::ToolButton10Click,
        &SearchBar::ToolButton11Click, &SearchBar::ToolButton12Click, &SearchBar::ToolButton13Click};
    for (size_t k = 0; k < kSiteCount; ++k)
        guard_.connect(SiteButtons[k], &QToolButton::clicked, this, siteHandlers[k]);
    watchBoxKeys(ComboBox1, [this](int key) { guard_([&] { ComboBox1KeyDown(key); }); });
}

std::string SearchBar::ExpandKeyword(const std::string& addressTemplate) const
{
    // A UTF-8 site gets the text as the box holds it, not its Shift-JIS spelling, which would turn
    // é into e and 〜 into ～. A keyword still showing the bytes it came with (from a file) goes out
    // as those bytes decoded: the box's text of bytes that are not Shift-JIS is only a stand-in.
    const QString shown = ComboBox1->currentText();
    if (shown == fromSjis(keywordBytes_))
        return ::ExpandKeyword(addressTemplate, keywordBytes_);
    return ::ExpandKeyword(addressTemplate, keywordText(), shown.toUtf8().toStdString());
}

void SearchBar::Button1Click()
{
    commitBoxCompositions();
    // Base address and command are joined as they stand, so a "$KEY$" inside the base address
    // would be the first one and the one replaced.
    const std::string& command = TabControl1->TabIndex() != 0 ? settings_.KaisaiCheck : settings_.SoubaCheck;
    searchOn(settings_.URL + command);
    rememberInHistory(*ComboBox1, ComboBox1->currentText());
}

void SearchBar::TabControl1Change() { Button1Click(); }

void SearchBar::ComboBox1KeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        Button1Click();
}

// The site buttons search the keyword box's text on their own complete templates: nothing is put
// in front, the result tab does not matter and the history stays as it is.
void SearchBar::searchSite(const std::string& addressTemplate)
{
    commitBoxCompositions();
    searchOn(addressTemplate);
}

void SearchBar::searchOn(const std::string& addressTemplate)
{
    emit navigateRequested(fromSjis(ExpandKeyword(addressTemplate)));
    // The same bytes as ExpandKeyword's for a Shift-JIS form; a UTF-8 form sends the box's text.
    const QString shown = ComboBox1->currentText();
    const std::string bytes = shown == fromSjis(keywordBytes_) ? keywordBytes_ : keywordText();
    const std::optional<std::string> sent = SentKeyword(addressTemplate, bytes);
    if (sent && fromSjis(*sent) != shown)
        emit keywordChanged(fromSjis(*sent));
}

void SearchBar::ToolButton5Click() { searchSite(settings_.YahooURL); }
void SearchBar::ToolButton6Click() { searchSite(settings_.BiddersURL); }
void SearchBar::searchUserSite(size_t k) { searchSite(settings_.SiteURL.at(k)); }
void SearchBar::ToolButton8Click() { searchUserSite(0); }
void SearchBar::ToolButton9Click() { searchUserSite(1); }
void SearchBar::ToolButton10Click() { searchUserSite(2); }
void SearchBar::ToolButton11Click() { searchUserSite(3); }
void SearchBar::ToolButton12Click() { searchUserSite(4); }
void SearchBar::ToolButton13Click() { searchUserSite(5); }

void SearchBar::searchYahooFor(const std::string& keyword)
{
    commitBoxCompositions();
    setKeywordText(keyword);
    ToolButton5Click();
}

void SearchBar::searchBiddersFor(const std::string& keyword)
{
    commitBoxCompositions();
    setKeywordText(keyword);
    ToolButton6Click();
}

std::string SearchBar::committedKeyword() const
{
    commitBoxCompositions();
    return keywordText();
}

std::string SearchBar::keywordText() const { return bytesOfShownText(ComboBox1->currentText(), keywordBytes_); }

void SearchBar::setKeywordText(const std::string& keyword)
{
    keywordBytes_ = keyword;
    ComboBox1->setEditText(fromSjis(keyword));
}

void SearchBar::showTypedKeyword(const QString& text) { ComboBox1->setEditText(text); }

void SearchBar::showSettings()
{
    for (size_t k = 0; k < kSiteCount; ++k) {
        SiteButtons[k]->setToolTip(fromSjis(settings_.SiteName[k]));
        SiteButtons[k]->setAccessibleName(SiteButtons[k]->toolTip());
        setSiteButtonShown(k, settings_.SiteVisible[k]);
    }
}

bool SearchBar::siteButtonShown(size_t k) const { return siteButtonItem(*ToolBar6, SiteButtons.at(k))->isVisible(); }

void SearchBar::setSiteButtonShown(size_t k, bool shown)
{
    siteButtonItem(*ToolBar6, SiteButtons.at(k))->setVisible(shown);
}
