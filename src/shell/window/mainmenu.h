#pragma once
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <functional>

#include "shell/animation.h"
#include "shell/window/artwork.h"

class QLabel;
class QTimer;
class QToolButton;

namespace mx::shell {

// The main menu MX5100: the hub that opens every module. It is the first window the
// program shows and stays open beside the modules until the program ends.
class MainMenu : public QWidget {
    Q_OBJECT
public:
    explicit MainMenu(QWidget* parent = nullptr);

    // The window each module button opens, by button object name; empty for Command2.
    static QString windowFor(const QString& button);

    const FrameAnimation& animation() const { return animation_; }
    const PictureClip& pictureClip() const { return clip_; }
    // Asked before the program ends, by the exit button or the close box: false keeps
    // it running (unsaved work the user went back to).
    void setQuitGuard(std::function<bool()> guard) { quitGuard_ = std::move(guard); }

public slots:
    // Timer1: shows the next cell of the face while the animation runs.
    void tick();
    // Command2: ends the program at once, closing every window, without a question.
    void quitProgram();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showCell();
    QToolButton* addButton(const char* name, const QString& caption, const QString& tip);

    FrameAnimation animation_;
    PictureClip clip_;
    QLabel* picture_ = nullptr;
    QLabel* credit_ = nullptr;
    QToolButton* stairButton_ = nullptr;
    QTimer* timer_ = nullptr;
    bool quitting_ = false;
    std::function<bool()> quitGuard_;
};

}  // namespace mx::shell
