// The member frame's panels, fields and small controls: how a window's panels are
// shown, sized and filled.
#include "ui/memberwindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/fields.h"
#include "ui/memberlayout.h"
#include "ui/pagepainter.h"

namespace mx::ui {

QLabel* asHeading(QLabel* label) {
    label->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(QLatin1String(kHeadingColour)));
    return label;
}

QLabel* asPrompt(QLabel* label) {
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(kHeadingColour)));
    return label;
}

void appendToolbarTail(std::vector<ToolButtonSpec>& toolbar, const ToolbarTail& names) {
    toolbar.emplace_back(names.help, ToolPicture::Help, names.helpTooltip, ToolAction::Help);
    toolbar.emplace_back(names.calculator, ToolPicture::Calculator, "เครื่องคิดเลข", ToolAction::Calculator);
    toolbar.emplace_back(names.logo, ToolPicture::Logo, "MX7100", ToolAction::Logo);
    toolbar.emplace_back(names.exit, ToolPicture::Exit, "ออกจากโปรแกรม", ToolAction::Exit);
}

void appendGradeButtons(std::vector<ToolButtonSpec>& toolbar, const std::array<const char*, 4>& names,
                        const std::function<const char*(SteelGrade)>& tooltip) {
    for (const SteelGrade g : {SteelGrade::SR24, SteelGrade::SD30, SteelGrade::SD35, SteelGrade::SD40}) {
        const char* tip = tooltip ? tooltip(g) : g == SteelGrade::SR24 ? "เหล็กเส้นกลม" : "เหล็กข้ออ้อย";
        toolbar.push_back(ToolButtonSpec::gradeButton(names[static_cast<std::size_t>(g)], g, tip));
    }
}

namespace {

constexpr int kFieldWidth = 84;

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

}  // namespace

void frame::layOut(QWidget* root) {
    if (root->layout()) root->layout()->activate();
    for (QWidget* w : root->findChildren<QWidget*>())
        if (w->layout()) w->layout()->activate();
}

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

void ClickLabel::opensAndCloses(std::function<void()> open, std::function<void()> close) {
    connect(this, &ClickLabel::clicked, this, [this, open = std::move(open)] {
        setBorder(true);
        open();
    });
    connect(this, &ClickLabel::doubleClicked, this, [this, close = std::move(close)] {
        setBorder(false);
        close();
    });
}

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

// --- panels ---------------------------------------------------------------------

QFrame* MemberWindow::panel(const char* name) const { return panels_.value(QString::fromLatin1(name), nullptr); }

int MemberWindow::panelHeightTwips(const char* name) const { return heights_.value(QString::fromLatin1(name), 0); }

void MemberWindow::showPanel(const char* name) {
    QFrame* f = panel(name);
    if (!f) return;
    if (f->parentWidget() == panelArea_) {
        // One panel at a time over the drawing.
        for (QFrame* other : std::as_const(panels_))
            if (other != f && other->parentWidget() == panelArea_) other->hide();
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
    if (f) frame::layOut(inputColumn_->isAncestorOf(f) ? inputColumn_ : static_cast<QWidget*>(f));
    placeOverlays();
}

void MemberWindow::showMaterials(bool shown) {
    const MaterialRows& m = design_.materials;
    if (m.panel) setPanelHeight(m.panel, shown ? m.materialsHeight : m.inputsHeight);
}

QWidget* MemberWindow::addMaterialRows(ClickLabel* caption, QPushButton* button) {
    caption->opensAndCloses([this] { showMaterials(true); }, [this] { showMaterials(false); });
    if (button) connect(button, &QPushButton::clicked, this, [this] { showMaterials(true); });
    return addRowGroup(panel(design_.materials.panel), design_.materials.materialsHeight);
}

QWidget* MemberWindow::addMaterialRows(const char* buttonName, const char* captionName, const QString& caption) {
    QFrame* p = panel(design_.materials.panel);
    auto* row = new QHBoxLayout;
    QPushButton* button = addHelpButton(p, buttonName);
    ClickLabel* label = addClickLabel(p, captionName, caption);
    row->addWidget(button);
    row->addWidget(label, 1);
    panelLayout(p)->addLayout(row);
    return addMaterialRows(label, button);
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
    if (auto* f = qobject_cast<QFrame*>(w); f && clippedRows_.contains(f)) w = clippedRows_.value(f);
    if (auto* l = qobject_cast<QVBoxLayout*>(w->layout())) return l;
    auto* l = new QVBoxLayout(w);
    const bool group = qobject_cast<QFrame*>(w) == nullptr;
    l->setContentsMargins(group ? 0 : 8, group ? 0 : 6, group ? 0 : 8, group ? 0 : 6);
    l->setSpacing(4);
    return l;
}

void MemberWindow::placeOverlays() {
    const QSize area = panelArea_->size();
    QFrame* titleBlock = panel(design_.titleBlock.panel);
    for (QFrame* f : std::as_const(panels_)) {
        if (f->parentWidget() != panelArea_) continue;
        // The title block takes the whole surface: printing erases the figure, and no
        // part of it should stand beside the fields as if it were what will print.
        if (f == titleBlock) {
            f->setGeometry(QRect(QPoint(0, 0), area));
            continue;
        }
        const QSize hint = f->sizeHint();
        const int w = std::max(hint.width(), std::min(area.width() - 8, 560));
        f->setGeometry(4, 4, std::min(w, area.width() - 8), std::min(hint.height(), area.height() - 8));
    }
}

// --- fields ---------------------------------------------------------------------

void MemberWindow::warnNoWidget(const char* what, std::string_view name) const {
    qWarning("%s: %s %.*s %s", design_.id.name, what, static_cast<int>(name.size()), name.data(), kNoWidgetWarning);
}

const FieldInfo* MemberWindow::fieldInfo(const char* name) const {
    const FieldInfo* info = design_.fields ? findField(*design_.fields, name) : nullptr;
    if (!info || std::string_view(info->object) != name) {
        qWarning("%s: field %s %s", design_.id.name, name, kNoTableEntryWarning);
        return nullptr;
    }
    return info;
}

QLineEdit* MemberWindow::addInput(QWidget* parent, const char* name) {
    const FieldInfo* info = fieldInfo(name);
    QLineEdit* e = makeField(parent, name, QString::fromUtf8(info ? info->defaultText : ""));
    if (info && info->tooltip) e->setToolTip(QString::fromUtf8(info->tooltip));
    fields_.insert(QString::fromLatin1(name), e);
    if (parent->window() == this && parent != panelArea_ && !panelArea_->isAncestorOf(parent)) inputOrder_.push_back(e);
    connect(e, &QLineEdit::textChanged, this, [this, e] { fieldEdited(e); });
    return e;
}

QLineEdit* MemberWindow::addField(QWidget* parent, const char* name) {
    QLineEdit* e = addInput(parent, name);
    if (e->toolTip().isEmpty())
        if (const FieldInfo* info = design_.fields ? findField(*design_.fields, name) : nullptr)
            e->setToolTip(QString::fromUtf8(info->caption));
    return e;
}

CaptionedField MemberWindow::addCaptionedField(QWidget* p, const FieldRow& row) {
    QLineEdit* e = addInput(p, row.field);
    const FieldInfo* info = design_.fields ? findField(*design_.fields, row.field) : nullptr;
    const QString text = QString::fromUtf8(info ? info->caption : "");
    QLabel* caption = row.clickable ? addClickLabel(p, row.captionName, text) : new QLabel(text, p);
    if (row.captionName) caption->setObjectName(QString::fromLatin1(row.captionName));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setBuddy(e);
    return {caption, e};
}

QGridLayout* MemberWindow::addFieldRows(QWidget* p, const std::vector<FieldRow>& rows) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    int r = 0;
    for (const FieldRow& row : rows) {
        const CaptionedField c = addCaptionedField(p, row);
        c.field->setFixedWidth(kFieldWidth);
        grid->addWidget(c.caption, r, 0);
        grid->addWidget(c.field, r, 1);
        ++r;
    }
    panelLayout(p)->addLayout(grid);
    return grid;
}

