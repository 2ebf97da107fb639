#include "pilecap/window/pilecapwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/numtext.h"
#include "pile/window/pile_pictures.h"
#include "pilecap/pilecap_form.h"
#include "pilecap/pilecap_module.h"
#include "pilecap/pilecap_sheet.h"
#include "pilecap/window/pilecap_pictures.h"
#include "pilecap/window/pilecapwindow_layout.h"
#include "ui/fields.h"
#include "ui/registry.h"

namespace mx::pilecap {

using ui::qs;

namespace {

constexpr ui::MemberWindowId kWindowId{"foot01", "pilecap", "foot2help"};

// The picture of each pile type, in the order of StandardPileTable: timber, bored,
// hollow, and I-section (drawn as the prestressed I-section pile).
constexpr pile::PilePicture kTypePictures[] = {pile::PilePicture::Timber, pile::PilePicture::Bored,
                                               pile::PilePicture::Hollow, pile::PilePicture::Prestressed};
static_assert(std::size(kTypePictures) == StandardPileTable.size());

ui::FootingWindowDesign pileCapDesign() {
    ui::FootingWindowDesign d;
    d.id = kWindowId;
    d.check = changeCheck;
    d.layout = layout::kWindow;
    d.picture = [](QSize size) { return pileCapPixmap(size); };
    d.designTooltip = "ออกแบบฐานรากชนิดมีเข็ม";
    d.titleButtonsErase = false;
    d.inputRows = {{"Text1", "Label1"}, {"Text3", "Label2", true}, {"Text4", "Label3"}, {"Text2", "Label4"},
                   {"Text14"}};
    d.materialRows = {{"Text5", "Label6"}, {"Text6", "Label7"}, {"Text7", "Label8"}};
    d.allowanceField = "Text14";
    d.barField = "Text2";
    d.summaryHeading = "สรุปผลการคำนวณ";
    for (const ResultLabelDef& l : kResultLabels) d.resultRows.push_back({l.label, l.line});
    // The mean mesh pitches, long way and short way, have no summary line of their own.
    d.extraRowCaption = "ระยะเหล็กตะแกรงทางยาว / ทางสั้น / ซม. =";
    d.initialVerdict = kVerdictBeforeCalculation;
    return d;
}

}  // namespace

PileCapWindow::PileCapWindow(QWidget* parent) : FootingWindow(pileCapDesign(), parent) {
    assembleFooting();
    writeLabels(initialResultLabels());
}

void PileCapWindow::buildAids(QFrame* p, QGridLayout* grid) {
    // The safe load's help button and caption open the four pile types.
    QPushButton* typesButton = addHelpButton(p, layout::kPileTypesButton);
    grid->addWidget(typesButton, 1, 2, Qt::AlignLeft);
    connect(typesButton, &QPushButton::clicked, this, [this] { showPileTypes(true); });
    pileCaption_ = findChild<ui::ClickLabel*>(QStringLiteral("Label2"));
    pileCaption_->opensAndCloses([this] { showPileTypes(true); }, [this] { closeAids(); });

    // Each type's button and its list of standard piles; a row fills the safe load and
    // the size, and the list stays open to compare the next.
    auto* types = new QHBoxLayout;
    for (std::size_t i = 0; i < StandardPileTable.size(); ++i) {
        const PileList& pl = StandardPileTable[i];
        QPushButton* b = addPictureButton(p, pl.button, pile::pilePixmap(kTypePictures[i], 44),
                                          QString::fromUtf8(pl.tooltip), 50);
        const int type = static_cast<int>(i);
        connect(b, &QPushButton::clicked, this, [this, type] { showPileList(type); });
        b->hide();
        types->addWidget(b);
        typeButtons_.push_back(b);
    }
    types->addStretch(1);
    panelLayout(p)->addLayout(types);
    for (const PileList& pl : StandardPileTable) {
        std::vector<ui::PickItem> items;
        for (std::size_t r = 0; r < pl.count; ++r) items.push_back({pl.rows[r].text, numText(pl.rows[r].Ps)});
        const PileList* table = &pl;
        QListWidget* list = addChoiceList(p, pl.list, items, [this, table](int row) {
            FieldSet f;
            pickStandardPile(f, table->rows[static_cast<std::size_t>(row)]);
            field("Text3")->setText(qs(f.get("Text3")));
            field("Text4")->setText(qs(f.get("Text4")));
        });
        list->setFixedHeight(list->sizeHintForRow(0) * 10 + 2 * list->frameWidth());
        list->hide();
        panelLayout(p)->addWidget(list, 0, Qt::AlignLeft);
        pileLists_.push_back(list);
    }
}

void PileCapWindow::showPileTypes(bool shown) {
    for (QPushButton* b : typeButtons_) b->setVisible(shown);
}

void PileCapWindow::showPileList(int type) {
    for (std::size_t i = 0; i < pileLists_.size(); ++i) pileLists_[i]->setVisible(static_cast<int>(i) == type);
}

void PileCapWindow::closeAids() {
    showPileTypes(false);
    showPileList(-1);
}

void registerWindows() {
    ui::WindowRegistry::instance().add(kWindowId, [] { return new PileCapWindow; });
}

}  // namespace mx::pilecap
