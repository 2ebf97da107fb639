#pragma once
// The stair window: the stair type, span, live load, steps, bar sizes with their pick
// lists, waist thickness, load factors and materials, and Calculate, Draw and Print of
// the shared member-window frame.
#include <cstdint>
#include <optional>
#include <vector>

#include "common/material.h"
#include "stair/stair_design.h"
#include "ui/memberwindow.h"

class QListWidget;

namespace mx::stair {

class StairWindow : public ui::MemberWindow {
    Q_OBJECT
public:
    explicit StairWindow(QWidget* parent = nullptr);

    void chooseType(int type) { chooseMemberType(type); }
    void pressGrade(SteelGrade g) override;

    int stairType() const { return memberType(); }
    // The last Calculate, none before the first.
    const StairOutcome* lastOutcome() const { return lastRecord<StairOutcome>(); }

protected:
    void buildPanels() override;
    bool showMemberType(int type) override;

private:
    void buildInputPanel();
    void buildResultPanel();

    QFrame* typePanel_ = nullptr;
    std::vector<QListWidget*> lists_;
    // The temperature-bar row, hidden for the folded plate.
    std::vector<QWidget*> tempBarRow_;
    QListWidget* tempBarList_ = nullptr;
};

// Makes the stair window known to the window registry.
void registerWindows();

}  // namespace mx::stair
