#include "beam/window/beamwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "beam/beam_module.h"
#include "beam/beam_form.h"
#include "beam/beam_sheet.h"
#include "beam/window/beam_pictures.h"
#include "beam/window/beamwindow_layout.h"
#include "common/numtext.h"
#include "ui/fields.h"
#include "ui/picklist.h"
#include "ui/prompter.h"
#include "ui/registry.h"

namespace mx::beam {

using ui::makeButton;
using ui::qs;
using ui::ToolAction;

using namespace layout;

namespace {

constexpr ui::MemberWindowId kWindowId{"Beam01", "beam", "Bhelp"};

// Heights of the input panel: beside the type chooser, the normal inputs, and with
// the material values uncovered.
constexpr int kChooserHeight = 2800;
constexpr int kInputsHeight = 4800;
constexpr int kMaterialsHeight = 6720;

// The column beside the short fields that holds each row's aids (the overhang, the
// estimator, the pickers, the factors), in pixels, and the rows a bar picker shows.
constexpr int kAidColumn = 228;
constexpr int kPickerRows = 12;

ui::MemberWindowDesign beamDesign(BeamWindow* self) {
    ui::MemberWindowDesign d;
    d.id = kWindowId;
    d.icon = beamTypePixmap(kSimple, QSize(64, 45));
    d.exitQuestion = exitQuestion();
    d.printQuestion = beamPrintQuestion();
    d.check = [self](std::string_view field, const FieldSet& fields) { return self->checkField(field, fields); };
    d.toolbar = {
        {"Command4", ToolPicture::Input, "เลือกลักษณะคาน", ToolAction::None, false, nullptr, {kTypePanel},
         {kResultPanel}},
        {"Command3", ToolPicture::Input, "ป้อนข้อมูล", ToolAction::None, false, nullptr, {}, {kResultPanel}},
        {"Command15", ToolPicture::Calculate, " คำนวณ", ToolAction::Calculate},
        {"Command7", ToolPicture::Listing, "ดูรายการคำนวณ", ToolAction::None, true, nullptr, {kResultPanel},
         {kInputPanel}},
        // The figure stands beside the inputs: what is drawn can be read against them.
        {"Command10", ToolPicture::Draw, "เขียนแบบคาน", ToolAction::Draw},
        {"Command8", ToolPicture::Erase, "ลบแบบคาน", ToolAction::Erase},
        {"Command5", ToolPicture::Project, "วิศวกร-โครงการ", ToolAction::None, true, nullptr, {kTitlePanel},
         {kTypePanel}},
    };
    ui::appendToolbarTail(d.toolbar, {"Command14", "Command2", "Command26"});
    // The second way to the title block, with no tooltip.
    d.toolbar.emplace_back("Command9", ToolPicture::Print, "", ToolAction::None, true, nullptr,
                           std::vector<const char*>{kTitlePanel}, std::vector<const char*>{kTypePanel});
    d.resultPanel = kResultPanel;
    d.panels = {
        {kTypePanel, ui::PanelPlace::Inputs, true},
        {kInputPanel, ui::PanelPlace::Inputs, true, kChooserHeight, true, true},
        {kResultPanel, ui::PanelPlace::OverDrawing, true},
        {kCalculatorPanel, ui::PanelPlace::OverDrawing, false},
        {kTitlePanel, ui::PanelPlace::OverDrawing, false},
    };
    d.panels[3].estimator = true;  // the live-load calculator writes the load
    d.titleBlock = {kTitlePanel, "Command27", "Command35"};
    d.inputColumnWidth = 580;
    d.captionsInToolbar = true;
    d.memberName = "คาน";
    return d;
}

// The aids of a row, left to right in the column beside its field.
QHBoxLayout* aidRow(QGridLayout* grid, int row, std::initializer_list<QWidget*> widgets) {
    auto* h = new QHBoxLayout;
    h->setSpacing(3);
    for (QWidget* w : widgets) h->addWidget(w);
    h->addStretch(1);
    grid->addLayout(h, row, 2);
    return h;
}

// The field rows of one part of the input panel, their fields short and their aids in
// one column, so that the fields of every part stand under one another.
QGridLayout* shortFields(QGridLayout* grid, QWidget* panel, std::initializer_list<const char*> fields) {
    grid->setColumnMinimumWidth(2, kAidColumn);
    grid->setVerticalSpacing(3);
    for (const char* name : fields) panel->findChild<QLineEdit*>(QString::fromLatin1(name))->setFixedWidth(kFieldWidth);
    return grid;
}

std::vector<ui::PickItem> barItems(const std::vector<int>& sizes) {
    std::vector<ui::PickItem> items;
    for (int mm : sizes) items.push_back({barSizeText(mm), std::to_string(mm)});
    return items;
}

}  // namespace

BeamWindow::BeamWindow(QWidget* parent) : MemberWindow(beamDesign(this), parent) {
    assemble();
    toolButton("Command4")->setIcon(QIcon(beamTypePixmap(0, QSize(64, 45))));  // no type chosen yet
    addToolbarCaption("Label1", qs(kTypePrompt), ui::kHeadingColour);
    addVerdictCaption("Label49", qs(kVerdictPrompt));
    for (const auto& [button, height] : {std::pair{"Command4", kChooserHeight}, std::pair{"Command3", kInputsHeight}})
        connect(toolButton(button), &QPushButton::clicked, this, [this, h = height] { setInputHeight(h); });
}

void BeamWindow::buildPanels() {
    buildTypeChooser();
    buildInputPanel();
    buildResultPanel();
    buildCalculator();
}

void BeamWindow::buildTypeChooser() {
    QFrame* p = panel(kTypePanel);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (int t = 1; t <= 5; ++t) {
        const BeamTypeButton* info = beamTypeButton(t);
        auto* b = new QToolButton(p);
        b->setObjectName(QString::fromLatin1(info->button));
        b->setToolTip(QString::fromUtf8(info->tooltip));
        b->setText(QString::fromUtf8(info->tooltip));
        b->setIcon(QIcon(beamTypePixmap(t, QSize(90, 63))));
        b->setIconSize(QSize(90, 63));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFixedSize(104, 100);
        connect(b, &QToolButton::clicked, this, [this, t] { chooseType(t); });
        row->addWidget(b);
    }
    row->addStretch(1);
    panelLayout(p)->addLayout(row);
}

void BeamWindow::buildInputPanel() {
    QFrame* p = panel(kInputPanel);

    // Always shown, also beside the type chooser: the span, the load, the section and
    // the main bars.
    QGridLayout* grid = shortFields(addFieldRows(p, {{"Text1"}, {"Text2"}, {"Text3"}, {"Text4"}, {"Text6"}, {"Text7"}}),
                                    p, {"Text1", "Text2", "Text3", "Text4", "Text6", "Text7"});
    // The overhang beside the span, shown for the overhanging beam only.
    const ui::CaptionedField overhangRow = addCaptionedField(p, {"Text5"});
    overhangCaption_ = overhangRow.caption;
    QLineEdit* overhang = overhangRow.field;
    overhang->setFixedWidth(40);
    QPushButton* c29 = smallButton(p, "Command29", QStringLiteral("?"), "ปุ่มช่วยเหลือ", 26);
    connect(c29, &QPushButton::clicked, this, [this] { ui::prompter().show(overhangAdvice(), this); });
    aidRow(grid, 0, {overhangCaption_, overhang, c29});
    for (QWidget* w : {static_cast<QWidget*>(overhangCaption_), static_cast<QWidget*>(overhang),
                       static_cast<QWidget*>(c29)})
        w->hide();

    // The load with its live-load calculator.
    QPushButton* c25 = smallButton(p, "Command25", QStringLiteral("คำนวณ นน."), "กดช่วยเหลือในการคำนวณ", 80);
    connect(c25, &QPushButton::clicked, this, [this] { showPanel(kCalculatorPanel); });
    ui::ClickLabel* label8 = addClickLabel(p, "Label8", QStringLiteral("ช่วยคำนวณ นน.จร"));
    label8->setToolTip(QStringLiteral("กดช่วยเหลือในการคำนวณ"));
    label8->opensAndCloses([this] { showPanel(kCalculatorPanel); }, [this] { hidePanel(kCalculatorPanel); });
    aidRow(grid, 1, {c25, label8});
    QLabel* label14 = addValueLabel(p, "Label14");
    label14->setToolTip(QStringLiteral("ความลึกของคานที่แนะนำ"));
    label14->setMinimumWidth(0);
    label14->setFixedWidth(60);
    label14->setAlignment(Qt::AlignCenter);
    aidRow(grid, 3, {label14});

    // The normal height uncovers the stirrups, the factors, the grade and the material
    // caption.
    QWidget* more = addRowGroup(p, kInputsHeight);
    QGridLayout* bars = shortFields(addFieldRows(more, {{"Text8"}}), more, {"Text8"});
    // One row holds both load factors, each told apart by its tooltip.
    auto* factorCaption = new QLabel(QStringLiteral("ตัวคูณ นน.คงที่ DL / นน.จร LL ="), more);
    factorCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit* dl = addField(more, "Text32");
    dl->setFixedWidth(36);
    factorCaption->setBuddy(dl);
    bars->addWidget(factorCaption, 1, 0);
    bars->addWidget(dl, 1, 1);
    struct Picker {
        const char* button;
        const char* tooltip;
        const char* list;
        const char* field;
        const std::vector<int>& sizes;
    };
    const Picker pickers[] = {{"Command22", "ขนาดเหล็กมาตรฐาน", "List3", "Text6", mainBarSizes()},
                              {"Command23", "ขนาดเหล็กมาตรฐาน", "List4", "Text7", mainBarSizes()},
                              {"Command24", "ขนาดเหล็กปลอก", "List5", "Text8", stirrupBarSizes()}};
    for (int i = 0; i < 3; ++i) {
        const Picker& k = pickers[i];
        QListWidget* list = addPickList(this, k.list, barItems(k.sizes), k.field, [this, i] { pickers_[i]->hide(); });
        ui::makeFloatingList(list, kPickerRows);
        pickers_[i] = list;
        QPushButton* b = smallButton(i < 2 ? p : more, k.button, QStringLiteral("มม. ▾"), k.tooltip, 56);
        // Beside its button, over whatever lies to the right, within the window.
        connect(b, &QPushButton::clicked, this, [this, list, b] {
            ui::openListBeside({pickers_[0], pickers_[1], pickers_[2]}, list, b);
        });
        if (i < 2) aidRow(grid, 4 + i, {b});
    }
    QLineEdit* sets = addField(more, "Text10");
    sets->setFixedWidth(36);
    aidRow(bars, 0, {toolButton("Command24"), new QLabel(QStringLiteral("จำนวนปลอก ="), more), sets,
                     new QLabel(QStringLiteral("ป."), more)});

    // Load factors: locked until unlocked on purpose.
    QLineEdit* ll = addField(more, "Text31");
    ll->setFixedWidth(36);
    dl->setReadOnly(true);
    ll->setReadOnly(true);
    QPushButton* c28 = smallButton(more, "Command28", QStringLiteral("DL"), "นน.คงที่จริง", 32);
    QPushButton* c36 = smallButton(more, "Command36", QStringLiteral("LL"), "นน.จรจริง", 32);
    connect(c28, &QPushButton::clicked, this, [dl] { dl->setText(QStringLiteral("1")); });
    connect(c36, &QPushButton::clicked, this, [ll] { ll->setText(QStringLiteral("1")); });
    QPushButton* c16 = makeButton(more, "Command16", QStringLiteral("ค่ามาตรฐาน"), QStringLiteral("แก้ไข SAFTY FACTOR"));
    QPushButton* c37 = makeButton(more, "Command37", QStringLiteral("แก้ไข"), QStringLiteral("แก้ไข SAFTY FACTOR"));
    c16->setFixedSize(76, kRowHeight);
    c37->setFixedSize(40, kRowHeight);
    for (QPushButton* b : {c16, c37}) b->setStyleSheet(QStringLiteral("padding: 0px;"));
    connect(c16, &QPushButton::clicked, this, [c37, dl, ll] {
        c37->show();
        ll->setText(QStringLiteral("2"));
        dl->setText(QStringLiteral("1.7"));
        ll->setReadOnly(true);
        dl->setReadOnly(true);
    });
    connect(c37, &QPushButton::clicked, this, [dl, ll] {
        ll->setText(QStringLiteral("1"));
        dl->setText(QStringLiteral("1"));
        ll->setReadOnly(false);
        dl->setReadOnly(false);
    });
    aidRow(bars, 1, {c28, ll, c36, c16, c37});

    // Steel grade: the sentence and the four grade buttons.
    auto* grade = new QHBoxLayout;
    grade->setSpacing(3);
    QLabel* label50 = addLabel(more, "Label50", qs(kGradePrompt));
    ui::asPrompt(label50);
    grade->addWidget(label50, 1);
    for (const GradeButton& g : gradeButtons()) {
        static const char* const kShort[] = {"SR24", "SD30", "SD35", "SD40"};
        const bool round = g.grade == SteelGrade::SR24;
        QPushButton* b = smallButton(more, g.button, QString::fromLatin1(kShort[static_cast<int>(g.grade)]), g.tooltip,
                                     52);
        b->setIcon(QIcon(ui::toolPixmap(round ? ToolPicture::RoundBar : ToolPicture::DeformedBar, QSize(24, 24))));
        b->setIconSize(QSize(14, 14));
        b->setStyleSheet(QStringLiteral("padding: 0px; font-size: 8pt;"));
        const SteelGrade s = g.grade;
        connect(b, &QPushButton::clicked, this, [this, s] { pressGradeButton(s); });
        grade->addWidget(b);
    }
    panelLayout(more)->addLayout(grade);

    // The material caption uncovers the material values; a double-click covers them.
    auto* materialRow = new QHBoxLayout;
    ui::ClickLabel* label6 = addClickLabel(more, "Label6", QStringLiteral("*ค่าหน่วยแรงของคอนกรีตและเหล็กที่ใช้คำนวณ"));
    label6->setStyleSheet(QStringLiteral("color: #8c1a1a;"));
    label6->opensAndCloses([this] { setInputHeight(kMaterialsHeight); }, [this] { setInputHeight(kInputsHeight); });
    QPushButton* c34 = smallButton(more, "Command34", QStringLiteral("▾"), "กดเพื่อเปลี่ยนแปลงค่าที่ใช้คำนวณ", 28);
    connect(c34, &QPushButton::clicked, this, [this] { setInputHeight(kMaterialsHeight); });
    materialRow->addWidget(label6);
    materialRow->addWidget(c34);
    materialRow->addStretch(1);
    panelLayout(more)->addLayout(materialRow);

    QWidget* materials = addRowGroup(p, kMaterialsHeight);
    alignFields(shortFields(addFieldRows(materials, {{"Text12"}, {"Text13"}, {"Text14"}}), materials,
                            {"Text12", "Text13", "Text14"}),
                grid);
}

void BeamWindow::setInputHeight(int twips) {
    setPanelHeight(kInputPanel, twips);
    // The panel a button asks for is the one the user sees: the title block closes, as
    // its cancel button would.
    hidePanel(kTitlePanel);
    showPanel(kInputPanel);
}

int BeamWindow::inputHeightTwips() const { return panelHeightTwips(kInputPanel); }

BeamDesignResult BeamWindow::lastResult() const { return lastOutcome() ? lastOutcome()->result : BeamDesignResult{}; }

bool BeamWindow::showMemberType(int type) {
    const BeamTypeButton* info = beamTypeButton(type);
    if (!info) return false;
    hidePanel(kTypePanel);
    writeLabels({{"Label1", info->caption}});
    toolButton("Command4")->setIcon(QIcon(beamTypePixmap(type, QSize(64, 45))));
    const bool overhang = type == kOverhang;
    field("Text5")->setVisible(overhang);
    overhangCaption_->setVisible(overhang);
    toolButton("Command29")->setVisible(overhang);
    const BarHeadings h = barHeadings(type);
    writeLabels({{"Label40", h.label40}, {"Label41", h.label41}});
    return true;
}

void BeamWindow::pressGrade(SteelGrade g) {
    writeLabels({{"Label50", gradeButton(g).caption}});
    setInputHeight(kMaterialsHeight);
}

Diagnostics BeamWindow::checkField(std::string_view field, const FieldSet& fields) {
    if (field == "Text1") {
        if (calculating()) {
            // Calculate writes "0" into an empty span: that is a report, not a new span,
            // so the load, section and estimator fields keep what the user typed.
            span_ = num(fields.get("Text1"));
            return {};
        }
        span_ = checkSpan(fields.get("Text1")).span;
    }
    return beamFieldRule(field, fields, memberType());
}

void BeamWindow::beforeCalculate() { setInputHeight(kInputsHeight); }

void registerWindows() {
    ui::WindowRegistry::instance().add(kWindowId, [] { return new BeamWindow; });
}

}  // namespace mx::beam
