#include "pile/window/blowwindow.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

#include "common/numtext.h"
#include "pile/blow_form.h"
#include "pile/pile_sheet.h"
#include "pile/window/pile_pictures.h"
#include "pile/window/sheetprint.h"
#include "ui/fields.h"
#include "ui/memberwindow.h"

namespace mx::pile {

using ui::makeButton;
using ui::makeField;
using ui::makeLabel;
using ui::qs;
using ui::ss;

namespace {

PilePicture pictureOf(int code) {
    switch (code) {
    case 2: return PilePicture::Hollow;
    case 3: return PilePicture::Timber;
    default: return PilePicture::Prestressed;
    }
}

PileFormDesign blowDesign() {
    PileFormDesign d{
        "blow",
        kBlowCaption,
        {},
        "เลือกชนิดของเสาเข็ม",
        "blowhelp",
        Message{"คุณแน่ใจหรือว่าจะออกจากการคำนวณหาการรับ นน.ของเสาเข็มโดยปั้นจั่น?",
                "ออกจากการคำนวณหาการรับ นน.เสาเข็มโดยปั้นจั่น", Icon::Critical},
        5055,  // the input panel with the inputs alone
        7245,  // and with the results uncovered, down to the driving criterion
        {"Label24",
         {"Label19", "Label20", "Label21", "Label22", "Label23"},
         {},
         280,
         "Command23",
         "Command21"},
    };
    for (std::size_t i = 0; i < d.title.fields.size(); ++i) d.title.fields[i] = kBlowTitleFields[i].c_str();
    for (const BlowTypeInfo& t : blowTypes())
        d.types.push_back({t.code, t.toolbarButton, t.panelButton, pictureOf(t.code), t.tooltip});
    return d;
}

}  // namespace

BlowWindow::BlowWindow(QWidget* parent) : PileFormWindow(blowDesign(), parent) {
    working_ = readBlowInput(blowDefaults());
    assemble([this](QFrame* f) { buildInputPanel(f); });
}

void BlowWindow::buildInputPanel(QFrame* f) {
    f->setFixedWidth(860);
    const QFont base = f->font();

    command20_ = addChosenTypeButton(f, "Command20", qs("ชนิดของเสาเข็ม"));
    addTypeHeading(f, "Label14", qs(kBlowDefaultTypeText), 400);
    addPanelTypeButtons(f);

    QPushButton* calc = makeButton(f, "Command13", qs("คำนวณ"));
    calc->setGeometry(640, 20, 200, 56);
    calc->setFont(scaledFont(base, 1.3, true));
    connect(calc, &QPushButton::clicked, this, [this] { calculate(); });

    int y = 96;
    for (const BlowField& field : blowInputFields()) {
        QLabel* l = makeLabel(f, field.label, qs(field.caption));
        l->setGeometry(10, y, 400, 28);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* e = makeField(f, field.name, qs(field.defaultText));
        e->setGeometry(416, y, 96, 28);
        const QString name = QString::fromLatin1(field.name);
        // Every change runs the field's check: typing, a list click, a correction.
        connect(e, &QLineEdit::textChanged, this, [this, name](const QString& text) { fieldChanged(name, text); });
        y += 32;
    }

    const char* listNames[] = {"List1", "List2", "List3"};
    for (int i = 0; i < 3; ++i) {
        auto* w = new QListWidget(f);
        w->setObjectName(QString::fromLatin1(listNames[i]));
        for (const BlowSectionRow& r : blowSections(i + 1)) w->addItem(qs(r.text));
        w->setGeometry(524, 96, 326, 188);
        fitListToRows(w);
        const int list = i + 1;
        ui::onRowChosen(w, this, [this, list](int row) { listRowChosen(list, row); });
        lists_[i] = w;
        if (i > 0) w->hide();  // the prestressed list shows until a type says otherwise
    }
    // The panel reaches past the widest list, whose rows show whole.
    for (QListWidget* l : lists_) f->setFixedWidth(std::max(f->width(), l->geometry().right() + 12));

    // The results, uncovered below the inputs.
    addResultRule(f, 340, 840);
    QLabel* heading = makeLabel(f, "Label7", qs("ผลการคำนวณเพื่อตรวจสอบการรับ นน. ของเสาเข็ม"));
    heading->setGeometry(10, 348, 400, 26);
    heading->setFont(scaledFont(base, 1.15, true));
    struct Row {
        const char* caption;
        const char* captionName;
        const char* value;
        int x, y, width;
    };
    const Row rows[] = {
        {"ค่าการรับ นน. ของเสาเข็ม ตัน / ต้น =", "Label8", "Label11", 10, 378, 300},
        {"เสาเข็มต้นนี้รับ นน. ปลอดภัยได้จริง ตัน / ต้น =", "Label9", "Label12", 10, 412, 300},
        {"นน.ของเสาเข็ม / ตัน =", "Label10", "Label18", 420, 348, 310},
        {"ลูกตุ้มที่ใช้ตอกควรหนักอย่างน้อย / ตัน =", "Label13", "Label15", 420, 380, 310},
        {"ไม่ควรหนักเกินกว่า / ตัน =", "Label16", "Label17", 420, 412, 310},
        {"ต้องตอกในฟุตสุดท้ายไม่น้อยกว่า / ครั้ง =", "Label25", "Label26", 10, 446, 300},
    };
    for (const Row& r : rows) {
        QLabel* c = makeLabel(f, r.captionName, qs(r.caption));
        c->setGeometry(r.x, r.y, r.width, 30);
        c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLabel* v = makeLabel(f, r.value, qs(kBlowNoResult));
        v->setGeometry(r.x + r.width + 6, r.y, 100, 30);
        styleResultValue(v, 1.1);
    }
}

void BlowWindow::chooseType(int code) {
    const BlowTypeInfo* t = blowTypeInfo(code);
    if (!t) return;
    code_ = code;
    findChild<QLabel*>(QStringLiteral("Label14"))->setText(qs(t->typeText));
    for (int i = 0; i < 3; ++i) lists_[i]->setVisible(i + 1 == t->list);
    showChosenType(command20_, code);
}

void BlowWindow::fieldChanged(const QString& name, const QString& text) {
    const double v = num(ss(text));
    if (name == "Text2") working_.L1 = v;
    else if (name == "Text9") working_.W = v;
    else if (name == "Text10") working_.h = v;
    else if (name == "Text11") working_.B = v;
    else if (name == "Text3") working_.R = v;
    else if (name == "Text1") working_.A = v;
    replayHere(checkBlowField(ss(name), ss(text)));
}

void BlowWindow::listRowChosen(int list, int row) {
    // A click that leaves no row selected changes nothing.
    const auto values = blowSectionValues(list, row);
    if (!values) return;
    findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(qs(values->first));
    findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(qs(values->second));
}

void BlowWindow::calculate() {
    const FieldSet fields = ui::readAllFields(this);
    const BlowOutcome o = calculateBlow(readBlowInput(fields));
    result_ = heldBlowResult(result_, o);
    sheet_ = o.result;
    usable_ = blowUsable(o);
    working_ = result_.in;
    // The result labels are written before the advice, which is about them; a stop
    // leaves them as they were.
    if (o.completed) ui::writeLabels(this, blowLabels(result_));
    replayHere(o.diagnostics);
    showResults();
}

void BlowWindow::printSheet() {
    const PageModel page = buildBlowSheet(sheet_, blowTitleBlock(ui::readAllFields(this)), usable_);
    if (printPileSheet(page, std::nullopt, this)) hideTitlePanel();
}

}  // namespace mx::pile
