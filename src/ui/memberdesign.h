#pragma once
// A member window described as data: its identity and module, its toolbar, its panels,
// its title block and the change check of its fields. The frame (ui/memberwindow.h)
// builds the window from it.
#include <QPixmap>

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/fieldset.h"
#include "common/fieldtable.h"
#include "common/material.h"
#include "common/message.h"
#include "common/module.h"
#include "ui/registry.h"
#include "ui/toolpictures.h"

namespace mx::ui {

// The key that presses Calculate in every member window.
inline constexpr const char* kCalculateShortcut = "F9";

// What a toolbar button does besides showing and hiding panels.
enum class ToolAction {
    None,        // only its panel changes (and whatever the window connects itself)
    Calculate,   // the window's calculate()
    Draw,        // the window's drawing on the surface
    Erase,       // clears the surface
    Help,        // the window's help window
    Calculator,  // the calculator
    Logo,        // the identity window
    Exit,        // asks, then closes the window
    Grade,       // the window's pressGrade() with the button's steel grade
};

struct ToolButtonSpec {
    ToolButtonSpec(const char* name, ToolPicture picture, const char* tooltip, ToolAction action = ToolAction::None,
                   bool erase = false, const char* badge = nullptr, std::vector<const char*> show = {},
                   std::vector<const char*> hide = {})
        : name(name), picture(picture), tooltip(tooltip), action(action), erase(erase), badge(badge),
          show(std::move(show)), hide(std::move(hide)) {}

    const char* name;     // object name, e.g. "Command13"
    ToolPicture picture;
    const char* tooltip;  // caption of the button, shown as its tooltip
    ToolAction action;
    bool erase;           // clears the drawing first
    const char* badge;    // a short mark on the picture (a steel grade)
    std::vector<const char*> show;  // panels shown (the last one in front)
    std::vector<const char*> hide;  // panels hidden
    SteelGrade grade = SteelGrade::SR24;  // for ToolAction::Grade

    // A steel-grade button: the plain or ribbed bar marked with its grade.
    static ToolButtonSpec gradeButton(const char* name, SteelGrade grade, const char* tooltip);
};

// The four buttons every member toolbar ends with, by their object names in the window:
// help, the calculator, the identity window and exit.
struct ToolbarTail {
    const char* help;
    const char* calculator;
    const char* logo;
    const char* exit = "Command1";
    const char* helpTooltip = "แนะนำวิธีการใช้";
};
void appendToolbarTail(std::vector<ToolButtonSpec>& toolbar, const ToolbarTail& names);

// The four steel-grade buttons, SR24 to SD40, by their object names in the window, each
// with the tooltip the window gives its grade (by default the plain bar's for SR24 and
// the ribbed bar's for the others).
void appendGradeButtons(std::vector<ToolButtonSpec>& toolbar, const std::array<const char*, 4>& names,
                        const std::function<const char*(SteelGrade)>& tooltip = {});

// Where a panel sits: in the input column on the left, or over the drawing surface.
enum class PanelPlace { Inputs, OverDrawing };

struct PanelSpec {
    const char* name;  // object name, e.g. "Frame2"
    PanelPlace place;
    bool shownAtStart;
    int heightTwips = 0;  // the panel's first height, for panels whose height uncovers rows
    // The panel is as high as its height in twips says (never lower than its shown rows
    // need), where the form gives its panel's heights; otherwise its rows' own height.
    bool sizedByHeight = false;
    // A double-click on the panel's own background, not on a control in it, hides it.
    bool doubleClickHides = false;
    // The rows keep their own height and a panel lower than them shows the top ones,
    // the rest cut off below its edge rather than hidden: its height uncovers them.
    bool clipsRows = false;
    // The panel of an aid (a load estimator): its fields feed the aid, which writes its
    // answer into an input, not Calculate, so typing in them leaves the results current.
    bool estimator = false;
};

// An input panel of two heights: its fields alone, and taller, uncovering the material
// values (concrete and steel stresses) below them.
struct MaterialRows {
    const char* panel = nullptr;  // the input panel; none where the window has no such rows
    int inputsHeight = 0;         // twips: the fields alone
    int materialsHeight = 0;      // twips: the material values uncovered
};

// The title-block panel: heading, the five ProjectTitleBlock fields (those the field
// table names project, member, engineer, registration and page, with its captions),
// print and cancel.
struct TitleBlockSpec {
    const char* panel;         // e.g. "Frame6"
    const char* printButton;   // e.g. "Command24"
    const char* cancelButton;  // e.g. "Command34"
    // Each caption above its field, for a panel in a narrow room.
    bool captionsAbove = false;
};

struct MemberWindowDesign {
    // The window's object name, its module and its help window. The frame takes the
    // module's description from the catalogue by the module's name: its Calculate and
    // grade buttons are the window's, its caption the window's title and its field
    // table the window's fields.
    MemberWindowId id;
    const ModuleDescription* description = nullptr;
    std::string caption;    // window title
    QPixmap icon;
    Message exitQuestion;
    Message printQuestion;  // asked before a sheet is printed
    // Every input and title-block field: its caption, default text and tooltip. The
    // window places fields by object name; the frame takes the rest from here.
    const FieldTable* fields = nullptr;
    // The change check of a field, run on every edit of it (the program's own writes
    // included): what it shows and what it writes back, in order. Each write-back is
    // an edit too, so its field's check runs again on the written text.
    std::function<Diagnostics(std::string_view field, const FieldSet& fields)> check;
    std::vector<ToolButtonSpec> toolbar;
    std::vector<PanelSpec> panels;
    TitleBlockSpec titleBlock;
    MaterialRows materials;
    int inputColumnWidth = 520;  // pixels
    // The captions (kind, verdict) stand in the toolbar beside the buttons, leaving the
    // whole height below it to the panels and the drawing.
    bool captionsInToolbar = false;
    // The panel (or the row group of a panel) the results of a Calculate fill, by
    // object name; greyed while the inputs have changed since that Calculate.
    const char* resultPanel = nullptr;
    // The window draws its member; without a drawing it has no drawing surface.
    bool drawing = true;
    // The member as the note of a design that cannot be drawn names it ("คาน").
    const char* memberName = nullptr;
    // Captions that say what a field holds (the slab's continuity), by label: written
    // from the fields after every edit and after a stored member is loaded, so that a
    // caption never states another value than its field.
    std::function<FieldSet(const FieldSet& fields)> fieldCaptions;
};

}  // namespace mx::ui
