#include "project/window/linkdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "common/fieldtable.h"
#include "common/numtext.h"
#include "project/report.h"
#include "ui/fields.h"
#include "ui/prompter.h"

namespace mx::project {

namespace {

using ui::qs;
using ui::ss;

// The most sources of one kind a term may count, as the project allows.
constexpr int kMostCount = 1000;
constexpr double kLargestTyped = 1e9;
constexpr const char* kTitle = "ลิงก์น้ำหนัก";
constexpr const char* kDead = "น้ำหนักคงที่";
constexpr const char* kLive = "น้ำหนักจร";

const char* const kSourceColumns[] = {"ชิ้นส่วน", "ประเภท", "ค่าที่ส่งต่อ", kDead, kLive, "จำนวน"};
const char* const kTypedColumns[] = {"ค่า", "ชนิด", "หมายเหตุ (น้ำหนักนี้มาจากอะไร)"};

// A table of terms: its headers, no row numbers, each column as wide as its contents
// but one that takes the room left.
template <std::size_t N>
QTableWidget* termTable(QWidget* parent, const char* name, const char* const (&columns)[N], int stretch) {
    auto* table = new QTableWidget(0, static_cast<int>(N), parent);
    table->setObjectName(QString::fromLatin1(name));
    QStringList headers;
    for (const char* c : columns) headers << QString::fromUtf8(c);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(stretch, QHeaderView::Stretch);
    return table;
}

QTableWidgetItem* cell(const std::string& text, bool number = false) {
    auto* item = new QTableWidgetItem(qs(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A typed value as the engineer writes it: a plain decimal number, nothing after it.
std::optional<double> readValue(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace

std::string loadText(double value) { return numText(std::round(value * 10000) / 10000); }

std::string linkTooltip(const ResolvedField& f) {
    std::string out = "ลิงก์: " + f.caption + " รวม " + loadText(f.total.total()) + " " + f.unit;
    if (f.total.split) out += " (คงที่ " + loadText(f.total.dead) + " + จร " + loadText(f.total.live) + ")";
    for (const ResolvedTerm& t : f.terms) {
        out += "\n• ";
        if (t.term.member.empty()) {
            out += t.portCaption + (t.term.live ? " (จร)" : " (คงที่)") + ": " + loadText(t.term.value);
            continue;
        }
        out += t.source + " " + t.portCaption + (t.term.count > 1 ? " × " + std::to_string(t.term.count) : "");
        if (t.stopped) {
            out += ": หยุดคำนวณ ไม่มีน้ำหนักส่งต่อ";
            continue;
        }
        const PortLoad s = t.sum();
        out += ": " + loadText(s.total());
        if (s.split) out += " (คงที่ " + loadText(s.dead) + " + จร " + loadText(s.live) + ")";
    }
    return out;
}

LinkDialog::LinkDialog(const Project& project, std::size_t member, const std::string& field,
                       const std::vector<ModuleDescription>& modules, QWidget* parent)
    : QDialog(parent), project_(project), offers_(linkOffers(project, member, field, modules)) {
    setObjectName(QStringLiteral("LinkDialog"));
    const Member& m = project.members.at(member);
    const ModuleDescription* module = findModule(modules, m.module);
    const FieldInfo* info = module ? findField(module->fields, field) : nullptr;
    std::string caption = info ? info->caption : field;
    while (!caption.empty() && (caption.back() == '=' || caption.back() == ' ')) caption.pop_back();
    unit_ = info ? info->unit : "";
    setWindowTitle(qs(std::string(kTitle) + " " + m.name));

    auto* heading = new QLabel(qs("ช่อง \"" + caption + "\" (" + unit_ + ") ของ " + m.name +
                                  " รับน้ำหนักจากชิ้นส่วนต่อไปนี้: ใส่จำนวนของแต่ละรายการที่รับ"),
                               this);
    heading->setWordWrap(true);
    QFont hf = heading->font();
    hf.setBold(true);
    heading->setFont(hf);

    sources_ = termTable(this, "TableSources", kSourceColumns, 2);
    sources_->setSelectionMode(QAbstractItemView::NoSelection);

    // The counts the member's link has now.
    std::vector<LinkTerm> typedNow;
    auto countNow = [&](const LinkOffer& o) {
        for (const FieldLink& l : m.links)
            if (l.field == field)
                for (const LinkTerm& t : l.terms)
                    if (t.member == project.members[o.member].id && t.port == o.port->name) return t.count;
        return 0;
    };
    for (const LinkOffer& o : offers_) addOfferRow(o, countNow(o));
    for (const FieldLink& l : m.links)
        if (l.field == field)
            for (const LinkTerm& t : l.terms)
                if (t.member.empty()) typedNow.push_back(t);
    auto* none = new QLabel(QStringLiteral("ยังไม่มีชิ้นส่วนในโครงการที่ส่งน้ำหนักหน่วย %1 มาที่ช่องนี้ได้ "
                                           "(ชิ้นส่วนที่รับน้ำหนักจาก %2 อยู่แล้วลิงก์กลับไม่ได้ เพราะน้ำหนักจะวนกัน)")
                                .arg(qs(unit_), qs(m.name)),
                            this);
    none->setWordWrap(true);
    none->setVisible(offers_.empty());

    auto* typedCaption = new QLabel(QStringLiteral("น้ำหนักที่พิมพ์เพิ่ม (เช่น ผนังก่ออิฐ) หน่วย %1 พร้อมหมายเหตุ").arg(qs(unit_)), this);
    typed_ = termTable(this, "TableTyped", kTypedColumns, 2);
    typed_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);  // a value typed long
    typed_->setMaximumHeight(130);
    connect(typed_, &QTableWidget::cellChanged, this, &LinkDialog::updateTotal);
    for (const LinkTerm& t : typedNow) addTyped(qs(loadText(t.value)), t.live, qs(t.note));

    auto* add = ui::makeButton(this, "CommandAddTyped", QStringLiteral("เพิ่มรายการ"));
    auto* remove = ui::makeButton(this, "CommandRemoveTyped", QStringLiteral("ลบรายการ"));
    connect(add, &QPushButton::clicked, this, [this] {
        addTyped(QString(), false, QString());
        typed_->setCurrentCell(typed_->rowCount() - 1, 0);
        typed_->editItem(typed_->item(typed_->rowCount() - 1, 0));
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int row = typed_->currentRow() >= 0 ? typed_->currentRow() : typed_->rowCount() - 1;
        if (row >= 0) typed_->removeRow(row);
        updateTotal();
    });
    auto* typedButtons = new QHBoxLayout;
    typedButtons->addWidget(typedCaption, 1);
    typedButtons->addWidget(add);
    typedButtons->addWidget(remove);

    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("LabelTotal"));
    QFont tf = total_->font();
    tf.setBold(true);
    total_->setFont(tf);

    auto* box = new QDialogButtonBox(this);
    QPushButton* ok = box->addButton(QStringLiteral("ลิงก์"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("CommandLink"));
    const bool linked = std::any_of(m.links.begin(), m.links.end(), [&](const FieldLink& l) { return l.field == field; });
    if (linked) {
        QPushButton* un = box->addButton(QStringLiteral("เลิกลิงก์ (เก็บค่าไว้เป็นตัวเลขที่พิมพ์)"), QDialogButtonBox::ResetRole);
        un->setObjectName(QStringLiteral("CommandUnlink"));
        connect(un, &QPushButton::clicked, this, [this] { done(Unlinked); });
    }
    QPushButton* cancel = box->addButton(QStringLiteral("ยกเลิก"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    connect(ok, &QPushButton::clicked, this, &LinkDialog::tryAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(sources_, 1);
    layout->addWidget(none);
    layout->addLayout(typedButtons);
    layout->addWidget(typed_);
    layout->addWidget(total_);
    layout->addWidget(box);
    resize(760, 460);
    updateTotal();
}

void LinkDialog::addOfferRow(const LinkOffer& o, int count) {
    const int row = sources_->rowCount();
    sources_->insertRow(row);
    const Member& source = project_.members[o.member];
    sources_->setItem(row, 0, cell(source.name));
    sources_->setItem(row, 1, cell(moduleCaption(source.module)));
    sources_->setItem(row, 2, cell(o.port->caption));
    if (!o.load) {
        sources_->setItem(row, 3, cell("หยุดคำนวณ"));
        sources_->setItem(row, 4, cell("ไม่มีน้ำหนักส่งต่อ"));
    } else if (o.load->split) {
        sources_->setItem(row, 3, cell(loadText(o.load->dead), true));
        sources_->setItem(row, 4, cell(loadText(o.load->live), true));
    } else {
        // A capacity passes whole: it has no dead and live parts.
        sources_->setItem(row, 3, cell(loadText(o.load->total()) + " (ทั้งหมด)", true));
        sources_->setItem(row, 4, cell("-", true));
    }
    auto* spin = new QSpinBox(sources_);
    spin->setObjectName(QStringLiteral("Count%1").arg(row));
    spin->setRange(0, kMostCount);
    spin->setValue(count);
    spin->setToolTip(QStringLiteral("จำนวน %1 ที่ส่งน้ำหนักมา (0 = ไม่รับ)").arg(qs(source.name)));
    connect(spin, &QSpinBox::valueChanged, this, &LinkDialog::updateTotal);
    sources_->setCellWidget(row, 5, spin);
    counts_.push_back(spin);
}

void LinkDialog::setCount(std::size_t offer, int count) {
    if (offer < counts_.size()) counts_[offer]->setValue(count);
}

void LinkDialog::addTyped(const QString& value, bool live, const QString& note) {
    const int row = typed_->rowCount();
    const QSignalBlocker block(typed_);
    typed_->insertRow(row);
    auto* v = new QTableWidgetItem(value);
    v->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    typed_->setItem(row, 0, v);
    typed_->setItem(row, 2, new QTableWidgetItem(note));
    auto* part = new QComboBox(typed_);
    part->addItems({QString::fromUtf8(kDead), QString::fromUtf8(kLive)});
    part->setCurrentIndex(live ? 1 : 0);
    connect(part, &QComboBox::currentIndexChanged, this, &LinkDialog::updateTotal);
    typed_->setCellWidget(row, 1, part);
    updateTotal();
}

std::optional<std::string> LinkDialog::typedFault() const {
    for (int r = 0; r < typed_->rowCount(); ++r) {
        const QString value = typed_->item(r, 0) ? typed_->item(r, 0)->text().trimmed() : QString();
        const QString note = typed_->item(r, 2) ? typed_->item(r, 2)->text().trimmed() : QString();
        if (value.isEmpty() && note.isEmpty()) continue;
        const std::string row = "รายการที่พิมพ์แถวที่ " + std::to_string(r + 1);
        const auto v = readValue(value);
        if (!v || *v < 0 || *v > kLargestTyped)
            return row + " มีค่า \"" + ss(value.left(40)) + "\" ซึ่งต้องเป็นตัวเลขตั้งแต่ 0 ถึง " + numText(kLargestTyped) +
                   " " + unit_;
        if (note.isEmpty()) return row + " ยังไม่มีหมายเหตุ โปรดบอกว่าน้ำหนักนี้มาจากอะไร (เช่น ผนังก่ออิฐครึ่งแผ่นสูง 3 ม.)";
    }
    return std::nullopt;
}

std::optional<std::vector<LinkTerm>> LinkDialog::terms() const {
    if (typedFault()) return std::nullopt;
    std::vector<LinkTerm> out;
    for (std::size_t i = 0; i < offers_.size(); ++i)
        if (const int n = counts_[i]->value(); n > 0)
            out.push_back({project_.members[offers_[i].member].id, offers_[i].port->name, n, 0, false, {}});
    for (int r = 0; r < typed_->rowCount(); ++r) {
        const QString value = typed_->item(r, 0) ? typed_->item(r, 0)->text().trimmed() : QString();
        const QString note = typed_->item(r, 2) ? typed_->item(r, 2)->text().trimmed() : QString();
        if (value.isEmpty() && note.isEmpty()) continue;
        const auto* part = qobject_cast<QComboBox*>(typed_->cellWidget(r, 1));
        out.push_back({{}, {}, 1, *readValue(value), part && part->currentIndex() == 1, ss(note)});
    }
    return out;
}

PortLoad LinkDialog::total() const {
    PortLoad sum;
    for (std::size_t i = 0; i < offers_.size(); ++i)
        if (const int n = counts_[i]->value(); n > 0 && offers_[i].load) {
            sum.dead += offers_[i].load->dead * n;
            sum.live += offers_[i].load->live * n;
            sum.split = sum.split && offers_[i].load->split;
        }
    for (int r = 0; r < typed_->rowCount(); ++r) {
        const auto v = typed_->item(r, 0) ? readValue(typed_->item(r, 0)->text()) : std::nullopt;
        if (!v || *v < 0 || *v > kLargestTyped) continue;
        const auto* part = qobject_cast<QComboBox*>(typed_->cellWidget(r, 1));
        (part && part->currentIndex() == 1 ? sum.live : sum.dead) += *v;
    }
    return sum;
}

void LinkDialog::updateTotal() {
    if (!total_) return;
    const PortLoad t = total();
    std::string text = "รวม " + loadText(t.total()) + " " + unit_;
    if (t.split) text += " (คงที่ " + loadText(t.dead) + " + จร " + loadText(t.live) + ")";
    bool stopped = false;
    for (std::size_t i = 0; i < offers_.size(); ++i) stopped = stopped || (counts_[i]->value() > 0 && !offers_[i].load);
    if (stopped) text += "  ชิ้นส่วนที่หยุดคำนวณยังไม่ส่งน้ำหนัก ต้องแก้ไขก่อน";
    if (const auto fault = typedFault()) text += "  " + *fault;
    total_->setText(qs(text));
}

void LinkDialog::tryAccept() {
    const Icon icon = Icon::Exclamation;
    if (const auto fault = typedFault()) {
        ui::prompter().show(Message{*fault, kTitle, icon}, this);
        return;
    }
    if (terms()->empty()) {
        ui::prompter().show(Message{"ยังไม่ได้เลือกน้ำหนักที่ช่องนี้รับ: ใส่จำนวนของชิ้นส่วนที่ส่งน้ำหนักมา "
                                    "หรือพิมพ์น้ำหนักพร้อมหมายเหตุ",
                                    kTitle, icon},
                            this);
        return;
    }
    accept();
}

}  // namespace mx::project
