#include "ui/memberwindow.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "modules/catalogue.h"
#include "ui/fields.h"
#include "ui/memberlayout.h"
#include "ui/pagepainter.h"
#include "ui/prompter.h"
#include "ui/registry.h"

namespace mx::ui {

namespace {

// The first size of a window, and the smallest it may take: a 1080p laptop screen at
// 150 % shows 1280 x 720 logical pixels, less a desktop panel, which leaves 1280 x 680
// for the window with its title bar.
constexpr int kWindowWidth = 1220;
constexpr int kWindowHeight = 680 - frame::kTitleBarRoom;
constexpr int kSmallestWidth = 1000;
constexpr int kSmallestHeight = 560;

// A panel that can answer a double-click on its own background. A double-click on a
// caption or control inside it belongs to that control.
class PanelFrame : public QFrame {
public:
    using QFrame::QFrame;
    std::function<void()> onDoubleClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (onDoubleClick && e->button() == Qt::LeftButton && !childAt(e->position().toPoint())) onDoubleClick();
        QFrame::mouseDoubleClickEvent(e);
    }
};

PanelFrame* makePanelFrame(QWidget* parent, const char* name) {
    auto* f = new PanelFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setAutoFillBackground(true);
    return f;
}

}  // namespace

// --- the frame ------------------------------------------------------------------

ToolButtonSpec ToolButtonSpec::gradeButton(const char* name, SteelGrade grade, const char* tooltip) {
    static constexpr const char* kBadges[] = {"SR24", "SD30", "SD35", "SD40"};
    ToolButtonSpec tool(name, grade == SteelGrade::SR24 ? ToolPicture::RoundBar : ToolPicture::DeformedBar, tooltip,
                        ToolAction::Grade, false, kBadges[static_cast<int>(grade)]);
    tool.grade = grade;
    return tool;
}

MemberWindow::MemberWindow(MemberWindowDesign design, QWidget* parent)
    : QWidget(parent, Qt::Window), design_(std::move(design)) {
    // The module's description is the catalogue's, the tool's own: its name, caption
    // and fields are the window's.
    if (!design_.description && design_.id.module) design_.description = findModule(design_.id.module);
    if (design_.description) {
        design_.id.module = design_.description->name.c_str();
        design_.caption = design_.description->title;
        design_.fields = &design_.description->fields;
        // The steel grades: the grade buttons write fs, the field of that short name. An
        // fs that a change check (or the user) brings to another grade's value presses
        // that grade, so the grade caption never contradicts the fs shown.
        if (design_.description->pressGrade)
            if (const FieldInfo* fs = findField(design_.description->fields, "fs")) fsField_ = fs->object;
    }
    setObjectName(QString::fromLatin1(design_.id.name));
    setWindowTitle(qs(design_.caption));
    if (!design_.icon.isNull()) setWindowIcon(QIcon(design_.icon));
    resize(kWindowWidth, kWindowHeight);
    setMinimumSize(kSmallestWidth, kSmallestHeight);

    toolbar_ = makePanelFrame(this, "Frame1");
    // The input column scrolls when the window is lower than its panels; the drawing
    // surface takes whatever room the window gains.
    inputScroll_ = new QScrollArea(this);
    inputScroll_->setFrameShape(QFrame::NoFrame);
    inputScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    inputScroll_->setWidgetResizable(true);
    inputScroll_->setFixedWidth(design_.inputColumnWidth + inputScroll_->verticalScrollBar()->sizeHint().width());
    inputColumn_ = new QWidget(inputScroll_);
    inputColumn_->setFixedWidth(design_.inputColumnWidth);
    inputLayout_ = new QVBoxLayout(inputColumn_);
    inputLayout_->setContentsMargins(0, 0, 0, 0);
    inputLayout_->setSpacing(6);
    captionColumn_ = new QWidget(this);
    auto* captions = new QVBoxLayout(captionColumn_);
    captions->setContentsMargins(4, 0, 4, 0);
    captions->setSpacing(2);
    if (design_.drawing) {
        surface_ = new DrawingSurface(this);
        surface_->setObjectName(QStringLiteral("Picture1"));
        panelArea_ = surface_;
    } else {
        panelArea_ = new QWidget(this);
    }
    panelArea_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    for (const PanelSpec& p : design_.panels) {
        QWidget* parentWidget = p.place == PanelPlace::Inputs ? inputColumn_ : panelArea_;
        PanelFrame* f = makePanelFrame(parentWidget, p.name);
        if (p.doubleClickHides) f->onDoubleClick = [f] { f->hide(); };
        panels_.insert(QString::fromLatin1(p.name), f);
        if (p.heightTwips > 0) heights_.insert(QString::fromLatin1(p.name), p.heightTwips);
        if (p.clipsRows) {
            // The rows stand in a content widget of their own size, which the panel's
            // fixed height cuts off; the panel has no layout to grow with them.
            auto* rows = new QWidget(f);
            auto* layout = new QVBoxLayout(rows);
            layout->setSizeConstraint(QLayout::SetFixedSize);
            layout->setContentsMargins(8, 6, 8, 6);
            layout->setSpacing(4);
            clippedRows_.insert(f, rows);
        }
        if (p.place == PanelPlace::Inputs) inputLayout_->addWidget(f);
    }
    inputLayout_->addStretch(1);
    inputScroll_->setWidget(inputColumn_);
}

