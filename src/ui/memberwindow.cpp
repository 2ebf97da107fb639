#include "ui/memberwindow.h"

#include <QEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "common/fieldedit.h"
#include "common/numtext.h"
#include "ui/fields.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"
#include "ui/registry.h"

namespace mx::ui {

namespace {

// The first size of a window, and the smallest it may take: a 1080p laptop screen at
// 150 % shows 1280 x 720 logical pixels, less a desktop panel.
constexpr int kWindowWidth = 1220;
constexpr int kWindowHeight = 680;
constexpr int kSmallestWidth = 1000;
constexpr int kSmallestHeight = 560;
constexpr int kToolSide = 50;
constexpr int kFieldWidth = 84;
constexpr int kTwipsPerPixel = 15;

const char* const kTitleCaptions[5] = {"ชื่อโครงการ", nullptr, "ชื่อวิศวกร / บริษัท", "เลขทะเบียน / โทร.",
                                       "หน้า / แผ่นที่"};

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

// Space on a list's current row stands for Enter: both choose the row the keyboard
// moved to.
class SpaceChooses : public QObject {
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

// Lays out a widget and everything in it now, parents before their children, rather
// than at the next turn of the event loop: a window not yet shown, or a row group
// just uncovered, has its controls in place at once.
void layOut(QWidget* root) {
    if (root->layout()) root->layout()->activate();
    for (QWidget* w : root->findChildren<QWidget*>())
        if (w->layout()) w->layout()->activate();
}

}  // namespace

void onRowChosen(QListWidget* list, QObject* context, std::function<void(int row)> choose) {
    list->installEventFilter(new SpaceChooses(list));
    auto chosen = [list, choose](QListWidgetItem* item) {
        if (item && choose) choose(list->row(item));
    };
    QObject::connect(list, &QListWidget::itemClicked, context, chosen);
    QObject::connect(list, &QListWidget::itemActivated, context, chosen);
}

// --- ClickLabel ----------------------------------------------------------------

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
    setObjectName(QString::fromLatin1(design_.name));
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
    surface_ = new DrawingSurface(this);
    surface_->setObjectName(QStringLiteral("Picture1"));
    surface_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    for (const PanelSpec& p : design_.panels) {
        QWidget* parentWidget = p.place == PanelPlace::Inputs ? inputColumn_ : static_cast<QWidget*>(surface_);
        PanelFrame* f = makePanelFrame(parentWidget, p.name);
        if (p.doubleClickHides) f->onDoubleClick = [f] { f->hide(); };
        panels_.insert(QString::fromLatin1(p.name), f);
        if (p.heightTwips > 0) heights_.insert(QString::fromLatin1(p.name), p.heightTwips);
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

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    if (!design_.captionsInToolbar) right->addWidget(captionColumn_);
    right->addWidget(surface_, 1);
    auto* body = new QHBoxLayout;
    body->setSpacing(6);
    body->addWidget(inputScroll_, 0);
    body->addLayout(right, 1);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(6);
    main->addWidget(toolbar_);
    main->addLayout(body, 1);

    for (const PanelSpec& p : design_.panels) {
        QFrame* f = panel(p.name);
        // A panel taller than its rows keeps them at its top, as the form drew them.
        if (p.sizedByHeight) panelLayout(f)->addStretch(1);
        f->setVisible(p.shownAtStart);
        if (p.heightTwips > 0) setPanelHeight(p.name, p.heightTwips);
    }
    main->activate();  // the surface has its size before the window is first shown
    // The scrolled column too: its panels have their places before the first show.
    inputColumn_->resize(design_.inputColumnWidth,
                         std::max(inputScroll_->viewport()->height(), inputColumn_->minimumSizeHint().height()));
    layOut(inputColumn_);
    placeOverlays();
    orderKeyboard();
}

void MemberWindow::orderKeyboard() {
    // Tab follows the form: the buttons that open the inputs (type and input choice),
    // the input fields from the top, then Calculate.
    std::vector<QWidget*> chain;
    QPushButton* calculate = nullptr;
    for (const ToolButtonSpec& tool : design_.toolbar) {
        if (tool.action == ToolAction::Calculate) calculate = toolButton(tool.name);
        bool opensInputs = false;
        for (const char* p : tool.show)
            for (const PanelSpec& panel : design_.panels)
                opensInputs = opensInputs || (panel.place == PanelPlace::Inputs && std::string_view(panel.name) == p);
        if (opensInputs && tool.action == ToolAction::None) chain.push_back(toolButton(tool.name));
    }
    for (QLineEdit* e : inputOrder_) chain.push_back(e);
    if (calculate) chain.push_back(calculate);
    for (std::size_t i = 1; i < chain.size(); ++i)
        if (chain[i - 1] && chain[i]) setTabOrder(chain[i - 1], chain[i]);
}

void MemberWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (ProjectLink* link = projectLink()) link->windowOpened(*this);
    // A window opens ready for typing, in its first input shown.
    for (QLineEdit* field : inputOrder_)
        if (field->isVisibleTo(this) && field->isEnabled() && !field->isReadOnly()) {
            field->setFocus(Qt::OtherFocusReason);
            break;
        }
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
        QPushButton* b = addPictureButton(toolbar_, tool.name, pm, QString::fromUtf8(tool.tooltip), kToolSide);
        if (tool.action == ToolAction::Calculate) {
            b->setText(QStringLiteral("คำนวณ"));
            b->setFixedWidth(kToolSide * 2 + 10);
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

void MemberWindow::buildTitleBlock() {
    const TitleBlockSpec& tb = design_.titleBlock;
    QFrame* f = panel(tb.panel);
    if (!f) return;
    auto* grid = new QGridLayout(f);
    grid->setContentsMargins(12, 10, 12, 12);
    grid->setHorizontalSpacing(8);
    QLabel* heading = new QLabel(QString::fromUtf8(kTitleBlockHeading), f);
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.15);
    heading->setFont(hf);
    heading->setStyleSheet(QStringLiteral("color: #1a3c8c;"));
    grid->addWidget(heading, 0, 0, 1, 3);
    for (int i = 0; i < 5; ++i) {
        const char* caption = i == 1 ? tb.memberCaption : kTitleCaptions[i];
        auto* l = new QLabel(QString::fromUtf8(caption), f);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(l, i + 1, 0);
        QLineEdit* e = addField(f, tb.fields[i]);
        e->setMinimumWidth(340);
        grid->addWidget(e, i + 1, 1, 1, 2);
    }
    QPushButton* print = addPictureButton(f, tb.printButton, toolPixmap(ToolPicture::Print, QSize(36, 36)),
                                          QStringLiteral("พิมพ์รายการคำนวณ"), kToolSide);
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    QPushButton* cancel = addPictureButton(f, tb.cancelButton, toolPixmap(ToolPicture::Cancel, QSize(36, 36)),
                                           QStringLiteral("ยกเลิกการพิมพ์"), kToolSide);
    connect(cancel, &QPushButton::clicked, this, [this] { hidePanel(design_.titleBlock.panel); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    grid->addLayout(buttons, 6, 1, 1, 2);
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
    case ToolAction::Help: showWindow(QString::fromLatin1(design_.helpWindow)); break;
    case ToolAction::Calculator: showWindow(QStringLiteral("fcal")); break;
    case ToolAction::Logo: showWindow(QStringLiteral("t01")); break;
    case ToolAction::Exit:
        if (prompter().ask(design_.exitQuestion, this)) close();
        break;
    case ToolAction::Grade: pressGradeButton(tool.grade); break;
    }
}

// --- panels ---------------------------------------------------------------------

QFrame* MemberWindow::panel(const char* name) const { return panels_.value(QString::fromLatin1(name), nullptr); }

int MemberWindow::panelHeightTwips(const char* name) const { return heights_.value(QString::fromLatin1(name), 0); }

void MemberWindow::showPanel(const char* name) {
    QFrame* f = panel(name);
    if (!f) return;
    if (f->parentWidget() == surface_) {
        // One panel at a time over the drawing.
        for (QFrame* other : std::as_const(panels_))
            if (other != f && other->parentWidget() == surface_) other->hide();
    }
    f->show();
    f->raise();
    placeOverlays();
}

void MemberWindow::hidePanel(const char* name) {
    if (QFrame* f = panel(name)) f->hide();
}

void MemberWindow::setPanelHeight(const char* name, int twips) {
    heights_.insert(QString::fromLatin1(name), twips);
    QFrame* f = panel(name);
    for (const RowGroup& g : groups_)
        if (g.panel == f) g.group->setVisible(twips >= g.minHeight);
    for (const PanelSpec& p : design_.panels)
        if (f && p.sizedByHeight && std::string_view(p.name) == name)
            f->setFixedHeight(std::max(px(twips), f->minimumSizeHint().height()));
    if (f) layOut(inputColumn_->isAncestorOf(f) ? inputColumn_ : static_cast<QWidget*>(f));
    placeOverlays();
}

QWidget* MemberWindow::addRowGroup(QFrame* p, int minHeightTwips) {
    auto* group = new QWidget(p);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    panelLayout(p)->addWidget(group);
    groups_.push_back({p, group, minHeightTwips});
    group->setVisible(panelHeightTwips(qPrintable(p->objectName())) >= minHeightTwips);
    return group;
}

QVBoxLayout* MemberWindow::panelLayout(QWidget* w) {
    if (auto* l = qobject_cast<QVBoxLayout*>(w->layout())) return l;
    auto* l = new QVBoxLayout(w);
    const bool group = qobject_cast<QFrame*>(w) == nullptr;
    l->setContentsMargins(group ? 0 : 8, group ? 0 : 6, group ? 0 : 8, group ? 0 : 6);
    l->setSpacing(4);
    return l;
}

void MemberWindow::placeOverlays() {
    const QSize area = surface_->size();
    for (QFrame* f : std::as_const(panels_)) {
        if (f->parentWidget() != surface_) continue;
        const QSize hint = f->sizeHint();
        const int w = std::max(hint.width(), std::min(area.width() - 8, 560));
        f->setGeometry(4, 4, std::min(w, area.width() - 8), std::min(hint.height(), area.height() - 8));
    }
}

void MemberWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    placeOverlays();
}

// --- fields ---------------------------------------------------------------------

QLineEdit* MemberWindow::addField(QWidget* parent, const char* name) {
    QLineEdit* e = makeField(parent, name, qs(design_.defaults.get(name)));
    fields_.insert(QString::fromLatin1(name), e);
    if (parent->window() == this && parent != surface_ && !surface_->isAncestorOf(parent)) inputOrder_.push_back(e);
    connect(e, &QLineEdit::textChanged, this, [this, e] { fieldEdited(e); });
    return e;
}

QGridLayout* MemberWindow::addFieldRows(QWidget* p, const std::vector<FieldRow>& rows) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    int r = 0;
    for (const FieldRow& row : rows) {
        QLabel* caption = row.clickable ? addClickLabel(p, row.captionName, QString::fromUtf8(row.caption))
                                        : new QLabel(QString::fromUtf8(row.caption), p);
        if (row.captionName) caption->setObjectName(QString::fromLatin1(row.captionName));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* e = addField(p, row.field);
        e->setFixedWidth(kFieldWidth);
        if (row.tooltip) e->setToolTip(QString::fromUtf8(row.tooltip));
        caption->setBuddy(e);
        grid->addWidget(caption, r, 0);
        grid->addWidget(e, r, 1);
        ++r;
    }
    panelLayout(p)->addLayout(grid);
    return grid;
}

QLineEdit* MemberWindow::field(std::string_view name) const {
    return fields_.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), nullptr);
}

