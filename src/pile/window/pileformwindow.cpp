#include "pile/window/pileformwindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "common/titleblock.h"
#include "ui/fields.h"
#include "ui/prompter.h"
#include "ui/registry.h"

namespace mx::pile {

using ui::makeButton;
using ui::makeField;
using ui::makeLabel;
using ui::qs;

namespace {

QFrame* makePanel(QWidget* parent, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

}  // namespace

PileFormWindow::PileFormWindow(PileFormDesign design, QWidget* parent)
    : QWidget(parent, Qt::Window), design_(std::move(design)) {
    setObjectName(QString::fromLatin1(design_.name));
    setWindowTitle(qs(design_.caption));
    setWindowIcon(QIcon(pilePixmap(PilePicture::Prestressed, 32)));
    frame1_ = makePanel(this, "Frame1");
    frame2_ = makePanel(this, "Frame2");
    frame3_ = makePanel(this, "Frame3");
}

void PileFormWindow::assemble(const std::function<void(QFrame*)>& buildInputPanel) {
    buildToolbar(frame1_);
    buildInputPanel(frame2_);
    buildTitlePanel(frame3_);

    auto* panels = new QHBoxLayout;
    panels->addWidget(frame2_, 0, Qt::AlignTop);
    panels->addWidget(frame3_, 0, Qt::AlignTop);
    panels->addStretch(1);
    auto* main = new QVBoxLayout(this);
    main->addWidget(frame1_);
    main->addLayout(panels);
    main->addStretch(1);

    // One size whichever panels show: the title block opens beside the inputs into
    // room kept for it, and the results uncover below the inputs within the window.
    QSizePolicy keep = frame3_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    frame3_->setSizePolicy(keep);
    frame3_->hide();
    ui::setHeightTwips(frame2_, std::max(design_.inputsHeight, design_.resultsHeight));
    setFixedSize(sizeHint());
    ui::setHeightTwips(frame2_, design_.inputsHeight);
}

void PileFormWindow::buildToolbar(QFrame* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);
    int col = 0;
    for (const TypeButton& t : design_.types) {
        QPushButton* b = pictureButton(frame, t.toolbarButton, pilePixmap(t.picture), qs(t.tooltip), 58);
        const int code = t.code;
        connect(b, &QPushButton::clicked, this, [this, code] { chooseType(code); });
        grid->addWidget(b, 0, col++, 2, 1);
    }
    grid->setColumnMinimumWidth(col++, 10);
    QPushButton* c15 = pictureButton(frame, "Command15", titleSheetPixmap(), qs("วิศวกร-โครงการ"), 58);
    connect(c15, &QPushButton::clicked, this, [this] { showTitlePanel(); });
    grid->addWidget(c15, 0, col++, 2, 1);
    QPushButton* c14 = pictureButton(frame, "Command14", logoPixmap(), QStringLiteral("MX7100"), 58);
    connect(c14, &QPushButton::clicked, this, [] { ui::showWindow(QStringLiteral("t01")); });
    grid->addWidget(c14, 0, col++, 2, 1);
    grid->setColumnMinimumWidth(col++, 10);

