#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "column/column_form.h"

using namespace mx;
using namespace mx::column;

namespace {

// Each message shown by its number ("3."), or by its title when it has none.
std::vector<std::string> heads(const std::vector<Message>& shown) {
    std::vector<std::string> out;
    for (const auto& m : shown) {
        const auto dot = m.text.find('.');
        const bool numbered = !m.text.empty() && m.text[0] >= '0' && m.text[0] <= '9' && dot != std::string::npos;
        out.push_back(numbered ? m.text.substr(0, dot + 1) : m.title);
    }
    return out;
}

}  // namespace

// An edit of one field: the messages its checks show and the fields it leaves behind,
// cascades included.
TEST(ColumnFieldChecks, EditsAndTheirCascades) {
    const struct {
        const char* field;
        const char* text;
        std::vector<std::string> messages;
        std::vector<std::pair<const char*, const char*>> after;
    } cases[] = {
        {"Text1", "20000", {}, {{"Text6", "25"}, {"Text2", "17"}, {"Text3", "17"}, {"Text7", "6"}}},
        {"Text1", "0", {"3."}, {{"Text1", "8000"}, {"Text2", "11"}, {"Text3", "11"}, {"Text6", "12"}}},
        {"Text1", "11000", {}, {{"Text6", "12"}, {"Text2", "13"}}},  // sqrt(165) = 12.8
        {"Text1", "11001", {}, {{"Text6", "15"}}},
        {"Text1", "14001", {}, {{"Text6", "19"}}},
        {"Text1", "3000000", {"4."}, {{"Text1", "2000000"}, {"Text6", "25"}, {"Text2", "173"}, {"Text7", "9"}}},
        {"Text2", "61", {}, {{"Text7", "9"}}},
        {"Text2", "201", {"1."}, {{"Text2", "15"}, {"Text7", "6"}}},
        {"Text3", "201", {"2."}, {{"Text3", "15"}}},
        {"Text5", "13", {"7."}, {{"Text5", "3"}}},
        {"Text9", "240", {"หน่วยแรงอัดประลัยของคอนกรีตมากกว่ากำหนด"}, {{"Text9", "240"}}},
        {"Text10", "1700", {"9."}, {{"Text10", "1200"}}},
        {"Text23", "0.5", {"กำหนดค่า DEAD LOAD ผิด"}, {{"Text23", "1"}}},
        {"Text6", "10", {}, {{"Text6", "10"}}},  // no check: Calculate refuses it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.text);
        FieldSet f = columnDefaultFields();
        std::vector<Message> shown;
        setColumnField(f, kShapeSquare, c.field, c.text, shown);
        EXPECT_EQ(heads(shown), c.messages);
        for (const auto& [name, text] : c.after) EXPECT_EQ(f.get(name), text) << name;
    }
}

TEST(ColumnFieldChecks, RoundDiameterWritesTheEqualSquare) {
    const struct {
        const char* diameter;
        std::vector<std::string> messages;
        const char *t1, *t2, *tie;
    } cases[] = {
        {"30", {}, "26.58", "26.58", "6"},
        {"300", {"1.", "2."}, "15", "15", "6"},
        {"?", {}, "0", "0", "6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.diameter);
        FieldSet f = columnDefaultFields();
        f.set("Text11", c.diameter);
        std::vector<Message> shown;
        applyRoundDiameter(f, shown);
        EXPECT_EQ(heads(shown), c.messages);
        EXPECT_EQ(f.get("Text2"), c.t1);
        EXPECT_EQ(f.get("Text3"), c.t2);
        EXPECT_EQ(f.get("Text7"), c.tie);
    }
}

TEST(ColumnForm, CalculationMessagesInterleaveWithTheChecksTheyRun) {
    Diagnostics d;
    d.say("first", "", Icon::Critical);
    d.correct("Text10", "1700");  // a write its own check refuses
    d.say("last", "", Icon::Critical);
    FieldSet f = columnDefaultFields();
    std::vector<Message> shown;
    applyCorrections(d, f, kShapeSquare, shown);
    EXPECT_EQ(heads(shown), (std::vector<std::string>{"MX7100", "9.", "MX7100"}));
    EXPECT_EQ(f.get("Text10"), "1200");
}
