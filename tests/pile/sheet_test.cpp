#include <gtest/gtest.h>

#include <algorithm>

#include "pile/blow_calc.h"
#include "pile/blow_form.h"
#include "pile/pile_calc.h"
#include "pile/pile_form.h"
#include "pile/pile_sheet.h"

using namespace mx;
using namespace mx::pile;

namespace {

const ProjectTitleBlock kTitle{"อาคารพักอาศัย", "P1", "บริษัท ก จำกัด", "สย.123", "3/9"};

bool hasLine(const PageModel& page, const std::string& s) {
    const auto lines = page.lines();
    return std::find(lines.begin(), lines.end(), s) != lines.end();
}

std::optional<PageText> find(const PageModel& page, const std::string& s) {
    for (const PageText& t : page.texts())
        if (t.text == s) return t;
    return std::nullopt;
}

// Every line inside an A4 page below the header, each lower than the one before in
// the listing, none on top of another.
void expectOrderedListing(const PageModel& page) {
    const auto texts = page.texts();
    ASSERT_GE(texts.size(), 4u);
    double last = 0;
    for (std::size_t i = 0; i + 2 < texts.size(); ++i) {  // the footer's two lines last
        EXPECT_GT(texts[i].y, last) << texts[i].text;
        last = texts[i].y;
        EXPECT_TRUE(texts[i].x == kSheetLeft || texts[i].x == kSheetContinuation) << texts[i].text;
    }
    for (const PageText& t : texts) {
        EXPECT_LT(t.y, 16840 - 400) << t.text;
        EXPECT_EQ(t.text.find("nan"), std::string::npos);
        EXPECT_EQ(t.text.find("inf"), std::string::npos);
    }
}

}  // namespace

TEST(SkinFrictionSheet, PrestressedLongerThanSevenMetres) {
    const PileOutcome o = calculatePile(kPrestressed, 126, 21, kLabel9Quiet);
    EXPECT_TRUE(pileUsable(o));
    const PileSheet s = buildPileSheet(o.result, kTitle, true);
    EXPECT_FALSE(s.warning);
    const auto texts = s.page.texts();
    EXPECT_EQ(texts[0].text, "โครงการ อาคารพักอาศัย");
    EXPECT_EQ(texts[1].text, "คำนวณหาการรับ นน. ของเสาเข็ม P1");
    EXPECT_EQ(texts[1].sizePt, 20);
    EXPECT_EQ(texts[1].y, 700);
    for (const char* line : {
             "ความยาวของเสาเข็มอัดแรง / เมตร = 21  เมตร",
             "เส้นรอบรูปของเสาเข็ม / ซม. = 126 ",
             "คำนวณหาเส้นรอบรูปของเสาเข็มที่รับแรงฝืด=  1.26  เมตร",
             "ช่วง  7  เมตรมีแรงฝืด = 600x 1.26 x 7  = 5.292  ตัน",
             "ช่วง  14  เมตรต่อไปมีความฝืด = 800 + 200 x(  21  -7 ) =  3600  กก. / ตร.เมตร",
             "ช่วง  14  เมตรหลังมีแรงฝืด = ( 800 +  3600  ) / 2 x (  1.26  ) x (  21  - 7 ) =  38.808  ตัน",
         })
        EXPECT_TRUE(hasLine(s.page, line)) << line;
    const auto total = find(s.page, "***เสาเข็มต้นนี้รับ น.น.ปลอดภัยได้ =  5.292 + 38.808  =  44.1  ตัน / ต้น O.K.");
    ASSERT_TRUE(total);
    EXPECT_EQ(total->sizePt, 18);
    const auto summary = find(s.page, "***เสาเข็มคอนกรีตอัดแรงต้นนี้รับ นน. ปลอดภัยได้ =  44.1  ตัน / ต้น OK.");
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->sizePt, 18);
    EXPECT_EQ(summary->x, kSheetLeft);
    EXPECT_FALSE(hasLine(s.page, " สำหรับเสาเข็มไม้ควรลดกำลังใช้งานเหลือเพียง 78% ของค่าที่คำนวณได้"));
    // Footer: engineer and registration on one line at x = 6000 below the listing, page text fixed.
    const auto engineer = find(s.page, "บริษัท ก จำกัด สย.123");
    ASSERT_TRUE(engineer);
    EXPECT_EQ(engineer->x, 6000);
    EXPECT_GT(engineer->y, summary->y);
    const auto pageText = find(s.page, "3/9");
    ASSERT_TRUE(pageText);
    EXPECT_EQ(pageText->x, 10000);
    EXPECT_EQ(pageText->y, 15000);
    expectOrderedListing(s.page);
}

