#pragma once
// What the pile safe-load and blow-count windows share on the member frame: they
// draw nothing; the pile type is chosen on the toolbar or in the input panel, where
// a large button shows the type chosen and a heading names it; one panel holds the
// inputs and, uncovered below them by its greater height, the results; the title
// block opens beside it. Each window adds its fields, lists, results and Calculate.
#include <string>
#include <vector>

#include "pile/window/pile_pictures.h"
#include "ui/memberwindow.h"

class QListWidget;
class QPushButton;

namespace mx::pile {

// One pile type as its two buttons show it, large on the toolbar and small on the
// panel, and what choosing it shows: the heading's text and its list of sections.
struct TypeButton {
    int code;
    const char* toolbarButton;
    const char* panelButton;
    PilePicture picture;
    const char* tooltip;
    const char* typeText;
    int list;  // 1 for the first of the section lists, 0 for none
};

// The type buttons of a module's type table (the pile's and the blow count's have the
// same columns), each with the picture of its code.
template <typename TypeInfo>
std::vector<TypeButton> typeButtons(const std::vector<TypeInfo>& types, PilePicture (*picture)(int code)) {
    std::vector<TypeButton> out;
    for (const TypeInfo& t : types)
        out.push_back({t.code, t.toolbarButton, t.panelButton, picture(t.code), t.tooltip, t.typeText, t.list});
    return out;
}

// Where a pile window's parts stand: the heights of its one panel, the width of the
// input column, the title block's panel and buttons, and the controls that show the
// chosen type. Each window's table is in its own *_layout.h.
struct PileWindowLayout {
    int inputsHeight;      // twips: the input panel with the inputs alone
    int resultsHeight;     // twips: with the results uncovered below them
    int inputColumnWidth;  // pixels
    ui::TitleBlockSpec titleBlock;
    const char* chosenTypeButton;  // the large button showing the chosen type
    const char* typeHeading;       // the heading naming it
};

// A pile window's record: the frame's own (name, help window, module description,
// change check, exit question) with its layout and its types. The module's name, the
// caption and the fields are its description's; the toolbar, the panels and the icon
// are the pile frame's, the same for both pile windows.
struct PileWindowDesign : ui::MemberWindowDesign {
    PileWindowLayout layout;
    std::vector<TypeButton> types;  // in toolbar order
    const char* chooseTypeCaption;  // tooltip of Command2
    const char* chosenTypeTooltip;
    const char* typeHeadingText;    // before a type is chosen
};

class PileMemberWindow : public ui::MemberWindow {
    Q_OBJECT
public:
    static constexpr const char* kInputPanel = "Frame2";
    static constexpr const char* kTitlePanel = "Frame3";
    // The row group of the input panel that holds the results.
    static constexpr const char* kResults = "ResultRows";

    // The type last chosen (0 for none), and choosing one: a code of the design's
    // types shows it on the panel; another code changes nothing.
    int typeCode() const { return memberType(); }
    void chooseType(int code) { chooseMemberType(code); }
    // The input panel with the inputs alone, or with the results uncovered.
    void showInputs();
    void showResults();

protected:
    PileMemberWindow(PileWindowDesign design, QWidget* parent);
    // assemble(), then the type pictures, the buttons that set the panel's height
    // and the out-of-date note. Called by the window's constructor.
    void assemblePile();

    // The top row of the input panel: the chosen-type button, the heading and the
    // panel's own type buttons (returned, in toolbar order).
    std::vector<QPushButton*> addTypeRow(QFrame* panel);
    // The result rows below the inputs, uncovered at the results height.
    QWidget* addResults(QFrame* panel, const char* heading, const char* headingName);
    // A result value box.
    QLabel* addResult(QWidget* parent, const char* name, const char* text);
    // The lists of standard sections, which take turns in one place: a type shows its
    // own and hides the others, the first showing until a type is chosen. They take
    // the width of the widest, so the panel keeps its width whichever shows.
    void setSectionLists(std::vector<QListWidget*> lists);
    // What a type puts on the panel besides the chosen-type button, its heading and
    // its list: the window's own captions.
    virtual void showType(int /*code*/) {}
    // The chosen-type button shows the toolbar picture of the type.
    void showChosenType(int code);
    QPushButton* chosenType() const { return chosenType_; }

    bool showMemberType(int code) override;
    // A Calculate uncovers the results, those it wrote or, after a stop, the earlier ones.
    void afterCalculate() override { showResults(); }

private:
    PileWindowDesign pile_;
    QPushButton* chosenType_ = nullptr;
    std::vector<QListWidget*> sectionLists_;
};

}  // namespace mx::pile
