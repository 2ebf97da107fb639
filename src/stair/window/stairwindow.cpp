#include "stair/window/stairwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "stair/stair_module.h"
#include "stair/stair_form.h"
#include "stair/stair_sheet.h"
#include "stair/window/stair_pictures.h"
#include "ui/fields.h"
#include "ui/picklist.h"
#include "ui/registry.h"

namespace mx::stair {

using ui::qs;
using ui::ToolAction;
using ui::ToolPicture;

namespace {

constexpr ui::MemberWindowId kWindowId{"ST01", "stair", "sthelp"};

constexpr const char* kInputPanel = "Frame2";
constexpr const char* kTypePanel = "Frame3";
constexpr const char* kResultPanel = "Frame4";
constexpr const char* kTitlePanel = "Frame5";

// Live loads on stairs by the use of the building (building-control regulation), kg/m2.
constexpr ui::PickRow kLiveLoadRows[] = {
    {"บันไดที่พักอาศัย โรงเรียนอนุบาล 150", 150},
    {"บันไดอาคารชุด หอพัก โรงแรม สำนักงาน ธนาคาร 300", 300},
    {"บันไดอาคารพาณิชย์ มหาวิทยาลัย วิทยาลัย โรงเรียน โรงพยาบาล 400", 400},
    {"บันได ตลาด อาคารสรรพสินค้า ห้องประชุม หอประชุม 500", 500},
    {"บันไดโรงมหรสพ ภัตตาคาร ห้องสมุด หอสมุด 500", 500},
};
// Bar sizes, mm, for the main and the temperature bars alike.
constexpr ui::PickRow kBarRows[] = {
    {" 6 มม.", 6}, {" 9 มม.", 9}, {"10 มม.", 10}, {"12 มม.", 12}, {"15 มม.", 15}, {"16 มม.", 16},
};

// Input rows: field and the caption's object name. Text1's caption names the span the
// chosen type has (set by the type buttons).
const std::vector<ui::FieldRow> kInputRows = {
    {"Text1", "Label2"}, {"Text2"}, {"Text3"}, {"Text4"},  {"Text5"},
    {"Text6", "Label7"}, {"Text7"}, {"Text18"}, {"Text19"},
};
// Grid rows of the fields with an aid beside them.
constexpr int kLiveLoadRow = 1, kMainBarRow = 4, kTempBarRow = 5, kDeadFactorRow = 7, kLiveFactorRow = 8;

const std::vector<ui::FieldRow> kMaterialRows = {{"Text9"}, {"Text10"}, {"Text11"}};

// The result panel in two columns: the loads, moment and constants; then the steel,
// shear and bond.
constexpr const char* kLeftResults[] = {"Label11", "Label12", "Label13", "Label14", "Label15", "Label16",
                                        "Label18", "Label17", "Label23", "Label24", "Label25", "Label26"};
constexpr const char* kRightResults[] = {"Label27", "Label28", "Label30", "Label31", "Label32", "Label33", "Label34",
                                         "Label36", "Label37", "Label38", "Label39", "Label40", "Label41", "Label42"};
// The factor as entered stands in the gap of its row's caption.
struct FactorLabel {
    const char* row;
    const char* factor;
};
constexpr FactorLabel kFactorLabels[] = {{"Label14", "Label64"}, {"Label16", "Label65"}};

const char* resultCaption(std::string_view label) {
    for (const ResultCaption& c : kStairResultCaptions)
        if (label == c.label) return c.caption;
    return nullptr;
}

ui::MemberWindowDesign stairDesign() {
    ui::MemberWindowDesign d;
    d.id = kWindowId;
    d.icon = stairTypePixmap(kFlatAlong, QSize(32, 32));
    d.exitQuestion =
        Message{"คุณแน่ใจหรือว่าจะออกจากการออกแบบบันได?", "ออกจากโปรแกรมออกแบบบันได", Icon::Critical};
    d.printQuestion = stairPrintQuestion();
    d.check = checkStairField;
    d.toolbar = {
        {"Command2", ToolPicture::Input, "เลือกแบบของบันได", ToolAction::None, false, nullptr, {kInputPanel}},
        {"Command7", ToolPicture::Input, "ป้อนข้อมูล", ToolAction::None, false, nullptr, {kInputPanel},
         {kResultPanel, kTitlePanel}},
        {"Command13", ToolPicture::Calculate, "คำนวณ", ToolAction::Calculate},
        {"Command9", ToolPicture::Listing, "ดูรายการคำนวณ", ToolAction::None, true, nullptr, {kResultPanel},
         {kInputPanel, kTitlePanel}},
        // The figure stands beside the inputs: what is drawn can be read against them.
        {"Command11", ToolPicture::Draw, "เขียนแบบบันได", ToolAction::Draw},
        {"Command12", ToolPicture::Erase, "ลบแบบ", ToolAction::Erase},
    };
    ui::appendGradeButtons(d.toolbar, {"Command3", "Command4", "Command5", "Command6"});
    d.toolbar.insert(d.toolbar.end(), {
        {"Command17", ToolPicture::Calculate, "เปลี่ยนค่า SAFTY FACTOR"},
        {"Command10", ToolPicture::Project, "ใส่ชื่อวิศวกร-โครงการ", ToolAction::None, true, nullptr, {kTitlePanel}},
        {"Command15", ToolPicture::Print, "ใส่ชื่อวิศวกร-โครงการ", ToolAction::None, true, nullptr, {kTitlePanel}},
    });
    ui::appendToolbarTail(d.toolbar, {"Command8", "Command16", "Command14", "Command1", "แนะนำการใช้โปรแกรม"});
    d.resultPanel = kResultPanel;
    d.materials = {.panel = kInputPanel, .inputsHeight = 5000, .materialsHeight = 6735};
    d.panels = {
        {kInputPanel, ui::PanelPlace::Inputs, true, d.materials.inputsHeight},
        {kResultPanel, ui::PanelPlace::OverDrawing, false},
        {kTitlePanel, ui::PanelPlace::OverDrawing, false},
    };
    d.titleBlock = {kTitlePanel, "Command26", "Command25"};
    return d;
}

}  // namespace

StairWindow::StairWindow(QWidget* parent) : MemberWindow(stairDesign(), parent) {
    assemble();
    toolButton("Command2")->setIcon(QIcon(stairTypePixmap(kNoType, QSize(38, 38))));  // no type chosen yet
    toolButton("Command17")->setIcon(QIcon(loadFactorPixmap(QSize(38, 38))));
    addToolbarCaption("Label1", QString::fromUtf8(kNoTypeCaption), ui::kHeadingColour);
    addVerdictCaption(kVerdictLabel, QString::fromUtf8(kVerdictCaption));
    connect(toolButton("Command2"), &QPushButton::clicked, this, [this] { typePanel_->show(); });
    connect(toolButton("Command7"), &QPushButton::clicked, this,
            [this] { showMaterials(false); });
    // Back to the usual load factors of the working-stress design.
    connect(toolButton("Command17"), &QPushButton::clicked, this, [this] {
        field("Text18")->setText(QStringLiteral("1.7"));
        field("Text19")->setText(QStringLiteral("2"));
    });
}

void StairWindow::buildPanels() {
    buildInputPanel();
    buildResultPanel();
}

void StairWindow::buildInputPanel() {
    QFrame* p = panel(kInputPanel);
    QVBoxLayout* column = panelLayout(p);

    // The type buttons, in a panel of their own that closes once a type is chosen.
    typePanel_ = new QFrame(p);
    typePanel_->setObjectName(QString::fromLatin1(kTypePanel));
    typePanel_->setFrameShape(QFrame::StyledPanel);
    auto* types = new QHBoxLayout(typePanel_);
    types->setContentsMargins(6, 4, 6, 4);
    types->setSpacing(6);
    for (const StairTypeInfo& t : kStairTypes) {
        QPushButton* b = addPictureButton(typePanel_, t.button, stairTypePixmap(t.code, QSize(50, 50)),
                                          QString::fromUtf8(t.tooltip), 58);
        const int code = t.code;
        connect(b, &QPushButton::clicked, this, [this, code] { chooseType(code); });
        types->addWidget(b);
    }
    types->addStretch(1);
    column->addWidget(typePanel_);

    QGridLayout* grid = addFieldRows(p, kInputRows);
    QPushButton* c27 = addHelpButton(p, "Command27");
    QPushButton* c22 = addHelpButton(p, "Command22");
    QPushButton* c23 = addHelpButton(p, "Command23");
    grid->addWidget(c27, kLiveLoadRow, 2);
    grid->addWidget(c22, kMainBarRow, 2);
    grid->addWidget(c23, kTempBarRow, 2);

    // The lists open over the panel beside their buttons; choosing a row writes it and
    // closes the list. The live-load rows are long: that list opens under its row.
    auto pickList = [this, p](const char* name, const auto& rows, const char* target, int shown,
                              QPushButton* button) {
        QListWidget* list = addPickList(p, name, ui::pickItems(rows), target, [this, name] {
            findChild<QListWidget*>(QString::fromLatin1(name))->hide();
        });
        ui::makeFloatingList(list, shown);
        lists_.push_back(list);
        connect(button, &QPushButton::clicked, this, [this, list, button] { ui::openListBeside(lists_, list, button); });
        return list;
    };
    pickList("List1", kBarRows, "Text5", 6, c22);
    QListWidget* list2 = pickList("List2", kBarRows, "Text6", 6, c23);

    QPushButton* dl = ui::makeButton(p, "Command21", QStringLiteral("DL"), QStringLiteral("นน.บันได"));
    QPushButton* ll = ui::makeButton(p, "Command28", QStringLiteral("LL"), QStringLiteral("นน.จรบนบันได"));
    dl->setFixedWidth(44);
    ll->setFixedWidth(44);
    connect(dl, &QPushButton::clicked, this, [this] { field("Text18")->setText(QStringLiteral("1")); });
    connect(ll, &QPushButton::clicked, this, [this] { field("Text19")->setText(QStringLiteral("1")); });
    grid->addWidget(dl, kDeadFactorRow, 2, Qt::AlignLeft);
    grid->addWidget(ll, kLiveFactorRow, 2, Qt::AlignLeft);

    pickList("List3", kLiveLoadRows, "Text2", 5, c27);

    // The temperature-bar row: the folded plate hides it, and it stays hidden whatever
    // the panel's height, since the frame only shows and hides whole row groups.
    tempBarRow_ = {findChild<QWidget*>(QStringLiteral("Label7")), field("Text6"), c23};
    tempBarList_ = list2;

    // The material heading: a click (or its help button) uncovers the materials, a
    // double-click covers them again.
    QWidget* materials =
        addMaterialRows("Command24", "Label8", QStringLiteral("*ค่าหน่วยแรงของคอนกรีตและเหล็กที่ใช้คำนวณ"));
    alignFields(addFieldRows(materials, kMaterialRows), grid);
    QLabel* label22 = addLabel(materials, "Label22", QString::fromUtf8(kStairGrades[0].caption));
    ui::asPrompt(label22);
    panelLayout(materials)->addWidget(label22);
}

void StairWindow::buildResultPanel() {
    QFrame* p = panel(kResultPanel);
    QGridLayout* grid = addResultGrid(p, "Label10");
    auto addRows = [this, p, grid](const auto& labels, int col) {
        int r = 0;
        for (const char* name : labels) {
            QLabel* value = addValueLabel(p, name);
            value->setMinimumWidth(84);
            const QString caption = QString::fromUtf8(resultCaption(name) ? resultCaption(name) : "");
            const FactorLabel* factor = nullptr;
            for (const FactorLabel& f : kFactorLabels)
                if (std::string_view(name) == f.row) factor = &f;
            if (factor) {
                // "คิด [factor] เท่า รวม นน. =": the caption's gap holds the factor.
                const QString simplified = caption.simplified();
                const qsizetype gap = simplified.indexOf(QLatin1Char(' '));
                auto* row = new QHBoxLayout;
                row->setSpacing(4);
                row->addStretch(1);
                row->addWidget(new QLabel(simplified.left(gap), p));
                QLabel* f = addValueLabel(p, factor->factor);
                f->setMinimumWidth(0);
                f->setFixedWidth(44);
                row->addWidget(f);
                row->addWidget(new QLabel(simplified.mid(gap + 1), p));
                grid->addLayout(row, r, col);
            } else {
                auto* l = new QLabel(caption, p);
                l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grid->addWidget(l, r, col);
            }
            grid->addWidget(value, r, col + 1);
            ++r;
        }
    };
    addRows(kLeftResults, 0);
    addRows(kRightResults, 2);
    grid->setColumnMinimumWidth(2, 8);
    p->findChild<QLabel*>(QStringLiteral("Label32"))->setToolTip(QString::fromUtf8(kRecommendedThicknessTip));
}

bool StairWindow::showMemberType(int type) {
    const StairTypeInfo* info = stairTypeInfo(type);
    if (!info) return false;
    writeLabels({{"Label1", info->typeCaption}, {"Label2", info->spanCaption}});
    for (QWidget* w : tempBarRow_) w->setVisible(info->showsTempBar);
    if (!info->showsTempBar) tempBarList_->hide();  // the list opens only from its button
    toolButton("Command2")->setIcon(QIcon(stairTypePixmap(type, QSize(38, 38))));
    typePanel_->hide();
    return true;
}

void StairWindow::pressGrade(SteelGrade g) {
    writeLabels({{"Label22", stairGrade(g).caption}});
}

void registerWindows() {
    ui::WindowRegistry::instance().add(kWindowId, [] { return new StairWindow; });
}

}  // namespace mx::stair
