#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "common/fieldedit.h"
#include "stair/stair_design.h"
#include "stair/stair_form.h"

using namespace mx;
using namespace mx::stair;

TEST(StairForm, DefaultsInWindowOrder) {
    const FieldSet f = stairDefaultFields();
    std::string joined;
    for (const auto& [name, text] : f.entries()) joined += name + "=" + text + " ";
    EXPECT_EQ(joined,
              "Text1=1.20 Text2=300 Text3=25 Text4=18 Text5=9 Text6=6 Text7=8 Text9=150 Text10=65 Text11=1200 "
              "Text18=1.7 Text19=2 Text12= Text13= Text14= Text15= Text16= ");
}

TEST(StairForm, ReadsTheLeadingNumberOfEachField) {
    FieldSet f = stairDefaultFields();
    f.set("Text1", " 2.5 ม.");
    f.set("Text2", "?");
    f.set("Text18", "1.4x");
    const StairDesignInput in = readStairInput(f, 3);
    EXPECT_EQ(in.stairType, 3);
    EXPECT_DOUBLE_EQ(in.L, 2.5);
    EXPECT_EQ(in.LL, 0);
    EXPECT_EQ(in.fs, 1200);
    EXPECT_DOUBLE_EQ(in.fD, 1.4);
}

TEST(StairForm, FieldRulesRefuseImplausibleValues) {
    struct Row {
        const char* field;
        const char* text;
        const char* title;  // nullptr: accepted
        std::optional<std::string> reset;
        Icon icon = Icon::Critical;
    };
    const Row rows[] = {
        {"Text1", "9", "ระยะห่างคานบันไดมากผิดปรกติ", "3"},
        {"Text1", "8", nullptr, std::nullopt},
        {"Text1", "8.00004", nullptr, std::nullopt},  // held to four decimals: 8
        {"Text1", "8.0001", "ระยะห่างคานบันไดมากผิดปรกติ", "3"},
        {"Text2", "801", "นน.จรมากผิดปรกติ", "400"},
        {"Text2", "800.4", nullptr, std::nullopt},  // a whole number: 800
        {"Text2", "99999999", "นน.จรมากผิดปรกติ", "400"},
        {"Text3", "51", "ลูกนอนบันไดกว้างผิดปรกติ", "25"},
        {"Text4", "21", "ลูกตั้งขั้นบันไดสูงเกินมาตรฐาน", "18"},
        {"Text4", "20", nullptr, std::nullopt},
        {"Text7", "51", "พื้นบันไดหนาผิดปรกติ", "10"},
        {"Text9", "151", "หน่วยแรงอัดประลัยของคอนกรีตมากกว่ากำหนด", std::nullopt, Icon::Information},
        {"Text9", "150", nullptr, std::nullopt},
        {"Text10", "66", "ค่า fc สูงกว่ามาตรฐาน", "65"},
        {"Text10", "65", nullptr, std::nullopt},
        {"Text18", "0.9", "นน.บันไดน้อยเกินไป", "1"},
        {"Text18", "1", nullptr, std::nullopt},
        {"Text19", "0.9", "นน.จรบนบันไดน้อยเกินไป", "1"},
        {"Text19", "", "นน.จรบนบันไดน้อยเกินไป", "1"},
        {"Text5", "99", nullptr, std::nullopt},  // the bar sizes and fs only store their number
        {"Text11", "5000", nullptr, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.field) + "=" + row.text);
        const auto hit = stairFieldRule(row.field, row.text);
        ASSERT_EQ(hit.has_value(), row.title != nullptr);
        if (!hit) continue;
        EXPECT_EQ(hit->message.title, row.title);
        EXPECT_EQ(hit->message.icon, row.icon);
        EXPECT_EQ(hit->reset, row.reset);
    }
    // Every reset text passes its own rule.
    for (const char* f : {"Text1", "Text2", "Text3", "Text4", "Text7", "Text10", "Text18", "Text19"}) {
        const auto hit = stairFieldRule(f, "1000000000");
        const auto low = stairFieldRule(f, "-1");
        for (const auto& h : {hit, low})
            if (h && h->reset) {
                EXPECT_FALSE(stairFieldRule(f, *h->reset)) << f;
            }
    }
}

TEST(StairForm, CorrectionsLandInTheFieldsAndRunTheirRules) {
    FieldSet f = stairDefaultFields();
    Diagnostics d;
    d.say("x", "");
    d.correct("Text10", "65");
    d.correct("Text1", "9");  // not one the design writes, but the rule still runs
    const auto shown = replayDiagnostics(f, d, checkStairField);
    EXPECT_EQ(f.get("Text10"), "65");
    EXPECT_EQ(f.get("Text1"), "3");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, "บันไดกว้างผิดปรกติ โปรดตรวจสอบใหม่ !?!");
}

