#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

#include "beam/beam_form.h"
#include "beam/window/beamwindow.h"
#include "ui/fields.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"
#include "ui/registry.h"

using namespace mx;
using namespace mx::beam;
using mx::ui::qs;
using mx::ui::ss;

namespace {

// Records each box together with what a field held at the moment it was shown, to
// check that a correction was written before (or after) its message.
class WatchingPrompter : public ui::RecordingPrompter {
public:
    std::function<std::string()> watch;
    std::vector<std::string> seen;
    void show(const Message& m, QWidget* w) override {
        if (watch) seen.push_back(watch());
        RecordingPrompter::show(m, w);
    }
};

struct Fixture : ::testing::Test {
    std::unique_ptr<BeamWindow> w = std::make_unique<BeamWindow>();
    WatchingPrompter rec;

    QLineEdit* field(const char* name) { return w->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QString text(const char* name) { return field(name)->text(); }
    QString label(const char* name) { return w->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QAbstractButton* button(const char* name) { return w->findChild<QAbstractButton*>(QString::fromLatin1(name)); }
    QWidget* widget(const char* name) { return w->findChild<QWidget*>(QString::fromLatin1(name)); }
    void click(const char* name) { button(name)->click(); }
    // Puts the window in the state of the worked example: type 1, L = 4, defaults.
    void defaultsExample() {
        click("Command17");
        field("Text1")->setText("4");
        for (const char* f : {"Text2", "Text3", "Text4", "Text6", "Text7", "Text8"})
            field(f)->setText(qs(beamDefaultFields().get(f)));
        rec.clear();
    }
};

}  // namespace

TEST_F(Fixture, OpensWithDefaultsAndEveryControl) {
    EXPECT_EQ(w->objectName(), "Beam01");
    EXPECT_EQ(w->windowTitle(), qs(kWindowCaption));
    const FieldSet defaults = beamDefaultFields();
    for (const auto& [name, def] : defaults.entries()) {
        ASSERT_TRUE(field(name.c_str())) << name;
        EXPECT_EQ(ss(text(name.c_str())), def) << name;
    }
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
                             "Command8", "Command9", "Command10", "Command11", "Command12", "Command13", "Command14",
                             "Command15", "Command16", "Command17", "Command18", "Command19", "Command20", "Command21",
                             "Command22", "Command23", "Command24", "Command25", "Command26", "Command27", "Command28",
                             "Command29", "Command30", "Command31", "Command32", "Command33", "Command34", "Command35",
                             "Command36", "Command37"})
        EXPECT_TRUE(button(name)) << name;
    for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "Text9", "List1", "List2",
                             "List3", "List4", "List5", "Label6", "Label8", "Label40", "Label41", "Label42", "Label43"})
        EXPECT_TRUE(widget(name)) << name;
    EXPECT_TRUE(w->findChild<ui::DrawingSurface*>("Picture1"));
    EXPECT_TRUE(field("Text31")->isReadOnly());
    EXPECT_TRUE(field("Text32")->isReadOnly());
    for (const char* name : {"Command10", "Command8", "Command27"}) EXPECT_TRUE(button(name)->isEnabled()) << name;
    EXPECT_EQ(label("Label49"), qs(kVerdictPrompt));
    EXPECT_EQ(label("Label1"), qs(kTypePrompt));
    EXPECT_TRUE(field("Text5")->isHidden());
    EXPECT_EQ(w->beamType(), 0);
    EXPECT_EQ(w->findChild<QListWidget*>("List1")->count(), 40);
    EXPECT_EQ(w->findChild<QListWidget*>("List2")->count(), 9);
    EXPECT_EQ(widget("Frame3")->height(), ui::px(2800));
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(Fixture, TypeChooser) {
    struct Case {
        const char* button;
        int type;
        bool overhang;
        const char* label40;
    };
    const Case cases[] = {{"Command20", 4, true, "เหล็กนอนล่าง"},
                          {"Command21", 5, false, "เหล็กนอนบน"},
                          {"Command17", 1, false, "เหล็กนอนล่าง"},
                          {"Command18", 2, false, "เหล็กนอนล่าง"},
                          {"Command19", 3, false, "เหล็กนอนล่าง"}};
    field("Text5")->setText("2");
    for (const Case& c : cases) {
        click("Command4");
        EXPECT_FALSE(widget("Frame2")->isHidden());
        EXPECT_EQ(widget("Frame3")->height(), ui::px(2800));
        click(c.button);
        EXPECT_EQ(w->beamType(), c.type);
        EXPECT_TRUE(widget("Frame2")->isHidden());
        EXPECT_EQ(label("Label1"), qs(beamTypeButton(c.type)->caption));
        EXPECT_EQ(!field("Text5")->isHidden(), c.overhang) << c.button;
        EXPECT_EQ(!button("Command29")->isHidden(), c.overhang) << c.button;
        EXPECT_EQ(label("Label40"), QString::fromUtf8(c.label40)) << c.button;
        EXPECT_EQ(text("Text5"), "2");  // hidden, not cleared
    }
    click("Command20");
    click("Command29");
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].message, overhangAdvice());
}

