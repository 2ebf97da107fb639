#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "pile/window/blowwindow.h"
#include "pile/window/pilewindow.h"
#include "ui/fields.h"
#include "ui/printing.h"
#include "ui/prompter.h"
#include "ui/registry.h"

using namespace mx;
using namespace mx::pile;
using mx::ui::RecordingPrompter;

namespace {

template <typename W>
struct WindowFixture : ::testing::Test {
    RecordingPrompter rec;
    std::unique_ptr<W> w;
    void SetUp() override {
        w = std::make_unique<W>();
        w->show();
    }
    QPushButton* button(const char* name) { return w->template findChild<QPushButton*>(name); }
    QLineEdit* field(const char* name) { return w->template findChild<QLineEdit*>(name); }
    QLabel* label(const char* name) { return w->template findChild<QLabel*>(name); }
    QListWidget* list(const char* name) { return w->template findChild<QListWidget*>(name); }
    QWidget* frame(const char* name) { return w->template findChild<QWidget*>(name); }
    // A click on a row, as the user makes it (a hidden list gets the click's signal).
    void clickRow(const char* name, int row) {
        QListWidget* l = list(name);
        ASSERT_NE(l, nullptr) << name;
        ASSERT_NE(l->item(row), nullptr) << name << " " << row;
        if (!l->isVisible()) {
            emit l->itemClicked(l->item(row));
            return;
        }
        l->scrollToItem(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    void click(const char* name) {
        QPushButton* b = button(name);
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }
    std::vector<std::string> numbers() const {
        std::vector<std::string> out;
        for (const auto& e : rec.log) out.push_back(e.message.text.substr(0, e.message.text.find('.')));
        return out;
    }
};

using BlowFixture = WindowFixture<BlowWindow>;
using PilePrintFixture = WindowFixture<PileWindow>;

}  // namespace

TEST_F(BlowFixture, OpensWithDefaults) {
    EXPECT_EQ(w->windowTitle(), QString("คำนวณหาการรับ นน.ของเสาเข็มจาก BLOW COUNT ที่ตอก MX.7100"));
    const std::pair<const char*, const char*> defaults[] = {{"Text1", "?"}, {"Text3", "?"},   {"Text2", "21"},
                                                            {"Text9", "3"}, {"Text10", "30"}, {"Text11", "50"}};
    for (const auto& [name, text] : defaults) EXPECT_EQ(field(name)->text(), text) << name;
    EXPECT_EQ(frame("Frame2")->height(), ui::px(5055));
    EXPECT_FALSE(frame("Frame3")->isVisible());
    EXPECT_EQ(label("Label14")->text(), "ชนิดของเสาเข็ม ?");
    for (const char* l : {"Label11", "Label12", "Label18", "Label15", "Label17"}) EXPECT_EQ(label(l)->text(), "?");
}

TEST_F(BlowFixture, FieldChecksResetAndRunAgain) {
    struct Case {
        const char* field;
        const char* typed;
        const char* after;
    };
    const Case cases[] = {{"Text1", "5001", "100"}, {"Text2", "81", "21"},   {"Text3", "501", "3"},
                          {"Text9", "51", "3"},     {"Text10", "121", "30"}, {"Text11", "201", "50"},
                          {"Text9", "50", "50"}};
    for (const Case& c : cases) {
        rec.clear();
        field(c.field)->setText(c.typed);
        EXPECT_EQ(field(c.field)->text(), c.after) << c.field;
        EXPECT_EQ(rec.log.size(), std::string(c.typed) == c.after ? 0u : 1u) << c.field;
    }
    EXPECT_DOUBLE_EQ(w->working().W, 50);
}

TEST_F(BlowFixture, TypeButtonsShowTheirList) {
    struct Case {
        const char* button;
        const char* text;
        int list;
    };
    const Case cases[] = {{"Command3", "เสาเข็มคอนกรีตอัดแรง", 0}, {"Command4", "เสาเข็มกลวง", 1},
                          {"Command5", "เสาเข็มไม้", 2},           {"Command17", "เสาเข็มคอนกรีตอัดแรง", 0},
                          {"Command18", "เสาเข็มกลวง", 1},         {"Command19", "เสาเข็มไม้", 2}};
    const char* lists[] = {"List1", "List2", "List3"};
    for (const Case& c : cases) {
        click(c.button);
        EXPECT_EQ(label("Label14")->text(), QString(c.text)) << c.button;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(list(lists[i])->isVisible(), i == c.list) << c.button << " " << i;
        EXPECT_FALSE(button("Command20")->icon().isNull());
    }
}

TEST_F(BlowFixture, ListsWriteAreaAndLoad) {
    clickRow("List1", 1);
    EXPECT_EQ(field("Text1")->text(), "480");
    EXPECT_EQ(field("Text3")->text(), "25");
    clickRow("List3", 0);  // hidden, still writes
    EXPECT_EQ(field("Text1")->text(), "44");
    EXPECT_EQ(field("Text3")->text(), "0.33");
    list("List3")->setCurrentRow(-1);
    EXPECT_EQ(field("Text1")->text(), "44");
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(BlowFixture, CalculateFillsTheResults) {
    clickRow("List1", 1);
    click("Command13");
    EXPECT_EQ(numbers(), std::vector<std::string>{"10"});  // 21.3186 t safe against 25 t
    EXPECT_EQ(label("Label11")->text(), "42.6372");
    EXPECT_EQ(label("Label12")->text(), "21.3186");
    EXPECT_EQ(label("Label26")->text(), "78");
    EXPECT_EQ(label("Label18")->text(), "2.4192");
    EXPECT_EQ(label("Label15")->text(), "1.6934");
    EXPECT_EQ(label("Label17")->text(), "4.8384");
    EXPECT_EQ(frame("Frame2")->height(), ui::px(7245));
    click("Command7");
    EXPECT_EQ(frame("Frame2")->height(), ui::px(5055));
    click("Command9");
    EXPECT_EQ(frame("Frame2")->height(), ui::px(7245));
    click("Command2");
    EXPECT_EQ(frame("Frame2")->height(), ui::px(5055));
}

TEST_F(BlowFixture, StopStillUncoversThePreviousResults) {
    clickRow("List1", 1);
    click("Command13");
    click("Command2");
    field("Text1")->setText("");
    rec.log.clear();
    click("Command13");
    EXPECT_EQ(numbers(), std::vector<std::string>{"6"});
    EXPECT_EQ(rec.log[0].message.title, "ยังไม่ได้กำหนดหน้าตัดของเสาเข็ม");
    EXPECT_EQ(label("Label11")->text(), "42.6372");
    EXPECT_EQ(frame("Frame2")->height(), ui::px(7245));
    EXPECT_DOUBLE_EQ(w->result().in.A, 1);
    EXPECT_EQ(w->result().Rn.text(), "42.6372");
}

TEST_F(BlowFixture, TwoAdviceMessagesInARow) {
    clickRow("List1", 1);
    field("Text9")->setText("5");
    field("Text11")->setText("20");
    click("Command13");
    EXPECT_EQ(numbers(), (std::vector<std::string>{"7", "8", "10"}));
    EXPECT_NE(label("Label11")->text(), "?");  // advice leaves the results on show
}

TEST_F(BlowFixture, ExitTitleBlockAndPrint) {
    click("Command8");
    EXPECT_TRUE(frame("Frame3")->isVisible());
    click("Command21");
    EXPECT_FALSE(frame("Frame3")->isVisible());
    click("Command15");
    EXPECT_TRUE(frame("Frame3")->isVisible());

    QTemporaryDir dir;
    ui::PdfFileTarget target(dir.filePath("blow.pdf"));
    clickRow("List1", 1);
    click("Command13");
    rec.answers = {false};
    click("Command23");  // Cancel: nothing printed, the panel stays
    EXPECT_EQ(target.count, 0);
    EXPECT_TRUE(frame("Frame3")->isVisible());
    rec.clear();
    click("Command23");
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].message.text, "คุณตกลงที่จะพิมพ์รายการคำนวณใช่ไหม?");
    EXPECT_EQ(rec.log[0].message.icon, Icon::Question);
    EXPECT_EQ(target.count, 1);
    EXPECT_TRUE(QFile(dir.filePath("blow.pdf")).size() > 0);
    EXPECT_FALSE(frame("Frame3")->isVisible());

