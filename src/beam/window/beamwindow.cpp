#include "beam/window/beamwindow.h"

#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include "beam/beam_drawing.h"
#include "beam/beam_form.h"
#include "beam/beam_sheet.h"
#include "beam/window/beam_pictures.h"
#include "common/checked.h"
#include "common/numtext.h"
#include "ui/fields.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"
#include "ui/registry.h"

namespace mx::beam {

using ui::makeButton;
using ui::makeField;
using ui::makeLabel;
using ui::qs;
using ui::ss;

namespace {

constexpr int kWindowWidth = 1040;
constexpr int kWindowHeight = 700;
constexpr int kToolbarHeight = 64;
constexpr int kPanelTop = kToolbarHeight + 6;
constexpr int kInputWidth = 560;
constexpr int kRightX = kInputWidth + 12;
constexpr int kRightWidth = kWindowWidth - kRightX - 6;
constexpr int kRow = 30;      // row pitch of the input panel, px
constexpr int kFieldX = 262;  // left edge of the input fields

int rowY(int row) { return 8 + row * kRow; }
// The material rows lie below the normal height (4800 twips = 320 px) of the panel,
// so only the extended height uncovers them.
int materialY(int row) { return 332 + row * 28; }

QPushButton* pictureButton(QWidget* parent, const char* name, const QPixmap& pm, const QString& tip, int side) {
    QPushButton* b = makeButton(parent, name, QString(), tip);
    b->setIcon(QIcon(pm));
    b->setIconSize(QSize(side - 10, side - 10));
    b->setFixedSize(side, side);
    return b;
}

QFrame* makePanel(QWidget* parent, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setAutoFillBackground(true);
    return f;
}

// Caption to the left of a field, right-aligned against it.
QLabel* caption(QWidget* parent, const QString& text, int y, int x = 8, int w = kFieldX - 14) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setGeometry(x, y, w, 24);
    return l;
}

// Space on a list's current row stands for Enter: both choose the row the keyboard
// moved to.
class SpaceActivates : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* list = qobject_cast<QListWidget*>(watched);
        if (list && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Space &&
            list->currentItem()) {
            emit list->itemActivated(list->currentItem());
            return true;
        }
        return QObject::eventFilter(watched, e);
    }
};

// A row is chosen by a click on it, or by Enter or Space on the row the user moved to.
// Moving the focus or the current row through a list chooses nothing, so tabbing
// through the window never overwrites a field.
template <typename F>
void onRowChosen(QListWidget* list, QObject* context, F choose) {
    list->installEventFilter(new SpaceActivates(list));
    QObject::connect(list, &QListWidget::itemClicked, context, choose);
    QObject::connect(list, &QListWidget::itemActivated, context, choose);
}

}  // namespace

// --- small widgets ---------------------------------------------------------------

void ClickLabel::setBorder(bool on) { setFrameShape(on ? QFrame::Box : QFrame::NoFrame); }

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit clicked();
    QLabel::mousePressEvent(e);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* e) {
    // Not passed on: the default handler would take the double-click for one more
    // press and undo what the double-click just did.
    if (e->button() == Qt::LeftButton) emit doubleClicked();
    e->accept();
}

void Panel::mouseDoubleClickEvent(QMouseEvent* e) {
    // A plain caption passes its double-click on to the panel; only the panel's own
    // background hides it, as a double-click on a caption is meant for the caption.
    if (e->button() == Qt::LeftButton && !childAt(e->position().toPoint())) emit doubleClicked();
    QFrame::mouseDoubleClickEvent(e);
}

// --- the window ------------------------------------------------------------------

BeamWindow::BeamWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Beam01"));
    setWindowTitle(qs(kWindowCaption));
    setWindowIcon(QIcon(beamTypePixmap(kSimple, QSize(64, 45))));
    setFixedSize(kWindowWidth, kWindowHeight);

    // The drawing surface lies under every panel, the whole window below the toolbar.
    surface_ = new ui::DrawingSurface(this);
    surface_->setObjectName(QStringLiteral("Picture1"));
    surface_->setGeometry(0, kToolbarHeight, kWindowWidth, kWindowHeight - kToolbarHeight);

    buildToolbar();
    buildTypeChooser();
    buildInputPanel();
    buildResultPanel();
    buildCalculator();
    buildTitleBlock();

    for (QLineEdit* e : std::as_const(fields_))
        connect(e, &QLineEdit::textChanged, this, [this, e] { fieldChanged(e); });

    frame5_->hide();
    frame6_->hide();
    setInputHeight(2800);
}

QLineEdit* BeamWindow::field(const char* name) const { return fields_.value(QString::fromLatin1(name), nullptr); }