MemberWindow::~MemberWindow() = default;

void MemberWindow::assemble() {
    buildToolbar();
    buildPanels();
    buildTitleBlock();
    // Every result panel ends with the member's quantities, written by each Calculate.
    if (QWidget* r = design_.resultPanel && design_.description && design_.description->quantities
                         ? findChild<QWidget*>(QString::fromLatin1(design_.resultPanel))
                         : nullptr) {
        quantities_ = new QLabel(r);
        quantities_->setObjectName(QString::fromLatin1(kMemberQuantitiesLabel));
        quantities_->setWordWrap(true);
        quantities_->setStyleSheet(QStringLiteral("color: #14448c;"));
        panelLayout(r)->addWidget(quantities_);
    }
    addLinkButtons();  // before the layout: the fields widen for them

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    if (!design_.captionsInToolbar) right->addWidget(captionColumn_);
    right->addWidget(panelArea_, 1);
    auto* body = new QHBoxLayout;
    body->setSpacing(6);
    body->addWidget(inputScroll_, 0);
    body->addLayout(right, 1);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(6);
    main->addWidget(toolbar_);
    main->addLayout(body, 1);
    main->addWidget(addStatusLine());

    for (const PanelSpec& p : design_.panels) {
        QFrame* f = panel(p.name);
        // A panel taller than its rows keeps them at its top, as the form drew them.
        if (p.sizedByHeight) panelLayout(f)->addStretch(1);
        f->setVisible(p.shownAtStart);
        if (p.heightTwips > 0) setPanelHeight(p.name, p.heightTwips);
    }
    // A panel that clips its rows cuts nothing off at its side: the column is as wide
    // as they are.
    int columnWidth = design_.inputColumnWidth;
    for (auto it = clippedRows_.cbegin(); it != clippedRows_.cend(); ++it)
        columnWidth = std::max(columnWidth, it.value()->sizeHint().width() + 2 * it.key()->frameWidth());
    inputColumn_->setFixedWidth(columnWidth);
    inputScroll_->setFixedWidth(columnWidth + inputScroll_->verticalScrollBar()->sizeHint().width());
    main->activate();  // the surface has its size before the window is first shown
    // The toolbar's buttons keep their size: the window is never narrower than they
    // need side by side, so that none covers another (Calculate's caption first).
    setMinimumWidth(std::max(minimumWidth(), main->totalMinimumSize().width()));
    // The scrolled column too: its panels have their places before the first show.
    inputColumn_->resize(columnWidth,
                         std::max(inputScroll_->viewport()->height(), inputColumn_->minimumSizeHint().height()));
    frame::layOut(inputColumn_);
    if (!aligned_.empty()) {
        // The input column has a fixed width, so the room the aids take is known now.
        for (const auto& [rows, above] : aligned_) {
            const QRect field = above->cellRect(0, 1);
            // An empty column takes no spacing before it: its width holds the gap too.
            const int aids = above->geometry().right() - field.right();
            if (field.width() > 0 && aids > 0) rows->setColumnMinimumWidth(2, aids);
        }
        frame::layOut(inputColumn_);
    }
    placeOverlays();
    orderKeyboard();
}

void MemberWindow::orderKeyboard() {
    // Tab follows the form: the type buttons above the inputs, the input fields from
    // the top, then Calculate; the toolbar after them. A type button is any button of
    // the input column that stands above its first field.
    std::vector<QWidget*> chain;
    QPushButton* calculate = nullptr;
    for (const ToolButtonSpec& tool : design_.toolbar)
        if (tool.action == ToolAction::Calculate) calculate = toolButton(tool.name);
    if (!inputOrder_.empty()) {
        auto top = [this](const QWidget* x) { return x->mapTo(inputColumn_, QPoint(0, 0)); };
        const int firstField = top(inputOrder_.front()).y();
        std::vector<QAbstractButton*> types;
        for (QAbstractButton* b : inputColumn_->findChildren<QAbstractButton*>())
            if (b->focusPolicy() & Qt::TabFocus && top(b).y() + b->height() <= firstField) types.push_back(b);
        std::stable_sort(types.begin(), types.end(), [&](const QWidget* a, const QWidget* b) {
            const QPoint pa = top(a), pb = top(b);
            return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
        });
        chain.insert(chain.end(), types.begin(), types.end());
    }
    for (QLineEdit* e : inputOrder_) chain.push_back(e);
    if (calculate) chain.push_back(calculate);
    for (std::size_t i = 1; i < chain.size(); ++i)
        if (chain[i - 1] && chain[i]) setTabOrder(chain[i - 1], chain[i]);
}

