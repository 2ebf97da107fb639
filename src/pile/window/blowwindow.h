#pragma once
// The blow-count window: a driven pile checked against its driving record by the
// Hiley formula, with the hammer advice and the title block for the printed sheet.
#include "pile/window/pileformwindow.h"

#include "pile/blow_calc.h"

class QFrame;
class QListWidget;
class QPushButton;

namespace mx::pile {

class BlowWindow : public PileFormWindow {
    Q_OBJECT
public:
    explicit BlowWindow(QWidget* parent = nullptr);

    int typeCode() const { return code_; }
    const BlowResult& result() const { return result_; }
    const BlowInput& working() const { return working_; }

    void chooseType(int code) override;
    void calculate();
    void printSheet() override;

private:
    void buildInputPanel(QFrame* frame);
    void fieldChanged(const QString& name, const QString& text);
    void listRowChosen(int list, int row);

    int code_ = 0;
    BlowInput working_;  // each field's number, stored at every change
    BlowResult result_;  // as the labels show it: a stop leaves the previous results
    BlowResult sheet_;   // as the sheet prints it: what the last Calculate reached, zeros beyond
    bool usable_ = false;

    QListWidget* lists_[3] = {nullptr, nullptr, nullptr};
    QPushButton* command20_ = nullptr;
};

}  // namespace mx::pile