FieldSet BeamWindow::fields() const {
    FieldSet f;
    const FieldSet names = beamDefaultFields();
    for (const auto& [name, text] : names.entries()) f.set(name, ss(fields_.value(qs(name))->text()));
    return f;
}

void BeamWindow::buildToolbar() {
    frame1_ = makePanel(this, "Frame1");
    frame1_->setGeometry(0, 0, kWindowWidth, kToolbarHeight);
    const int side = 52;
    int x = 6;
    auto add = [&](const char* name, const QPixmap& pm, const char* tip) {
        QPushButton* b = pictureButton(frame1_, name, pm, QString::fromUtf8(tip), side);
        b->move(x, 6);
        x += side + 4;
        return b;
    };
    const QSize icon(side, side);
    command4_ = add("Command4", beamTypePixmap(0, QSize(42, 42)), "เลือกลักษณะคาน");
    connect(command4_, &QPushButton::clicked, this, [this] {
        eraseDrawing();
        frame2_->show();
        frame2_->raise();
        setInputHeight(2800);
        frame4_->hide();
    });
    connect(add("Command3", toolPixmap(ToolPicture::Input, icon), "ป้อนข้อมูล"), &QPushButton::clicked, this, [this] {
        eraseDrawing();
        setInputHeight(4800);
        frame4_->hide();
    });
    connect(add("Command15", toolPixmap(ToolPicture::Calculate, icon), " คำนวณ"), &QPushButton::clicked, this,
            &BeamWindow::calculate);
    connect(add("Command7", toolPixmap(ToolPicture::Listing, icon), "ดูรายการคำนวณ"), &QPushButton::clicked, this,
            [this] {
                eraseDrawing();
                frame4_->show();
                frame4_->raise();
                frame3_->hide();
            });
    connect(add("Command10", toolPixmap(ToolPicture::Draw, icon), "เขียนแบบคาน"), &QPushButton::clicked, this,
            &BeamWindow::draw);
    connect(add("Command8", toolPixmap(ToolPicture::Erase, icon), "ลบแบบคาน"), &QPushButton::clicked, this,
            &BeamWindow::eraseDrawing);
    auto showTitleBlock = [this] {
        eraseDrawing();
        frame6_->show();
        frame6_->raise();
        frame2_->hide();
        placePanels();
    };
    connect(add("Command5", toolPixmap(ToolPicture::Project, icon), "วิศวกร-โครงการ"), &QPushButton::clicked, this,
            showTitleBlock);
    connect(add("Command14", toolPixmap(ToolPicture::Help, icon), "แนะนำวิธีการใช้"), &QPushButton::clicked, this,
            [] { ui::showWindow(QStringLiteral("Bhelp")); });
    QPushButton* calc = add("Command2", toolPixmap(ToolPicture::Calculator, icon), "เครื่องคิดเลข");
    calc->setEnabled(ui::WindowRegistry::instance().has(QStringLiteral("fcal")));
    connect(calc, &QPushButton::clicked, this, [] { ui::showWindow(QStringLiteral("fcal")); });
    connect(add("Command26", toolPixmap(ToolPicture::Logo, icon), "MX7100"), &QPushButton::clicked, this,
            [] { ui::showWindow(QStringLiteral("t01")); });
    connect(add("Command1", toolPixmap(ToolPicture::Exit, icon), "ออกจากโปรแกรม"), &QPushButton::clicked, this,
            [this] {
                if (ui::prompter().ask(exitQuestion(), this)) close();
            });
    // The second way to the title block, with no tooltip.
    QPushButton* c9 = pictureButton(frame1_, "Command9", toolPixmap(ToolPicture::Print, icon), QString(), side);
    c9->move(x, 6);
    x += side + 10;
    connect(c9, &QPushButton::clicked, this, showTitleBlock);

    label1_ = makeLabel(frame1_, "Label1", qs(kTypePrompt));
    label1_->setGeometry(x, 4, kWindowWidth - x - 8, 26);
    QFont big = label1_->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    label1_->setFont(big);
    label1_->setStyleSheet(QStringLiteral("color: #1a3c8c;"));
    label49_ = makeLabel(frame1_, "Label49", qs(kVerdictPrompt));
    label49_->setGeometry(x, 32, kWindowWidth - x - 8, 26);
    label49_->setFont(big);
    label49_->setStyleSheet(QStringLiteral("color: #8c1a1a;"));
}