QString MemberWindow::fieldCaption(std::string_view name) const {
    const QLineEdit* e = field(name);
    if (!e) return {};
    for (const QLabel* l : findChildren<QLabel*>())
        if (l->buddy() == e) return l->text();
    return {};
}

FieldSet MemberWindow::fields() const {
    FieldSet f;
    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it) f.set(ss(it.key()), ss(it.value()->text()));
    return f;
}

ProjectTitleBlock MemberWindow::titleBlock() const {
    const auto& n = design_.titleBlock.fields;
    auto text = [this](const char* name) { return name && field(name) ? ss(field(name)->text()) : std::string(); };
    return {text(n[0]), text(n[1]), text(n[2]), text(n[3]), text(n[4])};
}

namespace {

// The window whose field the editor is writing: that edit's check is the editor's to
// run, not the field's own change signal.
const MemberWindow* editorWriting = nullptr;

// The field editor of a window: messages in boxes, written texts in its fields.
FieldEditor windowEditor(MemberWindow* w, const FieldCheck& check) {
    EditSink sink;
    sink.show = [w](const Message& m) { prompter().show(m, w); };
    // Written the moment its message is dismissed; the editor then runs its check.
    sink.write = [w](const Correction& c) {
        QLineEdit* e = w->field(c.field);
        if (!e) return;
        const MemberWindow* was = editorWriting;
        editorWriting = w;
        e->setText(qs(c.text));
        editorWriting = was;
    };
    return FieldEditor(check, std::move(sink));
}

}  // namespace

