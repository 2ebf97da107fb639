#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>

#include "beam/beam_design.h"
#include "beam/beam_drawing.h"
#include "beam/beam_form.h"
#include "beam/beam_sheet.h"

using namespace mx;
using namespace mx::beam;

namespace {

BeamDesignResult defaultsExample(int type = kSimple, const char* span = "4") {
    FieldSet f = beamDefaultFields();
    f.set("Text1", span);
    return calculateBeam(readBeamInput(f, type)).result;
}

std::vector<PageCircle> circles(const PageModel& p) {
    std::vector<PageCircle> out;
    for (const auto& i : p.items())
        if (const auto* c = std::get_if<PageCircle>(&i)) out.push_back(*c);
    return out;
}

std::vector<int> lineWidths(const PageModel& p) {
    std::vector<int> out;
    for (const auto& i : p.items())
        if (const auto* w = std::get_if<PageLineWidth>(&i)) out.push_back(w->width);
    return out;
}

bool hasText(const PageModel& p, const std::string& s) {
    const auto l = p.lines();
    return std::find(l.begin(), l.end(), s) != l.end();
}

const PageText* textAt(const std::vector<PageText>& t, double x, double y) {
    for (const auto& i : t)
        if (i.x == x && i.y == y) return &i;
    return nullptr;
}

}  // namespace

TEST(BeamScales, LengthAndSectionBands) {
    struct L {
        double span;
        int scale;
    };
    for (const L c : {L{4, 7}, L{6.5, 7}, L{6.6, 5}, L{10, 5}, L{10.5, 4}, L{13, 4}, L{15, 3}})
        EXPECT_EQ(beamLengthScale(c.span), c.scale) << c.span;
    struct S {
        int depth, screen, printer;
    };
    for (const S c : {S{0, 50, 50}, S{60, 50, 50}, S{61, 40, 40}, S{80, 40, 40}, S{81, 35, 35}, S{105, 35, 35},
                      S{106, 30, 30}, S{115, 30, 30}, S{116, 30, 25}, S{118, 30, 25}, S{120, 30, 25}, S{121, 25, 25},
                      S{140, 25, 25}, S{141, 20, 20}, S{170, 20, 20}, S{171, 15, 15}}) {
        EXPECT_EQ(beamSectionScale(c.depth, false), c.screen) << c.depth;
        EXPECT_EQ(beamSectionScale(c.depth, true), c.printer) << c.depth;
    }
}

