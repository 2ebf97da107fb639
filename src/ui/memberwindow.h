#pragma once
// The frame every member window is built on. A window describes itself as data (its
// identity and module description, toolbar, panels, title block and the change check
// of its fields: ui/memberdesign.h) and adds only what is its own: the contents of
// its input panels and what it does before and after Calculate. The frame lays the
// window out, shows and hides the panels, runs each field's change check on every
// edit, calculates through the description's run and replays its messages and
// corrections in order, keeps that run for the sheet and the drawing, draws, erases,
// prints and asks before closing.
//
// Layout: the toolbar across the top; below it a column of input panels on the left
// and, on the right, the drawing surface. The result, title-block and pick-list
// panels open over the drawing surface, one at a time; Draw closes them to make room
// for the figure. A window without a drawing has no surface: those panels open in the
// room beside the inputs instead, and its toolbar has no Draw or Erase.
#include <QFrame>
#include <QMap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <string>
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
#include "ui/memberdesign.h"
#include "ui/memberwidgets.h"
#include "ui/toolpictures.h"

class QAbstractButton;
class QBoxLayout;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace mx::ui {

class DrawingSurface;

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


// What the frame warns of when a window, a check or a calculation names a field, label
// or correction that has no widget, and when a window places a field its table does
// not hold: either would otherwise be passed over unseen.
inline constexpr const char* kNoWidgetWarning = "names no widget";
inline constexpr const char* kNoTableEntryWarning = "is not in the field table";


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
    // A field's link button: links the field (its short name) to other members' outputs.
    virtual void editLink(MemberWindow& window, const std::string& field) = 0;
    // The numbered messages of the members the window's member reads that stop on an
    // input error: then it has no loads to be designed for, and Calculate says so.
    virtual std::vector<Message> linkStops(const MemberWindow&) { return {}; }
    // What the project adds to the window's sheet: the red line naming the members it
    // stands on that are not usable.
    virtual void markSheet(const MemberWindow&, PageModel&) {}
    // The window is closing with edits not stored: store, discard, or stay (false).
    virtual bool mayClose(MemberWindow&) { return true; }
};
ProjectLink* projectLink();
void setProjectLink(ProjectLink* link);  // not owned; nullptr for none

