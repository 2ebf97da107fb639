#pragma once
#include <QWidget>

#include "shell/calculator.h"

class QLabel;
class QPushButton;

namespace mx::shell {

// The calculator fcal: a four-function pocket calculator opened beside the modules.
// Buttons: Number0..Number9 (named by their digit), Operator0..Operator4 for
// "+", "-", "X", "/", "=", Decimal, Percent, CancelEntry, Cancel and Command1.
class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorWindow(QWidget* parent = nullptr);
    const CalculatorEngine& engine() const { return engine_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void digit(int d);
    void point();
    void percent();
    void operate(char op);
    void clearEntry();
    void clear();
    void refresh();

    CalculatorEngine engine_;
    QLabel* readout_ = nullptr;
};

}  // namespace mx::shell
