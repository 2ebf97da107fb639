#pragma once
// What the two footing windows (spread footing and pile cap) share on the member
// frame: the same toolbar, an input panel of two heights whose taller one uncovers the
// materials, the steel-grade buttons with their sentence, the self-weight allowance
// and its two preset buttons, the mesh-size list, and a result panel of summary lines
// with their values beside them. Each window names the parts as its own form does and
// adds what is its own (the soil list, the standard-pile pickers); Calculate, the
// sheet and the drawing are its module description's, through the frame.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/footing.h"
#include "common/material.h"
#include "ui/memberwindow.h"

class QGridLayout;
class QPainter;
class QListWidget;

namespace mx::ui {

// Where a footing window's parts stand: the input panel's two heights (twips), the
// title block, and the object names of the controls the footing frame builds, as each
// footing's form names them. Each footing's table is in its own *window_layout.h.
struct FootingWindowLayout {
    int inputsHeight;     // the fields alone
    int materialsHeight;  // with the material fields uncovered
    TitleBlockSpec titleBlock;
    const char* allowanceResetButton;  // toolbar: the allowance back to its usual value
    const char* allowanceSmallButton;  // input panel: the small allowance
    const char* materialCaption;       // the clickable "***ค่ามาตรฐาน..." caption
    const char* materialButton;        // the help button beside it: the taller panel
    const char* gradeLabel;            // the sentence naming the mesh steel of the grade pressed
    const char* barButton;             // the help button of the mesh size
    const char* barList;               // its list of kFootingBarSizes
    const char* summaryBox;            // the result panel's box of summary lines
    const char* verdictLabel;          // the verdict caption above the drawing
};

// A footing window's record: the frame's own (name, help window, module description,
// change check, the fs field; the caption of a grade is the footings' own,
// footingGrade) with its layout and what the footing frame builds the rest from. The
// module's name, the caption and the fields are its description's; the toolbar, the
// panels and the exit question are the footing frame's, the same for both footings.
struct FootingWindowDesign : MemberWindowDesign {
    FootingWindowLayout layout;
    // The footing's picture at a size: the window's icon, the design button Command2
    // and, marked "%", the allowance button.
    std::function<QPixmap(QSize)> picture;
    const char* designTooltip;  // of Command2
    bool titleButtonsErase;     // the title-block buttons clear the drawing first

    // The input panel: the rows always shown (load, soil or pile, mesh size, allowance),
    // and the material rows the taller panel uncovers.
    std::vector<FieldRow> inputRows;
    std::vector<FieldRow> materialRows;
    const char* allowanceField;  // the self-weight allowance, kFootingAllowanceUsual or Small
    const char* barField;        // the mesh size

    // Result panel: the summary box's heading and one line per value label; the labels
    // without a line of their own share one last row under extraRowCaption.
    const char* summaryHeading;
    struct ResultRow {
        const char* label;
        const char* line;  // "" for a label without a summary line
    };
    std::vector<ResultRow> resultRows;
    const char* extraRowCaption;
    // The verdict caption's text before the first Calculate.
    const char* initialVerdict;
};

// A footing's picture on a 100 x 100 canvas, in section: the soil from soilTop down
// with what the footing adds in it (hatching, piles), the stub standing on the
// footing, the footing's bars over it and the stub's load from the top.
QPixmap footingPicture(QSize size, double soilTop, const std::function<void(QPainter&)>& inSoil,
                       const QRectF& stub, const QRectF& footing, const std::function<void(QPainter&)>& bars,
                       double loadLength);

class FootingWindow : public MemberWindow {
    Q_OBJECT
public:
    static constexpr const char* kInputPanel = "Frame2";
    static constexpr const char* kResultPanel = "Frame3";
    static constexpr const char* kTitlePanel = "Frame4";

    void pressGrade(SteelGrade g) override;
    // Command2 and Command7: the input panel at its first height, aids closed.
    void showInputs();

protected:
    explicit FootingWindow(FootingWindowDesign design, QWidget* parent = nullptr);
    // assemble(), then the toolbar buttons that do more than switch panels and the
    // verdict caption. Called by the window's constructor.
    void assembleFooting();

    void buildPanels() override;
    // The window's own aids in the input panel: under the field rows (grid holds them,
    // column 2 free beside each field), before the material caption.
    virtual void buildAids(QFrame* inputPanel, QGridLayout* grid) = 0;
    // Closes the window's own aids when the input panel starts afresh.
    virtual void closeAids() {}

    const FootingWindowDesign& footing() const { return footing_; }

private:
    void buildInputPanel();
    void buildResultPanel();

    FootingWindowDesign footing_;
    QPixmap designPicture_;
    ClickLabel* materialCaption_ = nullptr;
    QListWidget* barList_ = nullptr;
};

}  // namespace mx::ui
