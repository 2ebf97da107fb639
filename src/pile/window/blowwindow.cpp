#include "pile/window/blowwindow.h"
#include "pile/window/blowwindow_layout.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "pile/blow_form.h"
#include "pile/pile_fields.h"
#include "pile/pile_module.h"
#include "pile/pile_sheet.h"
#include "ui/fields.h"
#include "ui/registry.h"

namespace mx::pile {

using ui::qs;

namespace {

constexpr ui::MemberWindowId kWindowId{"blow", "blow", "blowhelp"};

PilePicture pictureOf(int code) {
    switch (code) {
    case 2: return PilePicture::Hollow;
    case 3: return PilePicture::Timber;
    default: return PilePicture::Prestressed;
    }
}

PileWindowDesign blowDesign() {
    PileWindowDesign d;
    d.id = kWindowId;
    d.exitQuestion = Message{"คุณแน่ใจหรือว่าจะออกจากการคำนวณหาการรับ นน.ของเสาเข็มโดยปั้นจั่น?",
                             "ออกจากการคำนวณหาการรับ นน.เสาเข็มโดยปั้นจั่น", Icon::Critical};
    d.check = [](std::string_view field, const FieldSet& f) { return checkBlowField(std::string(field), f.get(field)); };
    d.layout = blowlayout::kWindow;
    d.types = typeButtons(blowTypes(), pictureOf);
    d.chooseTypeCaption = "เลือกชนิดของเสาเข็ม";
    d.chosenTypeTooltip = "ชนิดของเสาเข็ม";
    d.typeHeadingText = kBlowDefaultTypeText;
    return d;
}

}  // namespace

BlowWindow::BlowWindow(QWidget* parent) : PileMemberWindow(blowDesign(), parent) { assemblePile(); }

void BlowWindow::buildPanels() {
    QFrame* f = panel(kInputPanel);
    addTypeRow(f);

    // The fields, and beside them the standard sections of the type chosen.
    auto* inputs = new QWidget(f);
    auto* row = new QHBoxLayout(inputs);
    row->setContentsMargins(0, 0, 0, 0);
    std::vector<ui::FieldRow> rows;
    for (const BlowField& field : blowInputFields()) rows.push_back({field.name, field.label});
    auto* fieldColumn = new QWidget(inputs);
    addFieldRows(fieldColumn, rows);
    row->addWidget(fieldColumn, 0, Qt::AlignTop);
    std::vector<QListWidget*> sections;
    for (int i = 0; i < 3; ++i) {
        std::vector<ui::PickItem> items;
        for (const BlowSectionRow& r : blowSections(i + 1)) items.push_back({r.text, {}});
        sections.push_back(addChoiceList(inputs, blowlayout::kSectionLists[i], items, [this, i](int r) {
            // The row's area and design load; a row that does not exist changes nothing.
            if (const auto values = blowSectionValues(i + 1, r)) {
                field("Text1")->setText(qs(values->first));
                field("Text3")->setText(qs(values->second));
            }
        }));
        row->addWidget(sections.back(), 1, Qt::AlignTop);
    }
    setSectionLists(std::move(sections));
    panelLayout(f)->addWidget(inputs);

    // The results, uncovered below the inputs.
    QWidget* results = addResults(f, "ผลการคำนวณเพื่อตรวจสอบการรับ นน. ของเสาเข็ม", "Label7");
    auto* grid = new QGridLayout;
    for (const blowlayout::ResultLine& line : blowlayout::kResultLines) {
        QLabel* caption = addLabel(results, line.captionName, QString::fromUtf8(line.caption));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, line.row, 2 * line.column);
        grid->addWidget(addResult(results, line.value, kBlowNoResult), line.row, 2 * line.column + 1);
    }
    panelLayout(results)->addLayout(grid);
}

BlowInput BlowWindow::working() const { return readBlowInput(fields()); }

void BlowWindow::afterCalculate() {
    if (const BlowOutcome* o = lastRecord<BlowOutcome>()) shown_ = heldBlowResult(shown_, *o);
    PileMemberWindow::afterCalculate();
}

void registerBlowWindow() {
    ui::WindowRegistry::instance().add(kWindowId, [] { return new BlowWindow; });
}

}  // namespace mx::pile
