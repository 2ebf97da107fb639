#include "pile/window/pilememberwindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "pile/pile_sheet.h"
#include "ui/fields.h"

namespace mx::pile {

using ui::PanelPlace;
using ui::ToolAction;
using ui::ToolPicture;

namespace {

ui::MemberWindowDesign memberDesign(const PileWindowDesign& p) {
    using W = PileMemberWindow;
    ui::MemberWindowDesign d = p;  // the frame's own part of the record
    d.icon = pilePixmap(PilePicture::Prestressed, 32);
    d.printQuestion = sheetQuestion();
    d.toolbar = {{"Command13", ToolPicture::Calculate, "คำนวณ", ToolAction::Calculate}};
    // A type button also brings the inputs back, where the type shows.
    for (const TypeButton& t : p.types)
        d.toolbar.emplace_back(t.toolbarButton, ToolPicture::Input, t.tooltip, ToolAction::None, false, nullptr,
                               std::vector<const char*>{W::kInputPanel});
    d.toolbar.emplace_back("Command2", ToolPicture::Input, p.chooseTypeCaption, ToolAction::None, false, nullptr,
                           std::vector<const char*>{W::kInputPanel});
    d.toolbar.emplace_back("Command7", ToolPicture::Input, "ป้อนข้อมูล", ToolAction::None, false, nullptr,
                           std::vector<const char*>{W::kInputPanel});
    d.toolbar.emplace_back("Command9", ToolPicture::Listing, "ดูผลการคำนวณ", ToolAction::None, false, nullptr,
                           std::vector<const char*>{W::kInputPanel});
    d.toolbar.emplace_back("Command8", ToolPicture::Project, "วิศวกร-โครงการ", ToolAction::None, false, nullptr,
                           std::vector<const char*>{W::kTitlePanel});
    d.toolbar.emplace_back("Command15", ToolPicture::Print, "วิศวกร-โครงการ", ToolAction::None, false, nullptr,
                           std::vector<const char*>{W::kTitlePanel});
    ui::appendToolbarTail(d.toolbar, {"Command10", "Command16", "Command14"});
    ui::PanelSpec inputs{W::kInputPanel, PanelPlace::Inputs, true, p.layout.inputsHeight};
    inputs.sizedByHeight = true;
    inputs.clipsRows = true;
    d.panels = {inputs, {W::kTitlePanel, PanelPlace::OverDrawing, false}};
    d.titleBlock = p.layout.titleBlock;
    d.inputColumnWidth = p.layout.inputColumnWidth;
    d.captionsInToolbar = true;
    d.resultPanel = W::kResults;
    d.drawing = false;
    return d;
}

}  // namespace

PileMemberWindow::PileMemberWindow(PileWindowDesign design, QWidget* parent)
    : MemberWindow(memberDesign(design), parent), pile_(std::move(design)) {}

void PileMemberWindow::assemblePile() {
    assemble();
    for (const TypeButton& t : pile_.types) {
        QPushButton* b = toolButton(t.toolbarButton);
        b->setIcon(QIcon(pilePixmap(t.picture)));
        connect(b, &QPushButton::clicked, this, [this, code = t.code] { chooseType(code); });
    }
    for (const char* b : {"Command2", "Command7"})
        connect(toolButton(b), &QPushButton::clicked, this, [this] { showInputs(); });
    connect(toolButton("Command9"), &QPushButton::clicked, this, [this] { showResults(); });
    addOutOfDateNote();
    // The results begin where the panel at its inputs height ends: that height shows
    // the inputs whole and nothing of the results.
    QVBoxLayout* column = panelLayout(panel(kInputPanel));
    column->activate();
    if (QWidget* results = findChild<QWidget*>(QString::fromLatin1(kResults))) {
        const int gap = ui::px(pile_.layout.inputsHeight) - results->y();
        if (gap > 0) column->insertSpacing(column->indexOf(results), gap);
    }
}

void PileMemberWindow::showInputs() { setPanelHeight(kInputPanel, pile_.layout.inputsHeight); }

void PileMemberWindow::showResults() { setPanelHeight(kInputPanel, pile_.layout.resultsHeight); }

std::vector<QPushButton*> PileMemberWindow::addTypeRow(QFrame* panel) {
    chosenType_ = ui::makeButton(panel, pile_.layout.chosenTypeButton, QStringLiteral("?"),  // no type chosen yet
                                 QString::fromUtf8(pile_.chosenTypeTooltip));
    chosenType_->setFixedSize(76, 76);
    chosenType_->setIconSize(QSize(66, 66));
    chosenType_->setFont(scaledFont(panel->font(), 2.2, true));
    QLabel* heading = addLabel(panel, pile_.layout.typeHeading, QString::fromUtf8(pile_.typeHeadingText));
    heading->setFont(scaledFont(panel->font(), 1.25, true));
    heading->setStyleSheet(QStringLiteral("color: #14448c;"));
    auto* buttons = new QHBoxLayout;
    std::vector<QPushButton*> made;
    for (const TypeButton& t : pile_.types) {
        QPushButton* b = addPictureButton(panel, t.panelButton, pilePixmap(t.picture, 48),
                                          QString::fromUtf8(t.tooltip), 48);
        connect(b, &QPushButton::clicked, this, [this, code = t.code] { chooseType(code); });
        buttons->addWidget(b);
        made.push_back(b);
    }
    buttons->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(heading);
    right->addLayout(buttons);
    auto* row = new QHBoxLayout;
    row->addWidget(chosenType_, 0, Qt::AlignTop);
    row->addLayout(right, 1);
    panelLayout(panel)->addLayout(row);
    return made;
}

QWidget* PileMemberWindow::addResults(QFrame* panel, const char* heading, const char* headingName) {
    auto* group = new QWidget(panel);
    group->setObjectName(QString::fromLatin1(kResults));
    panelLayout(panel)->addWidget(group);
    auto* rule = new QFrame(group);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    panelLayout(group)->addWidget(rule);
    QLabel* title = addLabel(group, headingName, QString::fromUtf8(heading));
    title->setFont(scaledFont(panel->font(), 1.15, true));
    title->setAlignment(Qt::AlignCenter);
    panelLayout(group)->addWidget(title);
    return group;
}

QLabel* PileMemberWindow::addResult(QWidget* parent, const char* name, const char* text) {
    QLabel* v = addValueLabel(parent, name);
    v->setText(QString::fromUtf8(text));
    v->setFont(scaledFont(parent->font(), 1.1, true));
    return v;
}

bool PileMemberWindow::showMemberType(int code) {
    const auto t = std::find_if(pile_.types.begin(), pile_.types.end(), [code](const TypeButton& b) { return b.code == code; });
    if (t == pile_.types.end()) return false;
    writeLabels({{pile_.layout.typeHeading, t->typeText}});
    for (std::size_t i = 0; i < sectionLists_.size(); ++i)
        sectionLists_[i]->setVisible(static_cast<int>(i) + 1 == t->list);
    showType(code);
    showChosenType(code);
    return true;
}

void PileMemberWindow::showChosenType(int code) {
    for (const TypeButton& t : pile_.types)
        if (t.code == code) {
            chosenType_->setText(QString());
            chosenType_->setIcon(toolButton(t.toolbarButton)->icon());
        }
}

void PileMemberWindow::setSectionLists(std::vector<QListWidget*> lists) {
    int widest = 0;
    for (const QListWidget* l : lists) widest = std::max(widest, l->minimumWidth());
    for (QListWidget* l : lists) l->setMinimumWidth(widest);
    for (std::size_t i = 1; i < lists.size(); ++i) lists[i]->hide();
    sectionLists_ = std::move(lists);
}

}  // namespace mx::pile