// The toolbar button of every member window that keeps its inputs in the project.
inline constexpr const char* kStoreButton = "CommandProject";
// The link button beside a field that takes a link is named "Link" + the field's object
// name ("LinkText2"); a linked field is marked with this colour behind its text.
inline constexpr const char* kLinkButtonPrefix = "Link";
inline constexpr const char* kLinkedFieldColour = "#dcebff";
// The line at the foot of a result panel that gives the member's quantities.
inline constexpr const char* kMemberQuantitiesLabel = "LabelMemberQuantities";

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
    // Fills the title-block lines that are empty, or still show what the project gave
    // them, with the member's own: such a line follows the project (its defaults, the
    // member's name) until the user types another text into it.
    void fillTitleBlock(const project::Member& m);
    // The window as a project member with the lines that follow the project left empty,
    // as the project keeps them: what the user typed, never the defaults it was shown.
    project::Member typedMember() const;
    // Edits not yet kept in the project: the typed member differs from the one last
    // loaded or stored (for a window never tied to a member, from the one it opened with).
    bool hasUnstoredEdits() const;
    // The window's inputs as they stand count as kept (stored, or given up).
    void markStored();
    // The module's caption, the window's title before it shows a member.
    QString moduleCaption() const { return QString::fromStdString(design_.caption); }
    // The title names the member and its project; an empty member leaves the caption.
    void setProjectTitle(const QString& member, const QString& project);
    // The line at the foot of the window that says what was just done ("stored").
    void showStatus(const QString& text);
    // The type button last pressed (the tool's type code, 0 for none), and pressing
    // one by its code, as every type, kind or shape button does: the window shows the
    // type, the results are marked out of date as by typing, and the first input the
    // type shows takes the focus, ready for typing. False, changing nothing, for a code
    // the window has no button for (true for the type already chosen).
    int memberType() const { return type_; }
    bool chooseMemberType(int code);
    // Links. Every field the module's description names as a target has a small link
    // button at its right end, which asks the project to link it. A linked field is
    // read-only, marked, and its tooltip lists its terms: showLink writes the resolved
    // value as the program's own write (no change check runs; the results are marked
    // when it differs from the last Calculate's), and a rule of another field that
    // writes into it is undone. Unlinked (linked false), the field is typed again and
    // keeps its text.
    void showLink(std::string_view field, bool linked, const QString& text = {}, const QString& tooltip = {});
    bool fieldLinked(std::string_view field) const;
    QAbstractButton* linkButton(std::string_view field) const;
    // Marks the results out of date though the inputs are the same (a member it stands
    // on was changed in the project); the next Calculate clears it.
    void markOutOfDate();

    // The window's state as its Calculate gives it to the description's run: the
    // fields, the type and the grade last pressed, and what only the window holds that
    // its run reads.
    virtual FormState formState() const;
    // The page of the last Calculate, as it prints.
    virtual PageModel sheet() const;

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
    // What pressing a type shows (its captions, its rows, its button's picture); false,
    // showing nothing, for a code the window has no button for.
    virtual bool showMemberType(int /*code*/) { return false; }
    // A steel-grade button of any of the window's panels: the frame keeps the grade as
    // the one last pressed (a project member's), then pressGrade.
    void pressGradeButton(SteelGrade g);

    // Panels: show (in front) and hide, and heights that uncover row groups.
    void showPanel(const char* name);
    void hidePanel(const char* name);
    void setPanelHeight(const char* name, int twips);
    // The input panel with its material values uncovered, or with its fields alone. A
    // steel-grade button uncovers them: the grade's settings show there.
    void showMaterials(bool shown);
    // The row group of the material values, added to the input panel's rows here. The
    // caption opens them on a click (its border showing while they are open) and
    // closes them on a double-click; the help button beside it, if any, opens them.
    QWidget* addMaterialRows(ClickLabel* caption, QPushButton* button = nullptr);
    // The same with its own row for the caption, the help button before it.
    QWidget* addMaterialRows(const char* buttonName, const char* captionName, const QString& caption);
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
    // The result panel's heading, "รายการคำนวณ" (a caption of that object name where
    // the form names it), and below it the grid its captions and values fill.
    QGridLayout* addResultGrid(QFrame* panel, const char* headingName = nullptr);
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
    QLabel* addStatusLine();
    void addLinkButtons();
    // A member whose sources stop is not designed: their messages, the results of no
    // Calculate. True when it stopped.
    bool stopForLinks();
    // Writes each linked field's value back where a rule wrote over it.
    void keepLinkedTexts();
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
    const ModuleRun& runOrNone() const;
    void resizeEvent(QResizeEvent* e) override;
    // A window closed by its exit button or its close box asks first about edits not
    // stored in the project: the window goes, and its typing with it.
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    // A field with its default, change check and the table's tooltip (if any).
    QLineEdit* addInput(QWidget* parent, const char* name);
    // The table's entry of a field; warns of a field the table does not hold.
    const FieldInfo* fieldInfo(const char* name) const;
    void warnNoWidget(const char* what, std::string_view name) const;
    void showEvent(QShowEvent* e) override;

    MemberWindowDesign design_;
    std::string fsField_;  // the field the grade buttons write fs into, "" for none
    QFrame* toolbar_ = nullptr;
    QWidget* inputColumn_ = nullptr;
    QScrollArea* inputScroll_ = nullptr;
    bool shownOnce_ = false;
    bool calculating_ = false;  // a Calculate's own corrections are no edits after it
    bool calculated_ = false;
    bool outOfDate_ = false;
    std::optional<project::Member> calculatedWith_;  // the inputs of the last Calculate
    std::optional<ModuleRun> run_;
    mutable std::optional<ModuleRun> noRun_;  // made the first time it is asked for
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
    std::map<std::string, std::string> givenTitle_;  // title-block lines following the project
    std::optional<project::Member> kept_;             // the typed member last kept
    QLabel* status_ = nullptr;
    std::vector<std::string> linked_;  // the fields (object names) that links give
    QLabel* quantities_ = nullptr;     // the member's quantities at the foot of the results
    int type_ = 0;  // the type button last pressed
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
