#include "column/window/columnwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "column/column_module.h"
#include "column/column_form.h"
#include "column/column_sheet.h"
#include "column/window/column_pictures.h"
#include "column/window/columnwindow_layout.h"
#include "ui/fields.h"
#include "ui/picklist.h"
#include "ui/registry.h"

namespace mx::column {

using ui::qs;
using ui::ToolAction;
using ui::ToolPicture;
using namespace layout;

namespace {

constexpr ui::MemberWindowId kWindowId{"column", "column", "chelp"};

// Main-bar and tie diameters, mm.
constexpr int kMainBars[] = {12, 15, 16, 19, 20, 25, 28, 32, 36, 40};
constexpr int kTies[] = {6, 9, 10, 12};

// The read-only caption boxes of the form: the captions are the labels of the rows
// beside them; the names are kept for whoever looks the boxes up.
constexpr const char* kCaptionBoxes[] = {"Text4", "Text8", "Text12"};

ui::MemberWindowDesign columnDesign(const ColumnWindow* self) {
    ui::MemberWindowDesign d;
    d.id = kWindowId;
    d.icon = columnShapePixmap(kShapeSquare, QSize(32, 32));
    d.exitQuestion = Message{"คุณแน่ใจหรือว่าจะเลิกการทำงาน?", "ต้องการเลิกออกแบบเสา", Icon::Critical};
    d.printQuestion = columnPrintQuestion();
    // The load rule depends on the chosen shape: a round column takes no proposed widths.
    d.check = [self](std::string_view field, const FieldSet& fields) {
        return checkColumnField(field, fields, self->shape());
    };
    d.toolbar = {
        {"Command2", ToolPicture::Input, "เลือกชนิดของเสา", ToolAction::None, false, nullptr, {kInputPanel},
         {kResultPanel}},
        {"Command25", ToolPicture::Input, "เลือกรูปแบบเสา", ToolAction::None, false, nullptr, {kInputPanel},
         {kResultPanel}},
        {"Command7", ToolPicture::Input, "ป้อนข้อมูล", ToolAction::None, false, nullptr, {kInputPanel},
         {kResultPanel, kEstimatorPanel, kTitlePanel}},
        {"Command13", ToolPicture::Calculate, "คำนวณ", ToolAction::Calculate},
        {"Command9", ToolPicture::Listing, "ดูรายการคำนวณ", ToolAction::None, false, nullptr, {kResultPanel},
         {kInputPanel, kEstimatorPanel, kTitlePanel}},
        {"Command11", ToolPicture::Draw, "เขียนแบบเสา", ToolAction::Draw},
        {"Command12", ToolPicture::Erase, "ลบแบบเสา", ToolAction::Erase},
    };
    const auto& g = kColumnGrades;
    ui::appendGradeButtons(d.toolbar, {g[0].button, g[1].button, g[2].button, g[3].button},
                           [](SteelGrade grade) { return columnGrade(grade).tooltip; });
    d.toolbar.insert(d.toolbar.end(), {
        {"Command8", ToolPicture::Project, "วิศวกร-โครงการ", ToolAction::None, false, nullptr, {kTitlePanel},
         {kEstimatorPanel}},
        {"Command15", ToolPicture::Print, "วิศวกร-โครงการ", ToolAction::None, false, nullptr, {kTitlePanel},
         {kEstimatorPanel}},
    });
    ui::appendToolbarTail(d.toolbar, {"Command10", "Command16", "Command14"});
    d.resultPanel = kResultPanel;
    d.materials = {.panel = kInputPanel, .inputsHeight = 4575, .materialsHeight = 6735};
    d.panels = {
        {kInputPanel, ui::PanelPlace::Inputs, true, d.materials.inputsHeight},
        {kResultPanel, ui::PanelPlace::OverDrawing, false},
        {kEstimatorPanel, ui::PanelPlace::OverDrawing, false},
        {kTitlePanel, ui::PanelPlace::OverDrawing, false},
    };
    d.panels[2].estimator = true;  // the load estimator writes the load
    d.titleBlock = {kTitlePanel, "Command29", "Command27"};
    d.memberName = "เสา";
    return d;
}

std::vector<ui::PickItem> barItems(const auto& sizes) {
    std::vector<ui::PickItem> items;
    for (int mm : sizes) items.push_back({std::to_string(mm) + " มม.", std::to_string(mm)});
    return items;
}

QFrame* innerFrame(QWidget* parent, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

}  // namespace

ColumnWindow::ColumnWindow(QWidget* parent) : MemberWindow(columnDesign(this), parent) {
    assemble();
    toolButton("Command2")->setIcon(QIcon(columnShapePixmap(kShapeNone, QSize(38, 38))));  // no shape chosen yet
    toolButton("Command25")->setIcon(QIcon(columnElevationPixmap(QSize(38, 38))));
    addToolbarCaption("Label7", QString(), ui::kHeadingColour);
    addToolbarCaption("Label8", QString(), ui::kHeadingColour);
    addVerdictCaption("Label65", QStringLiteral("สรุปผลการออกแบบเสา ?"));
    // The shape buttons open the input panel at the height of the column's own fields.
    for (const char* b : {"Command2", "Command7"})
        connect(toolButton(b), &QPushButton::clicked, this, [this] { showMaterials(false); });
    for (const char* b : {"Command2", "Command25"})
        connect(toolButton(b), &QPushButton::clicked, this, [this] { showShapeChoice(); });
}

void ColumnWindow::buildPanels() {
    buildInputPanel();
    buildEstimatorPanel();
    buildResultPanel();
}

void ColumnWindow::buildInputPanel() {
    QFrame* p = panel(kInputPanel);
    QVBoxLayout* column = panelLayout(p);

    // The shape: two picture buttons, and the caption of the choice beside them.
    frame3_ = innerFrame(p, kShapePanel);
    auto* shapes = new QHBoxLayout(frame3_);
    shapes->setContentsMargins(6, 4, 6, 4);
    for (const ColumnShapeButton& s : kColumnShapes) {
        const int code = s.code;
        QPushButton* b = addPictureButton(frame3_, s.button, columnShapePixmap(code, QSize(44, 44)),
                                          QString::fromUtf8(s.tooltip), 50);
        connect(b, &QPushButton::clicked, this, [this, code] { chooseShape(code); });
        shapes->addWidget(b);
    }
    shapes->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(frame3_);
    QLabel* label1 = addLabel(p, "Label1", QStringLiteral("เลือกเสาสี่เหลี่ยมหรือเสากลม"));
    ui::asHeading(label1);
    label1->setWordWrap(true);
    top->addWidget(label1, 1);
    column->addLayout(top);

    // The round column's diameter box, opened by the round shape.
    frame4_ = innerFrame(p, kRoundPanel);
    QGridLayout* round = addFieldRows(frame4_, {{"Text11", "Label5"}});
    QPushButton* ok = ui::makeButton(frame4_, "Command19", QStringLiteral("ตกลง"));
    connect(ok, &QPushButton::clicked, this, [this] { acceptDiameter(); });
    round->addWidget(ok, 0, 2);
    frame4_->hide();
    column->addWidget(frame4_);

    // The load's caption (Label2) answers a click: it opens the load estimator.
    QGridLayout* grid =
        addFieldRows(p, {{"Text1", "Label2", true}, {"Text2"}, {"Text3"}, {"Text5"}, {"Text6"}, {"Text7"}, {"Text23"}});
    for (int row : {1, 2})
        for (int col : {0, 1}) widthRows_.push_back(grid->itemAtPosition(row, col)->widget());

    // Aids beside their fields: the load estimator, the bar lists, the own-weight factor.
    auto* label2 = findChild<ui::ClickLabel*>(QStringLiteral("Label2"));
    auto showEstimator = [this] { showPanel(kEstimatorPanel); };
    connect(label2, &ui::ClickLabel::clicked, this, showEstimator);
    QPushButton* c24 = addHelpButton(p, "Command24");
    connect(c24, &QPushButton::clicked, this, showEstimator);
    grid->addWidget(c24, 0, 2, Qt::AlignLeft);

    list2_ = addPickList(p, "List2", barItems(kMainBars), "Text6", [this] { list2_->hide(); });
    list3_ = addPickList(p, "List3", barItems(kTies), "Text7", [this] { list3_->hide(); });
    for (QListWidget* l : {list2_, list3_}) ui::makeFloatingList(l, 6);
    QPushButton* c22 = addHelpButton(p, "Command22");
    QPushButton* c23 = addHelpButton(p, "Command23");
    connect(c22, &QPushButton::clicked, this, [this, c22] { ui::openListBeside({list2_, list3_}, list2_, c22); });
    connect(c23, &QPushButton::clicked, this, [this, c23] { ui::openListBeside({list2_, list3_}, list3_, c23); });
    grid->addWidget(c22, 4, 2, Qt::AlignLeft);
    grid->addWidget(c23, 5, 2, Qt::AlignLeft);

    auto* factors = new QHBoxLayout;
    factors->setSpacing(3);
    QPushButton* c28 = ui::makeButton(p, "Command28", QStringLiteral("1.7"), QStringLiteral("เปลี่ยนค่า SAFTY FACTOR"));
    QPushButton* c30 = ui::makeButton(p, "Command30", QStringLiteral("DL"), QStringLiteral("นน.เสาจริง"));
    for (QPushButton* b : {c28, c30}) {
        b->setFixedWidth(44);
        factors->addWidget(b);
    }
    connect(c28, &QPushButton::clicked, this, [this] { field("Text23")->setText(QStringLiteral("1.7")); });
    connect(c30, &QPushButton::clicked, this, [this] { field("Text23")->setText(QStringLiteral("1")); });
    grid->addLayout(factors, 6, 2, 1, 2, Qt::AlignLeft);

    // The material caption uncovers the materials; a double-click covers them again.
    QWidget* materials =
        addMaterialRows("Command26", "Label6", QStringLiteral("* ค่ามาตรฐานของคอนกรีตและเหล็กที่ใช้คำนวณ"));
    alignFields(addFieldRows(materials, {{"Text9"}, {"Text10"}}), grid);
    QLabel* label55 = addLabel(materials, "Label55");
    ui::asPrompt(label55);
    label55->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panelLayout(materials)->addWidget(label55);

    for (const char* name : kCaptionBoxes) {
        auto* box = new QWidget(p);
        box->setObjectName(QString::fromLatin1(name));
        box->hide();
    }
}

void ColumnWindow::showShapeChoice() {
    frame3_->show();
}

bool ColumnWindow::showMemberType(int shape) {
    const ColumnShapeButton* s = columnShape(shape);
    if (!s) return false;
    frame3_->hide();
    frame4_->setVisible(shape == kShapeRound);
    // A round column is sized by its diameter: its widths are the box's, not typed.
    for (QWidget* w : widthRows_) w->setVisible(shape != kShapeRound);
    toolButton("Command2")->setIcon(QIcon(columnShapePixmap(shape, QSize(38, 38))));
    writeLabels({{"Label1", s->label1}});
    return true;
}

void ColumnWindow::acceptDiameter() {
    frame4_->hide();
    // The box's OK is the press the tool makes before Calculate, one rule for both: the
    // side of the square of equal area into both widths through their rules, when a
    // diameter is given. Its boxes are shown and its widths written as the rules left them.
    FormState s = formState();
    const FieldSet before = s.fields;
    Diagnostics pressed;
    for (Message& m : design().description->pressBeforeRun(s)) pressed.say(std::move(m));
    for (const char* width : {"Text2", "Text3"})
        if (s.fields.get(width) != before.get(width)) pressed.correct(width, s.fields.get(width));
    replay(pressed);
}

void ColumnWindow::pressGrade(SteelGrade g) {
    FieldSet labels;
    writeGradeLabels(g, labels);
    writeLabels(labels);
}

void registerWindows() {
    ui::WindowRegistry::instance().add(kWindowId, [] { return new ColumnWindow; });
}

}  // namespace mx::column