    rec.clear();
    rec.answers = {false, true};
    click("Command1");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(rec.log[0].message.text, "คุณแน่ใจหรือว่าจะออกจากการคำนวณหาการรับ นน.ของเสาเข็มโดยปั้นจั่น?");
    EXPECT_EQ(rec.log[0].message.title, "ออกจากการคำนวณหาการรับ นน.เสาเข็มโดยปั้นจั่น");
    click("Command1");
    EXPECT_FALSE(w->isVisible());
}

TEST_F(PilePrintFixture, PrintsAfterTheQuestionAndHidesThePanel) {
    QTemporaryDir dir;
    ui::PdfFileTarget target(dir.filePath("pile.pdf"));
    click("Command3");
    clickRow("List1", 2);
    click("Command13");
    click("Command8");
    EXPECT_TRUE(button("Command24")->isEnabled());
    rec.answers = {true};
    click("Command24");
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].message.title, "พิมพ์รายการคำนวณ");
    EXPECT_EQ(target.count, 1);
    EXPECT_FALSE(frame("Frame3")->isVisible());
}

TEST_F(PilePrintFixture, NoTypeWarnsAfterTheQuestionAndStillPrints) {
    QTemporaryDir dir;
    ui::PdfFileTarget target(dir.filePath("pile.pdf"));
    click("Command8");
    rec.answers = {false};
    click("Command24");
    EXPECT_EQ(rec.log.size(), 1u);  // cancelled: no warning, nothing printed
    EXPECT_EQ(target.count, 0);
    EXPECT_TRUE(frame("Frame3")->isVisible());
    rec.clear();
    click("Command24");
    ASSERT_EQ(rec.log.size(), 2u);
    EXPECT_TRUE(rec.log[0].question);
    EXPECT_EQ(rec.log[1].message.text, "คุณยังไม่ได้เลือกชนิดของเสาเข็ม?");
    EXPECT_EQ(target.count, 1);
    EXPECT_FALSE(frame("Frame3")->isVisible());
}

