#pragma once
// The column window: the shape of the section, the load with its estimator, the sizes,
// bars and materials with their pick lists, the round column's diameter box, and
// Calculate, Draw and Print of the shared member-window frame.
#include <optional>
#include <string>

#include "column/column_design.h"
#include "common/material.h"
#include "ui/memberwindow.h"

class QListWidget;

namespace mx::column {

class ColumnWindow : public ui::MemberWindow {
    Q_OBJECT
public:
    explicit ColumnWindow(QWidget* parent = nullptr);

    // The shape buttons (Command17, Command18).
    void chooseShape(int shape) { chooseMemberType(shape); }
    // The round column's OK (Command19): the square of equal area into both widths.
    void acceptDiameter();
    // The load estimator's Calculate (Command21) and OK (Command20).
    void estimateLoad();
    void acceptEstimate();
    void pressGrade(SteelGrade g) override;

    int shape() const { return memberType(); }
    // The last Calculate, none before the first.
    const ColumnOutcome* lastOutcome() const { return lastRecord<ColumnOutcome>(); }

protected:
    void buildPanels() override;
    bool showMemberType(int shape) override;

private:
    void buildInputPanel();
    void buildEstimatorPanel();
    void buildResultPanel();
    void showShapeChoice();

    // The estimator's last total, for its OK, and the estimator fields it came from.
    struct Estimate {
        std::string total;
        FieldSet from;
    };
    std::optional<Estimate> estimate_;
    QFrame* frame3_ = nullptr;
    QFrame* frame4_ = nullptr;
    std::vector<QWidget*> widthRows_;  // Text2, Text3 and their captions
    QListWidget* list2_ = nullptr;
    QListWidget* list3_ = nullptr;
};

// Makes the column window known to the window registry.
void registerWindows();

}  // namespace mx::column
