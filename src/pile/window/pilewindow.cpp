#include "pile/window/pilewindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "pile/pile_fields.h"
#include "pile/pile_form.h"
#include "pile/pile_sheet.h"
#include "pile/window/blowwindow.h"
#include "ui/fields.h"
#include "ui/registry.h"

namespace mx::pile {

using ui::qs;
using ui::ss;

namespace {

PilePicture pictureOf(int code) {
    switch (code) {
    case kTimber: return PilePicture::Timber;
    case kBored: return PilePicture::Bored;
    case kHollow: return PilePicture::Hollow;
    default: return PilePicture::Prestressed;
    }
}

PileWindowDesign pileDesign() {
    PileWindowDesign d{
        kPileWindowId.name,
        kPileCaption,
        "pilehelp",
        Message{"คุณแน่ใจหรือว่าจะออกจากการคำนวณหาการรับ นน.ของเสาเข็ม?",
                "ออกจากการคำนวณหาการรับ นน.ปลอดภัยของเสาเข็ม", Icon::Critical},
        &pileFieldTable(),
        checkPileField,
        {},
        "กำหนดรูปแบบของเสาเข็ม",
        4295,  // the input panel with the inputs alone
        6735,  // and with the results uncovered
        {"Frame3", "Command24", "Command22", true},
        500,  // the timber captions, the longest, whole
        "Command17",
        "กำหนดรูปแบบของเสาเข็ม",
        "Label1",
        kDefaultTypeText,
    };
    d.module = kPileWindowId.module;
    for (const PileTypeInfo& t : pileTypes())
        d.types.push_back({t.code, t.toolbarButton, t.panelButton, pictureOf(t.code), t.tooltip});
    return d;
}

}  // namespace

PileWindow::PileWindow(QWidget* parent) : PileMemberWindow(pileDesign(), parent) { assemblePile(); }

void PileWindow::buildPanels() {
    QFrame* f = panel(kInputPanel);
    // The panel's own type buttons wait for the chosen-type button.
    std::vector<QPushButton*> typeButtons = addTypeRow(f);
    for (QPushButton* b : typeButtons) b->hide();
    connect(chosenType(), &QPushButton::clicked, this, [this, typeButtons] {
        for (QPushButton* b : typeButtons) b->show();
        showChosenType(code_);  // it carries the picture of the type chosen last
    });

    addFieldRows(f, {{"Text1", "Label2"}, {"Text2", "Label3"}});

    // The lists' room stays when a type shows neither, so the rows below keep their place.
    auto* room = new QWidget(f);
    room->setFixedHeight(140);
    auto* lists = new QHBoxLayout(room);
    lists->setContentsMargins(0, 0, 0, 0);
    const std::vector<ui::PickItem> rows[] = {ui::pickItems(prestressedSections()), ui::pickItems(hollowSections())};
    for (int i = 0; i < 2; ++i) {
        lists_[i] = addPickList(room, i == 0 ? "List1" : "List2", rows[i], "Text1");
        lists->addWidget(lists_[i]);
    }
    lists->addStretch(1);
    giveOneWidth({lists_[0], lists_[1]});
    lists_[1]->hide();  // the prestressed list shows until a type says otherwise
    panelLayout(f)->addWidget(room);

    // The results, uncovered below the inputs.
    QWidget* results = addResults(f, "ผลการคำนวณค่าการรับ นน.ของเสาเข็ม", "Label4");
    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    const char* lines[][3] = {{"Label5", "เสาเข็มต้นนี้รับ นน.ปลอดภัยได้ ตัน / ต้น =", "Label7"},
                              {"Label6", "เนื่องจากเป็นเสาเข็มไม้จึงคิด นน.ปลอดภัยเพียง ตัน / ต้น =", "Label8"}};
    for (int r = 0; r < 2; ++r) {
        QLabel* caption = addLabel(results, lines[r][0], QString::fromUtf8(lines[r][1]));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, r, 0);
        grid->addWidget(addResult(results, lines[r][2], kNoResult), r, 1);
    }
    // The timber line shows for a timber pile only.
    for (const char* name : {"Label6", "Label8"}) findChild<QLabel*>(QString::fromLatin1(name))->hide();
    QLabel* warning = addLabel(results, "Label9", qs(kLabel9Quiet));
    warning->setAlignment(Qt::AlignCenter);
    // Red while it belongs to the results shown; greyed with them once they are old.
    warning->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; } QLabel:enabled { color: #c01010; }"));
    grid->addWidget(warning, 2, 0, 1, 2);
    panelLayout(results)->addLayout(grid);
}

void PileWindow::chooseType(int code) {
    const PileTypeInfo* t = pileTypeInfo(code);
    if (!t) return;
    code_ = static_cast<std::int16_t>(code);
    showChosenType(code);
    writeLabels({{"Label1", t->typeText}, {"Label2", t->sizeCaption}, {"Label3", t->lengthCaption}});
    // Lists 1 and 2 for their types, neither for the others.
    for (int i = 0; i < 2; ++i) lists_[i]->setVisible(t->list == i + 1);
    const bool timber = code == kTimber;
    findChild<QLabel*>(QStringLiteral("Label6"))->setVisible(timber);
    findChild<QLabel*>(QStringLiteral("Label8"))->setVisible(timber);
    memberTypeChosen();
}

void PileWindow::runCalculation() {
    const PileOutcome o = runPile(fields(), code_, ss(findChild<QLabel*>(QStringLiteral("Label9"))->text()));
    code_ = o.result.code;
    result_ = o.result;
    usable_ = pileUsable(o);
    replay(o.diagnostics);
    writeLabels(pileLabels(o));
    showResults();
}

// The sheet records the last calculation, type and numbers together, so its captions
// always belong to its numbers. A type chosen since then stays chosen for the next
// Calculate: the warning is about the sheet, not about the window.
PageModel PileWindow::sheet() const { return buildPileSheet(result_, titleBlock(), usable_).page; }

std::optional<Message> PileWindow::sheetWarning() const {
    return buildPileSheet(result_, titleBlock(), usable_).warning;
}

void registerPileWindows() {
    ui::WindowRegistry::instance().add(kPileWindowId, [] { return new PileWindow; });
    ui::WindowRegistry::instance().add(kBlowWindowId, [] { return new BlowWindow; });
}

}  // namespace mx::pile