QLineEdit* MemberWindow::field(std::string_view name) const {
    QLineEdit* e = fields_.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), nullptr);
    if (!e) warnNoWidget("field", name);
    return e;
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

// --- small controls ---------------------------------------------------------------

QListWidget* MemberWindow::addPickList(QWidget* parent, const char* name, const std::vector<PickItem>& items,
                                       const char* targetField, std::function<void()> afterPick) {
    const QString target = QString::fromLatin1(targetField);
    std::vector<QString> values;
    for (const PickItem& item : items) values.push_back(qs(item.value));
    return addChoiceList(parent, name, items, [this, target, values, afterPick](int row) {
        if (QLineEdit* e = field(ss(target))) {
            const QString& value = values[static_cast<std::size_t>(row)];
            // A row chosen is an edit even when the field holds its value already: the
            // field's check still runs (the slab's mesh size still fills its bars).
            if (e->text() == value)
                fieldEdited(e);
            else
                e->setText(value);
        }
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
    asPrompt(l);
    return l;
}

QLabel* MemberWindow::addLabel(QWidget* parent, const char* name, const QString& text) {
    return makeLabel(parent, name, text);
}

QLabel* MemberWindow::addValueLabel(QWidget* parent, const char* name) {
    QLabel* v = makeLabel(parent, name, QString());
    v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    v->setMinimumWidth(110);
    // A white box with all four borders: a sunken frame under a white background
    // loses its light right and bottom edges.
    v->setStyleSheet(QStringLiteral("background: white; border: 1px solid #7a7a7a; padding-right: 3px;"));
    return v;
}

QGridLayout* MemberWindow::addResultGrid(QFrame* p, const char* headingName) {
    const QString heading = QStringLiteral("รายการคำนวณ");
    panelLayout(p)->addWidget(asHeading(headingName ? addLabel(p, headingName, heading) : new QLabel(heading, p)));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    panelLayout(p)->addLayout(grid);
    return grid;
}

QLabel* MemberWindow::addToolbarCaption(const char* name, const QString& text, const char* colour) {
    QLabel* l = makeLabel(captionColumn_, name, text);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(colour)));
    // Each caption keeps its line, written or not, shown or not: a caption that comes
    // and goes would move the drawing surface below it. Its line is as high as a line
    // of Thai with its marks above and below.
    l->setText(QStringLiteral("ที่ปู่ได้ Ag"));
    l->setMinimumHeight(l->sizeHint().height());
    l->setText(text);
    QSizePolicy keep = l->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    l->setSizePolicy(keep);
    captionColumn_->layout()->addWidget(l);
    return l;
}

QLabel* MemberWindow::addVerdictCaption(const char* name, const QString& text) {
    verdict_ = addToolbarCaption(name, text, "#8c1a1a");
    addOutOfDateNote();
    return verdict_;
}

QLabel* MemberWindow::addOutOfDateNote() {
    outOfDateNote_ = addToolbarCaption("LabelOutOfDate", QString::fromUtf8(kOutOfDateNote), "#b06000");
    outOfDateNote_->setVisible(outOfDate_);
    return outOfDateNote_;
}

QPushButton* MemberWindow::toolButton(const char* name) const {
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace mx::ui