void BeamWindow::buildTypeChooser() {
    frame2_ = makePanel(this, "Frame2");
    frame2_->setGeometry(6, kPanelTop, kInputWidth, 118);
    for (int t = 1; t <= 5; ++t) {
        const BeamTypeButton* info = beamTypeButton(t);
        auto* b = new QToolButton(frame2_);
        b->setObjectName(QString::fromLatin1(info->button));
        b->setToolTip(QString::fromUtf8(info->tooltip));
        b->setText(QString::fromUtf8(info->tooltip));
        b->setIcon(QIcon(beamTypePixmap(t, QSize(90, 63))));
        b->setIconSize(QSize(90, 63));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setGeometry(6 + (t - 1) * 110, 6, 106, 106);
        connect(b, &QToolButton::clicked, this, [this, t] { chooseType(t); });
    }
}

void BeamWindow::buildInputPanel() {
    frame3_ = new Panel(this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    frame3_->setFrameShape(QFrame::StyledPanel);
    frame3_->setAutoFillBackground(true);
    frame3_->setFixedWidth(kInputWidth);
    connect(frame3_, &Panel::doubleClicked, this, [this] { frame3_->hide(); });
    const FieldSet defaults = beamDefaultFields();
    auto addField = [&](const char* name, int x, int y, int w) {
        QLineEdit* e = makeField(frame3_, name, qs(defaults.get(name)));
        e->setGeometry(x, y, w, 24);
        fields_.insert(QString::fromLatin1(name), e);
        return e;
    };
    auto fieldRow = [&](const char* name, const char* text, int row) {
        caption(frame3_, QString::fromUtf8(text), rowY(row));
        return addField(name, kFieldX, rowY(row), 64);
    };
    fieldRow("Text1", "คานยาว / เมตร =", 0);
    // The overhang sits beside the span, shown for the overhanging beam only.
    label5_ = caption(frame3_, QStringLiteral("มีคานยื่นที่ปลายยาว /เมตร ="), rowY(0), kFieldX + 66, 156);
    addField("Text5", kFieldX + 226, rowY(0), 40);
    command29_ = makeButton(frame3_, "Command29", QStringLiteral("?"), QStringLiteral("ปุ่มช่วยเหลือ"));
    command29_->setGeometry(kFieldX + 270, rowY(0), 24, 24);
    connect(command29_, &QPushButton::clicked, this, [this] { ui::prompter().show(overhangAdvice(), this); });

    fieldRow("Text2", "นน.ที่ลงบนคาน กก./ เมตร =", 1);
    QPushButton* c25 = makeButton(frame3_, "Command25", QStringLiteral("คำนวณ นน."), QStringLiteral("กดช่วยเหลือในการคำนวณ"));
    c25->setGeometry(kFieldX + 70, rowY(1), 80, 24);
    connect(c25, &QPushButton::clicked, this, [this] {
        frame5_->show();
        frame5_->raise();
    });
    label8_ = new ClickLabel(QStringLiteral("ช่วยคำนวณ นน.จร"), frame3_);
    label8_->setObjectName(QStringLiteral("Label8"));
    label8_->setToolTip(QStringLiteral("กดช่วยเหลือในการคำนวณ"));
    label8_->setGeometry(kFieldX + 158, rowY(1), 130, 24);
    label8_->setStyleSheet(QStringLiteral("color: #1a3c8c; text-decoration: underline;"));
    connect(label8_, &ClickLabel::clicked, this, [this] {
        label8_->setBorder(true);
        frame5_->show();
        frame5_->raise();
    });
    connect(label8_, &ClickLabel::doubleClicked, this, [this] {
        label8_->setBorder(false);
        frame5_->hide();
    });

    fieldRow("Text3", "ความกว้างของคาน / ซ.ม.=", 2);
    fieldRow("Text4", "ความลึกของคาน / ซ.ม. =", 3);
    label14_ = makeLabel(frame3_, "Label14", QString());
    label14_->setToolTip(QStringLiteral("ความลึกของคานที่แนะนำ"));
    label14_->setGeometry(kFieldX + 70, rowY(3), 60, 24);
    label14_->setFrameShape(QFrame::Panel);
    label14_->setFrameShadow(QFrame::Sunken);
    label14_->setAlignment(Qt::AlignCenter);

    // Bar sizes, each with its picker of standard sizes.
    auto picker = [&](const char* listName, const std::vector<int>& sizes, const char* target) {
        auto* list = new QListWidget(this);
        list->setObjectName(QString::fromLatin1(listName));
        for (int mm : sizes) list->addItem(qs(barSizeText(mm)));
        list->hide();
        onRowChosen(list, this, [this, list, target](QListWidgetItem* item) {
            field(target)->setText(QString::number(static_cast<int>(num(ss(item->text())))));
            list->hide();
        });
        return list;
    };
    list3_ = picker("List3", mainBarSizes(), "Text6");
    list4_ = picker("List4", mainBarSizes(), "Text7");
    list5_ = picker("List5", stirrupBarSizes(), "Text8");
    auto pickButton = [&](const char* name, const char* tip, int row, QListWidget* list) {
        QPushButton* b = makeButton(frame3_, name, QStringLiteral("มม. ▾"), QString::fromUtf8(tip));
        b->setGeometry(kFieldX + 70, rowY(row), 56, 24);
        connect(b, &QPushButton::clicked, this, [this, list] { showOnlyList(list); });
    };
    fieldRow("Text6", "ขนาดเหล็กบน(รับแรงอัด)/ มม. =", 4);
    pickButton("Command22", "ขนาดเหล็กมาตรฐาน", 4, list3_);
    fieldRow("Text7", "ขนาดเหล็กล่าง(รับแรงดึง)/ มม. =", 5);
    pickButton("Command23", "ขนาดเหล็กมาตรฐาน", 5, list4_);
    fieldRow("Text8", "ป. ขนาดเหล็กปลอก / มม. =", 6);
    pickButton("Command24", "ขนาดเหล็กปลอก", 6, list5_);
    caption(frame3_, QStringLiteral("จำนวนปลอก ="), rowY(6), kFieldX + 128, 86);
    addField("Text10", kFieldX + 218, rowY(6), 40)->setToolTip(QStringLiteral("1 ปลอกเดี่ยว, 2 ปลอกคู่, 3 ปลอกซ้อน 3"));
    auto* sets = new QLabel(QStringLiteral("ป."), frame3_);
    sets->setGeometry(kFieldX + 262, rowY(6), 24, 24);

    // Load factors: locked until unlocked on purpose.
    caption(frame3_, QStringLiteral("ตัวคูณ นน.คงที่ DL / นน.จร LL ="), rowY(7));
    QLineEdit* dl = addField("Text32", kFieldX, rowY(7), 36);
    dl->setToolTip(QStringLiteral("คิดกี่เท่าของ DEAD LOAD"));
    QPushButton* c28 = makeButton(frame3_, "Command28", QStringLiteral("DL"), QStringLiteral("นน.คงที่จริง"));
    c28->setGeometry(kFieldX + 38, rowY(7), 32, 24);
    QLineEdit* ll = addField("Text31", kFieldX + 76, rowY(7), 36);
    ll->setToolTip(QStringLiteral("คิดกี่เท่าของ LIVE LOAD"));
    QPushButton* c36 = makeButton(frame3_, "Command36", QStringLiteral("LL"), QStringLiteral("นน.จรจริง"));
    c36->setGeometry(kFieldX + 114, rowY(7), 32, 24);
    dl->setReadOnly(true);
    ll->setReadOnly(true);
    connect(c28, &QPushButton::clicked, this, [this] { field("Text32")->setText(QStringLiteral("1")); });
    connect(c36, &QPushButton::clicked, this, [this] { field("Text31")->setText(QStringLiteral("1")); });
    QPushButton* c16 = makeButton(frame3_, "Command16", QStringLiteral("ค่ามาตรฐาน"), QStringLiteral("แก้ไข SAFTY FACTOR"));
    c16->setGeometry(kFieldX + 152, rowY(7), 80, 24);
    command37_ = makeButton(frame3_, "Command37", QStringLiteral("แก้ไข"), QStringLiteral("แก้ไข SAFTY FACTOR"));
    command37_->setGeometry(kFieldX + 236, rowY(7), kInputWidth - kFieldX - 244, 24);
    connect(c16, &QPushButton::clicked, this, [this] {
        command37_->show();
        field("Text31")->setText(QStringLiteral("2"));
        field("Text32")->setText(QStringLiteral("1.7"));
        field("Text31")->setReadOnly(true);
        field("Text32")->setReadOnly(true);
    });
    connect(command37_, &QPushButton::clicked, this, [this] {
        field("Text31")->setText(QStringLiteral("1"));
        field("Text32")->setText(QStringLiteral("1"));
        field("Text31")->setReadOnly(false);
        field("Text32")->setReadOnly(false);
    });

    // Steel grade.
    label50_ = makeLabel(frame3_, "Label50", qs(kGradePrompt));
    label50_->setGeometry(8, rowY(8), 320, 24);
    label50_->setStyleSheet(QStringLiteral("color: #1a3c8c;"));
    int gx = 330;
    for (const GradeButton& g : gradeButtons()) {
        const bool round = g.grade == SteelGrade::SR24;
        QPushButton* b = makeButton(frame3_, g.button, QString(), QString::fromUtf8(g.tooltip));
        b->setIcon(QIcon(toolPixmap(round ? ToolPicture::RoundBar : ToolPicture::DeformedBar, QSize(24, 24))));
        static const char* const kShort[] = {"SR24", "SD30", "SD35", "SD40"};
        b->setText(QString::fromLatin1(kShort[static_cast<int>(g.grade)]));
        b->setGeometry(gx, rowY(8), 52, 24);
        b->setIconSize(QSize(14, 14));
        b->setStyleSheet(QStringLiteral("padding: 0px; font-size: 8pt;"));
        gx += 55;
        const SteelGrade grade = g.grade;
        connect(b, &QPushButton::clicked, this, [this, grade] { pressGrade(grade); });
    }

    // Material values, uncovered by the extended height.
    label6_ = new ClickLabel(QStringLiteral("*ค่าหน่วยแรงของคอนกรีตและเหล็กที่ใช้คำนวณ"), frame3_);
    label6_->setObjectName(QStringLiteral("Label6"));
    label6_->setGeometry(8, rowY(9), 300, 24);
    label6_->setStyleSheet(QStringLiteral("color: #8c1a1a;"));
    connect(label6_, &ClickLabel::clicked, this, [this] {
        label6_->setBorder(true);
        setInputHeight(6720);
    });
    connect(label6_, &ClickLabel::doubleClicked, this, [this] {
        label6_->setBorder(false);
        setInputHeight(4800);
    });
    QPushButton* c34 = makeButton(frame3_, "Command34", QStringLiteral("▾"), QStringLiteral("กดเพื่อเปลี่ยนแปลงค่าที่ใช้คำนวณ"));
    c34->setGeometry(330, rowY(9), 28, 24);
    connect(c34, &QPushButton::clicked, this, [this] { setInputHeight(6720); });
    auto materialRow = [&](const char* name, const char* text, int row) {
        caption(frame3_, QString::fromUtf8(text), materialY(row));
        return addField(name, kFieldX, materialY(row), 64);
    };
    materialRow("Text12", "fc' แรงอัดประลัยของคอนกรีต กก./ตร.ซม.=", 0);
    materialRow("Text13", "fc หน่วยแรงอัดคอนกรีต กก./ตร.ซม.=", 1);
    materialRow("Text14", "fs หน่วยแรงดึงของเหล็กเส้น กก./ตร.ซม.=", 2)
        ->setToolTip(QStringLiteral("เปลี่ยนค่าโดยเลือกเหล็กเส้นกลมหรือเหล็กข้ออ้อย"));

    field("Text5")->hide();
    label5_->hide();
    command29_->hide();
}

void BeamWindow::buildResultPanel() {
    frame4_ = makePanel(this, "Frame4");
    frame4_->setGeometry(kRightX, kPanelTop, kRightWidth, kWindowHeight - kPanelTop - 6);
    // The caption column: one line per row, each value label on the row of its caption.
    auto* column = new QWidget(frame4_);
    column->setObjectName(QStringLiteral("Text9"));
    const int valueX = 346, valueW = kRightWidth - valueX - 10, lineH = 21;
    column->setGeometry(4, 4, valueX - 8, kWindowHeight);
    int y = 2;
    int separators = 0;
    for (const ResultLine& line : beamResultLines()) {
        const QString text = QString::fromUtf8(line.caption);
        const bool heading = y == 2;
        const bool dots = text == QLatin1String(kDotLine);
        auto* l = new QLabel(dots ? QString() : text, column);
        l->setGeometry(0, y, valueX - 8, lineH);
        if (heading) {
            QFont f = l->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.15);
            l->setFont(f);
            l->setAlignment(Qt::AlignCenter);
        } else if (dots) {
            // A dotted rule between the groups; the bar groups carry their heading on it.
            l->setText(QString::fromLatin1(kDotLine));
            l->setGeometry(0, y, kRightWidth - 14, lineH);
            l->setParent(frame4_);
            l->move(4, 4 + y);
            l->setStyleSheet(QStringLiteral("color: #888;"));
            ++separators;
            if (separators == 1 || separators == 2) {
                QLabel* h = makeLabel(frame4_, separators == 1 ? "Label40" : "Label41",
                                      QString::fromUtf8(separators == 1 ? barHeadings(0).label40 : barHeadings(0).label41));
                h->setGeometry(4, 4 + y, 110, lineH);  // over the start of the rule, no stray dots before it
                h->setAlignment(Qt::AlignCenter);
                h->setAutoFillBackground(true);
                h->setStyleSheet(QStringLiteral("color: #1a3c8c; font-weight: bold;"));
            }
        } else {
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        if (*line.label) {
            QLabel* v = makeLabel(frame4_, line.label, QString());
            v->setGeometry(valueX, 4 + y, valueW, lineH - 1);
            v->setFrameShape(QFrame::Panel);
            v->setFrameShadow(QFrame::Sunken);
            v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            v->setStyleSheet(QStringLiteral("background: white; padding-right: 3px;"));
        }
        y += lineH;
    }
    column->setFixedHeight(y + 2);
    label40_ = frame4_->findChild<QLabel*>(QStringLiteral("Label40"));
    label41_ = frame4_->findChild<QLabel*>(QStringLiteral("Label41"));
}

void BeamWindow::buildCalculator() {
    frame5_ = makePanel(this, "Frame5");
    frame5_->setGeometry(kRightX, kPanelTop, kRightWidth, kWindowHeight - kPanelTop - 6);
    const FieldSet defaults = beamDefaultFields();
    struct Row {
        const char* field;
        const char* caption;
    };
    const Row rows[3][3] = {
        {{"Text17", "พื้นกว้าง / เมตร ="}, {"Text18", "พื้นยาว  /  เมตร ="}, {"Text19", "นน.จรเฉลี่ย / ตร.เมตร ="}},
        {{"Text21", "ผนังกว้าง / เมตร ="}, {"Text22", "ผนังสูง / เมตร ="}, {"Text23", "นน.ผนัง กก. / ตร.ม. ="}},
        {{"Text25", "แรง P1 ( กก.) ="}, {"Text26", "แรง P2 ( กก.) ="}, {"Text27", "แรง P3 ( กก.) ="}},
    };
    const char* totals[3] = {"Label44", "Label45", "Label46"};
    const char* headings[3] = {"1. นน.จรบนพื้น", "2. นน.ผนัง", "3. แรงกระทำเป็นจุด"};
    auto valueLabel = [&](const char* name, int x, int y, int w) {
        QLabel* l = makeLabel(frame5_, name, QString());
        l->setGeometry(x, y, w, 24);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setStyleSheet(QStringLiteral("background: white; padding-right: 3px;"));
        return l;
    };
    int y = 6;
    for (int b = 0; b < 3; ++b) {
        auto* h = new QLabel(QString::fromUtf8(headings[b]), frame5_);
        h->setGeometry(8, y, 200, 22);
        h->setStyleSheet(QStringLiteral("color: #1a3c8c; font-weight: bold;"));
        for (int r = 0; r < 3; ++r) {
            const int ry = y + 22 + r * 27;
            caption(frame5_, QString::fromUtf8(rows[b][r].caption), ry, 8, 160);
            QLineEdit* e = makeField(frame5_, rows[b][r].field, qs(defaults.get(rows[b][r].field)));
            e->setGeometry(172, ry, 64, 24);
            fields_.insert(QString::fromLatin1(rows[b][r].field), e);
        }
        auto* eq = new QLabel(QStringLiteral("รวม (กก.) ="), frame5_);
        eq->setGeometry(246, y + 22 + 27, 80, 24);
        eq->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valueLabel(totals[b], 330, y + 22 + 27, kRightWidth - 342);
        y += 22 + 3 * 27 + 6;
    }
    QPushButton* c32 = makeButton(frame5_, "Command32", QStringLiteral("ตาราง"), QStringLiteral("นน.จรตาม พรบ.ควบคุมอาคาร"));
    c32->setGeometry(246, 6 + 22 + 2 * 27, 60, 24);
    QPushButton* c33 = makeButton(frame5_, "Command33", QStringLiteral("ตาราง"), QStringLiteral("นน.ผนังมาตรฐาน"));
    c33->setGeometry(246, 6 + (22 + 3 * 27 + 6) + 22 + 2 * 27, 60, 24);

    QLabel* l42 = makeLabel(frame5_, "Label42", QStringLiteral("รวม นน.จร ที่กระทำลงบนคาน / กก. ( 1 + 2 + 3 ) ="));
    l42->setGeometry(8, y, 318, 24);
    l42->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueLabel("Label47", 330, y, kRightWidth - 342);
    y += 28;
    QLabel* l43 = makeLabel(frame5_, "Label43", QStringLiteral("เฉลี่ย นน. จร ที่ลงบนคาน คิดเป็น กก. / เมตร ="));
    l43->setGeometry(8, y, 318, 24);
    l43->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueLabel("Label48", 330, y, kRightWidth - 342);
    y += 32;
    QPushButton* c30 = makeButton(frame5_, "Command30", QStringLiteral("คำนวณ"), QStringLiteral("คำนวณ"));
    c30->setGeometry(8, y, 100, 28);
    connect(c30, &QPushButton::clicked, this, &BeamWindow::runLiveLoadCalculator);
    QPushButton* c31 = makeButton(frame5_, "Command31", QStringLiteral("ตกลง"), QStringLiteral("ตกลง"));
    c31->setGeometry(116, y, 100, 28);
    connect(c31, &QPushButton::clicked, this, [this] {
        frame5_->hide();
        label8_->setBorder(false);
    });
    y += 34;

    auto table = [&](const char* name, const std::vector<LoadEntry>& entries, const char* target) {
        auto* list = new QListWidget(frame5_);
        list->setObjectName(QString::fromLatin1(name));
        for (const LoadEntry& e : entries) {
            auto* item = new QListWidgetItem(QString::fromUtf8(e.text), list);
            item->setData(Qt::UserRole, e.load);
        }
        list->setGeometry(8, y, kRightWidth - 18, frame5_->height() - y - 8);
        list->hide();
        onRowChosen(list, this, [this, target](QListWidgetItem* item) {
            field(target)->setText(QString::number(item->data(Qt::UserRole).toInt()));
        });
        return list;
    };
    list1_ = table("List1", floorLoadTable(), "Text19");
    list2_ = table("List2", wallWeightTable(), "Text23");
    connect(c32, &QPushButton::clicked, this, [this] {
        list1_->show();
        list2_->hide();
    });
    connect(c33, &QPushButton::clicked, this, [this] {
        list2_->show();
        list1_->hide();
    });
}

void BeamWindow::buildTitleBlock() {
    frame6_ = makePanel(this, "Frame6");
    frame6_->setGeometry(6, kPanelTop, kInputWidth, 236);
    QLabel* heading = makeLabel(frame6_, "Label55", QStringLiteral("ใส่ชื่อหัวเรื่องที่ต้องการพิมพ์"));
    heading->setGeometry(8, 6, kInputWidth - 16, 24);
    heading->setStyleSheet(QStringLiteral("color: #1a3c8c; font-weight: bold;"));
    const std::pair<const char*, const char*> rows[] = {
        {"Text20", "ชื่อโครงการ"},         {"Text30", "ชื่อคาน"},     {"Text24", "ชื่อวิศวกร / บริษัท"},
        {"Text28", "เลขทะเบียน / โทร."}, {"Text29", "หน้า  / แผ่นที่"},
    };
    int y = 36;
    for (const auto& [name, text] : rows) {
        caption(frame6_, QString::fromUtf8(text), y, 8, 140);
        QLineEdit* e = makeField(frame6_, name, QString());
        e->setGeometry(154, y, kInputWidth - 170, 24);
        fields_.insert(QString::fromLatin1(name), e);
        y += 28;
    }
    QPushButton* print = pictureButton(frame6_, "Command27", toolPixmap(ToolPicture::Print, QSize(40, 40)),
                                       QStringLiteral("พิมพ์รายการคำนวณ"), 44);
    print->move(154, y + 2);
    connect(print, &QPushButton::clicked, this, &BeamWindow::printSheet);
    QPushButton* cancel = pictureButton(frame6_, "Command35", toolPixmap(ToolPicture::Cancel, QSize(40, 40)),
                                        QStringLiteral("ยกเลิกการพิมพ์"), 44);
    cancel->move(204, y + 2);
    connect(cancel, &QPushButton::clicked, frame6_, &QWidget::hide);
}

void BeamWindow::placePanels() {
    const int top = frame2_->isHidden() ? kPanelTop : frame2_->geometry().bottom() + 6;
    frame3_->move(6, top);
    for (QListWidget* list : {list3_, list4_, list5_}) {
        // The pickers open beside their buttons, over whatever lies to the right.
        const int row = list == list3_ ? 4 : list == list4_ ? 5 : 6;
        const int y = std::min(top + rowY(row), kWindowHeight - 250);
        list->setGeometry(kFieldX + 136, y, 90, 240);
    }
}

void BeamWindow::setInputHeight(int twips) {
    inputHeight_ = twips;
    ui::setHeightTwips(frame3_, twips);
    // The title block lies over the input panel: the panel a button asks for must be
    // the one the user sees, so the title block makes way (as print-cancel does).
    frame6_->hide();
    frame3_->show();
    placePanels();
}

void BeamWindow::eraseDrawing() { surface_->clear(); }

BeamDesignResult BeamWindow::lastResult() const { return outcome_ ? outcome_->result : BeamDesignResult{}; }

void BeamWindow::draw() {
    // The panels make way for the picture, which shows the last design (zeros before any).
    frame2_->hide();
    frame3_->hide();
    frame4_->hide();
    surface_->setPage(beamDrawing(lastResult()));
    surface_->lower();
}

bool BeamWindow::printSheet() {
    eraseDrawing();
    const bool usable = outcome_ && outcome_->status == DesignStatus::Usable;
    const PageModel sheet = beamSheet(lastResult(), beamTitleBlock(fields()), usable);
    const bool printed = ui::printSheet(sheet, beamPrintQuestion(), this);
    if (printed) frame6_->hide();
    return printed;
}

void BeamWindow::showOnlyList(QListWidget* list) {
    for (QListWidget* l : {list3_, list4_, list5_}) l->setVisible(l == list);
    placePanels();
    list->raise();
}

void BeamWindow::chooseType(int type) {
    const BeamTypeButton* info = beamTypeButton(type);
    if (!info) return;
    beamType_ = type;
    frame2_->hide();
    label1_->setText(QString::fromUtf8(info->caption));
    command4_->setIcon(QIcon(beamTypePixmap(type, QSize(64, 45))));
    const bool overhang = type == kOverhang;
    field("Text5")->setVisible(overhang);
    label5_->setVisible(overhang);
    command29_->setVisible(overhang);
    const BarHeadings h = barHeadings(type);
    label40_->setText(QString::fromUtf8(h.label40));
    label41_->setText(QString::fromUtf8(h.label41));
    placePanels();
}

void BeamWindow::pressGrade(SteelGrade g) {
    const GradeButton& b = gradeButton(g);
    field("Text14")->setText(QString::fromLatin1(b.fs));
    label50_->setText(QString::fromUtf8(b.caption));
    setInputHeight(6720);
}

void BeamWindow::runLiveLoadCalculator() {
    LiveLoadEstimate e;
    try {
        e = estimateLiveLoad(fields());
    } catch (const ArithmeticError&) {
        // Entries too large to add up: nothing is written.
        ui::prompter().show(Message{"คุณใส่ข้อมูลผิดพลาด!?!", kProgramTitle, Icon::None}, this);
        return;
    }
    if (e.message) ui::prompter().show(*e.message, this);
    field("Text2")->setText(qs(numText(e.perMetre)));
    writeLabelsNow(FieldSet{{"Label48", numText(e.perMetre)},
                            {"Label44", numText(e.floor)},
                            {"Label45", numText(e.wall)},
                            {"Label46", numText(e.points)},
                            {"Label47", numText(e.total)}});
}

void BeamWindow::fieldChanged(QLineEdit* e) {
    if (e->objectName() == QLatin1String("Text1")) {
        spanChanged(e);
        return;
    }
    const auto check = checkBeamField(ss(e->objectName()), ss(e->text()));
    if (!check) return;
    // Writing the correction runs this check again on the corrected text.
    if (check->correction && !check->correctionAfterMessage) e->setText(qs(*check->correction));
    ui::prompter().show(check->message, this);
    if (check->correction && check->correctionAfterMessage) e->setText(qs(*check->correction));
}

void BeamWindow::spanChanged(QLineEdit* e) {
    if (calculating_) {
        // Calculate writes "0" into an empty span: that is a report, not a new span,
        // so the load, section and estimator fields keep what the user typed.
        span_ = num(ss(e->text()));
        return;
    }
    const SpanCheck c = checkSpan(ss(e->text()));
    if (c.resetToOne) e->setText(QStringLiteral("1"));  // runs this handler for 1 m
    if (c.message) ui::prompter().show(*c.message, this);
    span_ = c.span;
    for (const auto& [name, text] : spanSuggestions(span_, beamType_)) fields_.value(qs(name))->setText(qs(text));
}

void BeamWindow::applyCorrection(const Correction& c) {
    if (QLineEdit* e = fields_.value(qs(c.field), nullptr)) e->setText(qs(c.text));
}

void BeamWindow::writeLabelsNow(const FieldSet& labels) { ui::writeLabels(this, labels); }

void BeamWindow::calculate() {
    eraseDrawing();
    setInputHeight(4800);
    BeamDesignOutcome out = calculateBeam(readBeamInput(fields(), beamType_));
    // The messages up to the result panel, the panel, then the final checks; each
    // correction is written the moment its message is raised.
    Diagnostics before, after;
    const auto& events = out.diagnostics.events();
    for (std::size_t i = 0; i < events.size(); ++i) {
        Diagnostics& part = out.reachedResults && i >= out.resultEventIndex ? after : before;
        if (const auto* m = std::get_if<Message>(&events[i]))
            part.say(*m);
        else
            part.correct(std::get<Correction>(events[i]).field, std::get<Correction>(events[i]).text);
    }
    calculating_ = true;
    auto apply = [this](const Correction& c) { applyCorrection(c); };
    ui::replay(before, this, apply);
    if (out.reachedResults) {
        writeLabelsNow(beamResultLabels(out.result));
        frame4_->show();
    }
    ui::replay(after, this, apply);
    calculating_ = false;
    label49_->setText(qs(out.verdict));
    outcome_ = std::move(out);
}

void registerBeamWindows() {
    ui::WindowRegistry::instance().add(QStringLiteral("Beam01"), [] { return new BeamWindow; });
}

}  // namespace mx::beam
