// The price memos in the main window, with their file in a temporary program folder: what the
// keyword tree tells of them, the memo window on a keyword's memos, the user's changes on disk at
// once, and a file that is not what it should be kept and told.
#include "keywords/keyword_tree_view.h"
#include "memos/memo_file.h"
#include "memos/price_memos.h"
#include "tests/support/form_fixture.h"
#include "tests/support/window_input.h"
#include "text/sjis_text.h"
#include "widgets/status_bar.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include <string>

namespace {

using namespace std::string_literals;

const std::string kWatch = toSjis(QStringLiteral("腕時計"));
const std::string kRow1 = "2026/11/20 10:00:00," + kWatch + ",11000,Yahoo,,http://a.example/1,";
const std::string kRow2 = "2026/12/01 10:00:00," + kWatch + ",14200,127.0.0.1,,http://a.example/2,";
const std::string kRow3 = "2026/12/09 09:30:00," + kWatch + ",12345,127.0.0.1,,http://a.example/3,";

std::string fileOf(const std::vector<std::string>& rows)
{
    std::string bytes = memoFileHeader() + "\r\n";
    for (const std::string& row : rows)
        bytes += row + "\r\n";
    return bytes;
}

class PriceMemosWindow : public FormFixture {
protected:
    void startWith(const std::string& memoFile)
    {
        // The chart's module lies beside the executable, as in the build folder.
        QFile::link(QStringLiteral(RIBEMO_PRICE_CHART_MODULE),
                    QString::fromStdString(folder.folder()) + QStringLiteral("/ribemo-price-chart.so"));
        folder.write(".ask", toSjis(QStringLiteral("検索キーワード\r\n\t腕時計\r\n")));
        folder.write(".memo.csv", memoFile);
        start();
        form().resize(870, 720);
        ASSERT_NO_FATAL_FAILURE(showActive());
        // The file is read once the window is on screen.
        ASSERT_TRUE(QTest::qWaitFor([this] { return form().findChild<PriceMemos*>()->loaded(); }));
    }

    KeywordTreeView& tree() { return *formControl<KeywordTreeView>(form(), "TreeView1"); }
    QPoint watchNode() { return tree().visualItemRect(tree().topLevelItem(0)->child(0)).center(); }
    QWidget* memoWindow() { return form().findChild<QWidget*>(QStringLiteral("PriceMemoWindow")); }
    template <class W>
    W* memoControl(const char* name)
    {
        return memoWindow()->findChild<W*>(QString::fromLatin1(name));
    }
    QTableView* table() { return memoControl<QTableView>("MemoTable"); }
    QPoint cell(int row, int column) { return table()->visualRect(table()->model()->index(row, column)).center(); }

    // Opens the memo window through the Tools menu, as the user does from the keyboard.
    void openFromToolsMenu()
    {
        input::key(Qt::Key_T, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
        input::key(Qt::Key_P);
        ASSERT_TRUE(QTest::qWaitFor([this] { return memoWindow() && QApplication::activeWindow() == memoWindow(); }));
    }
};

TEST_F(PriceMemosWindow, TheTreeTellsTheLastMemoAndTheWindowDrawsEveryOne)
{
    ASSERT_NO_FATAL_FAILURE(startWith(fileOf({kRow2, kRow1})));
    // A spreadsheet (or the user's editor) adds the third meanwhile.
    folder.write(".memo.csv", fileOf({kRow2, kRow1, kRow3}));
    const QString summary = QStringLiteral("相場メモ: 12,345円 (12/09, 127.0.0.1) ほか 2 件");

    input::click(tree().viewport(), Qt::LeftButton, watchNode());
    EXPECT_EQ(formControl<StatusBar>(form(), "StatusBar1")->panelText(1), summary);
    // The pointer rests over the node.
    const QPoint over = tree().viewport()->mapTo(&form(), watchNode());
    QTest::mouseMove(form().windowHandle(), over - QPoint(4, 0));
    QTest::mouseMove(form().windowHandle(), over);
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    EXPECT_EQ(QToolTip::text(), summary);

    input::click(tree().viewport(), Qt::RightButton, watchNode());
    ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }));
    input::key(Qt::Key_P);
    ASSERT_TRUE(QTest::qWaitFor([this] { return memoWindow() && memoWindow()->isVisible(); }));
    EXPECT_EQ(memoWindow()->windowTitle(), QStringLiteral("相場メモ - 腕時計"));
    QWidget* chart = memoControl<QWidget>("MemoChart");
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->accessibleDescription(), QStringLiteral("価格の推移: 3 点"));
    EXPECT_EQ(memoControl<QLabel>("MemoFigures")->text(),
              QStringLiteral("3 件　最安 11,000円　中央値 12,345円　最高 14,200円　前回比 ↓ 1,855円"));
    // Newest first.
    ASSERT_EQ(table()->model()->rowCount(), 3);
    EXPECT_EQ(table()->model()->index(0, 1).data().toString(), QStringLiteral("12,345円"));
}

