// The beam window's panels over the drawing: the result panel and the live-load
// calculator with its tables of floor loads and wall weights.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "beam/beam_form.h"
#include "beam/window/beamwindow.h"
#include "beam/window/beamwindow_layout.h"
#include "common/checked.h"
#include "common/numtext.h"
#include "ui/fields.h"
#include "ui/prompter.h"

namespace mx::beam {

using namespace layout;
using ui::makeButton;
using ui::qs;

QPushButton* layout::smallButton(QWidget* parent, const char* name, const QString& text, const char* tip, int width) {
    QPushButton* b = makeButton(parent, name, text, QString::fromUtf8(tip));
    b->setFixedSize(width, kRowHeight);
    return b;
}

namespace {

std::vector<ui::PickItem> loadItems(const std::vector<LoadEntry>& entries) {
    std::vector<ui::PickItem> items;
    for (const LoadEntry& e : entries) items.push_back({e.text, std::to_string(e.load)});
    return items;
}

}  // namespace

void BeamWindow::buildResultPanel() {
    QFrame* p = panel(kResultPanel);
    // The caption column with each value on the row of its caption; the dotted rules
    // between the groups carry the bar groups' headings.
    auto* box = new QWidget(p);
    box->setObjectName(QStringLiteral("Text9"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(0, 1);
    int r = 0;
    int rules = 0;
    for (const ResultLine& line : beamResultLines()) {
        const QString text = QString::fromUtf8(line.caption);
        if (r == 0) {
            auto* heading = new QLabel(text, box);
            QFont f = heading->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.15);
            heading->setFont(f);
            heading->setAlignment(Qt::AlignCenter);
            grid->addWidget(heading, r++, 0, 1, 2);
            continue;
        }
        if (text == QLatin1String(kDotLine)) {
            auto* rule = new QHBoxLayout;
            ++rules;
            if (rules <= 2) {
                const BarHeadings h = barHeadings(0);
                rule->addWidget(ui::asHeading(
                    addLabel(box, rules == 1 ? "Label40" : "Label41", QString::fromUtf8(rules == 1 ? h.label40 : h.label41))));
            }
            auto* dots = new QLabel(text, box);
            dots->setStyleSheet(QStringLiteral("color: #888;"));
            dots->setMinimumWidth(0);
            dots->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            rule->addWidget(dots, 1);
            grid->addLayout(rule, r++, 0, 1, 2);
            continue;
        }
        auto* caption = new QLabel(text, box);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, r, 0);
        if (*line.label) grid->addWidget(addValueLabel(box, line.label), r, 1);
        ++r;
    }
    panelLayout(p)->addWidget(box);
}

void BeamWindow::buildCalculator() {
    QFrame* p = panel(kCalculatorPanel);
    QVBoxLayout* column = panelLayout(p);
    struct Block {
        const char* heading;
        const char* fields[3];
        const char* total;
        const char* table;  // the button of its table, beside the last row
        const char* tableTip;
    };
    const Block blocks[] = {
        {"1. นน.จรบนพื้น", {"Text17", "Text18", "Text19"}, "Label44", "Command32", "นน.จรตาม พรบ.ควบคุมอาคาร"},
        {"2. นน.ผนัง", {"Text21", "Text22", "Text23"}, "Label45", "Command33", "นน.ผนังมาตรฐาน"},
        {"3. แรงกระทำเป็นจุด", {"Text25", "Text26", "Text27"}, "Label46", nullptr, nullptr},
    };
    for (const Block& b : blocks) {
        column->addWidget(ui::asHeading(new QLabel(QString::fromUtf8(b.heading), p)));
        QGridLayout* grid = addFieldRows(p, {{b.fields[0]}, {b.fields[1]}, {b.fields[2]}});
        grid->setVerticalSpacing(2);
        grid->setColumnMinimumWidth(0, 170);
        grid->setColumnStretch(0, 0);
        grid->setColumnStretch(3, 1);
        for (const char* name : b.fields) field(name)->setFixedWidth(kFieldWidth);
        auto* eq = new QLabel(QStringLiteral("รวม (กก.) ="), p);
        eq->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(eq, 1, 2);
        grid->addWidget(addValueLabel(p, b.total), 1, 3);
        if (b.table) grid->addWidget(smallButton(p, b.table, QStringLiteral("ตาราง"), b.tableTip, 60), 2, 2);
        if (b.table) continue;
        // Point loads count by the beam type's factor k: its value and the load it makes.
        auto* k = new QLabel(QStringLiteral("k ="), p);
        k->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(k, 0, 2);
        grid->addWidget(addValueLabel(p, "Label51"), 0, 3);
        auto* kp = new QLabel(QStringLiteral("k x รวม (กก.) ="), p);
        kp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(kp, 2, 2);
        grid->addWidget(addValueLabel(p, "Label52"), 2, 3);
        QLabel* note = addLabel(p, "Label53", QString::fromUtf8(kPointLoadNote));
        note->setWordWrap(true);
        column->addWidget(note);
    }
    auto* totals = new QGridLayout;
    totals->setVerticalSpacing(2);
    totals->setColumnStretch(0, 1);
    const std::pair<const char*, const char*> sums[] = {
        {"Label42", "รวม นน.จร ที่กระทำลงบนคาน / กก. ( 1 + 2 + k x 3 ) ="},
        {"Label43", "เฉลี่ย นน. จร ที่ลงบนคาน คิดเป็น กก. / เมตร ="},
    };
    int r = 0;
    for (const auto& [caption, text] : sums) {
        QLabel* l = addLabel(p, caption, QString::fromUtf8(text));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals->addWidget(l, r, 0);
        totals->addWidget(addValueLabel(p, r == 0 ? "Label47" : "Label48"), r, 1);
        ++r;
    }
    column->addLayout(totals);

    auto* buttons = new QHBoxLayout;
    QPushButton* c30 = makeButton(p, "Command30", QStringLiteral("คำนวณ"), QStringLiteral("คำนวณ"));
    QPushButton* c31 = makeButton(p, "Command31", QStringLiteral("ตกลง"), QStringLiteral("ตกลง"));
    connect(c30, &QPushButton::clicked, this, &BeamWindow::runLiveLoadCalculator);
    connect(c31, &QPushButton::clicked, this, [this] {
        hidePanel(kCalculatorPanel);
        findChild<ui::ClickLabel*>(QStringLiteral("Label8"))->setBorder(false);
    });
    buttons->addWidget(c30);
    buttons->addWidget(c31);
    buttons->addStretch(1);
    column->addLayout(buttons);

    // The two tables share one place under the buttons, kept whether one shows or not.
    auto* tables = new QGridLayout;
    QListWidget* list1 = addPickList(p, "List1", loadItems(floorLoadTable()), "Text19");
    QListWidget* list2 = addPickList(p, "List2", loadItems(wallWeightTable()), "Text23");
    for (QListWidget* l : {list1, list2}) {
        QSizePolicy keep = l->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        l->setSizePolicy(keep);
        l->setMinimumHeight(l->sizeHintForRow(0) * 5);
        l->hide();
        tables->addWidget(l, 0, 0);
    }
    column->addLayout(tables, 1);
    connect(toolButton("Command32"), &QPushButton::clicked, this, [list1, list2] {
        list1->show();
        list2->hide();
    });
    connect(toolButton("Command33"), &QPushButton::clicked, this, [list1, list2] {
        list2->show();
        list1->hide();
    });
}

void BeamWindow::runLiveLoadCalculator() {
    LiveLoadEstimate e;
    try {
        e = estimateLiveLoad(fields(), beamType(), formState().linked);
    } catch (const ArithmeticError&) {
        // Entries too large to add up: nothing is written.
        ui::prompter().show(Message{"คุณใส่ข้อมูลผิดพลาด!?!", kProgramTitle, Icon::None}, this);
        return;
    }
    if (e.message) ui::prompter().show(*e.message, this);
    if (e.refusal) {
        ui::prompter().show(*e.refusal, this);
        return;
    }
    field("Text2")->setText(qs(numText(e.perMetre)));
    writeLabels({{"Label48", numText(e.perMetre)},
                 {"Label44", numText(e.floor)},
                 {"Label45", numText(e.wall)},
                 {"Label46", numText(e.points)},
                 {"Label51", e.pointFactor ? numText(*e.pointFactor) : std::string("-")},
                 {"Label52", numText(e.pointEquivalent)},
                 {"Label47", numText(e.total)}});
}

}  // namespace mx::beam
