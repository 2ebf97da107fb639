#include "pile/window/pilewindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/numtext.h"
#include "pile/pile_form.h"
#include "pile/pile_sheet.h"
#include "pile/window/blowwindow.h"
#include "pile/window/pile_pictures.h"
#include "pile/window/sheetprint.h"
#include "ui/fields.h"
#include "ui/prompter.h"
#include "ui/registry.h"

namespace mx::pile {

using ui::makeButton;
using ui::makeField;
using ui::makeLabel;
using ui::qs;
using ui::ss;

namespace {

// Heights of the input panel: the inputs alone, and with the results uncovered.
constexpr int kInputsHeight = 4295;
constexpr int kResultsHeight = 6735;

PilePicture pictureOf(int code) {
    switch (code) {
    case kTimber: return PilePicture::Timber;
    case kBored: return PilePicture::Bored;
    case kHollow: return PilePicture::Hollow;
    default: return PilePicture::Prestressed;
    }
}

}  // namespace

PileWindow::PileWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("pile"));
    setWindowTitle(qs(kPileCaption));
    setWindowIcon(QIcon(pilePixmap(PilePicture::Prestressed, 32)));

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);
    frame2_ = new QFrame(this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->setFrameShape(QFrame::StyledPanel);
    frame3_ = new QFrame(this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    frame3_->setFrameShape(QFrame::StyledPanel);

    buildToolbar(frame1);
    buildInputPanel(frame2_);
    buildTitlePanel(frame3_);

    auto* panels = new QHBoxLayout;
    panels->addWidget(frame2_, 0, Qt::AlignTop);
    panels->addWidget(frame3_, 0, Qt::AlignTop);
    panels->addStretch(1);
    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);  // the window follows its panels
    main->addWidget(frame1);
    main->addLayout(panels);

    frame3_->hide();
    ui::setHeightTwips(frame2_, kInputsHeight);
}

void PileWindow::buildToolbar(QFrame* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);
    int col = 0;
    for (const PileTypeInfo& t : pileTypes()) {
        QPushButton* b = pictureButton(frame, t.toolbarButton, pilePixmap(pictureOf(t.code)), qs(t.tooltip), 58);
        const int code = t.code;
        connect(b, &QPushButton::clicked, this, [this, code] { chooseType(code); });
        grid->addWidget(b, 0, col++, 2, 1);
    }
    grid->setColumnMinimumWidth(col++, 10);
    QPushButton* c15 = pictureButton(frame, "Command15", titleSheetPixmap(), qs("วิศวกร-โครงการ"), 58);
    connect(c15, &QPushButton::clicked, this, [this] { frame3_->show(); });
    grid->addWidget(c15, 0, col++, 2, 1);
    QPushButton* c14 = pictureButton(frame, "Command14", logoPixmap(), QStringLiteral("MX7100"), 58);
    connect(c14, &QPushButton::clicked, this, [] { ui::showWindow(QStringLiteral("t01")); });
    grid->addWidget(c14, 0, col++, 2, 1);
    grid->setColumnMinimumWidth(col++, 10);

    QPushButton* c2 = makeButton(frame, "Command2", qs("กำหนดรูปแบบของเสาเข็ม"));
    QPushButton* c7 = makeButton(frame, "Command7", qs("ป้อนข้อมูล"));
    QPushButton* c9 = makeButton(frame, "Command9", qs("ดูผลการคำนวณ"));
    QPushButton* c8 = makeButton(frame, "Command8", qs("วิศวกร-โครงการ"));
    QPushButton* c10 = makeButton(frame, "Command10", qs("แนะนำวิธีการใช้"));
    QPushButton* c16 = makeButton(frame, "Command16", qs("เครื่องคิดเลข"));
    QPushButton* c1 = makeButton(frame, "Command1", qs("ออกจากโปรแกรม"));
    connect(c2, &QPushButton::clicked, this, [this] { showInputs(); });
    connect(c7, &QPushButton::clicked, this, [this] { showInputs(); });
    connect(c9, &QPushButton::clicked, this, [this] { showResults(); });
    connect(c8, &QPushButton::clicked, this, [this] { frame3_->show(); });
    connect(c10, &QPushButton::clicked, this, [] { ui::showWindow(QStringLiteral("pilehelp")); });
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
}