TEST_F(Fixture, ChangeChecksCorrectAndRunAgain) {
    struct Case {
        const char* field;
        const char* typed;
        const char* after;
        std::size_t boxes;
        const char* seenAtBox;  // field text while the box was shown
    };
    click("Command37");  // unlock the factors
    rec.clear();
    const Case cases[] = {
        {"Text13", "70", "45", 1, "45"},        // written before the message
        {"Text3", "121", "20", 1, "20"},
        {"Text3", "99999", "20", 1, "20"},      // beyond 16 bits: above the limit, no failure
        {"Text14", "40000", "1200", 1, "1200"},
        {"Text31", "0.5", "1", 1, "0.5"},       // written after the message
        {"Text2", "20000", "20000", 1, "20000"},  // no correction
        {"Text12", "200", "200", 1, "200"},
        {"Text10", "4", "1", 1, "1"},
        {"Text19", "1001", "0", 1, "0"},
        {"Text6", "40", "40", 0, ""},
    };
    for (const Case& c : cases) {
        rec.clear();
        rec.seen.clear();
        rec.watch = [this, &c] { return ss(text(c.field)); };
        field(c.field)->setText(c.typed);
        EXPECT_EQ(text(c.field), c.after) << c.field << " " << c.typed;
        ASSERT_EQ(rec.log.size(), c.boxes) << c.field << " " << c.typed;
        if (c.boxes) {
            EXPECT_EQ(rec.seen[0], c.seenAtBox) << c.field;
        }
    }
    rec.watch = nullptr;
}

TEST_F(Fixture, SpanSuggestions) {
    field("Text1")->setText("25");
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].message.title, "ความยาวคานมากเกินไป");
    EXPECT_EQ(text("Text1"), "1");
    EXPECT_EQ(text("Text2"), "400");
    EXPECT_EQ(text("Text3"), "5");
    EXPECT_EQ(text("Text4"), "10");
    EXPECT_EQ(w->span(), 1);

    rec.clear();
    field("Text1")->setText("5");
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(text("Text2"), "2000");
    EXPECT_EQ(text("Text3"), "25");
    EXPECT_EQ(text("Text4"), "50");
    EXPECT_EQ(text("Text6"), "19");
    EXPECT_EQ(text("Text7"), "19");
    EXPECT_EQ(text("Text17"), "5");

    click("Command21");
    field("Text1")->setText("5.0");
    EXPECT_EQ(text("Text3"), "50");
    EXPECT_EQ(text("Text4"), "100");

    rec.clear();
    field("Text1")->setText("");
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].message.text, "3.คุณยังไม่ได้กำหนดความยาวของคาน?");
    EXPECT_EQ(text("Text1"), "");

    // A cantilever of 15 m suggests a 300 cm depth, which its own check turns into 40.
    rec.clear();
    field("Text1")->setText("15");
    EXPECT_EQ(text("Text4"), "40");
    EXPECT_EQ(text("Text3"), "20");
    EXPECT_EQ(rec.log.size(), 2u);
}

