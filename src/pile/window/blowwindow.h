#pragma once
// The blow-count window: a driven pile checked against its driving record by the
// Hiley formula, with the hammer advice and the title block for the printed sheet.
#include "pile/window/pilememberwindow.h"

#include "pile/blow_calc.h"

namespace mx::pile {

class BlowWindow : public PileMemberWindow {
    Q_OBJECT
public:
    explicit BlowWindow(QWidget* parent = nullptr);

    // The result the panel shows: a stop leaves the earlier one, with the inputs as read.
    const BlowResult& result() const { return shown_; }
    // Each input field's number as it stands.
    BlowInput working() const;

protected:
    void buildPanels() override;
    void afterCalculate() override;

private:
    BlowResult shown_;

};

// Makes the blow-count window known to the window registry.
void registerBlowWindow();

}  // namespace mx::pile
