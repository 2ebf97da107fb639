#pragma once
// The pile-cap window: the load, the pile's safe load and size with the pickers of
// standard piles by type, the mesh size with its list, the self-weight allowance, the
// materials and steel grades, and Calculate, Draw and Print, on the footing windows'
// shared frame.
#include <vector>

#include "pilecap/pilecap.h"
#include "ui/footingwindow.h"

class QListWidget;

namespace mx::pilecap {

class PileCapWindow : public ui::FootingWindow {
    Q_OBJECT
public:
    explicit PileCapWindow(QWidget* parent = nullptr);

    // Shows the standard piles of one type (0 timber .. 3 I-section and solid square)
    // and closes the other lists.
    void showPileList(int type);

protected:
    void buildAids(QFrame* inputPanel, QGridLayout* grid) override;
    void closeAids() override;

private:
    void showPileTypes(bool shown);

    std::vector<QPushButton*> typeButtons_;
    std::vector<QListWidget*> pileLists_;
    ui::ClickLabel* pileCaption_ = nullptr;
};

// Makes the pile-cap window known to the window registry.
void registerPileCapWindows();

}  // namespace mx::pilecap
