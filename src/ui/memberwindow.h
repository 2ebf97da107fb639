#pragma once
// The frame every member window is built on. A window describes itself as data (its
// identity, toolbar, panels, title block and the change check of its fields) and
// adds only what is its own: the contents of its input panels, Calculate, the sheet
// and the drawing. The frame lays the window out, shows and hides the panels, runs
// each field's change check on every edit, replays a calculation's messages and
// corrections in order, draws, erases, prints and asks before closing.
//
// Layout: the toolbar across the top; below it a column of input panels on the left
// and, on the right, the drawing surface. The result, title-block and pick-list
// panels open over the drawing surface, one at a time; Draw closes them to make room
// for the figure. A window without a drawing has no surface: those panels open in the
// room beside the inputs instead, and its toolbar has no Draw or Erase.
#include <QFrame>
#include <QLabel>
#include <QMap>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "common/module.h"
#include "common/fieldset.h"
#include "common/fieldtable.h"
#include "common/material.h"
#include "common/message.h"
#include "common/page.h"
#include "common/titleblock.h"
#include "project/project.h"
#include "ui/toolpictures.h"

class QBoxLayout;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace mx::ui {

class DrawingSurface;

// A list row is chosen by a click on it, or by Enter or Space on the row the keyboard
// moved to; moving the focus or the current row through the list chooses nothing, so
// tabbing through a window never overwrites a field. Every window's lists choose so.
void onRowChosen(QListWidget* list, QObject* context, std::function<void(int row)> choose);

// A caption that answers clicks and double-clicks, and can show a single border.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setBorder(bool on);
    // Opens its aid on a click, its border showing while the aid is open, and closes
    // it on a double-click.
    void opensAndCloses(std::function<void()> open, std::function<void()> close);
signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// The windows' blue: panel headings, and the captions that ask for a choice or name
// what was chosen.
inline constexpr const char* kHeadingColour = "#1a3c8c";
// Gives a caption the look of a panel's heading (the windows' blue, bold) and returns it.
QLabel* asHeading(QLabel* label);
// Gives a caption the windows' blue, not bold (a prompt or a chosen grade), and returns it.
QLabel* asPrompt(QLabel* label);

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
    const char* name;       // object name, as the window registry knows it
    const char* module = nullptr;  // the tool's name of the module ("beam"): a project member's module
    // The module's description: its Calculate and grade buttons are the window's.
    const ModuleDescription* description = nullptr;
    std::string caption;    // window title
    QPixmap icon;
    const char* helpWindow; // registry name of its help window
    Message exitQuestion;
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
    // The steel grades: the field the grade buttons write fs into, and how a grade
    // writes it (the description's grade button where it has one). An fs that a
    // change check (or the user) brings to another grade's value presses that grade,
    // so the grade caption never contradicts the fs shown.
    const char* fsField = nullptr;
    std::function<void(FieldSet&, SteelGrade)> writeGradeFs;
    // Captions that say what a field holds (the slab's continuity), by label: written
    // from the fields after every edit and after a stored member is loaded, so that a
    // caption never states another value than its field.
    std::function<FieldSet(const FieldSet& fields)> fieldCaptions;
};

// The note shown while the results are older than the inputs, and the one shown while
// the result panel still holds an earlier Calculate's numbers because the last one
// stopped before it reached them.
inline constexpr const char* kOutOfDateNote = "ข้อมูลเปลี่ยนไปแล้ว กด คำนวณ อีกครั้ง";
inline constexpr const char* kEarlierResultsNote = "ตัวเลขที่แสดงเป็นผลการคำนวณครั้งก่อน แก้ไขข้อมูลแล้วกด คำนวณ อีกครั้ง";
// Printing results older than the inputs first asks this: OK calculates again and
// goes on to the print question, Cancel prints nothing. A sheet never certifies
// numbers that the window no longer shows.
inline const Message kRecalculateBeforePrinting{
    "ข้อมูลถูกแก้ไขหลังจากการคำนวณครั้งล่าสุด รายการคำนวณจะไม่ตรงกับข้อมูลที่แสดงอยู่ "
    "คุณต้องการคำนวณใหม่ก่อนพิมพ์หรือไม่?",
    "คำนวณใหม่ก่อนพิมพ์", Icon::Question};

// What Draw writes in place of the figure of a Calculate that sized no member, at the
// top left of the area: a heading naming the member, the boxes that Calculate showed
// (the closing one, which only asks for a correction, left out), and what to do.
PageModel notDrawnNote(const char* member, const std::vector<Message>& shown, const PageBox& area);

// One caption-and-field row of an input panel; caption and tooltip are the field
// table's.
struct FieldRow {
    const char* field;                  // "Text1"
    const char* captionName = nullptr;  // object name of the caption, where it has one
    bool clickable = false;             // the caption is a ClickLabel (it opens an aid)
};

