#include <gtest/gtest.h>

#include "common/cli.h"
#include "common/message.h"
#include "common/page.h"
#include "common/titleblock.h"

using namespace mx;
using namespace mx::cli;

namespace {
ModuleDescription sample() {
    ModuleDescription m;
    m.name = "sample";
    m.defaults = FieldSet{{"Text1", "?"}, {"Text2", "21"}, {"Text9", "1200"}};
    m.pressType = [](FormState& s, int code) {
        if (code < 1 || code > 4) return false;
        s.typeCode = code;
        return true;
    };
    m.pressGrade = [](FormState& s, SteelGrade g) {
        s.grade = g;
        s.fields.set("Text9", std::to_string(gradeFs(g)));
    };
    return m;
}
}  // namespace

TEST(CliSettings, AppliedInOrderOverDefaults) {
    Invocation inv;
    ASSERT_FALSE(parseSettings(sample(), {"Text1=126", "type=2", "grade=SD40", "Text9=1650", "--sheet", "x.pdf",
                                          "--drawing", "x.png"},
                               inv));
    EXPECT_EQ(inv.drawingPath, "x.png");
    EXPECT_EQ(inv.state.fields.get("Text1"), "126");
    EXPECT_EQ(inv.state.fields.get("Text2"), "21");
    EXPECT_EQ(inv.state.fields.get("Text9"), "1650");  // the later setting wins
    EXPECT_EQ(inv.state.typeCode, 2);
    EXPECT_EQ(inv.sheetPath, "x.pdf");
    Invocation empty;
    ASSERT_FALSE(parseSettings(sample(), {"Text2="}, empty));
    EXPECT_EQ(empty.state.fields.get("Text2"), "");
}

TEST(CliSettings, BadSettingsAreReported) {
    const char* bad[][1] = {{"Text7=1"}, {"type=9"}, {"type=x"}, {"type=2x"}, {"grade=SD50"}, {"oops"}, {"=5"}, {"--sheet"}, {"--drawing"}};
    for (const auto& a : bad) {
        Invocation inv;
        EXPECT_TRUE(parseSettings(sample(), {a[0]}, inv).has_value()) << a[0];
    }
    ModuleDescription noGrade = sample();
    noGrade.pressGrade = nullptr;
    Invocation inv;
    EXPECT_TRUE(parseSettings(noGrade, {"grade=SR24"}, inv).has_value());
}

TEST(CliJson, WritesEveryPartInOrder) {
    const ModuleDescription m = sample();
    FormState s;
    s.fields = m.defaults;
    Report r;
    r.status = 2;
    r.verdict = "ใช้ได้ \"OK.\"";
    r.messages.push_back(Message{"1.ข้อความ", "หัวเรื่อง", Icon::Information});
    r.labels.set("Label7", "44.1");
    r.result.add("P", Fixed::fromDouble(44.1));
    r.result.add("p", 1.26);
    r.result.add("n", 3);
    r.result.addNull("x");
    EXPECT_EQ(toJson(m, s, r),
              "{\"module\": \"sample\", \"status\": 2, \"verdict\": \"ใช้ได้ \\\"OK.\\\"\", \"messages\": [{\"text\": "
              "\"1.ข้อความ\", \"title\": \"หัวเรื่อง\", \"icon\": \"information\"}], \"fields\": {\"Text1\": \"?\", "
              "\"Text2\": \"21\", \"Text9\": \"1200\"}, \"labels\": {\"Label7\": \"44.1\"}, \"result\": {\"P\": 44.1, "
              "\"p\": 1.26, \"n\": 3, \"x\": null}}");
    EXPECT_EQ(jsonString("a\nb\x01"), "\"a\\nb\\u0001\"");
}

TEST(CliJson, AddsTheMemberQuantitiesWhereTheModuleMeasuresThem) {
    Quantities q;
    q.concrete = 0.3249;
    q.formwork = 4;
    q.bars.push_back(barOf("เหล็กปลอก", 6, "SD30", 28, 1.12));
    q.bars.push_back(barOf("เหล็กล่าง", 12, "SD30", 3, 4.288));
    EXPECT_EQ(quantitiesJson(q, 2),
              "{\"available\": true, \"count\": 2, \"concrete\": 0.65, \"formwork\": 8.00, \"bars\": [{\"role\": "
              "\"เหล็กปลอก\", \"bar\": \"RB6\", \"grade\": \"SR24\", \"count\": 28, \"length\": 1.12}, {\"role\": "
              "\"เหล็กล่าง\", \"bar\": \"DB12\", \"grade\": \"SD30\", \"count\": 3, \"length\": 4.29}], \"steel\": "
              "[{\"bar\": \"RB6\", \"grade\": \"SR24\", \"kg\": 13.9}, {\"bar\": \"DB12\", \"grade\": \"SD30\", "
              "\"kg\": 22.9}], \"steelTotal\": 36.8}");
    EXPECT_EQ(quantitiesJson(notUsableQuantities()), "{\"available\": false, \"reason\": \"แบบยังใช้ไม่ได้ ไม่ถอดปริมาณวัสดุ\"}");
}

TEST(Diagnostics, KeepsMessagesAndCorrectionsInOrder) {
    Diagnostics d;
    d.say("1.a", "");
    d.correct("Text1", "150");
    d.say(Message{"2.b", "T", Icon::Exclamation});
    ASSERT_EQ(d.events().size(), 3u);
    EXPECT_EQ(d.messages()[0].title, "MX7100");
    EXPECT_EQ(d.corrections()[0], (Correction{"Text1", "150"}));
    EXPECT_TRUE(std::holds_alternative<Correction>(d.events()[1]));
}

TEST(TitleBlock, PrintsAtItsStandardPlaces) {
    PageModel p;
    const ProjectTitleBlock tb{"บ้านพักอาศัย", "F1", "นายช่าง", "สย.1234", "1/3"};
    addSheetHeader(p, tb, "คำนวณ ");
    addSheetFooter(p, tb, 14000);
    const auto t = p.texts();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].text, "โครงการ บ้านพักอาศัย");
    EXPECT_EQ(t[0].x, 1200);
    EXPECT_EQ(t[0].y, 400);
    EXPECT_EQ(t[1].text, "คำนวณ F1");
    EXPECT_EQ(t[1].sizePt, 20);
    EXPECT_EQ(t[2].text, "นายช่าง สย.1234");
    EXPECT_EQ(t[2].x, 6000);
    EXPECT_EQ(t[3].y, 15000);
}