TEST_F(Fixture, LiveLoadCalculatorAndTables) {
    click("Command25");
    EXPECT_FALSE(widget("Frame5")->isHidden());
    click("Command32");
    auto* list1 = w->findChild<QListWidget*>("List1");
    EXPECT_FALSE(list1->isHidden());
    emit list1->itemClicked(list1->item(9));  // offices and banks, 250
    EXPECT_EQ(text("Text19"), "250");
    click("Command33");
    EXPECT_TRUE(list1->isHidden());
    auto* list2 = w->findChild<QListWidget*>("List2");
    emit list2->itemClicked(list2->item(1));
    EXPECT_EQ(text("Text23"), "360");

    field("Text18")->setText("2");
    field("Text21")->setText("1");
    click("Command30");  // span still "?": divided by 1, with a message
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].message.title, "BEAM-01");
    EXPECT_EQ(label("Label44"), "2000");  // 4 x 2 x 250
    EXPECT_EQ(label("Label45"), "1080");  // 1 x 3 x 360
    EXPECT_EQ(label("Label46"), "0");
    EXPECT_EQ(label("Label47"), "3080");
    EXPECT_EQ(label("Label48"), "3080");
    EXPECT_EQ(text("Text2"), "3080");

    rec.clear();
    field("Text25")->setText("100000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000");
    field("Text26")->setText("100000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000");
    click("Command30");
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(text("Text2"), "3080");  // nothing written for impossible entries

    // Point loads count by the beam type's k, shown beside them; with no type chosen
    // there is no k, and nothing is written.
    rec.clear();
    field("Text25")->setText("2000");
    field("Text26")->setText("");
    click("Command30");
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_EQ(rec.log[1].message.text.substr(0, 2), "2.");
    EXPECT_EQ(text("Text2"), "3080");
    click("Command4");
    click("Command17");
    field("Text1")->setText("4");
    field("Text17")->setText("0");
    field("Text21")->setText("0");
    click("Command30");
    EXPECT_EQ(label("Label51"), "2");
    EXPECT_EQ(label("Label52"), "4000");
    EXPECT_EQ(text("Text2"), "1000");  // 2 x 2000 / 4
    EXPECT_FALSE(widget("Label53")->isHidden());

    click("Command31");
    EXPECT_TRUE(widget("Frame5")->isHidden());
}

