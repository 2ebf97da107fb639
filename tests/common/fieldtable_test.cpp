// The field tables' data files: what the one reader takes, and every line it refuses
// named by its number rather than read wrongly.
#include <gtest/gtest.h>

#include <string>

#include "common/fieldtable.h"

namespace {

TEST(FieldTableText, ReadsFieldsTooltipsCommentsAndTheTitleBlock) {
    const mx::ParsedFieldTable t = mx::parseFieldTable(
        "# a comment\r\n"
        "Text1\tspan\tคานยาว / เมตร =\tm\t?\r\n"
        "\n"
        "Text2\tfs\tfs =\tksc\t1200\tเลือกเหล็ก\n"
        "Text3\tnote\t\t\t\n"
        "title\tText20 Text30 Text24 Text28 Text29\tชื่อคาน\tหน้า  / แผ่นที่\n");
    EXPECT_TRUE(t.problems.empty()) << t.problems.front();
    ASSERT_EQ(t.table.size(), 8u);
    EXPECT_STREQ(t.table[0].caption, "คานยาว / เมตร =");
    EXPECT_STREQ(t.table[0].defaultText, "?");
    EXPECT_EQ(t.table[0].tooltip, nullptr);
    EXPECT_STREQ(t.table[1].tooltip, "เลือกเหล็ก");
    EXPECT_STREQ(t.table[2].defaultText, "");
    EXPECT_STREQ(t.table[4].object, "Text30");
    EXPECT_STREQ(t.table[4].name, "member");
    EXPECT_STREQ(t.table[4].caption, "ชื่อคาน");
    EXPECT_STREQ(t.table[7].caption, "หน้า  / แผ่นที่");
    EXPECT_EQ(mx::defaultsOf(t.table).get("Text2"), "1200");
}

TEST(FieldTableText, RefusesEachFaultyLineByNumberAndKeepsTheRest) {
    struct Case {
        const char* text;
        const char* problem;  // the start of the one problem reported
    };
    const Case cases[] = {
        {"Text1\tspan\tcaption\tm\n", "line 1: 4 columns"},
        {"Text1\tspan\tcaption\tm\t1\ttip\textra\n", "line 1: 7 columns"},
        {"Text1 span caption m 1\n", "line 1: 1 columns"},
        {"Text1\tSpan\tcaption\tm\t1\n", "line 1: the short name 'Span'"},
        {"Text1\t\tcaption\tm\t1\n", "line 1: the short name ''"},
        {"\tspan\tcaption\tm\t1\n", "line 1: the object name ''"},
        {"Text1\tspan\ta\tm\t1\n#\nText1\twidth\tb\tcm\t2\n", "line 3: the object name 'Text1'"},
        {"Text1\tspan\ta\tm\t1\nText2\tspan\tb\tcm\t2\n", "line 2: the short name 'span' is named before"},
        {"title\tText1 Text2 Text3 Text4\tชื่อคาน\n", "line 1: a title line"},
        {"title\tText1 Text2 Text3 Text4 Text5\n", "line 1: a title line"},
        {"Text9\tproject\ta\t\t\ntitle\tText1 Text2 Text3 Text4 Text5\tชื่อ\n", "line 2: the short name 'project'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const mx::ParsedFieldTable t = mx::parseFieldTable(c.text);
        ASSERT_EQ(t.problems.size(), 1u);
        EXPECT_EQ(t.problems[0].rfind(c.problem, 0), 0u) << t.problems[0];
        for (const mx::FieldInfo& f : t.table) EXPECT_NE(std::string(f.object), "");
    }
}

TEST(FieldTableText, AModulesFaultyTableLosesTheLineNotTheProgram) {
    const mx::FieldTable t = mx::loadFieldTable("test/broken.tsv", "Text1\tspan\ta\tm\t1\nText2\n");
    ASSERT_EQ(t.size(), 1u);
    const std::vector<std::string> problems = mx::dataTableProblems();
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems.back(), "test/broken.tsv line 2: 1 columns, where a field has 5 or 6");
}

TEST(FieldTableText, APickListLosesAShortRowAndReadsANonNumberAsZeroSayingSo) {
    const auto rows = mx::loadRows("test/list.tsv", "# text, load\nหลังคา 30\t30\nshort\nพื้น\t1.5\nผิด\t12a\n", 2);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_STREQ(rows[0][0], "หลังคา 30");
    EXPECT_EQ(mx::cellNumber("test/list.tsv", rows[1][1]), 1.5);
    EXPECT_EQ(mx::cellNumber("test/list.tsv", rows[2][1]), 0.0);
    const std::vector<std::string> problems = mx::dataTableProblems();
    ASSERT_GE(problems.size(), 2u);
    EXPECT_EQ(problems[problems.size() - 2], "test/list.tsv line 3: 1 columns, where a row has 2");
    EXPECT_EQ(problems.back(), "test/list.tsv the cell '12a' is no number");
}

TEST(FieldTableText, AMessageTableNumbersItsBoxesFromOneAndNamesAnUnknownIcon) {
    const std::vector<mx::Message> table = mx::loadMessages(
        "test/messages.tsv", "# icon, title, text\ncritical\tหัว\t1.ข้อความ\nquestion\tถาม\t2.ใช่ไหม?\nshort\nbeep\tx\t3.y\n");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(mx::dataTableProblems().back(),
              "test/messages.tsv the icon 'beep' is none of critical, information, exclamation, question");
    const struct {
        int number;
        mx::Message box;
    } cases[] = {
        {1, {"1.ข้อความ", "หัว", mx::Icon::Critical}},
        {2, {"2.ใช่ไหม?", "ถาม", mx::Icon::Question}},
        {3, {"3.y", "x", mx::Icon::Critical}},   // the unknown icon, read as critical
        {0, {"1.ข้อความ", "หัว", mx::Icon::Critical}},  // before the start: the first
        {9, {"3.y", "x", mx::Icon::Critical}},   // past the end: the last
    };
    for (const auto& c : cases) EXPECT_EQ(mx::numberedMessage(table, c.number), c.box) << c.number;
    EXPECT_EQ(mx::numberedMessage({}, 1).text, "");
}

}  // namespace