// A field placed with its caption.
struct CaptionedField {
    QLabel* caption;
    QLineEdit* field;
};

// What the frame warns of when a window, a check or a calculation names a field, label
// or correction that has no widget, and when a window places a field its table does
// not hold: either would otherwise be passed over unseen.
inline constexpr const char* kNoWidgetWarning = "names no widget";
inline constexpr const char* kNoTableEntryWarning = "is not in the field table";

// A row of a pick list: its text and the value it writes.
struct PickItem {
    std::string text;
    std::string value;
};

// The rows of a module's pick table (each with a text and a value, a number or a
// text) as pick-list rows.
template <typename Rows>
std::vector<PickItem> pickItems(const Rows& rows) {
    std::vector<PickItem> items;
    for (const auto& r : rows) {
        if constexpr (std::is_arithmetic_v<std::remove_cvref_t<decltype(r.value)>>)
            items.push_back({r.text, std::to_string(r.value)});
        else
            items.push_back({r.text, r.value});
    }
    return items;
}

// The result of a window's last Calculate (an empty one before the first), and whether
// that Calculate found the design usable: what its sheet and drawing are made from.
template <typename Outcome>
auto lastResultOf(const std::optional<Outcome>& last) {
    return last ? last->result : decltype(last->result){};
}
template <typename Outcome>
bool lastUsableOf(const std::optional<Outcome>& last) {
    return last && last->status == DesignStatus::Usable;
}

class MemberWindow;

// The program's project as the member windows see it. The program installs one; a
// window without it (a window's own tests) has its store button disabled.
class ProjectLink {
public:
    virtual ~ProjectLink() = default;
    // A window has just been built: its title block starts from the project's defaults.
    virtual void windowOpened(MemberWindow& window) = 0;
    // The store button: keeps the window's inputs in the project.
    virtual void store(MemberWindow& window) = 0;
};
ProjectLink* projectLink();
void setProjectLink(ProjectLink* link);  // not owned; nullptr for none

// The toolbar button of every member window that keeps its inputs in the project.
inline constexpr const char* kStoreButton = "CommandProject";

class MemberWindow : public QWidget {
    Q_OBJECT
public:
    ~MemberWindow() override;

    // The buttons' actions, callable from tests. Calculate runs the window's own
    // calculation; its results are then up to date with the inputs.
    void calculate();
    // The inputs (fields, type, steel grade) differ from those of the last Calculate:
    // its results, verdict and drawing are greyed with a note until the next Calculate.
    bool resultsOutOfDate() const { return outOfDate_; }
    // The result panel still shows an earlier Calculate's numbers: the last one stopped
    // before it reached them. Greyed with its own note.
    bool resultPanelStale() const { return panelStale_; }
    void draw();
    void erase();
    // Asks the print question; on OK prints the sheet of the last Calculate, hides the
    // title-block panel and runs afterPrinting(). True when the sheet was printed.
    bool print();

    // The drawing surface, or nullptr in a window without a drawing.
    DrawingSurface* drawingSurface() const { return surface_; }
    // The room right of the inputs, where the drawing and the panels over it stand.
    QWidget* panelArea() const { return panelArea_; }
    // Every input and title-block field with its text.
    FieldSet fields() const;
    QLineEdit* field(std::string_view name) const;
    // The caption beside a field of an input panel ("" for a field without one): the
    // label whose buddy the field is. A window that puts another caption in a row's
    // place makes the field its buddy; nothing keeps a pointer to a deleted caption.
    QString fieldCaption(std::string_view name) const;
    QFrame* panel(const char* name) const;
    // A panel's height in twips, as its buttons set it (0 for a panel of natural height).
    int panelHeightTwips(const char* name) const;
    // The title block as typed.
    ProjectTitleBlock titleBlock() const;
    // The part of the drawing surface a figure may use, in twips.
    PageBox drawingArea() const;

    // The window as a project member: its module, the type and steel grade last
    // pressed and the text of every field (the name is the project's to give).
    project::Member member() const;
    // Shows a member as the tool runs it: presses its type and grade, writes every
    // field as stored (a field it does not hold takes its default) without the fields'
    // change checks, since the texts were accepted when they were stored, and calculates.
    void loadMember(const project::Member& m);
    // The project member the window shows (opened from or stored as), 0 for none.
    int projectMember() const { return projectMember_; }
    void setProjectMember(int id) { projectMember_ = id; }
    // Fills the title-block fields that are empty with the member's own, leaving typed ones.
    void fillTitleBlock(const project::Member& m);
    // The type button last pressed (the tool's type code, 0 for none), and pressing
    // one by its code; false for a code the window has no button for.
    virtual int memberType() const { return 0; }
    virtual bool chooseMemberType(int code) { return code == 0; }

protected:
    MemberWindow(MemberWindowDesign design, QWidget* parent = nullptr);