TEST(BeamBarRows, SplitIntoUpToThreeRows) {
    struct C {
        int perLayer, count, r1, r2, r3;
    };
    const C cases[] = {
        {6, 4, 4, 0, 0},   // all in one row
        {4, 5, 3, 2, 0},   // a lone bar in row 2 becomes a pair
        {4, 8, 4, 4, 0},   // two full rows
        {3, 8, 3, 3, 2},   // spill into a third row
        {3, 7, 3, 3, 2},   // a lone bar in row 3 becomes a pair
        {1, 2, 0, 0, 2},   // one per layer: the pair made of the lone bar outgrows row 1
        {5, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const BarRows r = splitBarRows(c.perLayer, c.count);
        EXPECT_EQ(r.row1, c.r1) << c.perLayer << "/" << c.count;
        EXPECT_EQ(r.row2, c.r2) << c.perLayer << "/" << c.count;
        EXPECT_EQ(r.row3, c.r3) << c.perLayer << "/" << c.count;
    }
}

TEST(BeamDrawing, ElevationFollowsTheSpanScale) {
    const BeamDesignResult r = defaultsExample(kSimple, "4");
    const PageModel p = beamDrawing(r);
    // The first four lines are the beam outline: 4 m at 7 twips per cm = 2800 twips.
    const auto& first = std::get<PageLine>(p.items()[0]);
    EXPECT_EQ(first.x1, 1000);
    EXPECT_EQ(first.x2, 3800);
    BeamDesignResult longBeam = r;
    longBeam.spanLength = 15;
    EXPECT_EQ(std::get<PageLine>(beamDrawing(longBeam).items()[0]).x2, 1000 + 4500);
}

TEST(BeamDrawing, SameAfterDrawingTwiceAndForACantilever) {
    for (int type : {kSimple, kCantilever}) {
        const BeamDesignResult r = defaultsExample(type);
        const PageModel a = beamDrawing(r), b = beamDrawing(r);
        EXPECT_EQ(a.lines(), b.lines());
        EXPECT_EQ(circles(a).size(), circles(b).size());
    }
}

TEST(BeamDrawing, CantileverShowsTheTensionBarsOnTop) {
    BeamDesignResult r = defaultsExample(kSimple);
    r.beamType = kCantilever;
    r.bottomBarDia = 16;
    r.bottomBarCount = 5;
    r.topBarDia = 12;
    r.topBarCount = 2;
    const PageModel p = beamDrawing(r);
    const auto t = p.texts();
    const bool topNamesTension = std::any_of(t.begin(), t.end(), [](const PageText& x) {
        return x.text == "  เหล็กเสริมบนขนาด=  16  มม.จำนวน  5  เส้น";
    });
    EXPECT_TRUE(topNamesTension);
    // The record itself is untouched.
    EXPECT_EQ(r.bottomBarDia, 16);
}

TEST(BeamDrawing, SideBarNoteFromDepth61) {
    BeamDesignResult r = defaultsExample();
    auto note = [](const PageModel& p) {
        const auto l = p.lines();
        return std::any_of(l.begin(), l.end(), [](const std::string& s) { return s.find("เสริมเหล็กนอน 2-") != std::string::npos; });
    };
    r.depth = 60;
    EXPECT_FALSE(note(beamDrawing(r)));
    r.depth = 61;
    EXPECT_TRUE(note(beamDrawing(r)));
}

TEST(BeamDrawing, BarsAreCirclesOnTheStirrupLine) {
    BeamDesignResult r{};
    r.width = 30;
    r.depth = 60;
    r.bottomBarCount = 3;
    r.bottomBarsPerLayer = 4;
    r.topBarCount = 2;
    r.topBarsPerLayer = 4;
    const PageModel p = beamDrawing(r);
    const auto c = circles(p);
    ASSERT_EQ(c.size(), 5u);
    // s = 50: first bar at X0 + 2.5 s, last at X1 - 2.5 s.
    EXPECT_EQ(c[0].x, 500 + 125);
    EXPECT_EQ(c[2].x, 500 + 1500 - 125);
    EXPECT_EQ(c[0].y, 2500 + 3000 - 125);
    EXPECT_EQ(c[0].radius, 10);
    EXPECT_EQ(lineWidths(p), (std::vector<int>{3, 1}));
    EXPECT_EQ(lineWidths(beamPrintedSection(r)), (std::vector<int>{10, 1}));
}

TEST(BeamDrawing, BeforeAnyCalculateShowsNothing) {
    // Zero sizes draw nothing visible: no labels stacked at the origin.
    const BeamDesignResult empty{};
    EXPECT_TRUE(beamDrawing(empty).empty());
    EXPECT_TRUE(beamPrintedSection(empty).empty());
    const PageModel sheet = beamSheet(empty, {}, false);
    for (const std::string& l : sheet.lines()) EXPECT_EQ(l.find("O.K."), std::string::npos) << l;
}

TEST(BeamDrawing, NotesBesideTheSectionNeverShareALine) {
    // Deep beams are drawn small: their third bar row lies 150 to 250 twips above the
    // bottom, closer than a line of text. Each case also keeps the section clear of
    // the elevation above it, however deep the beam.
    struct Case {
        const char* span;
        const char* width;
        const char* depth;
    };
    for (const Case& c : {Case{"4", "20", "40"}, Case{"6", "40", "150"}, Case{"3", "60", "280"}, Case{"8", "30", "125"}}) {
        FieldSet f = beamDefaultFields();
        f.set("Text1", c.span);
        f.set("Text3", c.width);
        f.set("Text4", c.depth);
        const BeamDesignResult r = calculateBeam(readBeamInput(f, kSimple)).result;
        ASSERT_GT(r.depth, 0) << c.depth;
        const PageModel p = beamDrawing(r);
        std::vector<double> noteRows;
        double lowestElevationText = 0;
        for (const PageText& t : p.texts()) {
            if (t.text.rfind("  ", 0) == 0 && t.text.find("เหล็ก") != std::string::npos) noteRows.push_back(t.y);
            if (t.text.rfind("R1=", 0) == 0) lowestElevationText = t.y;
        }
        ASSERT_EQ(noteRows.size(), 3u) << c.depth;
        std::sort(noteRows.begin(), noteRows.end());
        for (std::size_t i = 1; i < noteRows.size(); ++i) EXPECT_GE(noteRows[i] - noteRows[i - 1], 300) << c.depth;
        ASSERT_EQ(p.clearBoxes().size(), 1u);
        EXPECT_GE(p.clearBoxes()[0].y1, lowestElevationText + 300) << c.depth;
    }
}

TEST(BeamSheet, DefaultExampleLinesInOrder) {
    const BeamDesignResult r = defaultsExample();
    const ProjectTitleBlock tb{"อาคารพักอาศัย", "B1", "นายวิศวกร", "สย.123", "1/1"};
    const PageModel p = beamSheet(r, tb, true);
    const auto t = p.texts();
    ASSERT_NE(textAt(t, 1200, 400), nullptr);
    EXPECT_EQ(textAt(t, 1200, 400)->text, "โครงการ อาคารพักอาศัย");
    EXPECT_EQ(textAt(t, 1200, 700)->text, "แสดงรายการคำนวณคาน B1");
    EXPECT_EQ(textAt(t, 1200, 700)->sizePt, 20);
    const PageText* tension = textAt(t, 1200, 7800);
    ASSERT_NE(tension, nullptr);
    EXPECT_EQ(tension->sizePt, 18);
    EXPECT_EQ(tension->text, "*** ใช้เหล็กเสริมรับแรงดึงขนาด  12  มม. จำนวน  6  เส้น O.K.");
    EXPECT_EQ(textAt(t, 1200, 9500)->text, "(คานตัวนี้ เป็นคานเดี่ยว เหล็กล่างรับแรงดึง-เหล็กบนรับแรงอัด)");
    EXPECT_EQ(textAt(t, 6000, 14300)->text, "นายวิศวกร สย.123");
    EXPECT_EQ(textAt(t, 10000, 15000)->text, "1/1");
    // Lines run down the page in order, up to the footer; the printed section follows.
    std::size_t footer = 0;
    while (footer < t.size() && t[footer].y != 14300) ++footer;
    ASSERT_LT(footer, t.size());
    for (std::size_t i = 1; i < footer; ++i) EXPECT_LE(t[i].y, t[i + 1].y) << t[i + 1].text;
    EXPECT_TRUE(hasText(p, " " + std::to_string(r.width) + "  ซม."));
}

TEST(BeamSheet, NegativeMsAndTheCantileverLine) {
    BeamDesignResult r = defaultsExample();
    r.momentSteel = Fixed::fromDouble(-512.5);
    r.steelAreaSteel = Fixed();
    r.beamType = kCantilever;
    const auto t = beamSheet(r, {}, true).texts();
    EXPECT_EQ(textAt(t, 2000, 6000)->text.find("Ms = "), 0u);
    EXPECT_NE(textAt(t, 2000, 6000)->text.find(" = -512.5  กก.- เมตร"), std::string::npos);
    EXPECT_NE(textAt(t, 2000, 7200)->text.find(") =  0  ตร.ซม."), std::string::npos);
    EXPECT_EQ(textAt(t, 1200, 9500)->text, "(คานตัวนี้เป็นคานยื่น เหล็กบนรับแรงดึง-เหล็กล่างรับแรงอัด)");
}

TEST(BeamDrawing, OneBarRowsDrawAtTheRowStart) {
    // A narrow beam whose bars split into rows of 1, 1 and 2: each single bar sits at
    // the row start, on the stirrup line, and nothing divides by the empty step.
    FieldSet f = beamDefaultFields();
    f.set("Text1", "3");
    f.set("Text3", "12");
    f.set("Text4", "30");
    const BeamDesignResult r = calculateBeam(readBeamInput(f, kSimple)).result;
    for (const PageModel& p : {beamDrawing(r), beamPrintedSection(r)}) {
        for (const auto& c : circles(p)) {
            EXPECT_TRUE(std::isfinite(c.x));
            EXPECT_TRUE(std::isfinite(c.y));
        }
    }
    BeamDesignResult one{};
    one.width = 20;
    one.depth = 40;
    one.bottomBarCount = 1;
    one.bottomBarsPerLayer = 3;
    const auto c = circles(beamDrawing(one));
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].x, 500 + 2.5 * 50);
}