TEST_F(Fixture, BarPickersGradesAndFactors) {
    click("Command22");
    auto* list3 = w->findChild<QListWidget*>("List3");
    EXPECT_FALSE(list3->isHidden());
    click("Command23");
    EXPECT_TRUE(list3->isHidden());
    auto* list4 = w->findChild<QListWidget*>("List4");
    emit list4->itemClicked(list4->item(8));  // 25 mm
    EXPECT_EQ(text("Text7"), "25");
    EXPECT_TRUE(list4->isHidden());

    click("Command12");
    EXPECT_EQ(text("Text14"), "1700");
    EXPECT_EQ(label("Label50"), "เหล็กนอนที่ใช้คุณเลือกเป็นเหล็กข้ออ้อย SD.-40");
    EXPECT_EQ(widget("Frame3")->height(), ui::px(6720));
    click("Command6");
    EXPECT_EQ(text("Text14"), "1200");

    click("Command37");
    EXPECT_FALSE(field("Text31")->isReadOnly());
    EXPECT_EQ(text("Text31"), "1");
    EXPECT_EQ(text("Text32"), "1");
    click("Command16");
    EXPECT_TRUE(field("Text31")->isReadOnly());
    EXPECT_EQ(text("Text31"), "2");
    EXPECT_EQ(text("Text32"), "1.7");
    click("Command28");
    EXPECT_EQ(text("Text32"), "1");
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(Fixture, CalculateDefaultsExample) {
    defaultsExample();
    click("Command15");
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(label("Label14"), "30");
    EXPECT_EQ(label("Label15"), "1252.8");
    EXPECT_EQ(label("Label18"), "2503.2227");
    EXPECT_EQ(label("Label24"), "6");
    EXPECT_EQ(label("Label27"), "2");
    EXPECT_EQ(label("Label36"), "18");
    EXPECT_EQ(label("Label49"), qs(kVerdictUsable));
    EXPECT_EQ(w->designStatus(), DesignStatus::Usable);
    ASSERT_TRUE(w->lastOutcome());
    EXPECT_EQ(w->lastOutcome()->result.momentMax.text(), "1252.8");
    EXPECT_EQ(widget("Frame3")->height(), ui::px(4800));
}

TEST_F(Fixture, CalculateAppliesCorrectionsAtTheirMessages) {
    defaultsExample();
    field("Text13")->setText("20");
    field("Text14")->setText("700");
    rec.clear();
    rec.watch = [this] { return ss(text("Text13") + "/" + text("Text14")); };
    click("Command15");
    rec.watch = nullptr;
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_EQ(rec.log[0].message.text.substr(0, 3), "10.");
    EXPECT_EQ(rec.seen[0], "45/700");
    EXPECT_EQ(rec.log[1].message.text.substr(0, 3), "11.");
    EXPECT_EQ(rec.seen[1], "45/1200");
    EXPECT_EQ(label("Label49"), qs(kVerdictUsable));
}

TEST_F(Fixture, ResultPanelFilledBetweenRunAndFinalMessages) {
    defaultsExample();
    click("Command15");
    // Compression steel above the tension steel: 18 during the run, 22 among the
    // final checks, with the new results already on the panel.
    const std::pair<const char*, const char*> inputs[] = {{"Text1", "2.6"}, {"Text2", "5000"}, {"Text3", "13"}, {"Text4", "13"}};
    for (const auto& [f, t] : inputs) field(f)->setText(t);
    rec.clear();
    rec.watch = [this] { return ss(label("Label17")); };
    click("Command15");
    rec.watch = nullptr;
    ASSERT_GE(rec.log.size(), 3u);
    EXPECT_EQ(rec.log[0].message.text.substr(0, 3), "18.");
    EXPECT_EQ(rec.seen[0], "1252.8");  // still the previous run
    EXPECT_EQ(rec.log[1].message.text.substr(0, 3), "22.");
    ASSERT_TRUE(w->lastOutcome());
    EXPECT_EQ(rec.seen[1], w->lastOutcome()->result.momentMax.text());
    EXPECT_NE(rec.seen[1], "1252.8");
    EXPECT_EQ(rec.log.back().message, beamClosingMessage());
    EXPECT_EQ(label("Label49"), qs(kVerdictNotUsable));
}

TEST_F(Fixture, StoppedCalculationKeepsResultsAndInputs) {
    defaultsExample();
    click("Command15");
    field("Text6")->setText("8");
    rec.clear();
    rec.watch = [this] { return ss(label("Label15")); };
    click("Command15");
    rec.watch = nullptr;
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_EQ(rec.log[0].message.text.substr(0, 2), "6.");
    EXPECT_EQ(rec.log[1].message, beamClosingMessage());
    EXPECT_EQ(text("Text6"), "15");
    EXPECT_EQ(label("Label15"), "1252.8");  // the last complete run stays on the panel
    EXPECT_EQ(label("Label49"), qs(kVerdictNotUsable));
    EXPECT_EQ(w->designStatus(), DesignStatus::NotUsable);
}

TEST_F(Fixture, CalculateWithNoSpanChangesOnlyTheSpan) {
    click("Command17");
    for (const char* f : {"Text2", "Text3", "Text4", "Text17"}) field(f)->setText("7");
    rec.clear();
    const FieldSet before = w->fields();
    click("Command15");
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_EQ(rec.log[0].message.text, "2.คุณยังไม่ได้กำหนดความยาวของคาน?");
    EXPECT_EQ(rec.log[1].message, beamClosingMessage());
    EXPECT_EQ(text("Text1"), "0");
    for (const auto& [name, t] : before.entries())
        if (name != "Text1") {
            EXPECT_EQ(ss(text(name.c_str())), t) << name;
        }
}

TEST_F(Fixture, CalculateWithoutTypeOrWithOverflow) {
    click("Command15");
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_EQ(rec.log[0].message.title, "เตือนให้เลือกลักษณะคาน");
    rec.clear();
    defaultsExample();
    field("Text32")->setText("1");
    field("Text4")->setText("200");
    field("Text3")->setText("120");  // 120 x 200 fits; the section is then too big
    rec.clear();
    click("Command15");
    EXPECT_FALSE(rec.log.empty());
    EXPECT_EQ(rec.log.back().message, beamClosingMessage());
}

TEST_F(Fixture, ExitAsksFirst) {
    ui::WindowRegistry::instance().add("Beam01", [] { return new BeamWindow; });
    QWidget* first = ui::showWindow("Beam01");
    ASSERT_TRUE(first);
    EXPECT_EQ(ui::showWindow("Beam01"), first);  // open once
    QPointer<QWidget> guard(first);
    rec.answers = {false};
    first->findChild<QAbstractButton*>("Command1")->click();
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_TRUE(rec.log[0].question);
    EXPECT_EQ(rec.log[0].message, exitQuestion());
    EXPECT_TRUE(first->isVisible());
    rec.answers = {true};
    first->findChild<QAbstractButton*>("Command1")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    QWidget* second = ui::showWindow("Beam01");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->findChild<QLineEdit*>("Text1")->text(), "?");
    second->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(Fixture, PanelsFollowTheirButtonsAndCaptions) {
    // The calculator button only works where the calculator window exists.
    EXPECT_EQ(button("Command2")->isEnabled(), ui::WindowRegistry::instance().has("fcal"));
    auto* label6 = w->findChild<QLabel*>("Label6");
    QTest::mouseClick(label6, Qt::LeftButton);
    EXPECT_EQ(widget("Frame3")->height(), ui::px(6720));
    QTest::mouseDClick(label6, Qt::LeftButton);
    EXPECT_EQ(widget("Frame3")->height(), ui::px(4800));
    click("Command34");
    EXPECT_EQ(widget("Frame3")->height(), ui::px(6720));
    // A double-click on one of the panel's captions belongs to the caption, not the panel.
    QLabel* spanCaption = nullptr;
    for (QLabel* l : widget("Frame3")->findChildren<QLabel*>())
        if (l->text() == QStringLiteral("คานยาว / เมตร =")) spanCaption = l;
    ASSERT_TRUE(spanCaption);
    QTest::mouseDClick(spanCaption, Qt::LeftButton);
    EXPECT_FALSE(widget("Frame3")->isHidden());
    QTest::mouseDClick(widget("Frame3"), Qt::LeftButton, {}, QPoint(500, 5));
    EXPECT_TRUE(widget("Frame3")->isHidden());
    click("Command3");
    EXPECT_FALSE(widget("Frame3")->isHidden());
    EXPECT_TRUE(widget("Frame4")->isHidden());
    click("Command7");
    EXPECT_FALSE(widget("Frame4")->isHidden());
    EXPECT_TRUE(widget("Frame3")->isHidden());
    click("Command5");
    EXPECT_FALSE(widget("Frame6")->isHidden());
    EXPECT_TRUE(widget("Frame2")->isHidden());
    click("Command35");
    EXPECT_TRUE(widget("Frame6")->isHidden());
    QTest::mouseClick(w->findChild<QLabel*>("Label8"), Qt::LeftButton);
    EXPECT_FALSE(widget("Frame5")->isHidden());
    QTest::mouseDClick(w->findChild<QLabel*>("Label8"), Qt::LeftButton);
    EXPECT_TRUE(widget("Frame5")->isHidden());
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(Fixture, DrawShowsTheLastDesignAndEraseClearsIt) {
    auto* surface = w->findChild<ui::DrawingSurface*>("Picture1");
    click("Command10");  // before any Calculate: zero sizes draw nothing, and nothing fails
    EXPECT_TRUE(surface->page().empty());
    defaultsExample();
    click("Command15");
    click("Command10");
    EXPECT_FALSE(widget("Frame3")->isHidden()) << "the inputs stand beside the figure";
    EXPECT_TRUE(widget("Frame4")->isHidden());
    const auto lines = surface->page().lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  เหล็กเสริมล่าง=  12  มม.จำนวน  6  เส้น"), lines.end());
    click("Command8");
    EXPECT_TRUE(surface->page().empty());
    click("Command10");
    click("Command15");  // Calculate erases the picture
    EXPECT_TRUE(surface->page().empty());
}

TEST_F(Fixture, PrintAsksThenPrintsAndClosesTheTitleBlock) {
    QTemporaryDir dir;
    ui::PdfFileTarget target(dir.filePath("beam.pdf"));
    defaultsExample();
    click("Command15");
    click("Command5");
    field("Text20")->setText(QStringLiteral("อาคารทดสอบ"));
    rec.answers = {false};
    click("Command27");
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_TRUE(rec.log[0].question);
    EXPECT_EQ(rec.log[0].message.title, "พิมพ์รายการคำนวน");
    EXPECT_EQ(target.count, 0);
    EXPECT_FALSE(widget("Frame6")->isHidden());  // cancel leaves the panel open
    click("Command27");
    EXPECT_EQ(target.count, 1);
    EXPECT_TRUE(widget("Frame6")->isHidden());
    EXPECT_TRUE(QFile::exists(dir.filePath("beam.pdf")));
    EXPECT_EQ(text("Text20"), QStringLiteral("อาคารทดสอบ"));  // kept for the next print
    // Printed from the preview, the sheet closes the panel as a print does.
    ui::PdfPreviewTarget preview(dir.filePath("preview.pdf"));
    preview.printTo = dir.filePath("from-preview.pdf");
    rec.printChoices = {ui::PrintChoice::Preview};
    click("Command5");
    click("Command27");
    EXPECT_EQ(preview.count, 1);
    EXPECT_TRUE(widget("Frame6")->isHidden());
    EXPECT_TRUE(QFile::exists(dir.filePath("from-preview.pdf")));
}
