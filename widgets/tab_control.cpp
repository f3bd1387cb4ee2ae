#include "widgets/tab_control.h"

#include <QFrame>
#include <QVBoxLayout>

TabControl::TabControl(QWidget* parent) : QWidget(parent), tabs_(new QTabBar(this)), frame_(new QFrame(this))
{
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(true);
    tabs_->setDrawBase(true);
    auto* frame = static_cast<QFrame*>(frame_);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(frame_, 1);
    auto* inner = new QVBoxLayout(frame_);
    inner->setContentsMargins(2, 2, 2, 2);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int) { emit Change(); });
}

void TabControl::setContent(QWidget* content)
{
    frame_->layout()->addWidget(content);
}
