#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "slab/slab_form.h"

using namespace mx;
using namespace mx::slab;

namespace {

std::vector<std::string> titles(const std::vector<Message>& ms) {
    std::vector<std::string> out;
    for (const auto& m : ms) out.push_back(m.title);
    return out;
}

}  // namespace

TEST(SlabForm, DefaultsAreTheWindowsFieldsInOrder) {
    const FieldSet f = slabDefaultFields();
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Text1", "300"}, {"Text2", "2"},    {"Text3", "4.5"}, {"Text4", "11"},  {"Text5", "6"},
        {"Text6", "3"},   {"Text7", "150"},  {"Text8", "65"},  {"Text9", "1200"}, {"Text23", "1.7"},
        {"Text24", "2"},  {"Text10", "6"},   {"Text11", "6"},  {"Text12", "6"},  {"Text13", "6"},
        {"Text18", ""},   {"Text19", ""},    {"Text20", ""},   {"Text21", ""},   {"Text22", ""}};
    EXPECT_EQ(f.entries(), expected);
    // Read as they stand they are the design's defaults.
    const SlabDesignInput in = readSlabInput(f, kTwoWay, 0);
    const SlabDesignInput def;
    EXPECT_EQ(in.liveLoad, def.liveLoad);
    EXPECT_EQ(in.sideB, def.sideB);
    EXPECT_EQ(in.continuityCase, def.continuityCase);
    EXPECT_EQ(in.deadLoadFactor, def.deadLoadFactor);
    EXPECT_EQ(in.barSize, def.barSize);
}

TEST(SlabForm, FieldsReadTheirLeadingNumber) {
    FieldSet f = slabDefaultFields();
    f.set("Text1", " 250 กก.");
    f.set("Text2", "?");
    f.set("Text5", "12 มม.");
    f.set("Text6", "");
    f.set("Text12", "9mm");
    f.set("Text24", "-1");
    const SlabDesignInput in = readSlabInput(f, kCantilever, 0.002);
    EXPECT_EQ(in.slabKind, kCantilever);
    EXPECT_EQ(in.minSteelRatio, 0.002);
    EXPECT_EQ(in.liveLoad, 250);
    EXPECT_EQ(in.sideA, 0);
    EXPECT_EQ(in.meshSize, 12);
    EXPECT_EQ(in.continuityCase, 0);
    EXPECT_EQ(in.barSize[2], 9);
    EXPECT_EQ(in.liveLoadFactor, -1);
}