void MemberWindow::focusFirstInput() {
    for (QLineEdit* field : inputOrder_)
        if (field->isVisibleTo(this) && field->isEnabled() && !field->isReadOnly()) {
            field->setFocus(Qt::OtherFocusReason);
            return;
        }
}

bool MemberWindow::chooseMemberType(int code) {
    if (!showMemberType(code)) return type_ == code;
    type_ = code;
    inputsChanged();
    focusFirstInput();
    return true;
}

void MemberWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (ProjectLink* link = projectLink()) link->windowOpened(*this);
    // What the window opens with is kept: only what is typed after it is an edit.
    if (!kept_) markStored();
    // A window opens ready for typing, in its first input shown.
    focusFirstInput();
    // Panels over the drawing take their size now that their fonts and styles are
    // final: a size taken before the first show may cut off their last row.
    frame::layOut(this);
    placeOverlays();
}

void MemberWindow::placeOnScreen() {
    const QScreen* s = screen();
    if (!s) return;
    // The title bar stands above the window's own top; a screen too small for the
    // window shows its top left.
    const QRect room = s->availableGeometry().adjusted(0, frame::kTitleBarRoom, 0, 0);
    const int x = std::max(room.left(), std::min(room.left() + (room.width() - width()) / 2, room.right() + 1 - width()));
    const int y = std::max(room.top(), std::min(geometry().top(), room.bottom() + 1 - height()));
    setGeometry(QRect(QPoint(x, y), size()));
}

void MemberWindow::buildToolbar() {
    auto* row = new QHBoxLayout(toolbar_);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(3);
    // Calculate stands first in every window's toolbar, with its name beside its
    // picture, so that it is found at one place and never taken for the calculator.
    std::vector<const ToolButtonSpec*> order;
    for (const ToolButtonSpec& tool : design_.toolbar)
        if (tool.action == ToolAction::Calculate) order.push_back(&tool);
    for (const ToolButtonSpec& tool : design_.toolbar)
        if (tool.action != ToolAction::Calculate) order.push_back(&tool);
    for (const ToolButtonSpec* s : order) {
        const ToolButtonSpec& tool = *s;
        QPixmap pm = toolPixmap(tool.picture, QSize(36, 36));
        if (tool.badge) {
            // Buttons of one picture (the deformed-bar grades) tell themselves apart.
            QPainter p(&pm);
            QFont f = p.font();
            f.setBold(true);
            f.setPixelSize(11);
            p.setFont(f);
            p.setPen(QColor(20, 40, 120));
            p.drawText(QRect(0, 24, 36, 12), Qt::AlignCenter, QString::fromLatin1(tool.badge));
        }
        QPushButton* b = addPictureButton(toolbar_, tool.name, pm, QString::fromUtf8(tool.tooltip), frame::kToolSide);
        if (tool.action == ToolAction::Calculate) {
            b->setText(QStringLiteral("คำนวณ"));
            b->setFixedWidth(frame::kToolSide * 2 + 10);
            b->setShortcut(QKeySequence(QString::fromLatin1(kCalculateShortcut)));
            b->setToolTip(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(tool.tooltip).trimmed(),
                                                        QString::fromLatin1(kCalculateShortcut)));
            QFont f = b->font();
            f.setBold(true);
            b->setFont(f);
        }
        row->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, s] { runTool(*s); });
        if (tool.action == ToolAction::Calculator)
            b->setEnabled(WindowRegistry::instance().has(QStringLiteral("fcal")));
    }
    addStoreButton(row);
    if (design_.captionsInToolbar)
        row->addWidget(captionColumn_, 1);
    else
        row->addStretch(1);
}

void MemberWindow::runTool(const ToolButtonSpec& tool) {
    if (tool.erase) erase();
    for (const char* name : tool.hide) hidePanel(name);
    for (const char* name : tool.show) showPanel(name);
    switch (tool.action) {
    case ToolAction::None: break;
    case ToolAction::Calculate: calculate(); break;
    case ToolAction::Draw: draw(); break;
    case ToolAction::Erase: erase(); break;
    case ToolAction::Help: showWindow(QString::fromLatin1(design_.id.help)); break;
    case ToolAction::Calculator: showWindow(QStringLiteral("fcal")); break;
    case ToolAction::Logo: showWindow(QStringLiteral("t01")); break;
    case ToolAction::Exit:
        if (prompter().ask(design_.exitQuestion, this)) close();
        break;
    case ToolAction::Grade: pressGradeButton(tool.grade); break;
    }
}

void MemberWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    placeOverlays();
    // The figure is drawn to the surface's size: a window made larger or smaller
    // draws it again to fit.
    if (figureShown_) placeFigure();
}

bool MemberWindow::event(QEvent* e) {
    // The first show places the window; later shows keep where the user put it.
    if (e->type() == QEvent::Show && !placed_ && isWindow()) {
        placed_ = true;
        placeOnScreen();
    }
    return QWidget::event(e);
}

}  // namespace mx::ui
