#include "engine/pane_action_texts.h"

#include <QAction>
#include <QWebEnginePage>

namespace {

struct ActionText {
    QWebEnginePage::WebAction action;
    const char16_t* text;
};

// Back, forward, stop and reload read as the navigation bar's buttons do.
constexpr ActionText kTexts[] = {
    {QWebEnginePage::Back, u"戻る"},
    {QWebEnginePage::Forward, u"進む"},
    {QWebEnginePage::Stop, u"中止"},
    {QWebEnginePage::Reload, u"更新"},
    {QWebEnginePage::Cut, u"切り取り"},
    {QWebEnginePage::Copy, u"コピー"},
    {QWebEnginePage::Paste, u"貼り付け"},
    {QWebEnginePage::Undo, u"元に戻す"},
    {QWebEnginePage::Redo, u"やり直し"},
    {QWebEnginePage::SelectAll, u"すべて選択"},
    {QWebEnginePage::ReloadAndBypassCache, u"キャッシュを使わずに更新"},
    {QWebEnginePage::PasteAndMatchStyle, u"書式なしで貼り付け"},
    {QWebEnginePage::OpenLinkInThisWindow, u"リンクを開く"},
    // A link asking for a new window or tab opens in the pane itself (the program has one pane).
    {QWebEnginePage::OpenLinkInNewWindow, u"リンクを開く"},
    {QWebEnginePage::OpenLinkInNewTab, u"リンクを開く"},
    {QWebEnginePage::OpenLinkInNewBackgroundTab, u"リンクを開く"},
    {QWebEnginePage::CopyLinkToClipboard, u"リンクのアドレスをコピー"},
    {QWebEnginePage::DownloadLinkToDisk, u"名前を付けてリンク先を保存..."},
    {QWebEnginePage::CopyImageToClipboard, u"画像をコピー"},
    {QWebEnginePage::CopyImageUrlToClipboard, u"画像のアドレスをコピー"},
    {QWebEnginePage::DownloadImageToDisk, u"名前を付けて画像を保存..."},
    {QWebEnginePage::CopyMediaUrlToClipboard, u"メディアのアドレスをコピー"},
    {QWebEnginePage::ToggleMediaControls, u"コントロールを表示"},
    {QWebEnginePage::ToggleMediaLoop, u"ループ再生"},
    {QWebEnginePage::ToggleMediaPlayPause, u"再生/一時停止"},
    {QWebEnginePage::ToggleMediaMute, u"ミュート"},
    {QWebEnginePage::DownloadMediaToDisk, u"名前を付けてメディアを保存..."},
    {QWebEnginePage::InspectElement, u"要素を検証"},
    {QWebEnginePage::ExitFullScreen, u"全画面表示を終了"},
    {QWebEnginePage::RequestClose, u"閉じる"},
    {QWebEnginePage::Unselect, u"選択を解除"},
    {QWebEnginePage::SavePage, u"名前を付けてページを保存..."},
    {QWebEnginePage::ViewSource, u"ページのソースを表示"},
    {QWebEnginePage::ToggleBold, u"太字"},
    {QWebEnginePage::ToggleItalic, u"斜体"},
    {QWebEnginePage::ToggleUnderline, u"下線"},
    {QWebEnginePage::ToggleStrikethrough, u"取り消し線"},
    {QWebEnginePage::AlignLeft, u"左揃え"},
    {QWebEnginePage::AlignCenter, u"中央揃え"},
    {QWebEnginePage::AlignRight, u"右揃え"},
    {QWebEnginePage::AlignJustified, u"両端揃え"},
    {QWebEnginePage::Indent, u"インデント"},
    {QWebEnginePage::Outdent, u"インデント解除"},
    {QWebEnginePage::InsertOrderedList, u"番号付きリスト"},
    {QWebEnginePage::InsertUnorderedList, u"箇条書き"},
};

}  // namespace

void giveActionsJapaneseTexts(QWebEnginePage& page)
{
    // The engine creates each action once and later only enables or disables it, so a text set
    // here stays for the page's life.
    for (const ActionText& entry : kTexts)
        page.action(entry.action)->setText(QString::fromUtf16(entry.text));
    // The engine offers "new window" and "new tab" for every link; here both open in the pane, so
    // one entry is enough.
    page.action(QWebEnginePage::OpenLinkInNewWindow)->setVisible(false);
}
