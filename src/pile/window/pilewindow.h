#pragma once
// The pile safe-load window: pile type, size and length in, the safe load by skin
// friction out, and the title block for the printed sheet.
#include "pile/window/pilememberwindow.h"
#include "ui/registry.h"

#include "pile/pile_calc.h"

class QListWidget;

namespace mx::pile {

inline constexpr ui::MemberWindowId kPileWindowId{"pile", "pile"};

class PileWindow : public PileMemberWindow {
    Q_OBJECT
public:
    explicit PileWindow(QWidget* parent = nullptr);

    int typeCode() const { return code_; }
    int memberType() const override { return code_; }
    const PileResult& result() const { return result_; }

    void chooseType(int code) override;

protected:
    void buildPanels() override;
    void runCalculation() override;
    PageModel sheet() const override;
    std::optional<Message> sheetWarning() const override;

private:
    void showTimberLine(bool shown);

    std::int16_t code_ = 0;
    PileResult result_;
    bool usable_ = false;  // the last Calculate's result may be certified; none before the first

    QListWidget* lists_[2] = {nullptr, nullptr};
};

// Makes the pile windows known to the window registry.
void registerPileWindows();

}  // namespace mx::pile
