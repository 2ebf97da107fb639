#include "shell/window/identity.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace mx::shell {

IdentityWindow::IdentityWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("t01"));
    setWindowTitle(QStringLiteral("โปรแกรมนี้เป็นเพียงส่วนหนึ่งของ"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("QWidget#t01 { background: #dfe6f1; }"
                                 "QFrame#Picture6 { background: #08122e; border: 2px groove #9aa8c0; }"));

    clip_ = PictureClip(nameStrip(), 3, 6);
    icons_ = identityIcons();

    container_ = new QFrame(this);
    container_->setObjectName(QStringLiteral("Picture6"));
    container_->setFrameShape(QFrame::Panel);
    container_->setFrameShadow(QFrame::Sunken);
    container_->setLineWidth(2);
    container_->setFixedSize(230, 96);

    picture_ = new QLabel(container_);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setFixedSize(clip_.cellSize());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(container_, 0, Qt::AlignCenter);
    setFixedSize(254, 120);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(150);
    connect(timer_, &QTimer::timeout, this, &IdentityWindow::tick);

    // Load: cell 2 first, the picture centred in its container, then the timer runs.
    animation_.load();
    showCell();
    const QRect inner = container_->contentsRect();
    picture_->move(inner.left() + (inner.width() - picture_->width()) / 2,
                   inner.top() + (inner.height() - picture_->height()) / 2);
    timer_->start();
}

void IdentityWindow::showCell() {
    const int i = animation_.frameIndex();
    picture_->setPixmap(clip_.cell(i));
    if (i >= 0 && i < static_cast<int>(icons_.size())) setWindowIcon(icons_[static_cast<std::size_t>(i)]);
}

void IdentityWindow::tick() {
    if (animation_.tick()) showCell();
}

}  // namespace mx::shell
