// The search bar's three bands: the keyword box with 検索, the Yahoo!オークション and BIDDERS
// buttons, and the six user site buttons.
#include "search/box_input.h"
#include "search/search_bar.h"
#include "widgets/layout_helpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

SearchBarWidgets buildSearchBar(const QList<QIcon>& navigationPictures, const QList<QIcon>& sitePictures)
{
    SearchBarWidgets w{};
    w.ToolBar1 = makeToolBar("ToolBar1");
    w.ToolBar1->setAccessibleName(QStringLiteral("検索バー"));
    w.Label1 = named(new QLabel(QStringLiteral("キーワード　")), "Label1");
    w.Label1->setFixedWidth(63);
    w.Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    w.ComboBox1 = named(new QComboBox, "ComboBox1");
    w.ComboBox1->setEditable(true);
    w.ComboBox1->setCompleter(nullptr);  // the keyword box never completes
    w.ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    w.ComboBox1->setFixedWidth(306);
    w.ComboBox1->setAccessibleName(QStringLiteral("キーワード"));
    w.ComboBox1->lineEdit()->setAccessibleName(w.ComboBox1->accessibleName());
    w.ComboBox1->view()->setAccessibleName(QStringLiteral("キーワードの履歴"));
    w.Label1->setBuddy(w.ComboBox1);
    keepBoxOnOneLine(w.ComboBox1);
    w.Button1 = named(new QPushButton(QStringLiteral("検索")), "Button1");
    w.Button1->setFixedSize(48, 22);
    w.ToolBar1->addWidget(w.Label1);
    w.ToolBar1->addWidget(w.ComboBox1);
    w.ToolBar1->addWidget(w.Button1);

    w.ToolBar3 = makeToolBar("ToolBar3");
    w.ToolBar3->setAccessibleName(QStringLiteral("サイトバー"));
    w.ToolButton5 = makeToolButton(w.ToolBar3, "ToolButton5", QStringLiteral("Yahoo!オークション"),
                                   navigationPictures.at(5), Qt::ToolButtonTextBesideIcon);
    w.ToolButton6 = makeToolButton(w.ToolBar3, "ToolButton6", QStringLiteral("BIDDERS"), navigationPictures.at(6),
                                   Qt::ToolButtonTextBesideIcon);

    w.ToolBar6 = makeToolBar("ToolBar6");
    w.ToolBar6->setAccessibleName(QStringLiteral("サイトバー 2"));
    for (int k = 0; k < 6; ++k) {
        const QByteArray name = QByteArray("ToolButton") + QByteArray::number(8 + k);
        QToolButton* button =
            makeToolButton(w.ToolBar6, name.constData(), QString(), sitePictures.at(k), Qt::ToolButtonIconOnly);
        button->setFixedWidth(23);
        // A picture-only button is heard by its site's name, which the settings give it later.
        button->setToolTip(QStringLiteral("サイト #%1").arg(k + 1));
        button->setAccessibleName(button->toolTip());
        w.SiteButtons[static_cast<size_t>(k)] = button;
    }
    return w;
}