void PileWindow::buildInputPanel(QFrame* f) {
    f->setFixedWidth(570);
    const QFont base = f->font();

    command17_ = makeButton(f, "Command17", QString(), qs("กำหนดรูปแบบของเสาเข็ม"));
    command17_->setGeometry(10, 10, 76, 76);
    command17_->setIconSize(QSize(66, 66));
    command17_->setText(QStringLiteral("?"));  // no type chosen yet
    command17_->setFont(scaledFont(base, 2.2, true));
    connect(command17_, &QPushButton::clicked, this, [this] {
        for (const PileTypeInfo& t : pileTypes())
            if (auto* b = findChild<QPushButton*>(QString::fromLatin1(t.panelButton))) b->show();
        // It carries the picture of the type chosen last.
        if (const PileTypeInfo* t = pileTypeInfo(code_))
            command17_->setIcon(findChild<QPushButton*>(QString::fromLatin1(t->toolbarButton))->icon());
    });

    QLabel* l1 = makeLabel(f, "Label1", qs(kDefaultTypeText));
    l1->setGeometry(96, 8, 460, 28);
    l1->setFont(scaledFont(base, 1.25, true));
    l1->setStyleSheet(QStringLiteral("color: #14448c;"));
    int x = 96;
    for (const PileTypeInfo& t : pileTypes()) {
        QPushButton* b = pictureButton(f, t.panelButton, pilePixmap(pictureOf(t.code), 48), qs(t.tooltip), 48);
        b->move(x, 38);
        x += 54;
        const int code = t.code;
        connect(b, &QPushButton::clicked, this, [this, code] { chooseType(code); });
        b->hide();
    }

    QLabel* l2 = makeLabel(f, "Label2", qs(kDefaultSizeCaption));
    l2->setGeometry(10, 96, 380, 28);
    l2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text1_ = makeField(f, "Text1", QStringLiteral("?"));
    text1_->setGeometry(396, 96, 100, 28);
    QLabel* l3 = makeLabel(f, "Label3", qs(kDefaultLengthCaption));
    l3->setGeometry(10, 130, 380, 28);
    l3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text2_ = makeField(f, "Text2", QStringLiteral("21"));
    text2_->setGeometry(396, 130, 100, 28);
    // Every change runs the field's check: typing, a list click, a correction.
    connect(text1_, &QLineEdit::textChanged, this, &PileWindow::sizeChanged);
    connect(text2_, &QLineEdit::textChanged, this, &PileWindow::lengthChanged);

    list1_ = new QListWidget(f);
    list1_->setObjectName(QStringLiteral("List1"));
    for (const SectionRow& r : prestressedSections()) list1_->addItem(qs(r.text));
    list2_ = new QListWidget(f);
    list2_->setObjectName(QStringLiteral("List2"));
    for (const SectionRow& r : hollowSections()) list2_->addItem(qs(r.text));
    for (auto [list, w] : {std::pair{1, list1_}, std::pair{2, list2_}}) {
        w->setGeometry(10, 166, 380, 112);
        connect(w, &QListWidget::currentRowChanged, this, [this, list = list](int row) { listRowChosen(list, row); });
        connect(w, &QListWidget::itemClicked, this,
                [this, list = list, w = w](QListWidgetItem* item) { listRowChosen(list, w->row(item)); });
    }

    QPushButton* calc = makeButton(f, "Command13", qs("คำนวณ"));
    calc->setGeometry(396, 166, 160, 52);
    calc->setFont(scaledFont(base, 1.3, true));
    connect(calc, &QPushButton::clicked, this, [this] { calculate(); });

    // The results, uncovered below the inputs.
    auto* rule = new QFrame(f);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(10, 290, 550, 4);
    QLabel* l4 = makeLabel(f, "Label4", qs("ผลการคำนวณค่าการรับ นน.ของเสาเข็ม"));
    l4->setGeometry(10, 300, 550, 28);
    l4->setFont(scaledFont(base, 1.2, true));
    l4->setAlignment(Qt::AlignCenter);
    QLabel* l5 = makeLabel(f, "Label5", qs("เสาเข็มต้นนี้รับ นน.ปลอดภัยได้ ตัน / ต้น ="));
    l5->setGeometry(10, 336, 420, 30);
    l5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* l6 = makeLabel(f, "Label6", qs("เนื่องจากเป็นเสาเข็มไม้จึงคิด นน.ปลอดภัยเพียง ตัน / ต้น ="));
    l6->setGeometry(10, 372, 420, 30);
    l6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (auto [name, y] : {std::pair{"Label7", 336}, std::pair{"Label8", 372}}) {
        QLabel* v = makeLabel(f, name, qs(kNoResult));
        v->setGeometry(436, y, 120, 30);
        v->setFrameShape(QFrame::Panel);
        v->setFrameShadow(QFrame::Sunken);
        v->setAlignment(Qt::AlignCenter);
        v->setFont(scaledFont(base, 1.15, true));
        v->setStyleSheet(QStringLiteral("background: white; color: #0a3d91;"));
    }
    list2_->hide();  // the prestressed list shows until a type says otherwise
    l6->hide();
    f->findChild<QLabel*>(QStringLiteral("Label8"))->hide();
    label9_ = makeLabel(f, "Label9", qs(kLabel9Quiet));
    label9_->setGeometry(10, 410, 550, 28);
    label9_->setAlignment(Qt::AlignCenter);
    label9_->setStyleSheet(QStringLiteral("color: #c01010; font-weight: bold;"));
}

