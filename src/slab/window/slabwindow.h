#pragma once
// The slab window: slab kind and continuity, the loads, spans and thickness, the mesh
// and bar sizes with their pick lists, the materials, and Calculate, Draw and Print
// of the shared member-window frame.
#include <optional>

#include "common/material.h"
#include "slab/slab_design.h"
#include "ui/memberwindow.h"

class QListWidget;

namespace mx::slab {

class SlabWindow : public ui::MemberWindow {
    Q_OBJECT
public:
    explicit SlabWindow(QWidget* parent = nullptr);

    void chooseKind(int kind) { chooseMemberType(kind); }
    void chooseContinuity(int continuityCase);
    void pressGrade(SteelGrade g) override;

    int slabKind() const { return memberType(); }
    double minSteelRatio() const { return minSteelRatio_; }
    // The last Calculate, none before the first.
    const SlabDesignOutcome* lastOutcome() const { return lastRecord<SlabDesignOutcome>(); }

protected:
    void buildPanels() override;
    bool showMemberType(int kind) override;
    void afterPrinting() override;

private:
    void buildInputPanel();
    void buildLiveLoadPanel();
    void buildBarSizePanel();
    void buildResultPanel();

    double minSteelRatio_ = 0;
    ui::ClickLabel* label12_ = nullptr;
    QListWidget* list2_ = nullptr;
    std::vector<QListWidget*> barLists_;
};

// Makes the slab window known to the window registry.
void registerWindows();

}  // namespace mx::slab