    // Builds the toolbar, the panels and the title block. The window builds the
    // contents of its own panels first (or in buildPanels), then calls this.
    void assemble();
    // Called by assemble() for the window to fill its panels (panel(name) gives each).
    virtual void buildPanels() = 0;
    // Calculate: the description's run on the window's state (fields, type, the grade
    // last pressed), its messages and corrections replayed in order, the result labels
    // at their moment among them (the result panel shown), the closing labels after
    // the last. The drawing is erased first. A window without a description runs its own.
    virtual void runCalculation();
    // What a window does just before and just after the run (a panel's height).
    virtual void beforeCalculate() {}
    virtual void afterCalculate() {}
    // The window's state as the description reads it; a window adds what only it
    // holds that its run reads.
    virtual FormState formState() const;
    // The last Calculate, none before the first; and the module's own outcome of it.
    const std::optional<ModuleRun>& lastRun() const { return run_; }
    template <typename Outcome>
    const Outcome* lastRecord() const {
        return run_ ? recordOf<Outcome>(*run_) : nullptr;
    }
    // Replaces the kept Calculate (a window that resets its record after printing).
    void keepRun(ModuleRun run) { run_ = std::move(run); }
    // A Calculate is running: its corrections are reports of what it read.
    bool calculating() const { return calculating_; }

    // The page of the last Calculate, as it prints, and the print question.
    virtual PageModel sheet() const;
    virtual Message printQuestion() const = 0;
    // The figure of the last Calculate, fitted into the area (twips).
    virtual PageModel drawing(const PageBox& area) const;
    // False when the last Calculate sized no member, so that its figure would show
    // nothing (or only zeros): Draw then says why on the surface in place of it, with
    // the warnings that Calculate gave. Before any Calculate the surface stays blank.
    virtual bool hasMemberToDraw() const;
    // What the window resets after a sheet has been printed.
    virtual void afterPrinting() {}
    // A warning about the sheet, shown after the print question is answered OK and
    // before the sheet goes to the printer (which it still does).
    virtual std::optional<Message> sheetWarning() const;
    // A steel-grade button was pressed, or fs was brought to a grade's value; the
    // description has written the grade's settings (fs) already: what else it shows.
    virtual void pressGrade(SteelGrade) {}
    // Every type, kind or shape button calls this once it has set the type: the
    // results are marked out of date as by typing, and the first input the type shows
    // takes the focus, ready for typing.
    void memberTypeChosen();
    // A steel-grade button of any of the window's panels: the frame keeps the grade as
    // the one last pressed (a project member's), then pressGrade.
    void pressGradeButton(SteelGrade g);

    // Panels: show (in front) and hide, and heights that uncover row groups.
    void showPanel(const char* name);
    void hidePanel(const char* name);
    void setPanelHeight(const char* name, int twips);
    // A group of rows inside a panel that is shown only while the panel is at least
    // minHeightTwips high. Rows that the window hides inside it stay hidden.
    QWidget* addRowGroup(QFrame* panel, int minHeightTwips);
    // The layout rows of a panel are added to (a fixed-size column inside the panel).
    QVBoxLayout* panelLayout(QWidget* panelOrGroup);

    // Fields: a caption-and-field grid, each field with its default and change check,
    // the rows in the order of the form.
    QGridLayout* addFieldRows(QWidget* panelOrGroup, const std::vector<FieldRow>& rows);
    // The fields of rows stand under the fields of above, whose aids (buttons beside
    // the fields) take room on the right; done once the panel is laid out.
    void alignFields(QGridLayout* rows, QGridLayout* above) { aligned_.push_back({rows, above}); }
    // One row's caption and field, for a window that lays them out itself.
    CaptionedField addCaptionedField(QWidget* parent, const FieldRow& row);
    // A field without a caption beside it: the table's caption is its tooltip.
    QLineEdit* addField(QWidget* parent, const char* name);
    // A pick list whose rows write their value into a field. Only a click, or Enter
    // on the current row, chooses: moving the focus into the list changes nothing.
    QListWidget* addPickList(QWidget* parent, const char* name, const std::vector<PickItem>& items,
                             const char* targetField, std::function<void()> afterPick = {});
    // A list whose rows are chosen the same way, for a row that writes more than one
    // field: choose gets the row's index. Space on the current row chooses as Enter does.
    QListWidget* addChoiceList(QWidget* parent, const char* name, const std::vector<PickItem>& items,
                               std::function<void(int row)> choose);
    // The small "?" button beside a field that opens its aid (a list, a panel).
    QPushButton* addHelpButton(QWidget* parent, const char* name);
    QPushButton* addPictureButton(QWidget* parent, const char* name, const QPixmap& pm, const QString& tip,
                                  int side = 52);
    ClickLabel* addClickLabel(QWidget* parent, const char* name, const QString& text);
    QLabel* addLabel(QWidget* parent, const char* name, const QString& text = {});
    // A sunken value box of the result panel.
    QLabel* addValueLabel(QWidget* parent, const char* name);
    // A caption of the toolbar, beside the buttons (the kind caption, the verdict).
    QLabel* addToolbarCaption(const char* name, const QString& text, const char* colour);
    // The verdict caption of the toolbar, greyed with the results when they are out of
    // date, and the out-of-date note below it.
    QLabel* addVerdictCaption(const char* name, const QString& text);
    // The out-of-date note alone, for a window without a verdict caption.
    QLabel* addOutOfDateNote();
    QPushButton* toolButton(const char* name) const;

