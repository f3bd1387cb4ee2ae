#include "widgets/tab_control.h"

#include "widgets/tab_rows.h"

#include <QFrame>
#include <QVBoxLayout>

TabControl::TabControl(const QString& name, QWidget* parent)
    : QWidget(parent), tabs_(new TabRows(this)), frame_(new QFrame(this))
{
    tabs_->setAccessibleName(name);
    auto* frame = static_cast<QFrame*>(frame_);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(frame_, 1);
    auto* inner = new QVBoxLayout(frame_);
    inner->setContentsMargins(2, 2, 2, 2);
    connect(tabs_, &TabRows::currentChanged, this, [this](int) { emit Change(); });
}

void TabControl::addTab(const QString& caption) { tabs_->addTab(caption); }
int TabControl::TabIndex() const { return tabs_->currentIndex(); }
void TabControl::setTabIndex(int index) { tabs_->setCurrentIndex(index); }
QString TabControl::tabCaption(int index) const { return tabs_->tabText(index); }
void TabControl::setTabCaption(int index, const QString& caption) { tabs_->setTabText(index, caption); }
int TabControl::tabCount() const { return tabs_->count(); }

void TabControl::setContent(QWidget* content) { frame_->layout()->addWidget(content); }
