// The column window's panels over the drawing: the load estimator, which works out
// the load on the column from the floor area it carries, and the result panel.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "column/column_form.h"
#include "column/window/columnwindow.h"
#include "column/window/columnwindow_layout.h"
#include "ui/fields.h"
#include "ui/picklist.h"

namespace mx::column {

using namespace layout;
using ui::qs;

namespace {

// Live loads of the building control regulations, kg/m2: the row's text and its value.
constexpr ui::PickRow kLiveLoads[] = {
    {"หลังคา  30", 30},
    {"กันสาดหรือหลังคาคอนกรีต  100", 100},
    {"ที่พักอาศัย โรงเรียนอนุบาล   150", 150},
    {"ห้องน้ำห้องส้วม  150", 150},
    {"ห้องแถว ตึกแถวที่ใช้พักอาศัย  200", 200},
    {"อาคารชุด หอพัก ห้องพักในโรงแรม  200", 200},
    {"ห้องคนไข้พิเศษในโรงพยาบาล  200", 200},
    {"สำนักงาน ธนาคาร  250", 250},
    {"อาคารพาณิชย์ โรงพยาบาล  300", 300},
    {"ตึกแถวที่ใช้เพื่อการพาณิชย์  300", 300},
    {"มหาวิทยาลัย วิทยาลัย โรงเรียน  300", 300},
    {"ห้องโถง บันได ทางเดิน อาคารชุด 300", 300},
    {"โถง บันได ทางเดินของหอพัก โรงแรม 300", 300},
    {"โถง บันได ทางเดินของสำนักงาน ธนาคาร 300", 300},
    {"ตลาด อาคารสรรพสินค้า หอประชุม 400", 400},
    {"โรงมหรสพ ภัตตาคาร ห้องประชุม 400", 400},
    {"ห้องอ่านหนังสือในห้องสมุด หอสมุด 400", 400},
    {"ที่จอดหรือเก็บรถยนตร์นั่ง 400", 400},
    {"ที่จอดหรือเก็บรถจักรยานยนตร์ 400", 400},
    {"โถง บันได ทางเดิน อาคารพาณิชย์ 400", 400},
    {"โถง บันได ทางเดิน มหาวิทยาลัย 400", 400},
    {"โถง บันได ทางเดิน โรงเรียน 400", 400},
    {"คลังสินค้า โรงกีฬา พิพิธภัณฑ์ 500", 500},
    {"อัฒจันทร์ โรงงานอุตสาหกรรม 500", 500},
    {"โรงพิมพ์ ห้องเก็บเอกสาร พัสดุ 500", 500},
    {"โถง บันได ทางเดินของตลาด  500", 500},
    {"โถง บันได ทางเดินของอาคารสรรพสินค้า 500", 500},
    {"โถง บันได ทางเดินห้องประชุม โรงมหรสพ 500", 500},
    {"โถง บันได ทางเดินของภัตตาคาร ห้องสมุด 500", 500},
    {"ห้องเก็บหนังสือของห้องสมุดหอสมุด 600", 600},
    {"ที่จอดหรือเก็บรถยนตร์บรรทุกเปล่า 800", 800},
};

// Result rows, in two columns: caption and value label.
struct ResultRow {
    const char* caption;
    const char* value;
};
constexpr ResultRow kResultRows[] = {
    {"ความกว้างของเสา t1 / ซม. =", "Label9"},
    {"ความลึกของเสา t2 / ซม. =", "Label10"},
    {"ความสูงของเสา / เมตร =", "Label11"},
    {"ด้านแคบของเสา t / ซม. =", "Label50"},
    {"ความชลูด h / r =", "Label27"},
    {"ตัวคูณลดกำลัง R =", "Label20"},
    {"นน.ที่กระทำลงบนเสา / กก. =", "Label18"},
    {"นน.ของเสา x k / กก. =", "Label17"},
    {"รวม นน.ลงเสา + นน.เสา / กก. =", "Label19"},
    {"นน.ที่ใช้ออกแบบ P / กก. =", "Label16"},
    {"พท.หน้าตัดเสา Ag / ตร.ซม. =", "Label13"},
    {"กำลังรับ นน.ของคอนกรีต C / กก. =", "Label14"},
    {"กำลังรับ นน.ของเหล็ก S / กก. =", "Label15"},
    {"พท.เหล็กยืน As / ตร.ซม. =", "Label21"},
    {"อัตราส่วนเหล็กยืน Pg / % =", "Label12"},
    {"ขนาดเหล็กยืน / มม. =", "Label23"},
    {"พท.เหล็กยืน 1 เส้น / ตร.ซม. =", "Label22"},
    {"จำนวนเหล็กยืน / เส้น =", "Label24"},
    {"ขนาดเหล็กปลอก / มม. =", "Label25"},
    {"16 เท่าของเหล็กยืน / ซม. =", "Label48"},
    {"48 เท่าของเหล็กปลอก / ซม. =", "Label49"},
    {"ระยะเหล็กปลอก @ / ซม. =", "Label26"},
};

// The estimator's own fields as they stand: an estimate belongs to these texts.
FieldSet estimatorInputs(const FieldSet& all) {
    FieldSet in;
    for (const char* name : {"Text13", "Text14", "Text15", "Text16", "Text17"}) in.set(name, all.get(name));
    return in;
}

}  // namespace

void ColumnWindow::buildEstimatorPanel() {
    QFrame* p = panel(kEstimatorPanel);
    QVBoxLayout* column = panelLayout(p);
    column->addWidget(ui::asHeading(new QLabel(QStringLiteral("คำนวณ นน. ที่ลงบนเสาจากพื้นที่รับ นน."), p)));

    QGridLayout* grid = addFieldRows(p, {{"Text13"}, {"Text14"}, {"Text15"}, {"Text16"}});
    // The floor load, the point load added to it, and the total, in that order.
    const int fieldWidth = field("Text13")->maximumWidth();
    const int fieldHeight = field("Text13")->sizeHint().height();
    auto valueRow = [&](int row, const char* caption, const char* name) {
        auto* c = new QLabel(QString::fromUtf8(caption), p);
        c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLabel* v = addValueLabel(p, name);
        v->setMinimumWidth(fieldWidth);
        v->setFixedHeight(fieldHeight);
        grid->addWidget(c, row, 0);
        grid->addWidget(v, row, 1);
    };
    valueRow(4, "รวม นน. พื้นที่ลงบนเสา / กก. =", "Label56");
    const ui::CaptionedField t17 = addCaptionedField(p, {"Text17"});
    t17.field->setFixedWidth(fieldWidth);
    grid->addWidget(t17.caption, 5, 0);
    grid->addWidget(t17.field, 5, 1);
    valueRow(6, "รวม นน. ทั้งสิ้นที่ลงบนเสา กก. =", "Label57");

    // The live loads of the regulations beside the fields; a row writes its load.
    QListWidget* list = addPickList(p, "List1", ui::pickItems(kLiveLoads), "Text15");
    list->setToolTip(QStringLiteral("นน.จรเฉลี่ยตาม พรบ.ควบคุมอาคาร"));
    grid->addWidget(list, 0, 2, 7, 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* run = ui::makeButton(p, "Command21", QStringLiteral("คำนวณ นน. ลงเสา"));
    QPushButton* ok = ui::makeButton(p, "Command20", QStringLiteral("ตกลง"));
    connect(run, &QPushButton::clicked, this, [this] { estimateLoad(); });
    connect(ok, &QPushButton::clicked, this, [this] { acceptEstimate(); });
    buttons->addWidget(run);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    column->addLayout(buttons);
}

void ColumnWindow::estimateLoad() {
    const FieldSet now = fields();
    const ColumnLoadEstimate e = estimateColumnLoad(now);
    replay(e.diagnostics, e.diagnostics.resultsAt(), [this, &e] { writeLabels(e.labels); });
    estimate_.reset();
    if (e.computed) estimate_ = Estimate{e.total, estimatorInputs(now)};
}

void ColumnWindow::acceptEstimate() {
    hidePanel(kEstimatorPanel);
    // Only a worked-out total replaces the load: OK before the estimator has run
    // leaves the typed load alone. A total worked out from other figures than those
    // shown now is worked out again, so that OK writes what the estimator shows.
    if (!estimate_) return;
    if (estimate_->from.entries() != estimatorInputs(fields()).entries()) return estimateLoad();
    field("Text1")->setText(qs(estimate_->total));
}

void ColumnWindow::buildResultPanel() {
    QFrame* p = panel(kResultPanel);
    QGridLayout* grid = addResultGrid(p);
    constexpr int kRowsPerColumn = (std::size(kResultRows) + 1) / 2;
    int i = 0;
    for (const ResultRow& row : kResultRows) {
        const int r = i % kRowsPerColumn, c = 2 * (i / kRowsPerColumn);
        auto* caption = new QLabel(QString::fromUtf8(row.caption), p);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, r, c);
        QLabel* v = addValueLabel(p, row.value);
        v->setMinimumWidth(96);
        grid->addWidget(v, r, c + 1);
        ++i;
    }
}

}  // namespace mx::column