void MemberWindow::calculate() {
    // An input that reads as no number is named first: the calculation reads it as 0
    // and may stop on it with no more than its closing message.
    for (QLineEdit* e : inputOrder_) {
        const std::string text = ss(e->text());
        if (!e->isVisibleTo(this) || !unreadable(text)) continue;
        QString caption = fieldCaption(ss(e->objectName())).simplified();
        if (caption.endsWith(QLatin1Char('='))) caption.chop(1);
        if (caption.trimmed().isEmpty()) caption = e->toolTip().isEmpty() ? e->objectName() : e->toolTip();
        prompter().show(Message{"ข้อมูลในช่อง \"" + ss(caption.trimmed()) + "\" อ่านเป็นตัวเลขไม่ได้ ( " + text +
                                    " ) จึงคิดเป็น 0",
                                "ข้อมูลผิดพลาด", Icon::Critical},
                        this);
    }
    calculating_ = true;
    runCalculation();
    calculating_ = false;
    calculated_ = true;
    setOutOfDate(false);
}

void MemberWindow::setOutOfDate(bool on) {
    outOfDate_ = on;
    if (QFrame* f = design_.resultPanel ? panel(design_.resultPanel) : nullptr) f->setEnabled(!on);
    if (verdict_) verdict_->setEnabled(!on);
    if (outOfDateNote_) outOfDateNote_->setVisible(on);
    surface_->setOutOfDate(on);
}