TEST(BeamSheet, CertifiesOnlyAUsableDesign) {
    // The three result lines end in "O.K." for a usable design only; otherwise each
    // says the design is not usable yet, and nothing else on the sheet changes.
    const BeamDesignResult r = defaultsExample();
    const auto usable = beamSheet(r, {}, true).lines();
    const auto failed = beamSheet(r, {}, false).lines();
    ASSERT_EQ(usable.size(), failed.size());
    int certified = 0;
    for (std::size_t i = 0; i < usable.size(); ++i) {
        const std::string& u = usable[i];
        const std::string& f = failed[i];
        EXPECT_EQ(f.find("O.K."), std::string::npos) << f;
        if (u.size() > 5 && u.compare(u.size() - 5, 5, " O.K.") == 0) {
            ++certified;
            EXPECT_EQ(f, u.substr(0, u.size() - 4) + "ยังใช้ไม่ได้");
        } else {
            EXPECT_EQ(f, u);
        }
    }
    EXPECT_EQ(certified, 3);
}

TEST(BeamSheet, PrintedSectionKeepsTheTextColumnClear) {
    // The lines that run towards the section stop before its depth dimension.
    const PageModel p = beamSheet(defaultsExample(), {}, true);
    ASSERT_EQ(p.clearBoxes().size(), 2u);  // the section, and its depth figure's place
    const PageBox b = p.clearBoxes()[0];
    EXPECT_EQ(b.x1, 9000 - 300);
    EXPECT_LE(b.y1, 8500 - 300);
    EXPECT_GT(b.y2, 8800);
}

