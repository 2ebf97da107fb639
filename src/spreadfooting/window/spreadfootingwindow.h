#pragma once
// The spread-footing window: the load, the soil with its list of bearing values, the
// mesh size with its list, the self-weight allowance, the materials and steel grades,
// and Calculate, Draw and Print, on the footing windows' shared frame.
#include <optional>

#include "spreadfooting/spreadfooting.h"
#include "ui/footingwindow.h"

class QListWidget;

namespace mx::spreadfooting {

class SpreadFootingWindow : public ui::FootingWindow {
    Q_OBJECT
public:
    explicit SpreadFootingWindow(QWidget* parent = nullptr);

    void runCalculation() override;
    // The last Calculate, none before the first.
    const std::optional<SpreadFootingOutcome>& lastOutcome() const { return outcome_; }

protected:
    void buildAids(QFrame* inputPanel, QGridLayout* grid) override;
    void closeAids() override;
    PageModel sheet() const override;
    Message printQuestion() const override;
    PageModel drawing(const PageBox& area) const override;

private:
    SpreadFootingResult lastResult() const;
    bool lastUsable() const;

    std::optional<SpreadFootingOutcome> outcome_;
    QListWidget* soilList_ = nullptr;
    ui::ClickLabel* soilCaption_ = nullptr;
};

// Makes the spread-footing window known to the window registry.
void registerSpreadFootingWindows();

}  // namespace mx::spreadfooting
