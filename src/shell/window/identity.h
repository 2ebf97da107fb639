#pragma once
#include <QIcon>
#include <QWidget>
#include <vector>

#include "shell/animation.h"
#include "shell/window/artwork.h"

class QFrame;
class QLabel;
class QTimer;

namespace mx::shell {

// The identity window t01: the program's name typed out letter by letter, with the
// window icon turning in step. Every design module opens it from its logo button.
class IdentityWindow : public QWidget {
    Q_OBJECT
public:
    explicit IdentityWindow(QWidget* parent = nullptr);

    const FrameAnimation& animation() const { return animation_; }
    const PictureClip& pictureClip() const { return clip_; }
    const std::vector<QIcon>& icons() const { return icons_; }

public slots:
    // Timer1: next cell of the strip and the matching window icon.
    void tick();

private:
    void showCell();

    FrameAnimation animation_;
    PictureClip clip_;
    std::vector<QIcon> icons_;  // Image1(0..17)
    QFrame* container_ = nullptr;
    QLabel* picture_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace mx::shell
