#pragma once
// The pile safe-load window: pile type, size and length in, the safe load by skin
// friction out, and the title block for the printed sheet.
#include "pile/window/pilememberwindow.h"

#include "pile/pile_calc.h"

namespace mx::pile {

class PileWindow : public PileMemberWindow {
    Q_OBJECT
public:
    explicit PileWindow(QWidget* parent = nullptr);

    // The result of the last Calculate, an empty one before the first.
    const PileResult& result() const;
    // The data-warning line as it stands goes to the run, which a perimeter of exactly
    // 7 m leaves as it was.
    FormState formState() const override;

protected:
    void buildPanels() override;
    void showType(int code) override;

private:
    void showTimberLine(bool shown);
};

// Makes the pile windows known to the window registry.
void registerWindows();

}  // namespace mx::pile
