#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "pile/pile_calc.h"
#include "pile/window/pilewindow.h"
#include "ui/fields.h"
#include "ui/prompter.h"
#include "ui/registry.h"

using namespace mx;
using namespace mx::pile;
using mx::ui::RecordingPrompter;

namespace {

struct PileFixture : ::testing::Test {
    RecordingPrompter rec;
    std::unique_ptr<PileWindow> w;
    void SetUp() override {
        w = std::make_unique<PileWindow>();
        w->show();
    }
    QPushButton* button(const char* name) { return w->findChild<QPushButton*>(name); }
    QLineEdit* field(const char* name) { return w->findChild<QLineEdit*>(name); }
    QLabel* label(const char* name) { return w->findChild<QLabel*>(name); }
    QListWidget* list(const char* name) { return w->findChild<QListWidget*>(name); }
    QWidget* frame(const char* name) { return w->findChild<QWidget*>(name); }
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
};

}  // namespace

TEST_F(PileFixture, OpensWithDefaults) {
    EXPECT_EQ(w->windowTitle(), QString("คำนวณหาค่าการรับ นน.ปลอดภัยของเสาเข็ม PILE -01 MX.7100"));
    EXPECT_EQ(field("Text1")->text(), "?");
    EXPECT_EQ(field("Text2")->text(), "21");
    for (const char* f : {"Text3", "Text4", "Text5", "Text6", "Text7"}) EXPECT_EQ(field(f)->text(), "") << f;
    EXPECT_EQ(label("Label7")->text(), "?");
    EXPECT_EQ(label("Label8")->text(), "?");
    EXPECT_EQ(label("Label9")->text(), "...");
    EXPECT_FALSE(frame("Frame3")->isVisible());
    EXPECT_EQ(frame("Frame2")->height(), ui::px(4295));
    EXPECT_FALSE(label("Label8")->isVisible());
    for (const char* b : {"Command18", "Command19", "Command20", "Command21"}) EXPECT_FALSE(button(b)->isVisible()) << b;
    EXPECT_EQ(w->typeCode(), 0);
}

TEST_F(PileFixture, SizeCheckCorrectsAndRunsAgain) {
    field("Text1")->selectAll();  // typing replaces the "?"
    QTest::keyClicks(field("Text1"), "1001");  // "1", "10", "100" pass; "1001" fires
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log[0].message.text, "คุณแน่ใจหรือว่าคุณป้อนข้อมูลถูกต้อง?");
    EXPECT_EQ(rec.log[0].message.title, "ข้อมูลผิดพลาด");
    EXPECT_EQ(field("Text1")->text(), "1000");
    // A program edit runs the check too.
    rec.clear();
    field("Text1")->setText("5000");
    EXPECT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(field("Text1")->text(), "1000");
}

TEST_F(PileFixture, LengthCheck) {
    struct Case {
        const char* text;
        const char* after;
        size_t boxes;
    };
    for (const Case& c : {Case{"81", "21", 1}, Case{"80", "80", 0}, Case{"-5", "-5", 0}, Case{"1000000000", "21", 1}}) {
        rec.clear();
        field("Text2")->setText(c.text);
        EXPECT_EQ(field("Text2")->text(), c.after) << c.text;
        ASSERT_EQ(rec.log.size(), c.boxes) << c.text;
        if (c.boxes) {
            EXPECT_EQ(rec.log[0].message.text, "คุณป้อนข้อมูลผิดพลาด?");
            EXPECT_EQ(rec.log[0].message.title, "เสาเข็มยาวผิดปรกติ");
        }
    }
}

