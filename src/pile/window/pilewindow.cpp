#include "pile/window/pilewindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "pile/pile_fields.h"
#include "pile/pile_form.h"
#include "pile/pile_module.h"
#include "pile/pile_sheet.h"
#include "pile/window/blowwindow.h"
#include "pile/window/pilewindow_layout.h"
#include "ui/fields.h"
#include "ui/registry.h"

namespace mx::pile {

using ui::qs;
using ui::ss;

namespace {

constexpr ui::MemberWindowId kWindowId{"pile", "pile", "pilehelp"};

PilePicture pictureOf(int code) {
    switch (code) {
    case kTimber: return PilePicture::Timber;
    case kBored: return PilePicture::Bored;
    case kHollow: return PilePicture::Hollow;
    default: return PilePicture::Prestressed;
    }
}

PileWindowDesign pileDesign() {
    PileWindowDesign d;
    d.id = kWindowId;
    d.exitQuestion = Message{"คุณแน่ใจหรือว่าจะออกจากการคำนวณหาการรับ นน.ของเสาเข็ม?",
                             "ออกจากการคำนวณหาการรับ นน.ปลอดภัยของเสาเข็ม", Icon::Critical};
    d.check = checkPileField;
    d.layout = pilelayout::kWindow;
    d.types = typeButtons(pileTypes(), pictureOf);
    d.chooseTypeCaption = "กำหนดรูปแบบของเสาเข็ม";
    d.chosenTypeTooltip = "กำหนดรูปแบบของเสาเข็ม";
    d.typeHeadingText = kDefaultTypeText;
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
        showChosenType(typeCode());  // it carries the picture of the type chosen last
    });

    addFieldRows(f, {{"Text1", "Label2"}, {"Text2", "Label3"}});

    // The lists' room stays when a type shows neither, so the rows below keep their place.
    auto* room = new QWidget(f);
    room->setFixedHeight(pilelayout::kListRoomHeight);
    auto* lists = new QHBoxLayout(room);
    lists->setContentsMargins(0, 0, 0, 0);
    const std::vector<ui::PickItem> rows[] = {ui::pickItems(prestressedSections()), ui::pickItems(hollowSections())};
    std::vector<QListWidget*> sections;
    for (int i = 0; i < 2; ++i) {
        sections.push_back(addPickList(room, pilelayout::kSectionLists[i], rows[i], "Text1"));
        lists->addWidget(sections.back());
    }
    lists->addStretch(1);
    setSectionLists(std::move(sections));
    panelLayout(f)->addWidget(room);

    // The results, uncovered below the inputs.
    QWidget* results = addResults(f, "ผลการคำนวณค่าการรับ นน.ของเสาเข็ม", "Label4");
    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    int r = 0;
    for (const pilelayout::ResultLine& line : pilelayout::kResultLines) {
        QLabel* caption = addLabel(results, line.captionName, QString::fromUtf8(line.caption));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, r, 0);
        grid->addWidget(addResult(results, line.value, kNoResult), r, 1);
        ++r;
    }
    showTimberLine(false);
    QLabel* warning = addLabel(results, kDataWarningLabel, qs(kLabel9Quiet));
    warning->setAlignment(Qt::AlignCenter);
    // Red while it belongs to the results shown; greyed with them once they are old.
    warning->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; } QLabel:enabled { color: #c01010; }"));
    grid->addWidget(warning, r, 0, 1, 2);
    panelLayout(results)->addLayout(grid);
}

void PileWindow::showType(int code) {
    writeLabels({{"Label2", sizeCaption(code)}, {"Label3", lengthCaption(code)}});
    showTimberLine(code == kTimber);
}

void PileWindow::showTimberLine(bool shown) {
    for (const char* name : {pilelayout::kTimberLine.captionName, pilelayout::kTimberLine.value})
        findChild<QLabel*>(QString::fromLatin1(name))->setVisible(shown);
}

const PileResult& PileWindow::result() const {
    static const PileResult none;
    const PileOutcome* o = lastRecord<PileOutcome>();
    return o ? o->result : none;
}

FormState PileWindow::formState() const {
    FormState s = PileMemberWindow::formState();
    s.fields.set(kDataWarningLabel, ss(findChild<QLabel*>(QString::fromLatin1(kDataWarningLabel))->text()));
    return s;
}

void registerWindows() {
    ui::WindowRegistry::instance().add(kWindowId, [] { return new PileWindow; });
    registerBlowWindow();
}

}  // namespace mx::pile
