#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/coverpages.h"

using namespace mx;
using namespace mx::shell;

namespace {

struct Expected {
    double x, y;
    std::string text;
    double size;
    bool bold;
};

void expectPage(const PageModel& page, const std::vector<Expected>& expected) {
    const auto texts = page.texts();
    ASSERT_EQ(texts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(texts[i].x, expected[i].x);
        EXPECT_EQ(texts[i].y, expected[i].y);
        EXPECT_EQ(texts[i].text, expected[i].text);
        EXPECT_EQ(texts[i].sizePt, expected[i].size);
        EXPECT_EQ(texts[i].bold, expected[i].bold);
    }
    EXPECT_EQ(page.fontFamily, "CordiaUPC");
}

const std::string kSite = coverDefaults().get("Text5");

}  // namespace

TEST(CoverPage, DefaultsPrintAtTheirPlaces) {
    const FieldSet f = coverDefaults();
    ASSERT_EQ(f.entries().size(), 6u);
    EXPECT_FALSE(kSite.empty());
    expectPage(coverPage(f), {
                                 {4200, 1600, "รายการคำนวณโครงสร้าง", 20, false},
                                 {2800, 2200, "โครงการก่อสร้างหอประชุมโรงเรียน", 30, false},
                                 {4200, 3000, kSite, 18, false},
                                 {4800, 3700, "วันที่ 24 กันยายน 2541", 16, false},
                                 {8000, 13500, "นายวิศวกร โยธา", 18, false},
                                 {8450, 14000, "วย.00000", 16, false},
                             });
}

TEST(CoverPage, ClearingKeepsOnlyTheHeading) {
    FieldSet f = coverDefaults();
    clearCover(f);
    expectPage(coverPage(f), {{4200, 1600, "รายการคำนวณโครงสร้าง", 20, false}});
    // The texts typed afterwards print in their places again.
    f.set("Text3", "นายสมชาย ใจดี");
    expectPage(coverPage(f), {{4200, 1600, "รายการคำนวณโครงสร้าง", 20, false}, {8000, 13500, "นายสมชาย ใจดี", 18, false}});
}

TEST(CoverPage, EachEmptiedFieldLeavesOnlyItsOwnPlaceBlank) {
    const FieldSet defaults = coverDefaults();
    const auto all = coverPage(defaults).texts();
    for (const auto& [name, text] : defaults.entries()) {
        FieldSet f = defaults;
        f.set(name, "");
        const auto texts = coverPage(f).texts();
        ASSERT_EQ(texts.size(), all.size() - 1) << name;
        std::size_t j = 0;
        for (const auto& t : all) {
            if (t.text == text) continue;
            EXPECT_EQ(texts[j].text, t.text) << name;
            EXPECT_EQ(texts[j].y, t.y) << name;
            ++j;
        }
    }
}

TEST(CriteriaPage, DefaultsPrintWithTheThreeValuesAtOneX) {
    const FieldSet f = criteriaDefaults();
    ASSERT_EQ(f.entries().size(), 13u);
    const PageModel page = criteriaPage(f);
    expectPage(page, {
                         {3400, 1600, "ข้อกำหนดประกอบรายการคำนวณ", 24, true},
                         {2000, 2800, "กำหนดค่าและกำลังวัสดุที่ใช้ในการออกแบบดังนี้", 18, true},
                         {3400, 3500, "น้ำหนักบรรทุกจร =", 18, false},
                         {7150, 3500, "300  กก./ตร.ม.", 18, false},
                         {3400, 4200, "กำลังอัดประลัยของคอนกรีต =", 18, false},
                         {7150, 4200, "150  กก./ตร.ซม.", 18, false},
                         {3400, 4900, "กำลังดึงของเหล็กเสริม =", 18, false},
                         {7150, 4900, "1200  กก./ตร.ซม.", 18, false},
                         {8000, 13500, "นายวิศวกร โยธา", 18, true},
                         {8450, 14000, "วย.00000", 16, false},
                     });
    // The captions are kept clear of the value column, however long they are typed.
    ASSERT_EQ(page.clearBoxes().size(), 3u);
    for (const PageBox& b : page.clearBoxes()) EXPECT_EQ(b.x1, 7150);
}

TEST(CriteriaPage, ClearingKeepsCaptionsAndUnitsWithEmptyValues) {
    FieldSet f = criteriaDefaults();
    clearCriteria(f);
    for (const char* n : {"Text8", "Text10", "Text12", "Text3", "Text4"}) EXPECT_EQ(f.get(n), "") << n;
    for (const char* n : {"Text2", "Text14", "Text1", "Text9", "Text5", "Text11", "Text6", "Text13"})
        EXPECT_EQ(f.get(n), criteriaDefaults().get(n)) << n;
    expectPage(criteriaPage(f), {
                                    {3400, 1600, "ข้อกำหนดประกอบรายการคำนวณ", 24, true},
                                    {2000, 2800, "กำหนดค่าและกำลังวัสดุที่ใช้ในการออกแบบดังนี้", 18, true},
                                    {3400, 3500, "น้ำหนักบรรทุกจร =", 18, false},
                                    {7150, 3500, "  กก./ตร.ม.", 18, false},
                                    {3400, 4200, "กำลังอัดประลัยของคอนกรีต =", 18, false},
                                    {7150, 4200, "  กก./ตร.ซม.", 18, false},
                                    {3400, 4900, "กำลังดึงของเหล็กเสริม =", 18, false},
                                    {7150, 4900, "  กก./ตร.ซม.", 18, false},
                                });
}

TEST(CriteriaPage, ALineEmptiedWhollyPrintsNothing) {
    FieldSet f = criteriaDefaults();
    for (const char* n : {"Text5", "Text10", "Text11"}) f.set(n, "");
    const auto texts = criteriaPage(f).texts();
    ASSERT_EQ(texts.size(), 8u);
    for (const auto& t : texts) EXPECT_NE(t.y, 4200);
}

TEST(PageInstructions, BeginWithTheirTitles) {
    EXPECT_EQ(coverInstructions().rfind("วิธีการทำปก", 0), 0u);
    EXPECT_NE(coverInstructions().find("A4"), std::string::npos);
    EXPECT_EQ(criteriaInstructions().rfind("วิธีการพิมพ์ข้อกำหนดประกอบรายการคำนวณ", 0), 0u);
}