TEST_F(PileFixture, TypeButtonsSetCaptionsListsAndPicture) {
    struct Case {
        const char* button;
        int code;
        const char* typeText;
        const char* sizeText;
        bool list1, list2, timberLine;
        const char* toolbar;  // whose picture the type picture takes
    };
    const Case cases[] = {
        {"Command3", 2, "เสาเข็มคอนกรีตอัดแรง", "เส้นรอบรูปของเสาเข็ม / ซม. =", true, false, false, "Command3"},
        {"Command4", 4, "เสาเข็มคอนกรีตกลวง", "เส้นรอบรูปภายใน + ภายนอกเสาเข็ม / ซม. =", false, true, false, "Command4"},
        {"Command5", 3, "เสาเข็มเจาะ หล่อในที่", "ขนาดเส้นผ่าศูนย์กลางเสาเข็มเจาะ / เมตร =", false, false, false, "Command5"},
        {"Command6", 1, "เสาเข็มไม้", "ขนาดเส้นผ่าศูนย์กลางเสาเข็มไม้ / นิ้ว =", false, false, true, "Command6"},
        {"Command18", 2, "เสาเข็มคอนกรีตอัดแรง", "เส้นรอบรูปของเสาเข็ม / ซม. =", true, false, false, "Command3"},
        {"Command19", 4, "เสาเข็มคอนกรีตกลวง", "เส้นรอบรูปภายใน + ภายนอกเสาเข็ม / ซม. =", false, true, false, "Command4"},
        {"Command20", 3, "เสาเข็มเจาะ หล่อในที่", "ขนาดเส้นผ่าศูนย์กลางเสาเข็มเจาะ / เมตร =", false, false, false, "Command5"},
        {"Command21", 1, "เสาเข็มไม้", "ขนาดเส้นผ่าศูนย์กลางเสาเข็มไม้ / นิ้ว =", false, false, true, "Command6"},
    };
    field("Text1")->setText("55");
    click("Command17");  // uncovers the panel's own type buttons
    for (const char* b : {"Command18", "Command19", "Command20", "Command21"}) EXPECT_TRUE(button(b)->isVisible()) << b;
    for (const Case& c : cases) {
        click(c.button);
        EXPECT_EQ(w->typeCode(), c.code) << c.button;
        EXPECT_EQ(label("Label1")->text(), QString(c.typeText)) << c.button;
        EXPECT_EQ(label("Label2")->text(), QString(c.sizeText)) << c.button;
        EXPECT_EQ(list("List1")->isVisible(), c.list1) << c.button;
        EXPECT_EQ(list("List2")->isVisible(), c.list2) << c.button;
        EXPECT_EQ(label("Label6")->isVisible(), c.timberLine) << c.button;
        EXPECT_EQ(label("Label8")->isVisible(), c.timberLine) << c.button;
        EXPECT_FALSE(button("Command17")->icon().isNull());
        EXPECT_EQ(button("Command17")->icon().cacheKey(), button(c.toolbar)->icon().cacheKey());
    }
    EXPECT_EQ(field("Text1")->text(), "55");  // choosing a type clears nothing
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(PileFixture, ListsWriteTheSizeEvenWhenHidden) {
    click("Command3");
    clickRow("List1", 2);
    EXPECT_EQ(field("Text1")->text(), "126");
    clickRow("List1", 12);
    EXPECT_EQ(field("Text1")->text(), "160");
    // A row of the hollow list, hidden while the prestressed type is chosen.
    clickRow("List2", 11);
    EXPECT_EQ(field("Text1")->text(), "52");
    // Clearing the selection changes nothing.
    list("List2")->setCurrentRow(-1);
    EXPECT_EQ(field("Text1")->text(), "52");
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(PileFixture, CalculateWorkedExampleUncoversResults) {
    click("Command3");
    clickRow("List1", 2);
    click("Command13");
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(label("Label7")->text(), "44.1");
    EXPECT_EQ(label("Label8")->text(), "34.398");
    EXPECT_EQ(frame("Frame2")->height(), ui::px(6735));
    EXPECT_EQ(w->result().P.text(), "44.1");
    EXPECT_DOUBLE_EQ(w->result().L2, 14);
    click("Command2");
    EXPECT_EQ(frame("Frame2")->height(), ui::px(4295));
    click("Command9");
    EXPECT_EQ(frame("Frame2")->height(), ui::px(6735));
    click("Command7");
    EXPECT_EQ(frame("Frame2")->height(), ui::px(4295));
}

TEST_F(PileFixture, TimberPileShowsReducedLoad) {
    click("Command6");
    field("Text1")->setText("8");
    field("Text2")->setText("10");
    click("Command13");
    EXPECT_EQ(label("Label7")->text(), "4.7895");
    EXPECT_EQ(label("Label8")->text(), "3.7358");
    EXPECT_TRUE(label("Label8")->isVisible());
}

TEST_F(PileFixture, CalculateWithoutTypeWarnsInOrder) {
    field("Text2")->setText("0");
    click("Command13");
    EXPECT_EQ(rec.texts(), (std::vector<std::string>{"1.คุณยังไม่ได้เลือกชนิดของเสาเข็ม?",
                                                     "2.คุณยังไม่ได้กำหนดความยาวของเสาเข็มหรือกำหนดผิดพลาด!!!"}));
    EXPECT_EQ(label("Label7")->text(), "0");
    EXPECT_EQ(label("Label8")->text(), "0");
    EXPECT_EQ(frame("Frame2")->height(), ui::px(6735));
}

TEST_F(PileFixture, WarningLineKeepsItsTextAtExactlySevenMetres) {
    click("Command3");
    struct Step {
        const char* size;
        const char* line;
    };
    for (const Step& s : {Step{"701", kLabel9Warning}, Step{"700", kLabel9Warning}, Step{"699", "..."},
                          Step{"700", "..."}}) {
        field("Text1")->setText(s.size);
        click("Command13");
        EXPECT_EQ(label("Label9")->text(), QString(s.line)) << s.size;
    }
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(PileFixture, TitleBlockPanel) {
    click("Command8");
    EXPECT_TRUE(frame("Frame3")->isVisible());
    click("Command22");
    EXPECT_FALSE(frame("Frame3")->isVisible());
    click("Command15");
    EXPECT_TRUE(frame("Frame3")->isVisible());
}

TEST_F(PileFixture, ExitAsksFirst) {
    rec.answers = {false, true};
    click("Command1");
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_TRUE(rec.log[0].question);
    EXPECT_EQ(rec.log[0].message.text, "คุณแน่ใจหรือว่าจะออกจากการคำนวณหาการรับ นน.ของเสาเข็ม?");
    EXPECT_EQ(rec.log[0].message.title, "ออกจากการคำนวณหาการรับ นน.ปลอดภัยของเสาเข็ม");
    EXPECT_EQ(rec.log[0].message.icon, Icon::Critical);
    EXPECT_TRUE(w->isVisible());
    click("Command1");
    EXPECT_FALSE(w->isVisible());
}

TEST(PileWindowLinks, LogoHelpAndCalculatorOpenTheirWindows) {
    int t01 = 0, help = 0, calc = 0;
    auto& reg = ui::WindowRegistry::instance();
    reg.add("t01", [&] { ++t01; return new QWidget; });
    reg.add("pilehelp", [&] { ++help; return new QWidget; });
    {
        PileWindow without;  // no calculator yet: its button is off
        EXPECT_FALSE(without.findChild<QPushButton*>("Command16")->isEnabled());
    }
    reg.add("fcal", [&] { ++calc; return new QWidget; });
    PileWindow w;
    w.findChild<QPushButton*>("Command14")->click();
    w.findChild<QPushButton*>("Command10")->click();
    QPushButton* c16 = w.findChild<QPushButton*>("Command16");
    EXPECT_TRUE(c16->isEnabled());
    c16->click();
    EXPECT_EQ(t01, 1);
    EXPECT_EQ(help, 1);
    EXPECT_EQ(calc, 1);
    reg.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(PileWindowLinks, RegisteredOnceWithFreshDefaultsAfterClose) {
    registerWindows();
    ui::RecordingPrompter rec;
    QWidget* a = ui::showWindow("pile");
    ASSERT_NE(a, nullptr);
    a->findChild<QLineEdit*>("Text2")->setText("30");
    EXPECT_EQ(ui::showWindow("pile"), a);
    EXPECT_EQ(a->findChild<QLineEdit*>("Text2")->text(), "30");
    a->findChild<QPushButton*>("Command1")->click();  // OK
    QWidget* b = ui::showWindow("pile");
    EXPECT_EQ(b->findChild<QLineEdit*>("Text2")->text(), "21");
    b->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(PileFixture, ResultsStayBelowTheInputsWhateverTheType) {
    for (const char* type : {"Command3", "Command4", "Command5", "Command6"}) {
        click(type);
        QApplication::processEvents();
        EXPECT_GE(frame("ResultRows")->mapTo(frame("Frame2"), QPoint(0, 0)).y(), ui::px(4295)) << type;
    }
}