TEST(SkinFrictionSheet, ExactlySevenMetresHasNoDeepLines) {
    const PileSheet s = buildPileSheet(calculatePile(kHollow, 126, 7, kLabel9Quiet).result, kTitle, true);
    for (const std::string& l : s.page.lines()) {
        EXPECT_EQ(l.find("เมตรต่อไปมีความฝืด"), std::string::npos) << l;
        EXPECT_EQ(l.find("เมตรหลังมีแรงฝืด"), std::string::npos) << l;
        EXPECT_EQ(l.find("***เสาเข็มต้นนี้รับ"), std::string::npos) << l;
    }
    EXPECT_TRUE(hasLine(s.page, "ช่วง  7  เมตรมีแรงฝืด = 600x 1.26 x 7  = 5.292  ตัน"));
    EXPECT_TRUE(hasLine(s.page, "***เสาเข็มกลวงต้นนี้รับ นน. ปลอดภัยได้ =  5.292  ตัน / ต้น OK."));
    expectOrderedListing(s.page);
}

TEST(SkinFrictionSheet, TimberReducedTo78Percent) {
    const PileSheet s = buildPileSheet(calculatePile(kTimber, 8, 10, kLabel9Quiet).result, kTitle, true);
    EXPECT_TRUE(hasLine(s.page, " สำหรับเสาเข็มไม้ควรลดกำลังใช้งานเหลือเพียง 78% ของค่าที่คำนวณได้"));
    EXPECT_TRUE(hasLine(s.page, "***เสาเข็มไม้ต้นนี้รับ นน. ปลอดภัยได้ =  3.7358  ตัน / ต้น OK."));
    EXPECT_TRUE(hasLine(s.page, "ขนาดเส้นผ่าศูนย์กลางเสาเข็มไม้ / นิ้ว = 8 "));
    expectOrderedListing(s.page);
}

TEST(SkinFrictionSheet, NoTypeWarnsAndStillPrints) {
    const PileSheet s = buildPileSheet(calculatePile(0, 126, 21, kLabel9Quiet).result, kTitle, false);
    ASSERT_TRUE(s.warning);
    EXPECT_EQ(s.warning->text, "คุณยังไม่ได้เลือกชนิดของเสาเข็ม?");
    EXPECT_EQ(s.warning->title, "เตือนให้เลือกชนิดของเสาเข็ม");
    EXPECT_TRUE(hasLine(s.page, "ความยาวของเสาเข็ม / เมตร = 21  เมตร"));
    EXPECT_TRUE(hasLine(s.page, "สรุปผลการคำนวณหาการรับ นน.ปลอดภัยของเสาเข็ม"));
    for (const std::string& l : s.page.lines()) EXPECT_EQ(l.find("ต้นนี้รับ นน. ปลอดภัยได้"), std::string::npos) << l;
    // A sheet printed before any calculation prints zeros.
    const PileSheet empty = buildPileSheet(PileResult{}, ProjectTitleBlock{}, false);
    EXPECT_TRUE(empty.warning);
    EXPECT_TRUE(hasLine(empty.page, "คำนวณหาเส้นรอบรูปของเสาเข็มที่รับแรงฝืด=  0  เมตร"));
}

TEST(HileySheet, FirstWorkedExample) {
    const BlowOutcome o = calculateBlow(BlowInput{21, 3, 30, 50, 25, 480});
    const PageModel page = buildBlowSheet(o.result, kTitle, blowUsable(o));
    const auto texts = page.texts();
    EXPECT_EQ(texts[1].text, "แสดงรายการคำนวณ P1");
    for (const char* line : {
             "กำหนด  W = นํ้าหนักของลูกตุ้มที่ใช้ตอก =  3  ตัน",
             "P = นํ้าหนักของเสาเข็ม =  21 x 480 x 0.00024 = 2.4192  ตัน",
             "N =  3  + (  2.4192  ) x ( 0.25 ^ 2 ) / (  3  +  2.4192  ) =  0.5815 ",
             "S = ระยะที่เข็มจมดินโดยคิดเฉลี่ยจากจำนวนครั้งสุดท้ายในการตอก = 30 /  50  =  0.6  ซ.ม.",
             "ค่ายุบตัว C1, C2, C3 คิดที่แรงประลัย Rn ( ไม่ใช่ที่ R ) จึงแก้สมการของสูตร HILEY หาค่า Rn",
             "คำนวณ  C1 = ( 0.34 x Rn x L1 ) / A = ( 0.34 x  42.6372  x  21  ) /  480  =  0.6342 ",
             "คำนวณ  C2 = ( 0.012 x Rn x L2 ) / A = ( 0.012 x  42.6372  x 5 ) /  480  =  0.0053 ",
             "คำนวณ  C3 = ( 1.4 x Rn ) / A = ( 1.4 x  42.6372  ) /  480  =  0.1244 ",
             "C = C1 + C2 + C3 =  0.6342  +  0.0053  +  0.1244  =  0.7639 ",
             "Rn = (  0.5815  x 0.80 x  3  x  30  ) / (  0.6  + (  0.7639  / 2 ) ) =  42.6372  ตัน",
             "***จำนวนครั้งในการตอก ( BLOW COUNT ) ในฟุตสุดท้ายต้องไม่น้อยกว่า  78  ครั้ง ยังใช้ไม่ได้",
         })
        EXPECT_TRUE(hasLine(page, line)) << line;
    const auto safe = find(page, "***เสาเข็มจะรับนํ้าหนักได้โดยปลอดภัย =  42.6372  / 2 =  21.3186  ตัน <  25  ตัน  ยังใช้ไม่ได้");
    ASSERT_TRUE(safe);
    EXPECT_EQ(safe->sizePt, 18);
    expectOrderedListing(page);
    // No blow count of this hammer and drop proves 200 t.
    EXPECT_TRUE(hasLine(buildBlowSheet(calculateBlow(BlowInput{21, 3, 30, 50, 200, 480}).result, kTitle, false),
                        "***ลูกตุ้มและระยะยกนี้ไม่มี BLOW COUNT ใดพิสูจน์ นน.ปลอดภัยที่ออกแบบไว้ได้"));
}