void MemberWindow::fieldEdited(QLineEdit* e) {
    if (editorWriting == this || loading_) return;
    if (calculated_ && !calculating_ && !outOfDate_ &&
        std::find(inputOrder_.begin(), inputOrder_.end(), e) != inputOrder_.end())
        setOutOfDate(true);
    if (design_.check) {
        FieldSet f = fields();
        windowEditor(this, design_.check).edited(f, ss(e->objectName()));
    }
    // After the edit and every write-back it caused: the grade caption follows fs.
    if (QLineEdit* fs = design_.fsField ? field(design_.fsField) : nullptr) followGrade(ss(fs->text()));
}

void MemberWindow::followGrade(const std::string& fs) {
    if (!design_.writeGradeFs) return;
    auto fsOf = [this](SteelGrade g) {
        FieldSet f;
        design_.writeGradeFs(f, g);
        return f.get(design_.fsField);
    };
    if (fsOf(grade_) == fs) return;  // the caption already says so (two grades may share an fs)
    for (SteelGrade g : {SteelGrade::SR24, SteelGrade::SD30, SteelGrade::SD35, SteelGrade::SD40})
        if (fsOf(g) == fs) {
            grade_ = g;
            pressedGrade_ = g;
            pressGrade(g);
            return;
        }
}

void MemberWindow::replay(const Diagnostics& d, std::optional<std::size_t> resultsAt,
                          const std::function<void()>& writeResults) {
    FieldSet f = fields();
    windowEditor(this, design_.check).replay(f, d, resultsAt, writeResults);
}

void MemberWindow::writeLabels(const FieldSet& labels) { ui::writeLabels(this, labels); }

// --- small controls ---------------------------------------------------------------

