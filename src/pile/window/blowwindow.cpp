#include "pile/window/blowwindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/numtext.h"
#include "pile/blow_form.h"
#include "pile/pile_sheet.h"
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
constexpr int kInputsHeight = 5055;
constexpr int kResultsHeight = 6735;

PilePicture pictureOf(int code) {
    switch (code) {
    case 2: return PilePicture::Hollow;
    case 3: return PilePicture::Timber;
    default: return PilePicture::Prestressed;
    }
}

}  // namespace

BlowWindow::BlowWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("blow"));
    setWindowTitle(qs(kBlowCaption));
    setWindowIcon(QIcon(pilePixmap(PilePicture::Prestressed, 32)));
    working_ = readBlowInput(blowDefaults());

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
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->addWidget(frame1);
    main->addLayout(panels);

    frame3_->hide();
    ui::setHeightTwips(frame2_, kInputsHeight);
}

void BlowWindow::buildToolbar(QFrame* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);
    int col = 0;
    for (const BlowTypeInfo& t : blowTypes()) {
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

    QPushButton* c2 = makeButton(frame, "Command2", qs("เลือกชนิดของเสาเข็ม"));
    QPushButton* c7 = makeButton(frame, "Command7", qs("ป้อนข้อมูล"));
    QPushButton* c9 = makeButton(frame, "Command9", qs("ดูผลการคำนวณ"));
    QPushButton* c8 = makeButton(frame, "Command8", qs("วิศวกร-โครงการ"));
    QPushButton* c10 = makeButton(frame, "Command10", qs("แนะนำวิธีการใช้"));
    QPushButton* c16 = makeButton(frame, "Command16", qs("เครื่องคิดเลข"));
    QPushButton* c1 = makeButton(frame, "Command1", qs("ออกจากโปรแกรม"));
    auto inputs = [this] {
        frame2_->show();
        ui::setHeightTwips(frame2_, kInputsHeight);
    };
    connect(c2, &QPushButton::clicked, this, inputs);
    connect(c7, &QPushButton::clicked, this, inputs);
    connect(c9, &QPushButton::clicked, this, [this] { ui::setHeightTwips(frame2_, kResultsHeight); });
    connect(c8, &QPushButton::clicked, this, [this] { frame3_->show(); });
    connect(c10, &QPushButton::clicked, this, [] { ui::showWindow(QStringLiteral("blowhelp")); });
    connect(c16, &QPushButton::clicked, this, [] { ui::showWindow(QStringLiteral("fcal")); });
    connect(c1, &QPushButton::clicked, this, [this] { askToExit(); });
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

void BlowWindow::buildInputPanel(QFrame* f) {
    f->setFixedWidth(860);
    const QFont base = f->font();

    command20_ = makeButton(f, "Command20", QStringLiteral("?"), qs("ชนิดของเสาเข็ม"));
    command20_->setGeometry(10, 10, 76, 76);
    command20_->setIconSize(QSize(66, 66));
    command20_->setFont(scaledFont(base, 2.2, true));
    QLabel* l14 = makeLabel(f, "Label14", qs(kBlowDefaultTypeText));
    l14->setGeometry(96, 8, 400, 28);
    l14->setFont(scaledFont(base, 1.25, true));
    l14->setStyleSheet(QStringLiteral("color: #14448c;"));
    int x = 96;
    for (const BlowTypeInfo& t : blowTypes()) {
        QPushButton* b = pictureButton(f, t.panelButton, pilePixmap(pictureOf(t.code), 48), qs(t.tooltip), 48);
        b->move(x, 38);
        x += 54;
        const int code = t.code;
        connect(b, &QPushButton::clicked, this, [this, code] { chooseType(code); });
    }

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
        for (const BlowSectionRow& r : blowSections(i + 1)) {
            w->addItem(qs(r.text));
            w->item(w->count() - 1)->setToolTip(qs(r.text));  // the longer names run past the list
        }
        w->setGeometry(524, 96, 326, 188);
        const int list = i + 1;
        connect(w, &QListWidget::currentRowChanged, this, [this, list](int row) { listRowChosen(list, row); });
        connect(w, &QListWidget::itemClicked, this,
                [this, list, w](QListWidgetItem* item) { listRowChosen(list, w->row(item)); });
        lists_[i] = w;
        if (i > 0) w->hide();  // the prestressed list shows until a type says otherwise
    }

    // The results, uncovered below the inputs.
    auto* rule = new QFrame(f);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(10, 340, 840, 4);
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
    };
    for (const Row& r : rows) {
        QLabel* c = makeLabel(f, r.captionName, qs(r.caption));
        c->setGeometry(r.x, r.y, r.width, 30);
        c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLabel* v = makeLabel(f, r.value, qs(kBlowNoResult));
        v->setGeometry(r.x + r.width + 6, r.y, 100, 30);
        v->setFrameShape(QFrame::Panel);
        v->setFrameShadow(QFrame::Sunken);
        v->setAlignment(Qt::AlignCenter);
        v->setFont(scaledFont(base, 1.1, true));
        v->setStyleSheet(QStringLiteral("background: white; color: #0a3d91;"));
    }
}