TEST(HileySheet, BeforeAnyCalculationPrintsZeros) {
    const PageModel page = buildBlowSheet(BlowResult{}, ProjectTitleBlock{}, false);
    EXPECT_TRUE(hasLine(page, "Rn = (  0  x 0.80 x  0  x  0  ) / (  0  + (  0  / 2 ) ) =  0  ตัน"));
    expectOrderedListing(page);
}

TEST(SheetCertification, OnlyAUsableCalculationPrintsItsOK) {
    // Each case: the last calculation, and whether its sheet may say "OK.".
    struct Case {
        const char* what;
        PileOutcome outcome;
        bool usable;
    };
    const Case cases[] = {
        {"prestressed 21 m", calculatePile(kPrestressed, 126, 21, kLabel9Quiet), true},
        {"no type", calculatePile(0, 126, 21, kLabel9Quiet), false},
        {"no length", calculatePile(kPrestressed, 126, 0, kLabel9Quiet), false},
        {"perimeter of 10 m", calculatePile(kHollow, 1000, 21, kLabel9Quiet), false},
        {"load above 1800 t", calculatePile(kBored, 1000, 80, kLabel9Quiet), false},
        {"no size: a safe load of 0 t", calculatePile(kPrestressed, 0, 21, kLabel9Quiet), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pileUsable(c.outcome), c.usable) << c.what;
        const PageModel page = buildPileSheet(c.outcome.result, kTitle, pileUsable(c.outcome)).page;
        int ok = 0, notYet = 0;
        for (const std::string& l : page.lines()) {
            ok += l.find("OK.") != std::string::npos || l.find("O.K.") != std::string::npos;
            notYet += l.find("ยังใช้ไม่ได้") != std::string::npos;
        }
        EXPECT_EQ(ok > 0, c.usable) << c.what;
        EXPECT_EQ(notYet > 0, !c.usable) << c.what;
    }
}

TEST(SheetCertification, AStoppedBlowCountPrintsZerosBeyondTheStop) {
    // No area: the calculation stops before any result; the sheet prints the inputs
    // as read and zeros for everything the calculation did not reach.
    const BlowOutcome stopped = calculateBlow(BlowInput{21, 3, 30, 50, 25, 0});
    EXPECT_FALSE(blowUsable(stopped));
    const PageModel page = buildBlowSheet(stopped.result, kTitle, blowUsable(stopped));
    EXPECT_TRUE(hasLine(page, "Rn = (  0  x 0.80 x  3  x  30  ) / (  0  + (  0  / 2 ) ) =  0  ตัน"));
    EXPECT_TRUE(hasLine(page, "***เสาเข็มจะรับนํ้าหนักได้โดยปลอดภัย =  0  / 2 =  0  ตัน <  25  ตัน  ยังใช้ไม่ได้"));
    EXPECT_TRUE(hasLine(page, "***จำนวนครั้งในการตอก ( BLOW COUNT ) ในฟุตสุดท้ายต้องไม่น้อยกว่า  0  ครั้ง ยังใช้ไม่ได้"));
    // A set above 1 cm per blow (29 blows) is a driving record that cannot be used.
    EXPECT_FALSE(blowUsable(calculateBlow(BlowInput{21, 3, 30, 29, 15, 480})));
    EXPECT_TRUE(blowUsable(calculateBlow(BlowInput{21, 3, 30, 30, 15, 480})));
}
