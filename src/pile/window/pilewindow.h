#pragma once
// The pile safe-load window: pile type, size and length in, the safe load by skin
// friction out, and the title block for the printed sheet.
#include "pile/window/pileformwindow.h"

#include "pile/pile_calc.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mx::pile {

class PileWindow : public PileFormWindow {
    Q_OBJECT
public:
    explicit PileWindow(QWidget* parent = nullptr);

    int typeCode() const { return code_; }
    const PileResult& result() const { return result_; }

    // The actions of the buttons, callable on their own.
    void chooseType(int code) override;
    void calculate();
    void printSheet() override;

private:
    void buildInputPanel(QFrame* frame);
    void sizeChanged(const QString& text);
    void lengthChanged(const QString& text);
    void listRowChosen(int list, int row);

    std::int16_t code_ = 0;
    double size_ = 0;    // working values stored at each change of the fields
    double length_ = 21;
    PileResult result_;
    bool usable_ = false;  // the last Calculate's result may be certified; none before the first

    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QLabel* label9_ = nullptr;
    QPushButton* command17_ = nullptr;
};

// Makes the pile windows known to the window registry.
void registerPileWindows();

}  // namespace mx::pile
