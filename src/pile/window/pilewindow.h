#pragma once
// The pile safe-load window: pile type, size and length in, the safe load by skin
// friction out, and the title block for the printed sheet.
#include "pile/window/pilememberwindow.h"
#include "ui/registry.h"

#include "pile/pile_calc.h"

namespace mx::pile {

inline constexpr ui::MemberWindowId kPileWindowId{"pile", "pile"};

class PileWindow : public PileMemberWindow {
    Q_OBJECT
public:
    explicit PileWindow(QWidget* parent = nullptr);

    const PileResult& result() const { return result_; }

protected:
    void buildPanels() override;
    void showType(int code) override;
    void runCalculation() override;
    PageModel sheet() const override;
    std::optional<Message> sheetWarning() const override;

private:
    void showTimberLine(bool shown);

    PileResult result_;
    bool usable_ = false;  // the last Calculate's result may be certified; none before the first

};

// Makes the pile windows known to the window registry.
void registerPileWindows();

}  // namespace mx::pile
