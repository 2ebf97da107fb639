#include "project/window/loadpath.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include <vector>

#include "common/fieldtable.h"
#include "project/linkedit.h"
#include "project/report.h"
#include "project/window/session.h"
#include "ui/fields.h"

namespace mx::project {

namespace {

using ui::qs;

const char* const kTreeColumns[] = {"ชิ้นส่วน", "ประเภท", "รับน้ำหนักทาง", "ผลการออกแบบ"};
const QColor kOutOfDateColour(176, 96, 0);
const QColor kNotUsableColour(180, 20, 20);

// What a member takes from a source: the source's outputs with their counts,
// "แรงปฏิกิริยา R2 ของคาน × 2"; and, in the tooltip, into which of its fields.
struct Via {
    std::string shown;
    std::string tip;
};
Via linkVia(const Project& p, std::size_t reader, std::size_t source, const std::vector<ModuleDescription>& modules) {
    const Member& m = p.members[reader];
    const ModuleDescription* module = findModule(modules, m.module);
    const ModuleDescription* from = findModule(modules, p.members[source].module);
    Via out;
    for (const FieldLink& l : m.links)
        for (const LinkTerm& t : l.terms) {
            if (t.member != p.members[source].id) continue;
            std::string port = t.port;
            if (from)
                for (const PortInfo& info : from->ports)
                    if (info.name == t.port) port = info.caption;
            if (t.count > 1) port += " × " + std::to_string(t.count);
            const FieldInfo* f = module ? findField(module->fields, l.field) : nullptr;
            std::string caption = f ? f->caption : l.field;
            while (!caption.empty() && (caption.back() == '=' || caption.back() == ' ')) caption.pop_back();
            out.shown += (out.shown.empty() ? "" : ", ") + port;
            out.tip += (out.tip.empty() ? "" : "\n") + port + " → " + m.name + " " + caption;
        }
    return out;
}

}  // namespace

LoadPath::LoadPath(ProjectSession& session, QTableWidget* list, QBoxLayout* body, QBoxLayout* buttons,
                   QBoxLayout* below, QWidget* window)
    : QObject(window), session_(session), list_(list) {
    tree_ = new QTreeWidget(window);
    tree_->setObjectName(QStringLiteral("TreeLoadPath"));
    QStringList headers;
    for (const char* c : kTreeColumns) headers << QString::fromUtf8(c);
    tree_->setHeaderLabels(headers);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->hide();
    body->insertWidget(body->indexOf(list) + 1, tree_, 1);
    connect(tree_, &QTreeWidget::itemActivated, this, [this, window](QTreeWidgetItem* item) {
        if (item) session_.openMember(item->data(0, Qt::UserRole).toULongLong(), window);
    });

    buttons->addSpacing(12);
    toggle_ = ui::makeButton(window, "CommandLoadPath", QStringLiteral("ผังการถ่ายน้ำหนัก"),
                             QStringLiteral("แสดงชิ้นส่วนเป็นผังการถ่ายน้ำหนัก: ชิ้นส่วนอยู่ใต้ชิ้นส่วนที่ส่งน้ำหนักมาให้"));
    toggle_->setCheckable(true);
    connect(toggle_, &QPushButton::toggled, this, &LoadPath::showTree);
    buttons->addWidget(toggle_);
    QPushButton* recalc = ui::makeButton(window, "CommandRecalculate", QStringLiteral("คำนวณใหม่ทั้งหมด"),
                                         QStringLiteral("คำนวณทุกชิ้นส่วนใหม่ตามลำดับการถ่ายน้ำหนัก จากบนลงล่าง"));
    connect(recalc, &QPushButton::clicked, this, &LoadPath::recalculateAll);
    buttons->addWidget(recalc);

    report_ = new QLabel(window);
    report_->setObjectName(QStringLiteral("LabelRecalculated"));
    report_->setWordWrap(true);
    report_->hide();
    below->addWidget(report_);
}

bool LoadPath::treeShown() const { return !tree_->isHidden(); }

void LoadPath::showTree(bool shown) {
    if (toggle_->isChecked() != shown) toggle_->setChecked(shown);  // comes back here once
    list_->setVisible(!shown);
    tree_->setVisible(shown);
    refresh();
}

void LoadPath::recalculateAll() {
    report_->setText(qs(session_.recalculateAll()));
    report_->show();
}

void LoadPath::refresh() {
    const auto& members = session_.project().members;
    for (std::size_t i = 0; i < members.size() && static_cast<int>(i) < list_->rowCount(); ++i) {
        if (!session_.outOfDate(i)) continue;
        QTableWidgetItem* verdict = list_->item(static_cast<int>(i), 2);
        if (!verdict) continue;
        std::string from;
        for (const std::string& n : session_.changedSources(i)) from += (from.empty() ? "" : ", ") + n;
        verdict->setText(QString::fromUtf8(kOutOfDateVerdict));
        verdict->setForeground(kOutOfDateColour);
        verdict->setToolTip(qs("ชิ้นส่วน " + from + " ที่ส่งน้ำหนักมาถูกแก้ไข: เปิดชิ้นส่วนนี้ "
                               "หรือกด คำนวณใหม่ทั้งหมด (ผลล่าสุด: " + verdictCaption(session_.memberStatus(i)) + ")"));
    }
    if (tree_->isHidden()) return;
    tree_->clear();
    // A member under each member it stands on; one reached a second time is not opened
    // out again, so a building of many members stays a tree of its links' size.
    std::vector<bool> expanded(members.size(), false);
    for (std::size_t i = 0; i < members.size(); ++i) {
        bool standsOnAny = false;
        for (const FieldLink& l : members[i].links)
            for (const LinkTerm& t : l.terms) standsOnAny = standsOnAny || !t.member.empty();
        if (standsOnAny) continue;
        QTreeWidgetItem* root = memberItem(i, QString());
        tree_->addTopLevelItem(root);
        addChildren(root, i, expanded);
    }
    tree_->expandAll();
}

void LoadPath::addChildren(QTreeWidgetItem* item, std::size_t member, std::vector<bool>& expanded) {
    expanded[member] = true;
    for (const std::size_t r : readersOf(session_.project(), member)) {
        const Via via = linkVia(session_.project(), r, member, session_.modules());
        QTreeWidgetItem* child = memberItem(r, qs(via.shown));
        child->setToolTip(2, qs(via.tip));
        item->addChild(child);
        if (expanded[r]) {
            child->setText(0, child->text(0) + QStringLiteral(" (ต่อด้านบน)"));
            continue;
        }
        addChildren(child, r, expanded);
    }
}

QTreeWidgetItem* LoadPath::memberItem(std::size_t i, const QString& via) const {
    const Member& m = session_.project().members[i];
    const auto status = session_.memberStatus(i);
    const bool late = session_.outOfDate(i);
    auto* item = new QTreeWidgetItem({qs(m.name), qs(moduleCaption(m.module)), via,
                                      late ? QString::fromUtf8(kOutOfDateVerdict) : qs(verdictCaption(status))});
    item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
    if (late) item->setForeground(3, kOutOfDateColour);
    else if (status == static_cast<int>(DesignStatus::NotUsable)) item->setForeground(3, kNotUsableColour);
    return item;
}

}  // namespace mx::project