    // Shows a check's or calculation's messages and writes its corrections, in order.
    // When resultsAt is given, writeResults runs just before that event (or after the
    // last, for an index at the end): the result panel fills at its moment among the
    // messages. Corrections of a calculation are reports of what it read, so the
    // fields' checks run on them as on any edit.
    void replay(const Diagnostics& d, std::optional<std::size_t> resultsAt = std::nullopt,
                const std::function<void()>& writeResults = {});
    void writeLabels(const FieldSet& labels);

    const MemberWindowDesign& design() const { return design_; }

private:
    void buildToolbar();
    void buildTitleBlock();
    void addStoreButton(QBoxLayout* row);
    void runTool(const ToolButtonSpec& tool);
    void fieldEdited(QLineEdit* e);
    void placeOverlays();
    void orderKeyboard();
    void focusFirstInput();
    // What the last Calculate read (its corrections written), to compare with now.
    project::Member designInputs() const;
    // Compares the inputs with the last Calculate's and marks the results accordingly.
    void inputsChanged();
    void setOutOfDate(bool on);
    void showMarks();
    void writeFieldCaptions();
    void placeFigure();
    // Places the window wholly inside the screen's available area, title bar included.
    void placeOnScreen();
    void followGrade(const std::string& fs);
    // The fs a grade writes; and a grade's settings written into the fields (through
    // their change checks), then the window's pressGrade.
    std::string gradeFs(SteelGrade g) const;
    void applyGrade(SteelGrade g);
    // The last Calculate, or the record of none before the first.
    ModuleRun runOrNone() const;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;
    // A field with its default, change check and the table's tooltip (if any).
    QLineEdit* addInput(QWidget* parent, const char* name);
    // The table's entry of a field; warns of a field the table does not hold.
    const FieldInfo* fieldInfo(const char* name) const;
    void warnNoWidget(const char* what, std::string_view name) const;
    void showEvent(QShowEvent* e) override;

    MemberWindowDesign design_;
    QFrame* toolbar_ = nullptr;
    QWidget* inputColumn_ = nullptr;
    QScrollArea* inputScroll_ = nullptr;
    bool shownOnce_ = false;
    bool calculating_ = false;  // a Calculate's own corrections are no edits after it
    bool calculated_ = false;
    bool outOfDate_ = false;
    std::optional<project::Member> calculatedWith_;  // the inputs of the last Calculate
    std::optional<ModuleRun> run_;
    bool panelEverWritten_ = false;  // a Calculate has filled the result panel
    bool panelWrittenNow_ = false;   // the running Calculate has
    bool panelStale_ = false;
    bool figureShown_ = false;  // the surface holds the figure (refitted on resize)
    bool placed_ = false;
    std::vector<Message> calculateMessages_;  // every box the last Calculate showed, in order
    SteelGrade grade_ = SteelGrade::SR24;  // the grade the caption states
    std::optional<SteelGrade> pressedGrade_;  // none until a grade button is pressed
    std::optional<SteelGrade> buttonGrade_;   // the grade a button pressed, not one fs implied
    bool loading_ = false;                    // loadMember writes stored texts
    int projectMember_ = 0;
    QPointer<QLabel> verdict_;
    QLabel* outOfDateNote_ = nullptr;
    QVBoxLayout* inputLayout_ = nullptr;
    QWidget* captionColumn_ = nullptr;
    DrawingSurface* surface_ = nullptr;
    QWidget* panelArea_ = nullptr;  // the surface, or the plain room of a window without one
    QMap<QString, QFrame*> panels_;
    QMap<QString, QLineEdit*> fields_;
    std::vector<QLineEdit*> inputOrder_;  // the input panels' fields, in the order of the form
    QMap<QString, int> heights_;
    QMap<QFrame*, QWidget*> clippedRows_;  // the content of each panel that clips its rows
    struct RowGroup {
        QFrame* panel;
        QWidget* group;
        int minHeight;
    };
    std::vector<RowGroup> groups_;
    std::vector<std::pair<QGridLayout*, QGridLayout*>> aligned_;  // rows, the grid above
};

}  // namespace mx::ui
