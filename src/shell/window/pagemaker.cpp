#include "shell/window/pagemaker.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "shell/coverpages.h"
#include "shell/window/artwork.h"
#include "shell/window/licence.h"
#include "ui/fields.h"
#include "ui/printing.h"
#include "ui/prompter.h"
#include "ui/registry.h"

namespace mx::shell {

namespace {

// The page on screen: twips divided by this give pixels.
constexpr double kScale = 26.0;
constexpr double kPageW = 11900 / kScale;
constexpr double kPageH = 16840 / kScale;

int sx(double twips) { return static_cast<int>(twips / kScale + 0.5); }

// The drawn page frame: an outer and an inner line, inset from the paper's edge.
constexpr double kFrameOuter = 700;
constexpr double kFrameInner = 820;
// A field ends this far inside the inner line, so its own border never touches it.
constexpr double kFieldClearance = 80;

struct Place {
    const char* name;
    double x, y, widthTwips, sizePt;
    bool bold;
    bool centred;
};

const Place kCoverPlaces[] = {
    {"Text2", 4200, 1600, 4200, 20, false, false},  {"Text1", 2800, 2200, 8400, 30, false, false},
    {"Text5", 4200, 3000, 7000, 18, false, false},  {"Text6", 4800, 3700, 5200, 16, false, false},
    {"Text3", 8000, 13500, 3100, 18, false, false}, {"Text4", 8450, 14000, 2650, 16, false, false},
};

const Place kCriteriaPlaces[] = {
    {"Text2", 3400, 1600, 6500, 24, true, false},   {"Text14", 2000, 2800, 8500, 18, true, false},
    {"Text1", 3400, 3500, 3700, 18, false, false},  {"Text8", 7150, 3500, 1100, 18, false, true},
    {"Text9", 8300, 3500, 2000, 18, false, false},  {"Text5", 3400, 4200, 3700, 18, false, false},
    {"Text10", 7150, 4200, 1100, 18, false, true},  {"Text11", 8300, 4200, 2000, 18, false, false},
    {"Text6", 3400, 4900, 3700, 18, false, false},  {"Text12", 7150, 4900, 1100, 18, false, true},
    {"Text13", 8300, 4900, 2000, 18, false, false}, {"Text3", 8000, 13500, 3100, 18, true, false},
    {"Text4", 8450, 14000, 2650, 16, false, false},
};

// The white sheet the fields sit on, with its frame and three ruled lines.
class PageSheet : public QWidget {
public:
    explicit PageSheet(bool cover, QWidget* parent) : QWidget(parent), cover_(cover) {
        setFixedSize(static_cast<int>(kPageW), static_cast<int>(kPageH));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Qt::white);
        p.setPen(QPen(QColor(0x9a, 0xa4, 0xb4), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        const QColor ink(0x1f, 0x3f, 0x7a);
        p.setPen(QPen(ink, 2.5));
        p.drawRect(QRectF(sx(kFrameOuter), sx(kFrameOuter), sx(11900 - 2 * kFrameOuter), sx(16840 - 2 * kFrameOuter)));
        p.setPen(QPen(ink, 0.8));
        p.drawRect(pageFrameRect());
        p.setPen(QPen(QColor(0xb0, 0x80, 0x20), 1.2));
        const double top = cover_ ? 4600 : 5800;
        p.drawLine(QPointF(sx(1600), sx(top)), QPointF(sx(10300), sx(top)));
        p.drawLine(QPointF(sx(2400), sx(top + 160)), QPointF(sx(9500), sx(top + 160)));
        p.drawLine(QPointF(sx(7600), sx(13300)), QPointF(sx(11000), sx(13300)));
    }

private:
    bool cover_;
};

const char* const kStyle = R"(
QWidget#cover01, QWidget#cover02 { background: #dde3ec; }
QLineEdit { border: 1px dashed #c3cad6; background: transparent; color: #101828; padding: 0px; }
QLineEdit:focus { border: 1px solid #3a6fd0; background: #f4f8ff; }
QPushButton { min-height: 32px; padding: 2px 10px; }
QPlainTextEdit#Text7 { background: #fffbe6; border: 1px solid #c9a640; color: #302000; }
)";

}  // namespace

namespace {
ProjectPages* installedPages = nullptr;
}  // namespace

ProjectPages* projectPages() { return installedPages; }
void setProjectPages(ProjectPages* pages) { installedPages = pages; }

QRect pageFrameRect() {
    return QRect(sx(kFrameInner), sx(kFrameInner), sx(11900 - 2 * kFrameInner), sx(16840 - 2 * kFrameInner));
}

bool printPageNow(const PageModel& page, QWidget* parent) { return ui::sendSheet(page, parent); }

PageMakerWindow::PageMakerWindow(Kind kind, QWidget* parent) : QWidget(parent, Qt::Window), kind_(kind) {
    const bool cover = kind == Kind::Cover;
    setObjectName(cover ? QStringLiteral("cover01") : QStringLiteral("cover02"));
    setWindowTitle(cover ? QStringLiteral("ออกแบบปก-Page Maker") : QStringLiteral("ข้อกำหนด-Design Criteria"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromUtf8(kStyle));

    const FieldSet defaults = cover ? coverDefaults() : criteriaDefaults();
    auto* sheet = new PageSheet(cover, this);
    auto placeField = [&](const Place& pl) {
        auto* e = ui::makeField(sheet, pl.name, ui::qs(defaults.get(pl.name)));
        QFont f = e->font();
        // Point size on paper to pixels on the scaled page (20 twips to the point),
        // narrowed to the printed font's width: the screen's Thai fonts run wider.
        f.setPixelSize(std::max(8, static_cast<int>(pl.sizePt * 20 / kScale * 0.74)));
        f.setBold(pl.bold);
        e->setFont(f);
        e->setAlignment(pl.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        const int h = static_cast<int>(pl.sizePt * 20 / kScale * 1.45) + 4;
        // A field may run towards the right of the page, never across its frame.
        const double room = 11900 - kFrameInner - kFieldClearance - pl.x;
        e->setGeometry(sx(pl.x), sx(pl.y), sx(std::min(pl.widthTwips, room)), h);
        e->setCursorPosition(0);
        connect(e, &QLineEdit::textEdited, this, &PageMakerWindow::edited);
        names_.push_back(pl.name);
    };
    if (cover)
        for (const auto& pl : kCoverPlaces) placeField(pl);
    else
        for (const auto& pl : kCriteriaPlaces) placeField(pl);

    auto* print = ui::makeButton(this, "Command1", cover ? QStringLiteral("พิมพ์ปก") : QStringLiteral("พิมพ์ข้อกำหนด"),
                                 QStringLiteral("พิมพ์หน้านี้บนกระดาษ A4"));
    auto* clear = ui::makeButton(this, "Command2", QStringLiteral("ลบข้อความ"),
                                 cover ? QStringLiteral("ลบชื่อโครงการ สถานที่ วันที่ ชื่อวิศวกร และเลขทะเบียน")
                                       : QStringLiteral("ลบตัวเลขทั้งสามค่า ชื่อวิศวกร และเลขทะเบียน"));
    auto* help = ui::makeButton(this, "Command4", QStringLiteral("แนะนำ"), QStringLiteral("วิธีใช้หน้าต่างนี้"));
    auto* about = ui::makeButton(this, cover ? "Command5" : "Command6", QStringLiteral("ABOUT"),
                                 QStringLiteral("เกี่ยวกับโปรแกรม"));
    auto* exit = ui::makeButton(this, "Command3", QStringLiteral("ออก"), QStringLiteral("ปิดหน้าต่างนี้"));
    print->setIcon(menuIcon(cover ? QStringLiteral("Command11") : QStringLiteral("Command12"), 24));
    connect(print, &QPushButton::clicked, this, &PageMakerWindow::printPage);
    connect(clear, &QPushButton::clicked, this, &PageMakerWindow::clearTexts);
    connect(help, &QPushButton::clicked, this, &PageMakerWindow::showInstructions);
    connect(about, &QPushButton::clicked, this, [] { ui::showWindow(QStringLiteral("about")); });
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    instructions_ = new QPlainTextEdit(ui::qs(cover ? coverInstructions() : criteriaInstructions()), this);
    instructions_->setObjectName(QStringLiteral("Text7"));
    instructions_->setReadOnly(true);
    instructions_->setFixedWidth(250);
    instructions_->setVisible(false);

    auto* side = new QVBoxLayout;
    side->setContentsMargins(0, 0, 0, 0);  // the panel's width is the box's width
    for (QPushButton* b : {print, clear, help, about, exit}) side->addWidget(b);
    side->addSpacing(8);
    side->addWidget(instructions_, 1);
    side->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(sheet, 0, Qt::AlignTop);
    layout->addSpacing(10);
    auto* sideBox = new QWidget(this);
    sideBox->setFixedWidth(250);
    sideBox->setLayout(side);
    layout->addWidget(sideBox);
    showProjectPage();
}

void PageMakerWindow::showProjectPage() {
    const ProjectPages* pages = projectPages();
    if (!pages) return;
    const FieldSet f = pages->pageFields(kind_);
    for (const std::string& n : names_)
        if (auto* e = findChild<QLineEdit*>(ui::qs(n)); e && f.has(n)) {
            e->setText(ui::qs(f.get(n)));
            e->setCursorPosition(0);
        }
}

void PageMakerWindow::edited() {
    if (ProjectPages* pages = projectPages()) pages->pageEdited(kind_, fields());
}

FieldSet PageMakerWindow::fields() const { return ui::readFields(this, names_); }

PageModel PageMakerWindow::page() const {
    return kind_ == Kind::Cover ? coverPage(fields()) : criteriaPage(fields());
}

void PageMakerWindow::printPage() { printPageNow(page(), this); }

void PageMakerWindow::clearTexts() {
    for (const auto& n : kind_ == Kind::Cover ? coverClearedFields() : criteriaClearedFields())
        if (auto* e = findChild<QLineEdit*>(ui::qs(n))) e->clear();
    edited();
}

void PageMakerWindow::showInstructions() { instructions_->setVisible(true); }

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("เกี่ยวกับโปรแกรม MX7100"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("QWidget#about { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                 "stop:0 #10244e, stop:1 #2b4a86); } QLabel { color: #f2f5fb; }"
                                 "QLabel#name { color: #ffd060; }"));
    auto* face = new QLabel(this);
    face->setPixmap(PictureClip(faceStrip(), 3, 6).cell(10));
    QLabel* name = ui::makeTitle(this, "name", QStringLiteral("MX7100  รุ่น 2.00"), 20);
    auto* body = new QLabel(
        QStringLiteral("โปรแกรมช่วยออกแบบโครงสร้างคอนกรีตเสริมเหล็ก\n"
                       "โดยวิธีหน่วยแรงใช้งาน (Working Stress Design) ตามมาตรฐาน วสท.\n"
                       "และข้อกำหนดของ พ.ร.บ.ควบคุมอาคาร\n\n"
                       "ออกแบบคาน เสา พื้น บันได ฐานรากแผ่ ฐานรากบนเสาเข็ม\n"
                       "คำนวณน้ำหนักปลอดภัยของเสาเข็มจากแรงเสียดทานและจากการตอก\n"
                       "และพิมพ์รายการคำนวณหน้าละหนึ่งแผ่น A4 พร้อมปกและข้อกำหนด\n\n"
                       "ผลการคำนวณต้องได้รับการตรวจสอบและลงนามโดยวิศวกรผู้มีใบอนุญาต"),
        this);
    body->setWordWrap(true);
    auto* licence = new QLabel(QString::fromUtf8(kLicenceLine) + QStringLiteral("\n") + QString::fromUtf8(kLicenceTerms), this);
    licence->setObjectName(QStringLiteral("licence"));
    licence->setWordWrap(true);
    auto* close = ui::makeButton(this, "Command1", QStringLiteral("ปิด"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* head = new QHBoxLayout;
    head->addWidget(face);
    head->addSpacing(12);
    head->addWidget(name, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(head);
    layout->addSpacing(8);
    layout->addWidget(body);
    layout->addSpacing(8);
    layout->addWidget(licence);
    layout->addSpacing(8);
    layout->addWidget(close, 0, Qt::AlignRight);
    setFixedWidth(520);
}

}  // namespace mx::shell