TEST(StairForm, ResultLabelsOfTheFoldedPlate) {
    const StairOutcome o = calculateStair(readStairInput(stairDefaultFields(), 3));
    const FieldSet l = stairResultLabels(o.result);
    const std::pair<const char*, const char*> expected[] = {
        {"Label11", "130.56"}, {"Label12", "199.68"}, {"Label13", "330.24"}, {"Label64", "1.7"},
        {"Label14", "561.408"}, {"Label15", "300"},   {"Label65", "2"},      {"Label16", "600"},
        {"Label18", "1161.408"}, {"Label17", "209.0534"}, {"Label23", "10.2425"}, {"Label26", "10.2172"},
        {"Label27", "3.5625"}, {"Label28", "0.6364"}, {"Label30", "6"},      {"Label31", "0.1667"},
        {"Label32", "7.0234"}, {"Label33", "0"},      {"Label34", "0.15"},   {"Label36", "696.8448"},
        {"Label37", "632.3867"}, {"Label38", "1.1394"}, {"Label39", "3.5518"}, {"Label40", "2.8286"},
        {"Label41", "16.9716"}, {"Label42", "8.3964"},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(l.get(name), text) << name;
    EXPECT_EQ(l.entries().size(), 28u);
    EXPECT_FALSE(l.has(kVerdictLabel));
}

// A number a 16-bit field cannot hold never raises in its change rule: the rule keeps
// no value, and Calculate's own reading ends the design with the closing message only.
TEST(StairForm, NumbersBeyondSixteenBitsNeverRaiseInTheRules) {
    const struct {
        const char* field;
        const char* text;
        bool ruleMessage;  // the field's plausibility limit still speaks
    } rows[] = {
        {"Text5", "40000", false}, {"Text6", "40000", false}, {"Text11", "40000", false},
        {"Text2", "40000", true},  {"Text7", "40000", true},  {"Text5", "-40000", false},
        {"Text11", "99999999999999999999", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.field) + "=" + row.text);
        std::optional<FieldRuleHit> hit;
        EXPECT_NO_THROW(hit = stairFieldRule(row.field, row.text));
        EXPECT_EQ(hit.has_value(), row.ruleMessage);
        EXPECT_NO_THROW(EXPECT_FALSE(stairFieldValue(row.field, row.text).has_value()));

        FieldSet f = stairDefaultFields();
        f.set(row.field, row.text);
        StairOutcome o;
        ASSERT_NO_THROW(o = calculateStair(readStairInput(f, 2)));
        EXPECT_EQ(o.status, DesignStatus::NotUsable);
        EXPECT_TRUE(o.arithmeticFailure);
        ASSERT_EQ(o.diagnostics.messages().size(), 1u);
        EXPECT_EQ(o.diagnostics.messages()[0].text, kClosingText);
    }
    // Values the fields can hold are stored as each field holds them.
    const struct {
        const char* field;
        const char* text;
        double value;
    } held[] = {{"Text5", "12.4", 12}, {"Text11", "32767", 32767}, {"Text1", "1.23456", 1.2346}, {"Text18", "1.75", 1.75}};
    for (const auto& h : held) EXPECT_EQ(stairFieldValue(h.field, h.text), h.value) << h.field;
    EXPECT_FALSE(stairFieldValue("Text12", "5").has_value());  // a title-block field holds text
}

// Every result label but the entered factors has its caption; the spacings,
// worked in metres, are captioned in metres.
TEST(StairForm, ResultCaptionsMatchTheUnitsShown) {
    const FieldSet labels = stairResultLabels(StairDesignResult{});
    std::size_t captioned = 0;
    for (const auto& [name, text] : labels.entries()) {
        const auto* c = std::find_if(kStairResultCaptions.begin(), kStairResultCaptions.end(),
                                     [&](const ResultCaption& rc) { return name == rc.label; });
        if (name == "Label64" || name == "Label65") {
            EXPECT_EQ(c, kStairResultCaptions.end()) << name;
            continue;
        }
        ASSERT_NE(c, kStairResultCaptions.end()) << name;
        ++captioned;
    }
    EXPECT_EQ(captioned, kStairResultCaptions.size());
    for (const auto& c : kStairResultCaptions) {
        if (std::string(c.label) == "Label31" || std::string(c.label) == "Label34") {
            EXPECT_STREQ(c.caption, "ระยะห่าง @ / ม. =") << c.label;
        }
    }
}
