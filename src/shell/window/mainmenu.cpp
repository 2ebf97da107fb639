#include "shell/window/mainmenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/window/licence.h"
#include "ui/fields.h"
#include "ui/registry.h"

namespace mx::shell {

namespace {

struct MenuButton {
    const char* name;
    const char* caption;
    const char* window;  // registry name; nullptr for the exit button
    const char* tip;
};

// In the order they stand on the menu, three to a row.
const MenuButton kButtons[] = {
    {"Command1", "ออกแบบคาน", "Beam01", "ออกแบบคาน คสล. ช่วงเดี่ยว ต่อเนื่อง ยื่น"},
    {"Command5", "ออกแบบเสา", "column", "ออกแบบเสาสี่เหลี่ยมและเสากลม"},
    {"Command9", "ออกแบบพื้น", "slab", "ออกแบบพื้นสองทาง ทางเดียว และพื้นยื่น"},
    {"Command10", "ออกแบบบันได คสล.", "ST01", "ออกแบบบันไดคอนกรีตเสริมเหล็ก"},
    {"Command6", "ออกแบบฐานรากแผ่", "foot00", "ออกแบบฐานรากแผ่สี่เหลี่ยมจัตุรัส"},
    {"Command7", "ออกแบบฐานรากมีเข็ม", "foot01", "ออกแบบฐานรากบนเสาเข็ม 1 ถึง 20 ต้น"},
    {"Command8", "คำนวณเกี่ยวกับเสาเข็ม", "pile", "น้ำหนักปลอดภัยของเสาเข็มจากแรงเสียดทาน"},
    {"Command4", "BLOW COUNT", "blow", "กำลังรับน้ำหนักของเสาเข็มจากจำนวนครั้งที่ตอก"},
    {"Command3", "เครื่องคิดเลข", "fcal", "เครื่องคิดเลขสำหรับคิดเลขระหว่างออกแบบ"},
    {"Command11", "ทำปกนอก", "cover01", "พิมพ์ปกรายการคำนวณ"},
    {"Command12", "ทำปกใน", "cover02", "พิมพ์หน้าข้อกำหนดประกอบรายการคำนวณ"},
    {"Command2", "ออกจากโปรแกรม", nullptr, "ออกจากโปรแกรม MX7100"},
};

const char* const kNotAvailable = "ส่วนนี้ยังไม่พร้อมใช้งานในรุ่นนี้";
const char* const kContactText = "หากท่านมีข้อสงสัยหรือแนะนำอย่างไร โปรดติดต่อเจ้าของลิขสิทธิ์";

const char* const kStyle = R"(
mx--shell--MainMenu, QWidget#MX5100 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #eef3fa, stop:1 #d5e0ee); }
QToolButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e2e9f3);
              border: 1px solid #8b9cb6; border-radius: 6px; padding: 4px 2px; color: #14243f; }
QToolButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffbe8, stop:1 #ffe7a8); border-color: #c9962a; }
QToolButton:pressed { background: #f3d27a; }
QToolButton:disabled { background: #e3e6eb; color: #8a8f98; border-color: #b8bec8; }
QLabel#Picture1, QLabel#Image1 { border: 2px solid #2a3e66; background: #0d1b3e; }
QLabel#heading { color: #12306a; }
QLabel#subheading { color: #3a4a66; }
QLabel#Label1, QLabel#Label2 { color: #203050; }
)";

}  // namespace

QString MainMenu::windowFor(const QString& button) {
    for (const auto& b : kButtons)
        if (button == QLatin1String(b.name)) return b.window ? QString::fromUtf8(b.window) : QString();
    return {};
}

QToolButton* MainMenu::addButton(const char* name, const QString& caption, const QString& tip) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolTip(tip);
    b->setIcon(menuIcon(b->objectName(), 40));
    b->setIconSize(QSize(40, 40));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFixedSize(150, 86);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

MainMenu::MainMenu(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MX5100"));
    setWindowTitle(QStringLiteral("TALVEN - MX7100  V. 2.00"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromUtf8(kStyle));
    QFont f = font();
    f.setPointSizeF(10.5);
    setFont(f);

    clip_ = PictureClip(faceStrip(), 3, 6);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(skylinePicture());
    image->setFixedSize(516, 404);
    image->setAlignment(Qt::AlignCenter);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setFixedSize(104, 104);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setToolTip(QStringLiteral("คลิกเพื่อหยุดภาพ ดับเบิลคลิกเพื่อให้เคลื่อนไหวต่อ"));
    picture_->installEventFilter(this);

    QLabel* heading = ui::makeTitle(this, "heading", QStringLiteral("MX7100"), 26);
    auto* sub = new QLabel(QStringLiteral("โปรแกรมออกแบบโครงสร้างคอนกรีตเสริมเหล็ก\nโดยวิธีหน่วยแรงใช้งาน ตามมาตรฐาน วสท."), this);
    sub->setObjectName(QStringLiteral("subheading"));

    auto* top = new QHBoxLayout;
    top->addWidget(picture_);
    top->addSpacing(12);
    auto* titles = new QVBoxLayout;
    titles->addStretch();
    titles->addWidget(heading);
    titles->addWidget(sub);
    titles->addStretch();
    top->addLayout(titles);
    top->addStretch();

    auto* grid = new QGridLayout;
    grid->setSpacing(8);
    auto& registry = ui::WindowRegistry::instance();
    int i = 0;
    for (const auto& def : kButtons) {
        QToolButton* b = addButton(def.name, QString::fromUtf8(def.caption), QString::fromUtf8(def.tip));
        grid->addWidget(b, i / 3, i % 3);
        ++i;
        if (!def.window) {
            connect(b, &QToolButton::clicked, this, &MainMenu::quitProgram);
            continue;
        }
        const QString window = QString::fromUtf8(def.window);
        if (!registry.has(window)) {
            b->setEnabled(false);
            b->setToolTip(QString::fromUtf8(kNotAvailable));
        }
        connect(b, &QToolButton::clicked, this, [window] { ui::showWindow(window); });
        if (window == QLatin1String("ST01")) stairButton_ = b;
    }
    if (stairButton_) {
        stairButton_->setMouseTracking(true);
        stairButton_->installEventFilter(this);
    }

    auto* right = new QVBoxLayout;
    right->addLayout(top);
    right->addSpacing(6);
    right->addLayout(grid);
    right->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(image, 0, Qt::AlignTop);
    body->addSpacing(14);
    body->addLayout(right);

    credit_ = new QLabel(QStringLiteral("พัฒนาโดยคณะทำงาน TALVEN เพื่อวิศวกรโยธาไทย  ") + QString::fromUtf8(kLicenceLine), this);
    credit_->setObjectName(QStringLiteral("Label1"));
    auto* contact = new QLabel(QStringLiteral("ติดต่อสอบถามและแจ้งข้อเสนอแนะ: ฝ่ายบริการผู้ใช้ TALVEN  อีเมล support@talven.example"), this);
    contact->setObjectName(QStringLiteral("Label2"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 14, 14, 10);
    outer->addLayout(body);
    outer->addSpacing(8);
    outer->addWidget(credit_);
    outer->addWidget(contact);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &MainMenu::tick);

    setFixedSize(sizeHint());

    // Load: cell 2 first, then the animation runs.
    animation_.load();
    showCell();
    timer_->start();
}

void MainMenu::showCell() { picture_->setPixmap(clip_.cell(animation_.frameIndex())); }

void MainMenu::tick() {
    if (animation_.tick()) showCell();
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_) {
        if (event->type() == QEvent::MouseButtonPress) {
            animation_.freeze();
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            animation_.resume();
        }
    } else if (watched == stairButton_) {
        // The contact line replaces the credit for the rest of the session.
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove || event->type() == QEvent::HoverMove)
            credit_->setText(QString::fromUtf8(kContactText));
    }
    return QWidget::eventFilter(watched, event);
}

void MainMenu::quitProgram() {
    if (quitting_ || (quitGuard_ && !quitGuard_())) return;
    quitting_ = true;
    timer_->stop();
    ui::WindowRegistry::instance().closeAll();
    close();
    QApplication::quit();
}

void MainMenu::closeEvent(QCloseEvent* event) {
    // Closing the menu with its close box ends the program too: the modules are
    // reached only through it, so none may be left open without it.
    if (!quitting_) {
        if (quitGuard_ && !quitGuard_()) {
            event->ignore();
            return;
        }
        quitting_ = true;
        timer_->stop();
        ui::WindowRegistry::instance().closeAll();
        QApplication::quit();
    }
    event->accept();
}

}  // namespace mx::shell