void BlowWindow::buildTitlePanel(QFrame* f) {
    auto* grid = new QGridLayout(f);
    grid->setContentsMargins(10, 8, 10, 10);
    QLabel* heading = makeLabel(f, "Label24", qs(kTitleBlockHeading));
    heading->setFont(scaledFont(f->font(), 1.15, true));
    heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(heading, 0, 0, 1, 2);
    const char* captions[] = {"ชื่อโครงการ", "ชื่อเสาเข็ม", "ชื่อวิศวกร / บริษัท", "เลขทะเบียน / โทร.", "หน้า / แผ่นที่"};
    const char* labels[] = {"Label19", "Label20", "Label21", "Label22", "Label23"};
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(makeLabel(f, labels[i], qs(captions[i])), 1 + 2 * i, 0, 1, 2);
        QLineEdit* e = makeField(f, kBlowTitleFields[static_cast<std::size_t>(i)].c_str(), QString());
        e->setMinimumWidth(280);
        grid->addWidget(e, 2 + 2 * i, 0, 1, 2);
    }
    QPushButton* print = pictureButton(f, "Command23", printerPixmap(), qs("พิมพ์รายการคำนวณ"), 58);
    connect(print, &QPushButton::clicked, this, [this] { printSheet(); });
    QPushButton* cancel = makeButton(f, "Command21", qs("ยกเลิกการพิมพ์"));
    cancel->setMinimumHeight(58);
    connect(cancel, &QPushButton::clicked, this, [this] { frame3_->hide(); });
    grid->addWidget(print, 11, 0, Qt::AlignLeft);
    grid->addWidget(cancel, 11, 1);
}

void BlowWindow::askToExit() {
    const Message question{"คุณแน่ใจหรือว่าจะออกจากการคำนวณหาการรับ นน.ของเสาเข็มโดยปั้นจั่น?",
                           "ออกจากการคำนวณหาการรับ นน.เสาเข็มโดยปั้นจั่น", Icon::Critical};
    if (ui::prompter().ask(question, this)) close();
}

void BlowWindow::chooseType(int code) {
    const BlowTypeInfo* t = blowTypeInfo(code);
    if (!t) return;
    code_ = code;
    findChild<QLabel*>(QStringLiteral("Label14"))->setText(qs(t->typeText));
    for (int i = 0; i < 3; ++i) lists_[i]->setVisible(i + 1 == t->list);
    command20_->setText(QString());
    command20_->setIcon(findChild<QPushButton*>(QString::fromLatin1(t->toolbarButton))->icon());
}

void BlowWindow::fieldChanged(const QString& name, const QString& text) {
    const double v = num(ss(text));
    if (name == "Text2") working_.L1 = v;
    else if (name == "Text9") working_.W = v;
    else if (name == "Text10") working_.h = v;
    else if (name == "Text11") working_.B = v;
    else if (name == "Text3") working_.R = v;
    else if (name == "Text1") working_.A = v;
    ui::replay(checkBlowField(ss(name), ss(text)), this, [this](const Correction& c) { ui::applyCorrection(this, c); });
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
    working_ = result_.in;
    // The result labels are written before the advice, which is about them; a stop
    // leaves them as they were.
    if (o.completed) ui::writeLabels(this, blowLabels(result_));
    ui::replay(o.diagnostics, this, [this](const Correction& c) { ui::applyCorrection(this, c); });
    ui::setHeightTwips(frame2_, kResultsHeight);
}

void BlowWindow::printSheet() {
    const PageModel page = buildBlowSheet(result_, blowTitleBlock(ui::readAllFields(this)));
    if (printPileSheet(page, std::nullopt, this)) frame3_->hide();
}

}  // namespace mx::pile
