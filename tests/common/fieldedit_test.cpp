#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/fieldedit.h"

using namespace mx;

namespace {

// A small form: A resets above 10, N notes every edit, M copies itself into B1 and B2,
// which complain above 20, and R writes itself one higher on every edit.
Diagnostics check(std::string_view field, const FieldSet& f) {
    Diagnostics d;
    const double v = f.num(field);
    if (field == "A" && v > 10) {
        d.say("A big", "");
        d.correct("A", "10");
    } else if (field == "N") {
        d.say("note", "");
    } else if (field == "M") {
        d.correct("B1", f.get("M"));
        d.correct("B2", f.get("M"));
    } else if ((field == "B1" || field == "B2") && v > 20) {
        d.say(std::string(field) + " big", "");
    } else if (field == "R") {
        d.say("again", "");
        d.correct("R", std::to_string(static_cast<int>(v) + 1));
    }
    return d;
}

FieldSet form() { return FieldSet{{"A", "1"}, {"N", "200"}, {"M", "9"}, {"B1", "9"}, {"B2", "9"}, {"R", "0"}}; }

// Every message shown and every field written, in the order the user meets them.
EditSink logTo(std::vector<std::string>& log) {
    return {[&log](const Message& m) { log.push_back(m.text); },
            [&log](const Correction& c) { log.push_back(c.field + "=" + c.text); }};
}

}  // namespace

TEST(FieldEditor, TypingRunsTheChecksAndTheirWritesInOrder) {
    using Typed = std::vector<std::pair<std::string, std::string>>;
    const std::pair<Typed, std::vector<std::string>> rows[] = {
        {{{"A", "50"}}, {"A=50", "A big", "A=10"}},
        {{{"A", "1"}}, {}},                               // its own text again: no edit
        {{{"N", "300"}, {"N", "300"}}, {"N=300", "note"}},  // a repeated text notes once
        {{{"M", "30"}}, {"M=30", "B1=30", "B1 big", "B2=30", "B2 big"}},
        {{{"B1", "30"}, {"M", "30"}}, {"B1=30", "B1 big", "M=30", "B2=30", "B2 big"}},
        {{{"A", "50"}, {"A", "50"}}, {"A=50", "A big", "A=10", "A=50", "A big", "A=10"}},
    };
    for (const auto& [typed, expected] : rows) {
        std::vector<std::string> log;
        FieldSet f = form(), g = form();
        FieldEditor editor(check, logTo(log));
        std::vector<Message> tool;
        for (const auto& [field, text] : typed) {
            editor.type(f, field, text);
            for (const Message& m : typeField(g, field, text, check)) tool.push_back(m);
        }
        EXPECT_EQ(log, expected) << typed.front().first << "=" << typed.front().second;
        EXPECT_EQ(tool, editor.shown());
        EXPECT_EQ(g.entries(), f.entries());
    }
}

TEST(FieldEditor, ACheckThatKeepsWritingStopsAtTheDepthLimit) {
    FieldSet f = form();
    EXPECT_EQ(typeField(f, "R", "1", check).size(), static_cast<std::size_t>(FieldEditor::kMaxDepth + 1));
}
