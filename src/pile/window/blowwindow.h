#pragma once
// The blow-count window: a driven pile checked against its driving record by the
// Hiley formula, with the hammer advice and the title block for the printed sheet.
#include "pile/window/pilememberwindow.h"
#include "ui/registry.h"

#include "pile/blow_calc.h"

namespace mx::pile {

inline constexpr ui::MemberWindowId kBlowWindowId{"blow", "blow"};

class BlowWindow : public PileMemberWindow {
    Q_OBJECT
public:
    explicit BlowWindow(QWidget* parent = nullptr);

    const BlowResult& result() const { return result_; }
    // Each input field's number as it stands.
    BlowInput working() const;

protected:
    void buildPanels() override;
    void runCalculation() override;
    PageModel sheet() const override;

private:
    BlowResult result_;  // as the labels show it: a stop leaves the previous results
    BlowResult sheet_;   // as the sheet prints it: what the last Calculate reached, zeros beyond
    bool usable_ = false;

};

}  // namespace mx::pile