void PileWindow::buildTitlePanel(QFrame* f) {
    auto* grid = new QGridLayout(f);
    grid->setContentsMargins(10, 8, 10, 10);
    QLabel* heading = makeLabel(f, "Label10", qs(kTitleBlockHeading));
    heading->setFont(scaledFont(f->font(), 1.15, true));
    heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(heading, 0, 0, 1, 2);
    const char* captions[] = {"ชื่อโครงการ", "ชื่อเสาเข็ม", "ชื่อวิศวกร / บริษัท", "เลขทะเบียน / โทร.", "หน้า / แผ่นที่"};
    const char* labels[] = {"Label11", "Label12", "Label13", "Label14", "Label15"};
    const char* fields[] = {"Text3", "Text4", "Text5", "Text6", "Text7"};
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(makeLabel(f, labels[i], qs(captions[i])), 1 + 2 * i, 0, 1, 2);
        QLineEdit* e = makeField(f, fields[i], QString());
        e->setMinimumWidth(300);
        grid->addWidget(e, 2 + 2 * i, 0, 1, 2);
    }
    QPushButton* print = pictureButton(f, "Command24", printerPixmap(), qs("พิมพ์รายการคำนวณ"), 58);
    connect(print, &QPushButton::clicked, this, [this] { printSheet(); });
    QPushButton* cancel = makeButton(f, "Command22", qs("ยกเลิกการพิมพ์"));
    cancel->setMinimumHeight(58);
    connect(cancel, &QPushButton::clicked, this, [this] { frame3_->hide(); });
    grid->addWidget(print, 11, 0, Qt::AlignLeft);
    grid->addWidget(cancel, 11, 1);
}

void PileWindow::showInputs() {
    frame2_->show();
    ui::setHeightTwips(frame2_, kInputsHeight);
}

void PileWindow::showResults() { ui::setHeightTwips(frame2_, kResultsHeight); }

void PileWindow::askToExit() {
    const Message question{"คุณแน่ใจหรือว่าจะออกจากการคำนวณหาการรับ นน.ของเสาเข็ม?",
                           "ออกจากการคำนวณหาการรับ นน.ปลอดภัยของเสาเข็ม", Icon::Critical};
    if (ui::prompter().ask(question, this)) close();
}

void PileWindow::chooseType(int code) {
    const PileTypeInfo* t = pileTypeInfo(code);
    if (!t) return;
    code_ = static_cast<std::int16_t>(code);
    command17_->setText(QString());
    command17_->setIcon(findChild<QPushButton*>(QString::fromLatin1(t->toolbarButton))->icon());
    findChild<QLabel*>(QStringLiteral("Label1"))->setText(qs(t->typeText));
    findChild<QLabel*>(QStringLiteral("Label2"))->setText(qs(t->sizeCaption));
    findChild<QLabel*>(QStringLiteral("Label3"))->setText(qs(t->lengthCaption));
    if (t->list == 1) {
        list1_->show();
        list2_->hide();
    } else if (t->list == 2) {
        list2_->show();
        list1_->hide();
    } else {
        list1_->hide();
        list2_->hide();
    }
    const bool timber = code == kTimber;
    findChild<QLabel*>(QStringLiteral("Label6"))->setVisible(timber);
    findChild<QLabel*>(QStringLiteral("Label8"))->setVisible(timber);
}

void PileWindow::sizeChanged(const QString& text) {
    size_ = num(ss(text));
    ui::replay(checkSizeField(ss(text)), this, [this](const Correction& c) { ui::applyCorrection(this, c); });
}

void PileWindow::lengthChanged(const QString& text) {
    length_ = num(ss(text));
    ui::replay(checkLengthField(ss(text)), this, [this](const Correction& c) { ui::applyCorrection(this, c); });
}

void PileWindow::listRowChosen(int list, int row) {
    // A click that leaves no row selected changes nothing.
    if (const auto value = sectionValue(list, row)) text1_->setText(qs(*value));
}

void PileWindow::calculate() {
    const FieldSet fields = ui::readFields(this, kPileFields);
    const PileOutcome o = runPile(fields, code_, ss(label9_->text()));
    code_ = o.result.code;
    result_ = o.result;
    ui::replay(o.diagnostics, this, [this](const Correction& c) { ui::applyCorrection(this, c); });
    ui::writeLabels(this, pileLabels(o));
    showResults();
}

void PileWindow::printSheet() {
    // The sheet records the last calculation, type and numbers together, so its captions
    // always belong to its numbers. A type chosen since then stays chosen for the next
    // Calculate: the warning is about the sheet, not about the window.
    PileSheet sheet = buildPileSheet(result_, pileTitleBlock(ui::readFields(this, kPileFields)));
    if (printPileSheet(sheet.page, sheet.warning, this)) frame3_->hide();
}

void registerPileWindows() {
    ui::WindowRegistry::instance().add(QStringLiteral("pile"), [] { return new PileWindow; });
    ui::WindowRegistry::instance().add(QStringLiteral("blow"), [] { return new BlowWindow; });
}

}  // namespace mx::pile