    QPushButton* c2 = makeButton(frame, "Command2", qs(design_.chooseTypeCaption));
    QPushButton* c7 = makeButton(frame, "Command7", qs("ป้อนข้อมูล"));
    QPushButton* c9 = makeButton(frame, "Command9", qs("ดูผลการคำนวณ"));
    QPushButton* c8 = makeButton(frame, "Command8", qs("วิศวกร-โครงการ"));
    QPushButton* c10 = makeButton(frame, "Command10", qs("แนะนำวิธีการใช้"));
    QPushButton* c16 = makeButton(frame, "Command16", qs("เครื่องคิดเลข"));
    QPushButton* c1 = makeButton(frame, "Command1", qs("ออกจากโปรแกรม"));
    const QString help = QString::fromLatin1(design_.helpWindow);
    connect(c2, &QPushButton::clicked, this, [this] { showInputs(); });
    connect(c7, &QPushButton::clicked, this, [this] { showInputs(); });
    connect(c9, &QPushButton::clicked, this, [this] { showResults(); });
    connect(c8, &QPushButton::clicked, this, [this] { showTitlePanel(); });
    connect(c10, &QPushButton::clicked, this, [help] { ui::showWindow(help); });
    connect(c16, &QPushButton::clicked, this, [] { ui::showWindow(QStringLiteral("fcal")); });
    connect(c1, &QPushButton::clicked, this, [this] { askToExit(); });
    // The calculator is offered only where the program has one.
    c16->setEnabled(ui::WindowRegistry::instance().has(QStringLiteral("fcal")));
    grid->addWidget(c2, 0, col);
    grid->addWidget(c8, 1, col++);
    grid->addWidget(c7, 0, col);
    grid->addWidget(c10, 1, col++);
    grid->addWidget(c9, 0, col);
    grid->addWidget(c16, 1, col++);
    c1->setMinimumHeight(58);
    grid->addWidget(c1, 0, col++, 2, 1);
    grid->setColumnStretch(col, 1);  // spare width stays at the end, the buttons keep their size
}

void PileFormWindow::buildTitlePanel(QFrame* f) {
    const TitlePanelNames& names = design_.title;
    auto* grid = new QGridLayout(f);
    grid->setContentsMargins(10, 8, 10, 10);
    QLabel* heading = makeLabel(f, names.heading, qs(kTitleBlockHeading));
    heading->setFont(scaledFont(f->font(), 1.15, true));
    heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(heading, 0, 0, 1, 2);
    const char* captions[] = {"ชื่อโครงการ", "ชื่อเสาเข็ม", "ชื่อวิศวกร / บริษัท", "เลขทะเบียน / โทร.", "หน้า / แผ่นที่"};
    for (std::size_t i = 0; i < names.fields.size(); ++i) {
        const int row = 1 + 2 * static_cast<int>(i);
        grid->addWidget(makeLabel(f, names.labels[i], qs(captions[i])), row, 0, 1, 2);
        QLineEdit* e = makeField(f, names.fields[i], QString());
        e->setMinimumWidth(names.fieldWidth);
        grid->addWidget(e, row + 1, 0, 1, 2);
    }
    QPushButton* print = pictureButton(f, names.print, printerPixmap(), qs("พิมพ์รายการคำนวณ"), 58);
    connect(print, &QPushButton::clicked, this, [this] { printSheet(); });
    QPushButton* cancel = makeButton(f, names.cancel, qs("ยกเลิกการพิมพ์"));
    cancel->setMinimumHeight(58);
    connect(cancel, &QPushButton::clicked, this, [this] { hideTitlePanel(); });
    grid->addWidget(print, 11, 0, Qt::AlignLeft);
    grid->addWidget(cancel, 11, 1);
}

void PileFormWindow::showInputs() {
    frame2_->show();
    ui::setHeightTwips(frame2_, design_.inputsHeight);
}

void PileFormWindow::showResults() { ui::setHeightTwips(frame2_, design_.resultsHeight); }

void PileFormWindow::showTitlePanel() { frame3_->show(); }

void PileFormWindow::hideTitlePanel() { frame3_->hide(); }

void PileFormWindow::askToExit() {
    if (ui::prompter().ask(design_.exitQuestion, this)) close();
}

std::vector<QPushButton*> PileFormWindow::addPanelTypeButtons(QFrame* f) {
    std::vector<QPushButton*> buttons;
    int x = 96;
    for (const TypeButton& t : design_.types) {
        QPushButton* b = pictureButton(f, t.panelButton, pilePixmap(t.picture, 48), qs(t.tooltip), 48);
        b->move(x, 38);
        x += 54;
        const int code = t.code;
        connect(b, &QPushButton::clicked, this, [this, code] { chooseType(code); });
        buttons.push_back(b);
    }
    return buttons;
}

QPushButton* PileFormWindow::addChosenTypeButton(QFrame* f, const char* name, const QString& tip) {
    QPushButton* b = makeButton(f, name, QStringLiteral("?"), tip);  // no type chosen yet
    b->setGeometry(10, 10, 76, 76);
    b->setIconSize(QSize(66, 66));
    b->setFont(scaledFont(f->font(), 2.2, true));
    return b;
}

QIcon PileFormWindow::typeIcon(int code) const {
    for (const TypeButton& t : design_.types)
        if (t.code == code) return findChild<QPushButton*>(QString::fromLatin1(t.toolbarButton))->icon();
    return QIcon();
}

void PileFormWindow::showChosenType(QPushButton* chosen, int code) {
    chosen->setText(QString());
    chosen->setIcon(typeIcon(code));
}

QLabel* PileFormWindow::addTypeHeading(QFrame* f, const char* name, const QString& text, int width) {
    QLabel* l = makeLabel(f, name, text);
    l->setGeometry(96, 8, width, 28);
    l->setFont(scaledFont(f->font(), 1.25, true));
    l->setStyleSheet(QStringLiteral("color: #14448c;"));
    return l;
}

void PileFormWindow::addResultRule(QFrame* f, int y, int width) {
    auto* rule = new QFrame(f);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(10, y, width, 4);
}

void PileFormWindow::styleResultValue(QLabel* value, double fontFactor) {
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setAlignment(Qt::AlignCenter);
    value->setFont(scaledFont(value->parentWidget()->font(), fontFactor, true));
    value->setStyleSheet(QStringLiteral("background: white; color: #0a3d91;"));
}

void PileFormWindow::fitListToRows(QListWidget* list) {
    const int rows = list->sizeHintForColumn(0);
    const int scrollBar = list->verticalScrollBar()->sizeHint().width();
    list->setFixedWidth(std::max(list->width(), rows + scrollBar + 2 * list->frameWidth() + 4));
}

void PileFormWindow::replayHere(const Diagnostics& d) {
    ui::replay(d, this, [this](const Correction& c) { ui::applyCorrection(this, c); });
}

}  // namespace mx::pile