// Whatever the design holds, the window drawing stays on the beam window's surface
// (1040 x 636 pixels at 15 twips), the printed section on the A4 page, and neither
// draws more bars than fit side by side.
TEST(BeamDrawing, AnyBeamStaysOnItsSurfaceWithBoundedWork) {
    struct Case {
        double span, overhang;
        int type, width, depth, bars, perLayer;
    };
    const Case cases[] = {
        {50000, 0, kSimple, 20, 40, 4, 2},         // a span typed as 50 km
        {66049, 0, kSimple, 30, 1530, 4, 2},       // long and deep
        {800000, 5, kOverhang, 30, 60, 4, 2},      // overhang beyond a long span
        {4, 0, kSimple, 32767, 32767, 4, 2},       // a section of 16-bit sizes
        {4, 0, kContinuous, 20, 40, 30000, 30000}, // more bars than the row holds
        {0.5, 3000, kOverhang, 80, 100, 6, 3},     // an overhang far past its span
        {4, 0, kCantilever, 80, 100, 6, 3},        // a wide section on the sheet
    };
    auto outside = [](const PageModel& p, double w, double h) {
        int n = 0;
        for (const auto& i : p.items()) {
            auto off = [&](double x, double y) { return x < 0 || y < 0 || x > w || y > h; };
            if (const auto* t = std::get_if<PageText>(&i)) n += off(t->x, t->y);
            if (const auto* l = std::get_if<PageLine>(&i)) n += off(l->x1, l->y1) || off(l->x2, l->y2);
            if (const auto* c = std::get_if<PageCircle>(&i))
                n += off(c->x - c->radius, c->y - c->radius) || off(c->x + c->radius, c->y + c->radius);
        }
        return n;
    };
    for (const Case& c : cases) {
        BeamDesignResult r = defaultsExample();
        r.spanLength = c.span;
        r.overhangLength = c.overhang;
        r.beamType = c.type;
        r.width = c.width;
        r.depth = c.depth;
        r.bottomBarCount = r.topBarCount = c.bars;
        r.bottomBarsPerLayer = r.topBarsPerLayer = c.perLayer;
        const PageModel screen = beamDrawing(r), paper = beamPrintedSection(r);
        EXPECT_EQ(outside(screen, 1040 * 15, 636 * 15), 0) << c.span << " m x " << c.depth << " cm";
        EXPECT_EQ(outside(paper, 11340, 16000), 0) << c.width << " x " << c.depth << " cm";
        EXPECT_LT(screen.items().size(), 500u);
        EXPECT_LT(paper.items().size(), 500u);
    }
}
