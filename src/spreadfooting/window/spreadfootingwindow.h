#pragma once
// The spread-footing window: the load, the soil with its list of bearing values, the
// mesh size with its list, the self-weight allowance, the materials and steel grades,
// and Calculate, Draw and Print, on the footing windows' shared frame.
#include "spreadfooting/spreadfooting.h"
#include "ui/footingwindow.h"

class QListWidget;

namespace mx::spreadfooting {

class SpreadFootingWindow : public ui::FootingWindow {
    Q_OBJECT
public:
    explicit SpreadFootingWindow(QWidget* parent = nullptr);

protected:
    void buildAids(QFrame* inputPanel, QGridLayout* grid) override;
    void closeAids() override;

private:
    QListWidget* soilList_ = nullptr;
    ui::ClickLabel* soilCaption_ = nullptr;
};

// Makes the spread-footing window known to the window registry.
void registerSpreadFootingWindows();

}  // namespace mx::spreadfooting
