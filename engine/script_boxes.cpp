#include "engine/script_boxes.h"

#include "widgets/dialogs.h"

namespace {

// The boxes say which site speaks, as browsers do, so a page cannot pass its text off as the
// program's. A local file has no host.
QString captionFor(const QUrl& origin)
{
    const QString host = origin.host();
    return host.isEmpty() ? QStringLiteral("このページからのメッセージ") : host + QStringLiteral(" からのメッセージ");
}

// Counts a box as open for as long as it is on show.
struct OpenBox {
    explicit OpenBox(int& open) : open_(open) { ++open_; }
    ~OpenBox() { --open_; }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
    int& open_;
};

const QString kOk = QStringLiteral("OK");
const QString kCancel = QStringLiteral("キャンセル");

}  // namespace

void ScriptBoxes::pageLeft()
{
    shownOnPage_ = 0;
    silenced_ = false;
}

QString ScriptBoxes::checkLabel() const
{
    return shownOnPage_ > 0 ? QStringLiteral("このページでこれ以上ダイアログを表示しない(&N)") : QString();
}

void ScriptBoxes::ticked(bool checked)
{
    ++shownOnPage_;
    silenced_ = silenced_ || checked;
}

void ScriptBoxes::alert(QWidget* owner, const QUrl& origin, const QString& text)
{
    if (silenced_)
        return;
    const OpenBox open(open_);
    bool checked = false;
    dialogs_->choose(owner, QMessageBox::Information, captionFor(origin), text, {kOk}, 0, checkLabel(), &checked);
    ticked(checked);
}

bool ScriptBoxes::confirm(QWidget* owner, const QUrl& origin, const QString& text)
{
    if (silenced_)
        return false;
    const OpenBox open(open_);
    bool checked = false;
    const int chosen = dialogs_->choose(owner, QMessageBox::Question, captionFor(origin), text, {kOk, kCancel}, 1,
                                        checkLabel(), &checked);
    ticked(checked);
    return chosen == 0;
}

bool ScriptBoxes::prompt(QWidget* owner, const QUrl& origin, const QString& text, QString& answer)
{
    if (silenced_)
        return false;
    const OpenBox open(open_);
    bool checked = false;
    const bool answered = dialogs_->askText(owner, captionFor(origin), text, answer, checkLabel(), &checked);
    ticked(checked);
    return answered;
}

bool ScriptBoxes::leavePage(QWidget* owner, const QUrl& origin)
{
    // A page silenced by the user is left without asking: the question is the page's, and the
    // user has said it is to keep quiet.
    if (silenced_)
        return true;
    const OpenBox open(open_);
    bool checked = false;
    const int chosen = dialogs_->choose(owner, QMessageBox::Question, captionFor(origin),
                                        QStringLiteral("このページから移動しますか？\n"
                                                       "入力した内容は保存されない可能性があります。"),
                                        {QStringLiteral("移動"), kCancel}, 1, checkLabel(), &checked);
    ticked(checked);
    return chosen == 0;
}
