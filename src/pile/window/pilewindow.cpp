#include "pile/window/pilewindow.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/numtext.h"
#include "pile/pile_form.h"
#include "pile/pile_sheet.h"
#include "pile/window/blowwindow.h"
#include "pile/window/pile_pictures.h"
#include "pile/window/sheetprint.h"
#include "ui/fields.h"
#include "ui/memberwindow.h"
#include "ui/registry.h"

namespace mx::pile {

using ui::makeButton;
using ui::makeField;
using ui::makeLabel;
using ui::qs;
using ui::ss;

namespace {

PilePicture pictureOf(int code) {
    switch (code) {
    case kTimber: return PilePicture::Timber;
    case kBored: return PilePicture::Bored;
    case kHollow: return PilePicture::Hollow;
    default: return PilePicture::Prestressed;
    }
}

PileFormDesign pileDesign() {
    PileFormDesign d{
        "pile",
        kPileCaption,
        {},
        "กำหนดรูปแบบของเสาเข็ม",
        "pilehelp",
        Message{"คุณแน่ใจหรือว่าจะออกจากการคำนวณหาการรับ นน.ของเสาเข็ม?",
                "ออกจากการคำนวณหาการรับ นน.ปลอดภัยของเสาเข็ม", Icon::Critical},
        4295,  // the input panel with the inputs alone
        6735,  // and with the results uncovered
        {"Label10",
         {"Label11", "Label12", "Label13", "Label14", "Label15"},
         {"Text3", "Text4", "Text5", "Text6", "Text7"},
         300,
         "Command24",
         "Command22"},
    };
    for (const PileTypeInfo& t : pileTypes())
        d.types.push_back({t.code, t.toolbarButton, t.panelButton, pictureOf(t.code), t.tooltip});
    return d;
}

}  // namespace

PileWindow::PileWindow(QWidget* parent) : PileFormWindow(pileDesign(), parent) {
    assemble([this](QFrame* f) { buildInputPanel(f); });
}

void PileWindow::buildInputPanel(QFrame* f) {
    f->setFixedWidth(570);
    const QFont base = f->font();

    command17_ = addChosenTypeButton(f, "Command17", qs("กำหนดรูปแบบของเสาเข็ม"));
    connect(command17_, &QPushButton::clicked, this, [this] {
        for (const PileTypeInfo& t : pileTypes())
            if (auto* b = findChild<QPushButton*>(QString::fromLatin1(t.panelButton))) b->show();
        // It carries the picture of the type chosen last.
        if (pileTypeInfo(code_)) command17_->setIcon(typeIcon(code_));
    });

    addTypeHeading(f, "Label1", qs(kDefaultTypeText), 460);
    for (QPushButton* b : addPanelTypeButtons(f)) b->hide();

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
        fitListToRows(w);
        ui::onRowChosen(w, this, [this, list = list](int row) { listRowChosen(list, row); });
    }

    QPushButton* calc = makeButton(f, "Command13", qs("คำนวณ"));
    calc->setGeometry(396, 166, 160, 52);
    calc->setFont(scaledFont(base, 1.3, true));
    connect(calc, &QPushButton::clicked, this, [this] { calculate(); });

    // The results, uncovered below the inputs.
    addResultRule(f, 290, 550);
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
        styleResultValue(v, 1.15);
    }
    list2_->hide();  // the prestressed list shows until a type says otherwise
    l6->hide();
    f->findChild<QLabel*>(QStringLiteral("Label8"))->hide();
    label9_ = makeLabel(f, "Label9", qs(kLabel9Quiet));
    label9_->setGeometry(10, 410, 550, 28);
    label9_->setAlignment(Qt::AlignCenter);
    label9_->setStyleSheet(QStringLiteral("color: #c01010; font-weight: bold;"));
}

void PileWindow::chooseType(int code) {
    const PileTypeInfo* t = pileTypeInfo(code);
    if (!t) return;
    code_ = static_cast<std::int16_t>(code);
    showChosenType(command17_, code);
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
    replayHere(checkSizeField(ss(text)));
}

void PileWindow::lengthChanged(const QString& text) {
    length_ = num(ss(text));
    replayHere(checkLengthField(ss(text)));
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
    usable_ = pileUsable(o);
    replayHere(o.diagnostics);
    ui::writeLabels(this, pileLabels(o));
    showResults();
}

void PileWindow::printSheet() {
    // The sheet records the last calculation, type and numbers together, so its captions
    // always belong to its numbers. A type chosen since then stays chosen for the next
    // Calculate: the warning is about the sheet, not about the window.
    PileSheet sheet = buildPileSheet(result_, pileTitleBlock(ui::readFields(this, kPileFields)), usable_);
    if (printPileSheet(sheet.page, sheet.warning, this)) hideTitlePanel();
}

void registerPileWindows() {
    ui::WindowRegistry::instance().add(QStringLiteral("pile"), [] { return new PileWindow; });
    ui::WindowRegistry::instance().add(QStringLiteral("blow"), [] { return new BlowWindow; });
}

}  // namespace mx::pile