TEST_F(PilePrintFixture, PrintingKeepsTheTypeChosenSinceTheLastCalculation) {
    QTemporaryDir dir;
    ui::PdfFileTarget target(dir.filePath("pile.pdf"));
    clickRow("List1", 2);
    click("Command13");  // no type yet: warned, the result has none
    click("Command3");   // now chosen, not yet calculated
    rec.clear();
    rec.answers = {true};
    click("Command24");
    ASSERT_EQ(rec.log.size(), 2u);  // the sheet of that calculation has no type
    EXPECT_EQ(target.count, 1);
    // The window keeps the type on show, and the next Calculate uses it.
    EXPECT_EQ(w->typeCode(), 2);
    EXPECT_EQ(label("Label1")->text(), QString("เสาเข็มคอนกรีตอัดแรง"));
    rec.clear();
    click("Command13");
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(label("Label7")->text(), "44.1");
}

TEST(BlowWindowLinks, RegisteredWithItsHelpAndLogo) {
    int t01 = 0, help = 0;
    auto& reg = ui::WindowRegistry::instance();
    reg.add("t01", [&] { ++t01; return new QWidget; });
    reg.add("blowhelp", [&] { ++help; return new QWidget; });
    registerWindows();
    QWidget* w = ui::showWindow("blow");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "blow");
    w->findChild<QPushButton*>("Command14")->click();
    w->findChild<QPushButton*>("Command10")->click();
    EXPECT_EQ(t01, 1);
    EXPECT_EQ(help, 1);
    reg.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