TEST_F(PriceMemosWindow, EveryChangeIsOnDiskAtOnce)
{
    const std::string original = fileOf({kRow1, kRow2, kRow3});
    ASSERT_NO_FATAL_FAILURE(startWith(original));
    ASSERT_NO_FATAL_FAILURE(openFromToolsMenu());

    // Delete asks as the tree does (scripted: OK); Ctrl+Z puts the memo back where it stood.
    input::click(table()->viewport(), Qt::LeftButton, cell(1, 0));
    input::key(Qt::Key_Delete);
    EXPECT_EQ(folder.read(".memo.csv"), fileOf({kRow1, kRow3}));
    EXPECT_EQ(dialogs.shown.back().text, QStringLiteral("相場メモ 1 件を削除します。"));
    input::key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(folder.read(".memo.csv"), original);

    // The price, edited in place; only its row is written anew.
    input::doubleClick(table()->viewport(), cell(0, 1));
    ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }));
    input::key(Qt::Key_A, Qt::ControlModifier);
    input::type(QStringLiteral("1.3万"));
    input::key(Qt::Key_Return);
    EXPECT_EQ(folder.read(".memo.csv"),
              fileOf({kRow1, kRow2, "2026/12/09 09:30:00," + kWatch + ",13000,127.0.0.1,,http://a.example/3,"}));

    // A price seen elsewhere, typed with today's date.
    input::click(memoControl<QLineEdit>("MemoPrice"));
    input::type(QStringLiteral("9,800"));
    input::key(Qt::Key_Return);
    const MemoFile file = readMemoFile(folder.read(".memo.csv"));
    ASSERT_EQ(file.memos.size(), 4u);
    EXPECT_EQ(file.memos.back().keyword, kWatch);
    EXPECT_EQ(file.memos.back().price, 9800);
    EXPECT_EQ(file.memos.back().time.day, QDate::currentDate().day());
    EXPECT_EQ(table()->model()->rowCount(), 4);
}

TEST_F(PriceMemosWindow, KeepsTheSearchKeywordAndWhatAnotherCopyKept)
{
    ASSERT_NO_FATAL_FAILURE(startWith(fileOf({kRow1})));
    input::click(formControl<QComboBox>(form(), "ComboBox1"));
    input::type(QStringLiteral("腕時計"));
    input::key(Qt::Key_Return);
    browser->simulateLoad(QStringLiteral("http://a.example/search"), QStringLiteral("結果"));
    // The box changes, the page still belongs to the search.
    input::key(Qt::Key_A, Qt::ControlModifier);
    input::type(QStringLiteral("other"));
    // Meanwhile a second copy of the program kept a memo.
    folder.write(".memo.csv", fileOf({kRow1, kRow2}));

    emit browser->recordPriceRequested(12345, QStringLiteral("平均落札価格\n12,345円"));
    const MemoFile file = readMemoFile(folder.read(".memo.csv"));
    ASSERT_EQ(file.memos.size(), 3u);
    EXPECT_EQ(file.memos[2].keyword, kWatch);
    EXPECT_EQ(file.memos[2].price, 12345);
    EXPECT_EQ(file.memos[2].address, "http://a.example/search");
    EXPECT_EQ(file.memos[2].title, toSjis(QStringLiteral("結果")));
    EXPECT_EQ(file.memos[2].note, toSjis(QStringLiteral("平均落札価格 12,345円")));
    EXPECT_EQ(QDir(QString::fromStdString(folder.folder())).entryList({QStringLiteral("*conflict*")}).size(), 0);
    EXPECT_TRUE(dialogs.shown.empty());

    // An address the user typed belongs to no search: its prices go under the keyword box's text.
    input::click(formControl<QComboBox>(form(), "ComboBox2"));
    input::type(QStringLiteral("http://b.example/"));
    input::key(Qt::Key_Return);
    emit browser->recordPriceRequested(800, QStringLiteral("800円"));
    EXPECT_EQ(readMemoFile(folder.read(".memo.csv")).memos.back().keyword, "other");
}

TEST_F(PriceMemosWindow, AFileNotReadWholeIsLeftAloneAndRowsNotReadStay)
{
    const std::string cut = fileOf({kRow1}) + "\0"s + kRow2 + "\r\n";
    ASSERT_NO_FATAL_FAILURE(startWith(cut));
    ASSERT_EQ(dialogs.errors().size(), 1u);
    EXPECT_TRUE(dialogs.errors()[0].contains(QStringLiteral("途中に NUL 文字があります")))
        << dialogs.errors()[0].toStdString();
    emit browser->recordPriceRequested(500, QStringLiteral("500円"));
    EXPECT_EQ(dialogs.errors().size(), 2u);
    EXPECT_EQ(folder.read(".memo.csv"), cut);

    // Once the file is whole again, the next memo is kept with what it holds.
    folder.write(".memo.csv", fileOf({"2026/12/01,x,cheap,,,,", kRow1}));
    emit browser->recordPriceRequested(500, QStringLiteral("500円"));
    const std::string kept = folder.read(".memo.csv");
    EXPECT_EQ(readMemoFile(kept).memos.size(), 2u);
    EXPECT_TRUE(kept.ends_with("2026/12/01,x,cheap,,,,\r\n"));
}

}  // namespace