QListWidget* MemberWindow::addPickList(QWidget* parent, const char* name, const std::vector<PickItem>& items,
                                       const char* targetField, std::function<void()> afterPick) {
    const QString target = QString::fromLatin1(targetField);
    std::vector<QString> values;
    for (const PickItem& item : items) values.push_back(qs(item.value));
    return addChoiceList(parent, name, items, [this, target, values, afterPick](int row) {
        if (QLineEdit* e = fields_.value(target, nullptr)) e->setText(values[static_cast<std::size_t>(row)]);
        if (afterPick) afterPick();
    });
}

QListWidget* MemberWindow::addChoiceList(QWidget* parent, const char* name, const std::vector<PickItem>& items,
                                         std::function<void(int row)> choose) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const PickItem& item : items) {
        auto* row = new QListWidgetItem(qs(item.text), list);
        row->setData(Qt::UserRole, qs(item.value));
        row->setToolTip(qs(item.text));
    }
    // Every row shows its whole text in the list itself.
    list->setTextElideMode(Qt::ElideNone);
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->verticalScrollBar()->sizeHint().width() + 8);
    onRowChosen(list, this, std::move(choose));
    return list;
}

QPushButton* MemberWindow::addPictureButton(QWidget* parent, const char* name, const QPixmap& pm, const QString& tip,
                                            int side) {
    QPushButton* b = makeButton(parent, name, QString(), tip);
    b->setIcon(QIcon(pm));
    b->setIconSize(QSize(side - 12, side - 12));
    b->setFixedSize(side, side);
    return b;
}

QPushButton* MemberWindow::addHelpButton(QWidget* parent, const char* name) {
    QPushButton* b = makeButton(parent, name, QStringLiteral("?"), QStringLiteral("ปุ่มช่วยเหลือ"));
    b->setFixedSize(26, 24);
    return b;
}

ClickLabel* MemberWindow::addClickLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new ClickLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setCursor(Qt::PointingHandCursor);
    l->setStyleSheet(QStringLiteral("color: #1a3c8c;"));
    return l;
}

QLabel* MemberWindow::addLabel(QWidget* parent, const char* name, const QString& text) {
    return makeLabel(parent, name, text);
}

QLabel* MemberWindow::addValueLabel(QWidget* parent, const char* name) {
    QLabel* v = makeLabel(parent, name, QString());
    v->setFrameShape(QFrame::Panel);
    v->setFrameShadow(QFrame::Sunken);
    v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    v->setMinimumWidth(110);
    v->setStyleSheet(QStringLiteral("background: white; padding-right: 3px;"));
    return v;
}

QLabel* MemberWindow::addToolbarCaption(const char* name, const QString& text, const char* colour) {
    QLabel* l = makeLabel(captionColumn_, name, text);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(colour)));
    captionColumn_->layout()->addWidget(l);
    return l;
}

QLabel* MemberWindow::addVerdictCaption(const char* name, const QString& text) {
    verdict_ = addToolbarCaption(name, text, "#8c1a1a");
    outOfDateNote_ = addToolbarCaption("LabelOutOfDate", QString::fromUtf8(kOutOfDateNote), "#b06000");
    outOfDateNote_->hide();
    return verdict_;
}

QPushButton* MemberWindow::toolButton(const char* name) const {
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

// --- drawing and printing -----------------------------------------------------------

PageBox MemberWindow::drawingArea() const {
    const double margin = 150;
    const double w = std::max(surface_->width(), 400) * kTwipsPerPixel;
    const double h = std::max(surface_->height(), 300) * kTwipsPerPixel;
    return PageBox{margin, margin, w - margin, h - margin};
}

void MemberWindow::draw() {
    // The figure takes the place of the panels that open over the drawing.
    for (QFrame* f : std::as_const(panels_))
        if (f->parentWidget() == surface_) f->hide();
    surface_->setPage(drawing(drawingArea()));
}

void MemberWindow::erase() { surface_->clear(); }

bool MemberWindow::print() {
    erase();
    Message question = printQuestion();
    if (outOfDate_) question.text += "\n" + std::string(kPrintsLastCalculate);
    if (!printSheet(sheet(), question, this)) return false;
    hidePanel(design_.titleBlock.panel);
    afterPrinting();
    return true;
}

}  // namespace mx::ui
