#pragma once
// The frame counter behind the picture animations of the main menu and the identity
// window: a strip of 18 cells shown one after another on every timer tick.
#include <cstdint>

namespace mx::shell {

class FrameAnimation {
public:
    static constexpr std::int16_t kCells = 18;
    // The cell shown when the window loads.
    static constexpr std::int16_t kFirstCell = 2;

    // Window load: the first cell is shown and the animation runs.
    void load() {
        frameIndex_ = kFirstCell;
        animating_ = 1;
    }
    // One timer tick. Returns true when a new cell is to be shown.
    bool tick() {
        if (animating_ != 1) return false;
        ++frameIndex_;
        if (frameIndex_ >= kCells) frameIndex_ = 0;
        return true;
    }
    // A click freezes the picture on the cell it shows; a double-click resumes.
    void freeze() { animating_ = 0; }
    void resume() { animating_ = 1; }

    std::int16_t frameIndex() const { return frameIndex_; }
    std::int16_t animating() const { return animating_; }

private:
    std::int16_t frameIndex_ = 0;
    std::int16_t animating_ = 0;
};

}  // namespace mx::shell
