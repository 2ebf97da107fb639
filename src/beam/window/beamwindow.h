#pragma once
// The beam module window Beam01 on the shared member-window frame: the type chooser
// above the input panel with its aids (span suggestions, bar-size pickers, load
// factors, steel grades, materials), the live-load calculator, the result panel and
// the title block over the drawing surface.
#include "beam/beam_design.h"
#include "common/fieldset.h"
#include "common/material.h"
#include "ui/memberwindow.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace mx::beam {

class BeamWindow : public ui::MemberWindow {
    Q_OBJECT
public:
    explicit BeamWindow(QWidget* parent = nullptr);

    // State of the module for the drawing and the sheet.
    int beamType() const { return memberType(); }
    double span() const { return span_; }
    // The last calculation, none before the first Calculate.
    const BeamDesignOutcome* lastOutcome() const { return lastRecord<BeamDesignOutcome>(); }
    DesignStatus designStatus() const { return lastOutcome() ? lastOutcome()->status : DesignStatus::NotUsable; }

    // The buttons' actions, callable from tests and from the other panels' code.
    void chooseType(int type) { chooseMemberType(type); }
    void pressGrade(SteelGrade g) override;
    void runLiveLoadCalculator();
    // The last design's result, or an empty one before any Calculate.
    BeamDesignResult lastResult() const;
    // Frame3 at 2800, 4800 or 6720 twips.
    void setInputHeight(int twips);
    int inputHeightTwips() const;
    // The change rule of a field as the frame runs it on every edit: the span's own
    // check and the sizes it suggests, or the field's limit.
    Diagnostics checkField(std::string_view field, const FieldSet& fields);

protected:
    void buildPanels() override;
    bool showMemberType(int type) override;
    void beforeCalculate() override;

private:
    void buildTypeChooser();
    void buildInputPanel();
    void buildResultPanel();
    void buildCalculator();

    // The bar-size pickers: each opens beside its button, the others closed.
    QListWidget* pickers_[3] = {nullptr, nullptr, nullptr};  // List3, List4, List5
    QLabel* overhangCaption_ = nullptr;

    double span_ = 0;
};

// Makes Beam01 known to the window registry.
void registerWindows();

}  // namespace mx::beam
