#include "slab/window/slabwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "slab/slab_module.h"
#include "slab/slab_form.h"
#include "slab/slab_sheet.h"
#include "slab/window/slab_pictures.h"
#include "ui/fields.h"
#include "ui/picklist.h"
#include "ui/registry.h"

namespace mx::slab {

using ui::qs;
using ui::ToolAction;
using ui::ToolPicture;

namespace {

constexpr ui::MemberWindowId kWindowId{"slab", "slab", "shelp"};

constexpr const char* kInputPanel = "Frame2";
constexpr const char* kLiveLoadPanel = "Frame3";
constexpr const char* kBarSizePanel = "Frame4";
constexpr const char* kResultPanel = "Frame5";
constexpr const char* kTitlePanel = "Frame6";

struct ContinuityButton {
    int continuityCase;
    const char* button;
    const char* tooltip;
};
constexpr ContinuityButton kContinuityButtons[] = {
    {kSingleSpan, "Command19", "พื้นช่วงเดี่ยว"},
    {kEndSpan, "Command20", "พื้นช่วงริมนอก"},
    {kInteriorSpan, "Command21", "พื้นช่วงกลาง"},
};

// Result rows: caption, the value label, and for the bar rows the spacing label.
struct ResultRow {
    const char* caption;
    const char* value;
    const char* spacing = nullptr;
};
constexpr ResultRow kResultRows[] = {
    {"ความหนาพื้นน้อยที่สุด / ซม. =", "Label18"},
    {"ลักษณะพื้น ?", "Label19"},
    {"อัตราส่วนด้านยาว / ด้านสั้น =", "Label20"},
    {"ความหนาของพื้น / ซม. =", "Label21"},
    {"นน.ของพื้น  กก. / ตร.ม. =", "Label22"},
    {"รวม นน.พื้น + นน.จร  กก. / ตร.ม. =", "Label23"},
    {"โมเมนต์บวก +M1  / กก.-เมตร =", "Label24"},
    {"ระยะ d  / ซม. =", "Label25"},
    {"โมเมนต์ลบ - M1 / กก.-ม. =", "Label26"},
    {"โมเมนต์ลบ - M2 / กก.-ม. =", "Label27"},
    {"โมเมนต์บวก +M2 / กก.-ม. =", "Label28"},
    {"-As1 พท.หน้าตัดเหล็กเสริมรับโมเมนต์ - M1 / ตร.ซม. =", "Label29"},
    {"-As2 พท.หน้าตัดเหล็กเสริมรับโมเมนต์ - M2 / ตร.ซม. =", "Label30"},
    {"+As พท.หน้าตัดเหล็กเสริมทางสั้น / ตร.ซม. =", "Label31"},
    {"+Ast พท.หน้าตัดเหล็กเสริมทางยาวกันร้าว / ตร.ซม. =", "Label32"},
    {"มม. เสริมบนทางสั้น(คอม้า)  ระยะห่าง / ซม.  @ =", "Label33", "Label37"},
    {"มม.เสริมบนทางยาว(คอม้า) ระยะห่าง / ซม. @ =", "Label34", "Label38"},
    {"มม. เสริมล่างทางยาวกันร้าว ระยะห่าง / ซม. @ =", "Label35", "Label39"},
    {"มม. เสริมล่างทางสั้น ระยะห่าง / ซม. @ =", "Label36", "Label40"},
};
// The fixed caption boxes beside the groups of result rows.
constexpr const char* kResultCaptionBoxes[] = {"Text14", "Text15", "Text16", "Text17"};

ui::MemberWindowDesign slabDesign() {
    ui::MemberWindowDesign d;
    d.id = kWindowId;
    d.memberName = "พื้น";
    d.icon = slabKindPixmap(kTwoWay, QSize(32, 32));
    d.exitQuestion = Message{"คุณแน่ใจหรือว่าจะออกจากการคำนวณออกแบบพื้น?", "ออกจากการออกแบบพื้น", Icon::Critical};
    d.printQuestion = slabPrintQuestion();
    d.check = checkSlabField;
    // The continuity caption states the case the field holds, however it got there.
    d.fieldCaptions = [](const FieldSet& f) {
        // Only a whole case number names a case; anything else (a typed 1e308, 2.5) keeps the
        // caption as it is rather than converting a number no int can hold.
        const double typed = f.num("Text6");
        if (!(typed >= 1 && typed <= 9) || typed != static_cast<int>(typed)) return FieldSet{};
        FieldSet scratch;
        const char* caption = pressSlabContinuity(scratch, static_cast<int>(typed));
        return caption ? FieldSet{{"Label5", caption}} : FieldSet{};
    };
    d.toolbar = {
        {"Command2", ToolPicture::Input, "เลือกลักษณะพื้น", ToolAction::None, false, nullptr, {kInputPanel},
         {kResultPanel, kTitlePanel}},
        {"Command7", ToolPicture::Input, "ป้อนข้อมูล", ToolAction::None, false, nullptr, {kInputPanel},
         {kResultPanel, kTitlePanel}},
        {"Command10", ToolPicture::DeformedBar, "เปลี่ยนขนาดเหล็กตะแกรง", ToolAction::None, true, nullptr,
         {kBarSizePanel}, {kResultPanel}},
        {"Command13", ToolPicture::Calculate, "คำนวณ", ToolAction::Calculate},
        {"Command9", ToolPicture::Listing, "รายการคำนวณ", ToolAction::None, true, nullptr, {kResultPanel},
         {kInputPanel, kBarSizePanel, kTitlePanel}},
        {"Command11", ToolPicture::Draw, "เขียนแบบพื้น", ToolAction::Draw},
        {"Command12", ToolPicture::Erase, "ลบแบบ", ToolAction::Erase},
    };
    ui::appendGradeButtons(d.toolbar, {"Command3", "Command4", "Command5", "Command6"});
    d.toolbar.insert(d.toolbar.end(), {
        {"Command8", ToolPicture::Project, "วิศวกร-โครงการ", ToolAction::None, false, nullptr, {kTitlePanel},
         {kBarSizePanel, kResultPanel}},
        {"Command15", ToolPicture::Print, "วิศวกร-โครงการ", ToolAction::None, false, nullptr, {kTitlePanel},
         {kBarSizePanel, kResultPanel}},
    });
    ui::appendToolbarTail(d.toolbar, {"Command14", "Command16", "Command23"});
    d.resultPanel = kResultPanel;
    d.materials = {.panel = kInputPanel, .inputsHeight = 4335, .materialsHeight = 6735};
    d.panels = {
        {kInputPanel, ui::PanelPlace::Inputs, true, d.materials.inputsHeight},
        {kLiveLoadPanel, ui::PanelPlace::OverDrawing, false},
        {kBarSizePanel, ui::PanelPlace::OverDrawing, false},
        {kResultPanel, ui::PanelPlace::OverDrawing, false},
        {kTitlePanel, ui::PanelPlace::OverDrawing, false},
    };
    d.titleBlock = {kTitlePanel, "Command24", "Command34"};
    return d;
}

}  // namespace

SlabWindow::SlabWindow(QWidget* parent) : MemberWindow(slabDesign(), parent) {
    assemble();
    toolButton("Command2")->setIcon(QIcon(slabKindPixmap(kNoSlabKind, QSize(38, 38))));  // no kind chosen yet
    addToolbarCaption("Label11", QString(), ui::kHeadingColour);
    addVerdictCaption("Label48", QStringLiteral("สรุปผลการออกแบบพื้น ?"));
    // Changing the bar sizes starts again from the usual load factors.
    connect(toolButton("Command10"), &QPushButton::clicked, this, [this] {
        field("Text23")->setText(QStringLiteral("1.7"));
        field("Text24")->setText(QStringLiteral("2"));
    });
}

void SlabWindow::buildPanels() {
    buildInputPanel();
    buildLiveLoadPanel();
    buildBarSizePanel();
    buildResultPanel();
}

void SlabWindow::buildInputPanel() {
    QFrame* p = panel(kInputPanel);
    QVBoxLayout* column = panelLayout(p);

    // Kind and continuity, each picture button with the caption of the choice.
    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(4);
    QPushButton* twoWay = addPictureButton(p, "Command17", slabKindPixmap(kTwoWay, QSize(44, 44)),
                                           QStringLiteral("พื้นเหล็ก 2 ทาง"), 50);
    QPushButton* canopy = addPictureButton(p, "Command18", slabKindPixmap(kCantilever, QSize(44, 44)),
                                           QStringLiteral("พื้นยื่น"), 50);
    connect(twoWay, &QPushButton::clicked, this, [this] { chooseKind(kTwoWay); });
    connect(canopy, &QPushButton::clicked, this, [this] { chooseKind(kCantilever); });
    choices->addWidget(twoWay, 0, 0);
    choices->addWidget(canopy, 0, 1);
    int col = 2;
    for (const ContinuityButton& c : kContinuityButtons) {
        QPushButton* b = addPictureButton(p, c.button, continuityPixmap(c.continuityCase, QSize(44, 44)),
                                          QString::fromUtf8(c.tooltip), 50);
        const int cc = c.continuityCase;
        connect(b, &QPushButton::clicked, this, [this, cc] { chooseContinuity(cc); });
        choices->addWidget(b, 0, col++);
    }
    choices->setColumnStretch(col, 1);
    FieldSet start = slabDefaultFields();
    QLabel* label5 = addLabel(p, "Label5", QString::fromUtf8(pressSlabContinuity(start, static_cast<int>(start.num("Text6")))));
    ui::asPrompt(label5);
    choices->addWidget(label5, 1, 0, 1, col + 1);
    column->addLayout(choices);

    QGridLayout* grid =
        addFieldRows(p, {{"Text1"}, {"Text2"}, {"Text3"}, {"Text4"}, {"Text5"}, {"Text6"}, {"Text23"}, {"Text24"}});
    // Aids beside their fields: the live-load table, the one mesh size, the factors.
    QPushButton* c27 = addHelpButton(p, "Command27");
    ui::ClickLabel* label6 = addClickLabel(p, "Label6", QStringLiteral("ตาราง นน.จร"));
    auto showLiveLoads = [this] { showPanel(kLiveLoadPanel); };
    connect(c27, &QPushButton::clicked, this, showLiveLoads);
    connect(label6, &ui::ClickLabel::clicked, this, showLiveLoads);
    auto* aid = new QHBoxLayout;
    aid->addWidget(c27);
    aid->addWidget(label6);
    aid->addStretch(1);
    grid->addLayout(aid, 0, 2);

    QPushButton* c26 = ui::makeButton(p, "Command26", QStringLiteral("เท่ากันหมด"),
                                      QStringLiteral("กำหนดขนาดเหล็กตะแกรงเท่ากันหมด"));
    grid->addWidget(c26, 4, 2, Qt::AlignLeft);
    // The list floats over the window beside its button, clear of the factor buttons
    // under it in the panel.
    list2_ = addPickList(this, "List2", ui::pickItems(kBarSizeList), "Text5", [this] { list2_->hide(); });
    ui::makeFloatingList(list2_, 6);
    connect(c26, &QPushButton::clicked, this, [this, c26] { ui::openListBeside({list2_}, list2_, c26); });
    QPushButton* dl = ui::makeButton(p, "Command35", QStringLiteral("DL"), QStringLiteral("นน.พื้นจริง"));
    QPushButton* ll = ui::makeButton(p, "Command36", QStringLiteral("LL"), QStringLiteral("นน.จร บนพื้นจริง"));
    dl->setFixedWidth(44);
    ll->setFixedWidth(44);
    connect(dl, &QPushButton::clicked, this, [this] { field("Text23")->setText(QStringLiteral("1")); });
    connect(ll, &QPushButton::clicked, this, [this] { field("Text24")->setText(QStringLiteral("1")); });
    grid->addWidget(dl, 6, 2, Qt::AlignLeft);
    grid->addWidget(ll, 7, 2, Qt::AlignLeft);

    label12_ = addClickLabel(p, "Label12", QStringLiteral("***เปลี่ยนขนาดเหล็กตะแกรง"));
    label12_->opensAndCloses([this] { showPanel(kBarSizePanel); }, [this] { hidePanel(kBarSizePanel); });
    column->addWidget(label12_);
    ui::ClickLabel* label7 = addClickLabel(p, "Label7", QStringLiteral("***ค่ามาตรฐานคอนกรีต และเหล็กที่ใช้คำนวณ"));
    column->addWidget(label7);

    // The materials, uncovered by the taller panel.
    QWidget* materials = addMaterialRows(label7);
    alignFields(addFieldRows(materials, {{"Text7"}, {"Text8"}, {"Text9"}}), grid);
    QLabel* label17 = addLabel(materials, "Label17");
    ui::asPrompt(label17);
    panelLayout(materials)->addWidget(label17);
}

void SlabWindow::buildLiveLoadPanel() {
    QFrame* p = panel(kLiveLoadPanel);
    QVBoxLayout* column = panelLayout(p);
    column->addWidget(ui::asHeading(addLabel(p, "Label49", QStringLiteral("เลือก นน.จรเฉลี่ย ตาม พรบ.ควบคุมอาคาร"))));
    QListWidget* list = addPickList(p, "List1", ui::pickItems(kLiveLoadList), "Text1");
    list->setMinimumHeight(list->sizeHintForRow(0) * 14);
    column->addWidget(list);
    QPushButton* ok = ui::makeButton(p, "Command22", QStringLiteral("ตกลง"));
    connect(ok, &QPushButton::clicked, this, [this] { hidePanel(kLiveLoadPanel); });
    column->addWidget(ok, 0, Qt::AlignRight);
}

void SlabWindow::buildBarSizePanel() {
    QFrame* p = panel(kBarSizePanel);
    QVBoxLayout* column = panelLayout(p);
    struct BarRow {
        const char* field;
        const char* captionName;
        const char* button;
        const char* list;
    };
    const BarRow rows[] = {
        {"Text10", "Label13", "Command28", "List3"},
        {"Text11", "Label14", "Command29", "List4"},
        {"Text12", "Label15", "Command30", "List5"},
        {"Text13", "Label16", "Command31", "List6"},
    };
    std::vector<ui::FieldRow> fieldRows;
    for (const BarRow& r : rows) fieldRows.push_back({r.field, r.captionName});
    QGridLayout* grid = addFieldRows(p, fieldRows);
    QPushButton* ok = ui::makeButton(p, "Command25", QStringLiteral("ตกลง"));
    int i = 0;
    for (const BarRow& r : rows) {
        QPushButton* b = addHelpButton(p, r.button);
        grid->addWidget(b, i++, 2);
        QListWidget* list = addPickList(p, r.list, ui::pickItems(kBarSizeList), r.field);
        ui::makeFloatingList(list, 6);
        barLists_.push_back(list);
        connect(b, &QPushButton::clicked, this, [this, list, b, ok] { ui::openListBeside(barLists_, list, b, ok); });
    }
    // Room right of the aids for a list to open beside its button.
    grid->setColumnMinimumWidth(3, barLists_.front()->minimumWidth() + 12);
    connect(ok, &QPushButton::clicked, this, [this] { hidePanel(kBarSizePanel); });
    column->addWidget(ok, 0, Qt::AlignRight);
}

void SlabWindow::buildResultPanel() {
    QFrame* p = panel(kResultPanel);
    QGridLayout* grid = addResultGrid(p);
    int r = 0;
    for (const ResultRow& row : kResultRows) {
        if (row.spacing) {
            // Bar size, what it is, and its spacing.
            QLabel* size = addValueLabel(p, row.value);
            size->setMinimumWidth(0);
            size->setFixedWidth(44);
            grid->addWidget(size, r, 0, Qt::AlignRight);
            auto* caption = new QLabel(QString::fromUtf8(row.caption), p);
            grid->addWidget(caption, r, 1);
            grid->addWidget(addValueLabel(p, row.spacing), r, 2);
        } else {
            auto* caption = new QLabel(QString::fromUtf8(row.caption), p);
            caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(caption, r, 0, 1, 2);
            grid->addWidget(addValueLabel(p, row.value), r, 2);
        }
        ++r;
    }
    // The caption boxes of the form keep their names for whoever looks them up.
    for (const char* name : kResultCaptionBoxes) {
        auto* box = new QWidget(p);
        box->setObjectName(QString::fromLatin1(name));
        box->hide();
    }
    p->findChild<QLabel*>(QStringLiteral("Label18"))->setToolTip(QStringLiteral("ความหนาพื้นน้อยที่สุด"));
    p->findChild<QLabel*>(QStringLiteral("Label19"))->setMinimumWidth(260);
}

bool SlabWindow::showMemberType(int kind) {
    if (kind != kCantilever && kind != kTwoWay) return false;
    writeLabels({{"Label11", slabKindCaption(kind)}});
    toolButton("Command2")->setIcon(QIcon(slabKindPixmap(kind, QSize(38, 38))));
    return true;
}

void SlabWindow::chooseContinuity(int continuityCase) {
    FieldSet f;
    if (!pressSlabContinuity(f, continuityCase)) return;
    field("Text6")->setText(qs(f.get("Text6")));  // its caption follows the field
}

void SlabWindow::pressGrade(SteelGrade g) {
    writeLabels({{"Label17", slabGradeCaption(g)}});
    minSteelRatio_ = slabMinSteelRatio(g);
}

void SlabWindow::afterPrinting() {
    const SlabDesignOutcome* last = lastOutcome();
    if (!last || last->result.slabKind != kCantilever) return;
    // A canopy's sheet is out: the window starts the next design as a two-way slab
    // with no continuity chosen, which designs as a single span; field, caption and
    // picture say so, so that what it shows is what it designs. The kept record says
    // so too, should it be drawn before the next Calculate.
    SlabDesignOutcome reset = *last;
    resetAfterCantileverPrint(reset.result);
    ModuleRun run = *lastRun();
    addSlabPages(run, std::move(reset));
    keepRun(std::move(run));
    chooseContinuity(kSingleSpan);
    chooseKind(kTwoWay);
}

void registerWindows() {
    ui::WindowRegistry::instance().add(kWindowId, [] { return new SlabWindow; });
}

}  // namespace mx::slab
