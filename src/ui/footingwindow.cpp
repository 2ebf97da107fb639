#include "ui/footingwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/fields.h"
#include "ui/picturepaint.h"

namespace mx::ui {

namespace {

// Both footing windows ask the same question before closing.
const Message kExitQuestion{"คุณแน่ใจหรือว่าจะเลิกจากการออกแบบฐานราก?", "เลิกการออกแบบฐานราก ค.ส.ล.", Icon::Critical};

// Width of the column of help buttons beside the fields, in pixels.
constexpr int kAidColumn = 48;

MemberWindowDesign memberDesign(const FootingWindowDesign& f) {
    using P = FootingWindow;
    MemberWindowDesign d = f;  // the frame's own part of the record
    d.icon = f.picture(QSize(32, 32));
    d.exitQuestion = kExitQuestion;
    d.printQuestion = footingPrintQuestion();
    d.titleBlock = f.layout.titleBlock;
    d.materials = {P::kInputPanel, f.layout.inputsHeight, f.layout.materialsHeight};
    const bool e = f.titleButtonsErase;
    d.toolbar = {
        {"Command2", ToolPicture::Input, f.designTooltip, ToolAction::None, false, nullptr, {P::kInputPanel},
         {P::kResultPanel}},
        {"Command7", ToolPicture::Input, "ป้อนข้อมูล", ToolAction::None, false, nullptr, {P::kInputPanel},
         {P::kResultPanel}},
        {"Command13", ToolPicture::Calculate, "คำนวณ", ToolAction::Calculate},
        {"Command9", ToolPicture::Listing, "ดูรายการคำนวณ", ToolAction::None, true, nullptr, {P::kResultPanel},
         {P::kInputPanel, P::kTitlePanel}},
        {"Command11", ToolPicture::Draw, "เขียนแบบฐานราก", ToolAction::Draw},
        {"Command12", ToolPicture::Erase, "ลบแบบ", ToolAction::Erase},
    };
    appendGradeButtons(d.toolbar, {"Command3", "Command4", "Command5", "Command6"},
                       [](SteelGrade g) { return footingGrade(g).tooltip; });
    d.toolbar.emplace_back(f.layout.allowanceResetButton, ToolPicture::Input, "เปลี่ยนค่า % นน.ฐานราก");
    d.toolbar.emplace_back("Command8", ToolPicture::Project, "วิศวกร-โครงการ", ToolAction::None, e, nullptr,
                           std::vector<const char*>{P::kTitlePanel});
    d.toolbar.emplace_back("Command15", ToolPicture::Print, "วิศวกร-โครงการ", ToolAction::None, e, nullptr,
                           std::vector<const char*>{P::kTitlePanel});
    appendToolbarTail(d.toolbar, {"Command10", "Command16", "Command14"});
    d.resultPanel = P::kResultPanel;
    d.panels = {
        {P::kInputPanel, PanelPlace::Inputs, true, f.layout.inputsHeight},
        {P::kResultPanel, PanelPlace::OverDrawing, false},
        {P::kTitlePanel, PanelPlace::OverDrawing, false},
    };
    d.inputColumnWidth = 540;
    return d;
}

// The footing's picture marked with a per cent sign: its self-weight allowance.
QPixmap allowancePixmap(QPixmap pm) {
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF badge(pm.width() * 0.45, 0, pm.width() * 0.55, pm.height() * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(badge);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(static_cast<int>(pm.height() * 0.4));
    p.setFont(f);
    p.setPen(QColor(160, 30, 30));
    p.drawText(badge, Qt::AlignCenter, QStringLiteral("%"));
    return pm;
}

int rowOf(const std::vector<FieldRow>& rows, const char* field) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (std::string_view(rows[i].field) == field) return static_cast<int>(i);
    return -1;
}

}  // namespace

QPixmap footingPicture(QSize size, double soilTop, const std::function<void(QPainter&)>& inSoil,
                       const QRectF& stub, const QRectF& footing, const std::function<void(QPainter&)>& bars,
                       double loadLength) {
    QPainter p;
    QPixmap pm = beginPicture(size, p);
    p.fillRect(QRectF(0, soilTop, 100, 100 - soilTop), QColor(196, 160, 110));
    inSoil(p);
    p.setPen(QPen(sketch::kInk, 1.5));
    p.setBrush(QColor(175, 178, 186));
    p.drawRect(stub);
    p.drawRect(footing);
    p.setPen(QPen(sketch::kSteel, 2.5));
    bars(p);
    p.setPen(QPen(QColor(30, 60, 160), 3));
    p.drawLine(QPointF(50, 0), QPointF(50, loadLength));
    p.end();
    return pm;
}

FootingWindow::FootingWindow(FootingWindowDesign design, QWidget* parent)
    : MemberWindow(memberDesign(design), parent),
      footing_(std::move(design)),
      designPicture_(footing_.picture(QSize(38, 38))) {}

void FootingWindow::buildPanels() {
    buildInputPanel();
    buildResultPanel();
}

void FootingWindow::assembleFooting() {
    assemble();
    toolButton("Command2")->setIcon(QIcon(designPicture_));
    toolButton(footing_.layout.allowanceResetButton)->setIcon(QIcon(allowancePixmap(designPicture_)));
    addVerdictCaption(footing_.layout.verdictLabel, QString::fromUtf8(footing_.initialVerdict));
    for (const char* b : {"Command2", "Command7"})
        connect(toolButton(b), &QPushButton::clicked, this, [this] { showInputs(); });
    connect(toolButton(footing_.layout.allowanceResetButton), &QPushButton::clicked, this,
            [this] { field(footing_.allowanceField)->setText(QString::fromLatin1(kFootingAllowanceUsual)); });
}

void FootingWindow::buildInputPanel() {
    const FootingWindowDesign& f = footing_;
    QFrame* p = panel(kInputPanel);
    QVBoxLayout* column = panelLayout(p);

    QGridLayout* grid = addFieldRows(p, f.inputRows);
    grid->setColumnMinimumWidth(2, kAidColumn);
    // The mesh-size list beside the fields, opened by the help button of its field.
    const int barRow = rowOf(f.inputRows, f.barField);
    QPushButton* barButton = addHelpButton(p, f.layout.barButton);
    grid->addWidget(barButton, barRow, 2, Qt::AlignLeft);
    std::vector<PickItem> bars;
    for (const FootingBar& b : kFootingBarSizes) bars.push_back({b.text, std::to_string(b.db)});
    barList_ = addPickList(p, f.layout.barList, bars, f.barField, [this] { barList_->hide(); });
    barList_->setFixedHeight(barList_->sizeHintForRow(0) * 6 + 2 * barList_->frameWidth());
    barList_->hide();
    grid->addWidget(barList_, 0, 3, static_cast<int>(f.inputRows.size()), 1, Qt::AlignTop);
    connect(barButton, &QPushButton::clicked, this, [this] {
        barList_->show();
        barList_->raise();
    });
    // The allowance: the small value from the panel, the usual one from the toolbar.
    QPushButton* small = makeButton(p, f.layout.allowanceSmallButton, QString::fromLatin1(kFootingAllowanceSmall) + "%",
                                    QStringLiteral("นน.ฐานราก"));
    small->setFixedWidth(44);
    grid->addWidget(small, rowOf(f.inputRows, f.allowanceField), 2, Qt::AlignLeft);
    connect(small, &QPushButton::clicked, this,
            [this] { field(footing_.allowanceField)->setText(QString::fromLatin1(kFootingAllowanceSmall)); });

    buildAids(p, grid);

    // The material caption opens the taller panel; a double-click closes it again.
    auto* materialRow = new QHBoxLayout;
    materialCaption_ = addClickLabel(p, f.layout.materialCaption, QStringLiteral("***ค่ามาตรฐานของคอนกรีตและเหล็กที่ใช้คำนวณ"));
    QPushButton* materialButton = addHelpButton(p, f.layout.materialButton);
    materialRow->addWidget(materialCaption_);
    materialRow->addWidget(materialButton);
    materialRow->addStretch(1);
    column->addLayout(materialRow);

    QWidget* materials = addMaterialRows(materialCaption_, materialButton);
    // The material fields stand under the fields above, clear of the aids' column and
    // of the spacing before the list column.
    QGridLayout* materialGrid = addFieldRows(materials, f.materialRows);
    materialGrid->addItem(new QSpacerItem(kAidColumn + grid->horizontalSpacing(), 0), 0, 2);
    QLabel* grade = addLabel(materials, f.layout.gradeLabel, QString::fromUtf8(footingGrade(SteelGrade::SR24).caption));
    asPrompt(grade);
    panelLayout(materials)->addWidget(grade);
}

void FootingWindow::buildResultPanel() {
    const FootingWindowDesign& f = footing_;
    QFrame* p = panel(kResultPanel);
    QVBoxLayout* column = panelLayout(p);
    // The summary box: its heading, then each line with its value beside it.
    auto* box = new QFrame(p);
    box->setObjectName(QString::fromLatin1(f.layout.summaryBox));
    box->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    auto* heading = new QLabel(QString::fromUtf8(f.summaryHeading), box);
    asHeading(heading);
    grid->addWidget(heading, 0, 0, 1, 2);
    int r = 1;
    std::vector<QLabel*> extra;
    for (const FootingWindowDesign::ResultRow& row : f.resultRows) {
        if (*row.line == '\0') {
            extra.push_back(addValueLabel(box, row.label));
            continue;
        }
        auto* caption = new QLabel(QString::fromUtf8(row.line), box);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, r, 0);
        grid->addWidget(addValueLabel(box, row.label), r, 1);
        ++r;
    }
    if (!extra.empty()) {
        auto* caption = new QLabel(QString::fromUtf8(f.extraRowCaption), box);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, r, 0);
        auto* values = new QHBoxLayout;
        for (QLabel* v : extra) {
            v->setMinimumWidth(0);
            values->addWidget(v);
        }
        grid->addLayout(values, r, 1);
    }
    column->addWidget(box);
}

void FootingWindow::pressGrade(SteelGrade g) {
    // The description's grade button has written fs.
    writeLabels({{footing_.layout.gradeLabel, footingGrade(g).caption}});
}

void FootingWindow::showInputs() {
    showMaterials(false);
    closeAids();
}

}  // namespace mx::ui