TEST(SlabForm, ChangeRulesWarnAndReset) {
    struct Case {
        const char* field;
        const char* text;
        std::vector<std::string> titles;
        const char* after;
    };
    const Case cases[] = {
        {"Text2", "7", {"พื้นกว้างมากเกินไป"}, "4"},
        {"Text2", "6", {}, "6"},
        {"Text3", "6.5", {"ความยาวของพื้นมากเกินไป"}, "4"},
        {"Text4", "25", {"เตือนพื้นหนาเกินกว่ามาตรฐาน"}, "25"},
        {"Text4", "35", {"เตือนพื้นหนาเกินกว่ามาตรฐาน", "พื้นหนาผิดปรกติ"}, "20"},
        {"Text4", "20", {}, "20"},
        {"Text5", "17", {"ขนาดของเหล็กพื้นใหญ่เกินกว่ากำหนด"}, "12"},
        {"Text7", "200", {"หน่วยแรงอัดประลัยของคอนกรีตมากกว่ากำหนด"}, "200"},
        {"Text8", "70", {"ค่าหน่วยแรงอัดของคอนกรีตมากเกินไป"}, "65"},
        {"Text8", "-65", {}, "-65"},
        {"Text9", "1800", {"ค่าหน่วยแรงดึงของเหล็กมากกว่ากำหนด"}, "1200"},
        {"Text10", "16", {}, "16"},
        {"Text13", "20", {"ขนาดเหล็กเสริมที่กำหนดใหญ่เกินไป"}, "12"},
        {"Text23", "abc", {}, "abc"},
        {"Text1", "99999", {}, "99999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.text);
        FieldSet f = slabDefaultFields();
        const auto shown = setSlabField(f, c.field, c.text);
        EXPECT_EQ(titles(shown), c.titles);
        EXPECT_EQ(f.get(c.field), c.after);
    }
    FieldSet f = slabDefaultFields();
    const auto thick = setSlabField(f, "Text4", "35");
    ASSERT_EQ(thick.size(), 2u);
    EXPECT_EQ(thick[0].icon, Icon::Exclamation);
    EXPECT_EQ(thick[1].text, "4.พื้นคุณหนาเกินกว่า 30 ซม.? ต้องแก้ไข!!!");
    EXPECT_EQ(thick[1].icon, Icon::Critical);
    EXPECT_EQ(setSlabField(f, "Text7", "151")[0].icon, Icon::Information);
}

TEST(SlabForm, MeshSizeFillsTheFourBarSizes) {
    struct Case {
        const char* mesh;
        const char* bars;
        std::size_t messages;
    };
    const Case cases[] = {{"12", "12", 0}, {"16", "16", 0}, {"20", "12", 1}, {"9 มม.", "9 มม.", 0}};
    for (const auto& c : cases) {
        FieldSet f = slabDefaultFields();
        f.set("Text11", "10");
        EXPECT_EQ(setSlabField(f, "Text5", c.mesh).size(), c.messages) << c.mesh;
        for (const char* bar : {"Text10", "Text11", "Text12", "Text13"}) EXPECT_EQ(f.get(bar), c.bars) << c.mesh;
    }
    // A bar size changed afterwards stays as it is.
    FieldSet f = slabDefaultFields();
    setSlabField(f, "Text5", "12");
    setSlabField(f, "Text12", "9");
    EXPECT_EQ(f.get("Text12"), "9");
    EXPECT_EQ(f.get("Text5"), "12");
}

TEST(SlabForm, ButtonsWriteTheirFieldsAndCaptions) {
    const std::pair<SteelGrade, const char*> grades[] = {
        {SteelGrade::SR24, "1200"}, {SteelGrade::SD30, "1500"}, {SteelGrade::SD35, "1600"}, {SteelGrade::SD40, "1700"}};
    for (const auto& [grade, fs] : grades) {
        FieldSet f = slabDefaultFields();
        f.set("Text9", "1650");
        pressSlabGrade(f, grade);
        EXPECT_EQ(f.get("Text9"), fs);
        // Plain round bar needs more shrinkage steel than deformed bar.
        EXPECT_EQ(slabMinSteelRatio(grade), grade == SteelGrade::SR24 ? 0.0025 : 0.002);
    }
    EXPECT_EQ(slabMinSteelRatio(std::nullopt), 0);

    FieldSet f = slabDefaultFields();
    EXPECT_STREQ(pressSlabContinuity(f, 1), "พื้นเป็นแบบพื้นช่วงเดี่ยว");
    EXPECT_EQ(f.get("Text6"), "1");
    EXPECT_EQ(pressSlabContinuity(f, 4), nullptr);  // no such button: the field stays
    EXPECT_EQ(f.get("Text6"), "1");
}

TEST(SlabForm, ResultLabelsShowTheDesign) {
    SlabDesignInput in;
    in.slabKind = kTwoWay;
    const FieldSet l = slabResultLabels(calculateSlab(in));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Label18", "9.0965"},  {"Label19", "พื้นเสริมเหล็กทางเดียว(ONE WAY SLAB)"},
        {"Label20", "2.25"},    {"Label21", "11"},
        {"Label22", "448.8"},   {"Label23", "1048.8"},
        {"Label24", "337.1143"}, {"Label25", "8.7"},
        {"Label26", "294.975"}, {"Label27", "471.96"},
        {"Label28", "337.1143"}, {"Label29", "3.2067"},
        {"Label30", "5.1307"},  {"Label31", "3.6648"},
        {"Label32", "2.175"},   {"Label33", "6"},
        {"Label34", "6"},       {"Label35", "6"},
        {"Label36", "6"},       {"Label37", "9"},
        {"Label38", "6"},       {"Label39", "13"},
        {"Label40", "8"},       {"Label48", "พื้นที่คุณออกแบบใช้ได้ OK."}};
    EXPECT_EQ(l.entries(), expected);

    in.sideB = 2;
    in.slabKind = kCantilever;
    const FieldSet c = slabResultLabels(calculateSlab(in));
    EXPECT_EQ(c.get("Label19"), "พื้นเสริมเหล็กสองทาง(TWO WAY SLAB)");
    EXPECT_EQ(c.get("Label26"), "2097.6");  // S^2 x w / 2: the share H plays no part
    EXPECT_EQ(c.get("Label48"), "พื้นที่คุณออกแบบยังต้องแก้ไข !?!");

    // A stop before the design leaves the panel alone: only the verdict is written.
    in.thickness = 40;
    const FieldSet stopped = slabResultLabels(calculateSlab(in));
    ASSERT_EQ(stopped.entries().size(), 1u);
    EXPECT_EQ(stopped.get("Label48"), "พื้นที่คุณออกแบบยังต้องแก้ไข !?!");
}

TEST(SlabForm, ReplayingACorrectionRunsTheFieldRule) {
    // The thickness set back to 30 is still above 20: its rule warns before message 4.
    FieldSet f = slabDefaultFields();
    f.set("Text4", "31");
    SlabDesignInput in = readSlabInput(f, kTwoWay, 0);
    const auto shown = replaySlabDiagnostics(f, calculateSlab(in).diagnostics);
    EXPECT_EQ(titles(shown),
              (std::vector<std::string>{"เตือนพื้นหนาเกินกว่ามาตรฐาน", "ความหนาของพื้นมากเกินไป", "ต้องแก้ไขข้อมูลใหม่"}));
    EXPECT_EQ(f.get("Text4"), "30");

    FieldSet g = slabDefaultFields();
    g.set("Text5", "2");
    g.set("Text12", "20");
    const auto meshShown = replaySlabDiagnostics(g, calculateSlab(readSlabInput(g, kTwoWay, 0)).diagnostics);
    EXPECT_EQ(meshShown.size(), 1u);
    for (const char* name : {"Text5", "Text10", "Text11", "Text12", "Text13"}) EXPECT_EQ(g.get(name), "6") << name;
}
