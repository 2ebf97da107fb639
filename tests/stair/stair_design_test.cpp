#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/checked.h"
#include "stair/stair_design.h"
#include "stair/stair_form.h"

using namespace mx;
using namespace mx::stair;

namespace {

// The window's default fields with a stair type chosen.
StairDesignInput defaults(std::int16_t type) { return readStairInput(stairDefaultFields(), type); }

// The number at the start of each message text ("" for unnumbered ones).
std::vector<std::string> numbers(const StairOutcome& o) {
    std::vector<std::string> out;
    for (const auto& m : o.diagnostics.messages()) {
        if (m.text == kClosingText) {
            out.push_back("close");
            continue;
        }
        const auto dot = m.text.find('.');
        const std::string head = m.text.substr(0, dot);
        out.push_back(dot != std::string::npos && head.find_first_not_of("0123456789") == std::string::npos ? head : "?");
    }
    return out;
}

std::string txt(Fixed f) { return f.text(); }

}  // namespace

// The default stair worked through by hand, for each type.
TEST(StairDesign, DefaultsWorkedThroughEachType) {
    struct Row {
        std::int16_t type;
        const char *Wstep, *Wslab, *D, *fDxD, *w, *M, *dReq, *As, *Nmain;
        int countMain;
        const char *sMain, *AsT;
        int countTemp;
        const char *sTemp, *V, *Vd, *v, *sumPerimeter, *u;
    };
    const Row rows[] = {
        {1, "216", "236.5889", "452.5889", "769.4011", "1369.4011", "246.4922", "4.9117", "4.2005", "6.6004", 7,
         "0.1429", "2", 8, "0.125", "821.6407", "745.6389", "1.3435", "19.8002", "8.4858"},
        {2, "216", "236.5889", "452.5889", "769.4011", "1369.4011", "246.4922", "4.9117", "4.2005", "6.6004", 7,
         "0.1429", "2", 8, "0.125", "821.6407", "745.6389", "1.3435", "19.8002", "8.4858"},
        // Folded plate: tread plates 0.24 x 8 x 17 x 4, riser plates 0.24 x 8 x 26 x 4,
        // and a fixed temperature mat.
        {3, "130.56", "199.68", "330.24", "561.408", "1161.408", "209.0534", "4.5234", "3.5625", "5.5979", 6,
         "0.1667", "0", 8, "0.15", "696.8448", "632.3867", "1.1394", "16.9716", "8.3964"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        const StairOutcome o = calculateStair(defaults(row.type));
        const StairDesignResult& r = o.result;
        EXPECT_EQ(o.status, DesignStatus::Usable);
        EXPECT_EQ(r.status, DesignStatus::Usable);
        EXPECT_EQ(o.verdict, kVerdictUsable);
        EXPECT_TRUE(o.panelWritten);
        EXPECT_FALSE(o.arithmeticFailure);
        EXPECT_TRUE(o.diagnostics.empty());
        EXPECT_EQ(txt(r.n), "10.2425");
        EXPECT_EQ(txt(r.k), "0.3568");
        EXPECT_EQ(txt(r.j), "0.8811");
        EXPECT_EQ(txt(r.R), "10.2172");
        EXPECT_EQ(txt(r.stepsPerMetre), "4");
        EXPECT_EQ(txt(r.Wstep), row.Wstep);
        EXPECT_EQ(txt(r.Wslab), row.Wslab);
        EXPECT_EQ(txt(r.D), row.D);
        EXPECT_EQ(txt(r.fDxD), row.fDxD);
        EXPECT_EQ(txt(r.fLxLL), "600");
        EXPECT_EQ(txt(r.w), row.w);
        EXPECT_EQ(txt(r.M), row.M);
        EXPECT_EQ(txt(r.d), "5.55");
        EXPECT_EQ(txt(r.dReq), row.dReq);
        EXPECT_EQ(txt(r.As), row.As);
        EXPECT_EQ(txt(r.aMain), "0.6364");
        EXPECT_EQ(txt(r.Nmain), row.Nmain);
        EXPECT_EQ(r.countMain, row.countMain);
        EXPECT_EQ(txt(r.sMain), row.sMain);
        EXPECT_EQ(txt(r.AsT), row.AsT);
        EXPECT_EQ(txt(r.aTemp), "0.2829");
        EXPECT_EQ(r.countTemp, row.countTemp);
        EXPECT_EQ(txt(r.sTemp), row.sTemp);
        EXPECT_EQ(txt(r.V), row.V);
        EXPECT_EQ(txt(r.Vd), row.Vd);
        EXPECT_EQ(txt(r.v), row.v);
        EXPECT_EQ(txt(r.vc), "3.5518");
        EXPECT_EQ(txt(r.perimeter), "2.8286");
        EXPECT_EQ(txt(r.sumPerimeter), row.sumPerimeter);
        EXPECT_EQ(txt(r.u), row.u);
    }
}

TEST(StairDesign, BarCountRoundsUpAnyExcess) {
    const struct {
        double quotient;
        int count;
    } rows[] = {{2.0, 2}, {2.0001, 3}, {2.5, 3}, {3.5, 4}, {2.6, 3}, {0.0, 0}, {0.0001, 1}, {-2.5, -2}};
    for (const auto& row : rows) EXPECT_EQ(barsPerMetre(row.quotient), row.count) << row.quotient;
    EXPECT_THROW(barsPerMetre(40000.0), ArithmeticError);
}

// Each check, the messages it raises (with the closing message), whether the design
// goes on to fill the result panel, and the corrections it writes.
TEST(StairDesign, EachCheckHasItsEffect) {
    struct Row {
        const char* name;
        std::int16_t type;
        std::vector<std::pair<std::string, std::string>> fields;
        std::vector<std::string> messages;
        bool panel;
        std::vector<Correction> corrections;
    };
    const std::vector<Row> rows = {
        {"no live load", 2, {{"Text2", "0"}}, {"2", "close"}, true, {{"Text2", "0"}}},
        {"negative live load read as the corrected 0", 2, {{"Text2", "-50"}}, {"2", "close"}, true, {{"Text2", "0"}}},
        {"live load below one", 2, {{"Text2", "0.4"}}, {"2", "close"}, true, {{"Text2", "0"}}},
        {"no riser", 2, {{"Text4", ""}}, {"4", "close"}, true, {{"Text4", "0"}}},
        {"no type", 0, {}, {"8", "close"}, true, {}},
        {"too thin", 2, {{"Text7", "6"}}, {"9", "close"}, true, {}},
        {"main bars too close", 2, {{"Text9", "100"}, {"Text1", "1.2"}, {"Text2", "800"}, {"Text7", "10"}, {"Text5", "6"}},
         {"10", "close"}, true, {}},
        {"main bars too far apart", 2,
         {{"Text9", "100"}, {"Text1", "0.5"}, {"Text2", "150"}, {"Text5", "6"}},
         {"11", "close"}, true, {}},
        {"temperature bars too close", 2,
         {{"Text9", "100"}, {"Text1", "0.8"}, {"Text2", "800"}, {"Text7", "30"}, {"Text5", "6"}},
         {"12", "close"}, false, {}},
        {"temperature bars too far apart", 2, {{"Text6", "16"}}, {"13", "close"}, false, {}},
        {"shear", 2,
         {{"Text9", "100"}, {"Text1", "1.5"}, {"Text2", "500"}, {"Text7", "15"}, {"Text5", "12"}, {"Text6", "12"},
          {"Text18", "5"}, {"Text19", "6"}},
         {"14", "close"}, false, {}},
        {"bond", 2, {{"Text9", "100"}, {"Text1", "0.5"}, {"Text2", "500"}, {"Text5", "6"}}, {"15", "close"}, false, {}},
        {"fc' too low is reset and the design goes on", 2, {{"Text9", "99"}}, {"3"}, true, {{"Text9", "150"}}},
        {"fc' too high ends the design", 2, {{"Text9", "1001"}}, {"?", "close"}, false, {{"Text9", "150"}}},
        {"fc' of 1000 is accepted", 2, {{"Text9", "1000"}, {"Text7", "14"}}, {}, true, {}},
        {"fc too low is reset and used", 2, {{"Text10", "20"}}, {"7"}, true, {{"Text10", "65"}}},
        {"fc of 30 is accepted", 2, {{"Text10", "30"}, {"Text7", "14"}}, {}, true, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FieldSet f = stairDefaultFields();
        for (const auto& [k, v] : row.fields) f.set(k, v);
        const StairOutcome o = calculateStair(readStairInput(f, row.type));
        EXPECT_EQ(numbers(o), row.messages);
        EXPECT_EQ(o.panelWritten, row.panel);
        EXPECT_FALSE(o.arithmeticFailure);
        EXPECT_EQ(o.diagnostics.corrections(), row.corrections);
        const bool closes = !row.messages.empty() && row.messages.back() == "close";
        EXPECT_EQ(o.status, closes ? DesignStatus::NotUsable : DesignStatus::Usable);
        EXPECT_EQ(o.verdict, closes ? kVerdictNotUsable : kVerdictUsable);
    }
}

TEST(StairDesign, MessagesCarryTheirTitlesAndIcons) {
    FieldSet f = stairDefaultFields();
    f.set("Text1", "");
    f.set("Text10", "20");
    const StairOutcome o = calculateStair(readStairInput(f, 0));
    const auto m = o.diagnostics.messages();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0], (Message{"1.คุณยังไม่ได้กำหนดความกว้างหรือช่วงคานของบันได?", "MX7100", Icon::Critical}));
    EXPECT_EQ(m[1], (Message{"7.คุณกำหนดค่าหน่วยแรงอัดของคอนกรีตน้อยเกินไป?แก้ไขอัตโนมัติ", "ค่า fc น้อยเกินไป", Icon::Critical}));
    EXPECT_EQ(m[2], (Message{"8.คุณยังไม่ได้เลือกลักษณะของบันได!?!", "ยังไม่ได้เลือกลักษณะของบันได", Icon::Critical}));
    EXPECT_EQ(m[3], (Message{kClosingText, kClosingTitle, Icon::Critical}));
    // Each correction follows the message that raised it.
    const auto& ev = o.diagnostics.events();
    ASSERT_EQ(ev.size(), 6u);
    EXPECT_EQ(std::get<Correction>(ev[1]), (Correction{"Text1", "0"}));
    EXPECT_EQ(std::get<Correction>(ev[3]), (Correction{"Text10", "65"}));
}

