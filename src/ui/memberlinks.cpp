// The member frame's side of linked loads: the link button at the right end of every
// field the module's description names as a target, and a linked field's marks. One
// mechanism for every window: the button comes from the description's targets, so a
// module that declares a new target gets its button without a line of its window.
#include <QAction>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include <algorithm>

#include "common/fieldtable.h"
#include "ui/fields.h"
#include "ui/memberwindow.h"
#include "ui/prompter.h"

namespace mx::ui {

namespace {

// The properties a field keeps its link in: linked or not, the value resolved for it,
// and the tooltip it had before it was linked.
constexpr const char* kLinkedProperty = "mxLinked";
constexpr const char* kLinkedTextProperty = "mxLinkedText";
constexpr const char* kPlainTipProperty = "mxPlainTip";

constexpr const char* kNotDesignedVerdict = "ยังออกแบบไม่ได้: ชิ้นส่วนที่ส่งน้ำหนักมาหยุดคำนวณ";
constexpr int kLinkButtonRoom = 22;  // pixels: the style's small icon and its margins
constexpr const char* kLinkTip = "ลิงก์ช่องนี้กับน้ำหนักจากชิ้นส่วนอื่นในโครงการ";
constexpr const char* kLinkedTip = "ช่องนี้ลิงก์กับน้ำหนักจากชิ้นส่วนอื่น: แก้ไขหรือเลิกลิงก์";

// Two links of a chain, drawn on the diagonal: grey while the field is typed, blue
// while it is linked.
QIcon chainIcon(bool linked) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(linked ? QColor(20, 90, 200) : QColor(110, 110, 110), 3.2));
    p.translate(16, 16);
    p.rotate(-45);
    p.drawRoundedRect(QRectF(-14, -5, 16, 10), 5, 5);
    p.drawRoundedRect(QRectF(-2, -5, 16, 10), 5, 5);
    return QIcon(pm);
}

QToolButton* buttonOf(QLineEdit* e, QAction* a) {
    for (QToolButton* b : e->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        if (b->defaultAction() == a) return b;
    return nullptr;
}

}  // namespace

void MemberWindow::addLinkButtons() {
    if (!design_.description || !design_.fields) return;
    std::vector<std::pair<QLineEdit*, const FieldInfo*>> targets;
    for (const std::string& target : design_.description->targets) {
        const FieldInfo* info = findField(*design_.fields, target);
        if (QLineEdit* e = info ? field(info->object) : nullptr) targets.emplace_back(e, info);
    }
    if (targets.empty()) return;
    // The button takes room inside its field, and a linked total has four decimals
    // (8660.2624): the input fields of the target's width all grow alike, so that the
    // value shows whole and the fields still stand in line, one under another.
    QLineEdit* first = targets.front().first;
    const int width = first->minimumWidth();
    if (width > 0 && width == first->maximumWidth()) {
        const int needed = first->fontMetrics().horizontalAdvance(QStringLiteral("0000.0000")) + kLinkButtonRoom + 10;
        const int wider = std::max(width + kLinkButtonRoom, needed);
        for (QLineEdit* e : inputColumn_->findChildren<QLineEdit*>())
            if (e->minimumWidth() == width && e->maximumWidth() == width) e->setFixedWidth(wider);
        design_.inputColumnWidth += wider - width;  // the captions keep their room
    }
    for (const auto& [e, info] : targets) {
        e->setProperty(kPlainTipProperty, e->toolTip());
        QAction* a = e->addAction(chainIcon(false), QLineEdit::TrailingPosition);
        a->setToolTip(QString::fromUtf8(kLinkTip));
        a->setEnabled(design_.id.module && projectLink());
        if (QToolButton* b = buttonOf(e, a)) {
            b->setObjectName(QString::fromLatin1(kLinkButtonPrefix) + QString::fromLatin1(info->object));
            b->setToolTip(a->toolTip());
        }
        connect(a, &QAction::triggered, this, [this, name = std::string(info->name)] {
            if (ProjectLink* link = projectLink()) link->editLink(*this, name);
        });
    }
}

QAbstractButton* MemberWindow::linkButton(std::string_view name) const {
    const FieldInfo* info = design_.fields ? findField(*design_.fields, name) : nullptr;
    QLineEdit* e = info ? field(info->object) : nullptr;
    return e ? e->findChild<QToolButton*>(QString::fromLatin1(kLinkButtonPrefix) + QString::fromLatin1(info->object),
                                          Qt::FindDirectChildrenOnly)
             : nullptr;
}

bool MemberWindow::fieldLinked(std::string_view name) const {
    const FieldInfo* info = design_.fields ? findField(*design_.fields, name) : nullptr;
    QLineEdit* e = info ? field(info->object) : nullptr;
    return e && e->property(kLinkedProperty).toBool();
}

void MemberWindow::showLink(std::string_view name, bool linked, const QString& text, const QString& tooltip) {
    const FieldInfo* info = design_.fields ? findField(*design_.fields, name) : nullptr;
    QLineEdit* e = info ? field(info->object) : nullptr;
    if (!e) return;
    // Calculate tells the run which fields links gave (the beam's point loads count only then).
    std::erase(linked_, info->object);
    if (linked) linked_.push_back(info->object);
    e->setProperty(kLinkedProperty, linked);
    e->setProperty(kLinkedTextProperty, text);
    e->setReadOnly(linked);
    // The colour marks it in every style; the tooltip says what it holds.
    e->setStyleSheet(linked ? QStringLiteral("QLineEdit { background: %1; }").arg(QLatin1String(kLinkedFieldColour))
                            : QString());
    e->setToolTip(linked ? tooltip : e->property(kPlainTipProperty).toString());
    if (auto* b = qobject_cast<QToolButton*>(linkButton(name))) {
        const QString tip = QString::fromUtf8(linked ? kLinkedTip : kLinkTip);
        if (b->defaultAction()) {
            b->defaultAction()->setIcon(chainIcon(linked));
            b->defaultAction()->setToolTip(tip);
        }
        b->setIcon(chainIcon(linked));
        b->setToolTip(tip);
    }
    if (linked && e->text() != text) {
        loading_ = true;
        e->setText(text);
        loading_ = false;
        writeFieldCaptions();
        inputsChanged();
    }
    e->setCursorPosition(0);  // a value longer than the field shows its first digits
}

void MemberWindow::keepLinkedTexts() {
    for (QLineEdit* e : fields_)
        if (e->property(kLinkedProperty).toBool() && e->text() != e->property(kLinkedTextProperty).toString()) {
            loading_ = true;
            e->setText(e->property(kLinkedTextProperty).toString());
            loading_ = false;
        }
}

bool MemberWindow::stopForLinks() {
    ProjectLink* link = projectLink();
    const std::vector<Message> stops = link ? link->linkStops(*this) : std::vector<Message>{};
    if (stops.empty()) return false;
    // As the tool runs it: the messages, no design, nothing certified.
    erase();
    for (const Message& m : stops) {
        calculateMessages_.push_back(m);
        prompter().show(m, this);
    }
    run_.reset();
    ModuleRun none = runOrNone();  // the record of no Calculate
    none.status = static_cast<int>(DesignStatus::NotUsable);
    run_ = std::move(none);
    if (verdict_) verdict_->setText(QString::fromUtf8(kNotDesignedVerdict));
    if (quantities_)
        quantities_->setText(qs("ปริมาณวัสดุ: " + quantitiesLine(design_.description->quantities(*run_, formState()))));
    return true;
}

void MemberWindow::markOutOfDate() {
    if (calculatedWith_) setOutOfDate(true);
}

}  // namespace mx::ui
