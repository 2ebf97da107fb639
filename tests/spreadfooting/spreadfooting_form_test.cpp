#include <gtest/gtest.h>

#include "spreadfooting/spreadfooting_form.h"
#include "spreadfooting/spreadfooting_module.h"

using namespace mx;
using namespace mx::spreadfooting;

TEST(SpreadFootingForm, DefaultsReadingAndGradeButtons) {
    const ModuleDescription m = spreadfooting::description();
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Text1", "20000"}, {"Text3", ""}, {"Text2", "12"}, {"Text4", "150"}, {"Text5", "65"}, {"Text6", "1200"},
        {"Text13", "17"}, {"Text8", ""}, {"Text9", ""}, {"Text10", ""}, {"Text11", ""}, {"Text12", ""}};
    EXPECT_EQ(m.defaults.entries(), expected);
    FieldSet f = m.defaults;
    f.set("Text1", "  25000 kg");
    f.set("Text2", "?");
    EXPECT_EQ(readInput(f).P, 25000);
    EXPECT_EQ(readInput(f).db, 0);
    EXPECT_EQ(readInput(f).q, 0);

    const std::pair<const char*, const char*> grades[] = {{"SR24", "1200"}, {"SD30", "1500"}, {"SD35", "1600"},
                                                          {"SD40", "1700"}};
    for (const auto& [grade, fs] : grades) {
        cli::Invocation inv;
        ASSERT_FALSE(cli::parseSettings(m, {"Text6=900", std::string("grade=") + grade}, inv));
        EXPECT_EQ(inv.state.fields.get("Text6"), fs) << grade;
    }
    struct Button {
        SteelGrade grade;
        const char* button;
        const char* tooltip;
        const char* caption;
    } buttons[] = {
        {SteelGrade::SR24, "Command3", "เหล็กเส้นกลม", "เหล็กตะแกรงที่ใช้เป็นเหล็กเส้นกลม SR.24"},
        {SteelGrade::SD30, "Command4", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.30"},
        {SteelGrade::SD35, "Command5", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.35"},
        {SteelGrade::SD40, "Command6", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.40"},
    };
    for (const auto& b : buttons) {
        EXPECT_STREQ(gradeButton(b.grade).button, b.button);
        EXPECT_STREQ(gradeButton(b.grade).tooltip, b.tooltip) << b.button;
        EXPECT_STREQ(gradeButton(b.grade).caption, b.caption) << b.button;
    }
}

TEST(SpreadFootingForm, ChangeChecksWhileTyping) {
    struct Case {
        const char* field;
        const char* text;
        const char* title;  // of the message, "" for none
        std::vector<Correction> corrections;
    } cases[] = {
        {"Text1", "1500000", "นน.ที่ลงฐานมากผิดปรกติ", {{"Text1", "1000000"}, {"Text2", "25"}}},
        {"Text1", "150000", "", {{"Text2", "25"}}},
        {"Text1", "100000", "", {}},
        {"Text2", "45", "ขนาดเหล็กตะแกรงใหญ่ผิดปรกติ", {{"Text2", "25"}}},
        {"Text2", "40", "", {}},
        {"Text3", "101", "นน.บรรทุกบนดินของฐานรากมากเกินไป", {{"Text3", "8"}}},
        {"Text4", "240", "หน่วยแรงอัดประลัยของคอนกรีตมากกว่ากำหนด", {}},
        {"Text5", "70", "ค่าหน่วยแรงอัดของคอนกรีต fc มากเกินไป", {{"Text5", "65"}}},
        {"Text6", "1701", "ค่าหน่วยแรงดึงของเหล็ก fs มากกว่ากำหนด", {{"Text6", "1200"}}},
        {"Text6", "1700", "", {}},
    };
    for (const auto& c : cases) {
        FieldSet f = defaultFields();
        f.set(c.field, c.text);
        const Diagnostics d = changeCheck(c.field, f);
        const auto messages = d.messages();
        EXPECT_EQ(messages.empty() ? "" : messages.front().title, std::string(c.title)) << c.field << c.text;
        EXPECT_EQ(d.corrections(), c.corrections) << c.field << c.text;
        f.apply(d);
        for (const auto& corr : d.corrections()) EXPECT_TRUE(changeCheck(corr.field, f).messages().empty());
    }
}