TEST(StairDesign, MarkedInputsStillDesignOnTheValuesRead) {
    // No type: the flat-soffit formulas run and the closing message ends it.
    const StairOutcome none = calculateStair(defaults(0));
    EXPECT_EQ(txt(none.result.Wslab), "236.5889");
    EXPECT_EQ(txt(none.result.Wstep), "216");
    // A low fc is replaced by 65 everywhere the design uses it.
    FieldSet f = stairDefaultFields();
    f.set("Text10", "20");
    const StairOutcome lowFc = calculateStair(readStairInput(f, 2));
    EXPECT_EQ(lowFc.result.fc, 65);
    EXPECT_EQ(txt(lowFc.result.k), "0.3568");
    // A low fc' is replaced by 150; a too-high one also stops before the design.
    f = stairDefaultFields();
    f.set("Text9", "0");
    EXPECT_EQ(txt(calculateStair(readStairInput(f, 2)).result.vc), "3.5518");
    f.set("Text9", "5000");
    const StairOutcome high = calculateStair(readStairInput(f, 2));
    EXPECT_EQ(high.result.fcPrime, 150);
    EXPECT_EQ(high.result.n, Fixed());
    EXPECT_EQ(high.result.M, Fixed());
}

// Impossible operations end the design with the closing message only, keeping what
// was computed before them.
TEST(StairDesign, ArithmeticFailureEndsWithClosingMessageOnly) {
    struct Row {
        const char* name;
        std::int16_t type;
        std::vector<std::pair<std::string, std::string>> fields;
        std::vector<std::string> messages;
        std::vector<Correction> corrections;
        bool designStarted;
    };
    const std::vector<Row> rows = {
        {"empty length", 2, {{"Text1", ""}}, {"1", "close"}, {{"Text1", "0"}}, true},
        {"negative length is corrected to 0", 1, {{"Text1", "-2"}}, {"1", "close"}, {{"Text1", "0"}}, true},
        {"no tread", 2, {{"Text3", "?"}}, {"3", "close"}, {{"Text3", "0"}}, true},
        // Zero thickness: the depth goes negative (9), so does the bar count (10), and
        // the temperature steel then divides by a zero bar count.
        {"no thickness", 2, {{"Text7", "0"}}, {"5", "9", "10", "close"}, {{"Text7", "0"}}, true},
        {"no temperature bar", 1, {{"Text6", ""}}, {"close"}, {}, true},
        {"no main bar and no type", 0, {{"Text5", "0"}}, {"8", "close"}, {}, true},
        {"live load beyond 16 bits", 2, {{"Text2", "40000"}}, {"close"}, {}, false},
        {"steel stress beyond 16 bits", 2, {{"Text11", "33000"}}, {"close"}, {}, false},
        {"thickness times 24 beyond 16 bits", 2, {{"Text7", "1366"}}, {"close"}, {}, true},
        {"length too large to hold", 2, {{"Text1", "1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"}}, {"close"}, {}, false},
        {"huge load factor", 2, {{"Text18", "100000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"}}, {"close"}, {}, true},
        // A bar of no positive size cannot be placed, whatever its square gives.
        {"negative main bar", 2, {{"Text5", "-9"}}, {"close"}, {}, true},
        {"negative temperature bar", 1, {{"Text6", "-6"}}, {"close"}, {}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FieldSet f = stairDefaultFields();
        for (const auto& [k, v] : row.fields) f.set(k, v);
        const StairOutcome o = calculateStair(readStairInput(f, row.type));
        EXPECT_TRUE(o.arithmeticFailure);
        EXPECT_FALSE(o.panelWritten);
        EXPECT_EQ(o.status, DesignStatus::NotUsable);
        EXPECT_EQ(o.result.status, DesignStatus::NotUsable);
        EXPECT_EQ(o.verdict, kVerdictNotUsable);
        EXPECT_EQ(numbers(o), row.messages);
        EXPECT_EQ(o.diagnostics.corrections(), row.corrections);
        EXPECT_EQ(o.result.n != Fixed(), row.designStarted);
    }
    // An empty length: everything up to the main-bar spacing was worked out.
    FieldSet f = stairDefaultFields();
    f.set("Text1", "");
    const StairOutcome o = calculateStair(readStairInput(f, 2));
    EXPECT_EQ(txt(o.result.Wslab), "236.5889");
    EXPECT_EQ(txt(o.result.w), "1369.4011");
    EXPECT_EQ(o.result.M, Fixed());
    EXPECT_EQ(o.result.countMain, 0);
    EXPECT_EQ(o.result.sMain, Fixed());
}

TEST(StairDesign, FoldedPlateIgnoresItsHiddenTemperatureBar) {
    // The folded plate's temperature-bar field is hidden; a size left there that no
    // bar can have does not fail the design, whose temperature steel is fixed.
    FieldSet f = stairDefaultFields();
    f.set("Text6", "");
    const StairOutcome o = calculateStair(readStairInput(f, 3));
    EXPECT_EQ(o.status, DesignStatus::Usable);
    EXPECT_TRUE(o.panelWritten);
    EXPECT_EQ(o.result.AsT, Fixed());
    EXPECT_EQ(txt(o.result.sTemp), "0.15");
    // Any temperature bar gives the same folded-plate design.
    for (const char* size : {"6", "16", "2", "-6"}) {
        f.set("Text6", size);
        const StairOutcome same = calculateStair(readStairInput(f, 3));
        EXPECT_EQ(same.status, DesignStatus::Usable) << size;
        EXPECT_EQ(same.result.u, o.result.u) << size;
    }
}

// The bond stress divides by sum of perimeters x j x d, each product of two held
// values held in turn, as the hand calculation on the sheet does.
TEST(StairDesign, BondStressOnHeldProducts) {
    const struct {
        std::int16_t type;
        const char *LL, *mainBar, *t;
        const char *sumPerimeter, *V, *u;
    } rows[] = {
        // 11.3142 x 0.8811 = 9.9689; x 7.4 = 73.7699; 701.9708 / 73.7699 = 9.5157
        {1, "150", "12", "10", "11.3142", "701.9708", "9.5157"},
        // 15.7145 x 0.8811 = 13.8460; x 9.5 = 131.537; 1062.301 / 131.537 = 8.0761
        {1, "400", "10", "12", "15.7145", "1062.301", "8.0761"},
        {2, "300", "9", "8", "19.8002", "821.6407", "8.4858"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.LL) + " " + row.mainBar + " " + row.t);
        FieldSet f = stairDefaultFields();
        f.set("Text2", row.LL);
        f.set("Text5", row.mainBar);
        f.set("Text7", row.t);
        const StairOutcome o = calculateStair(readStairInput(f, row.type));
        ASSERT_TRUE(o.panelWritten);
        EXPECT_EQ(txt(o.result.sumPerimeter), row.sumPerimeter);
        EXPECT_EQ(txt(o.result.V), row.V);
        EXPECT_EQ(txt(o.result.u), row.u);
    }
}
