// Hand takeoffs of one member of every kind, measured by the rules the program states:
// hooks 12 D, stirrup and tie hooks 10 D each, stirrups 2.5 cm inside the faces, laps
// 40 D (deformed) past a 10 m stock bar, bars at a pitch ⌈width / pitch⌉ + 1, footing
// bars 7.5 cm short of each edge; kg/m = 0.00617 D² (DB12 0.88848, DB16 1.57952,
// DB20 2.468, RB6 0.22212, RB9 0.49977).
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "beam/beam_quantities.h"
#include "column/column_quantities.h"
#include "common/cli.h"
#include "modules/catalogue.h"
#include "pilecap/pilecap_quantities.h"
#include "slab/slab_quantities.h"
#include "spreadfooting/spreadfooting_quantities.h"
#include "stair/stair_quantities.h"

namespace {

using namespace mx;

// A simple beam 4 m, 20 x 40 cm, 3-DB12 bottom, 2-DB12 top, RB6 stirrups @ 15 cm.
beam::BeamDesignResult simpleBeam() {
    beam::BeamDesignResult r;
    r.beamType = beam::kSimple;
    r.spanLength = 4;
    r.width = 20;
    r.depth = 40;
    r.bottomBarDia = r.topBarDia = 12;
    r.bottomBarCount = 3;
    r.topBarCount = 2;
    r.stirrupDia = 6;
    r.stirrupSets = 1;
    r.stirrupSpacing = Fixed::fromInt(15);
    r.fs = 1500;
    return r;
}

struct Case {
    const char* name;
    Quantities q;
    int count;
    double concrete, formwork;                 // m³, m²
    std::map<std::string, double> steel;       // kg by "bar grade"
};

std::map<std::string, double> steelOf(const ShownQuantities& s) {
    std::map<std::string, double> out;
    for (const auto& w : s.steel) out[w.bar + " " + w.grade] = w.kg / 100.0;
    return out;
}

TEST(Quantities, HandTakeoffsOfEveryKind) {
    beam::BeamDesignResult longBeam = simpleBeam();
    longBeam.spanLength = 12;
    longBeam.width = 30;
    longBeam.depth = 60;
    longBeam.bottomBarDia = 20;
    longBeam.bottomBarCount = 4;
    longBeam.topBarDia = 16;
    longBeam.stirrupDia = 9;
    longBeam.stirrupSpacing = Fixed::fromInt(20);

    slab::SlabDesignResult slab;  // two-way 4 x 5 m, 12 cm, RB9 throughout
    slab.slabKind = slab::kTwoWay;
    slab.A = 4;
    slab.B = 5;
    slab.t = 12;
    slab.barSize = {9, 9, 9, 9};
    slab.s1 = 15;
    slab.s2 = slab.s3 = slab.s4 = 20;

    column::ColumnDesignResult col;  // 30 x 30 cm, 3 m, 8-DB16, RB6 ties @ 15 cm
    col.shape = column::kShapeSquare;
    col.t1 = col.t2 = 30;
    col.H = 3;
    col.db = 16;
    col.dt = 6;
    col.nb = Fixed::fromInt(8);
    col.s = 15;

    stair::StairDesignResult stair;  // flight 3 m between beams, tread 25, riser 18, waist 15 cm
    stair.stairType = stair::kFlatAlong;
    stair.L = Fixed::fromInt(3);
    stair.T = Fixed::fromInt(25);
    stair.Rs = Fixed::fromInt(18);
    stair.t = 15;
    stair.mainBar = 12;
    stair.tempBar = 9;
    stair.countMain = 7;
    stair.sTemp = Fixed::fromDouble(0.2);

    spreadfooting::SpreadFootingResult pad;  // 1.5 x 1.5 x 0.4 m, 10 + 10 DB16, straight
    pad.L = pad.B = 150;
    pad.t = 40;
    pad.db = 16;
    pad.N = pad.Ns = 10;

    pilecap::PileCapResult cap;  // four piles: 1.5 x 1.5 x 0.6 m, 8 + 8 DB20 hooked
    cap.np = 4;
    cap.Bw = cap.Lc = 150;
    cap.t = 60;
    cap.db = 20;
    cap.N = cap.Ns = 8;
    cap.anchorage.hooks = true;

    const Case cases[] = {
        // 0.2 x 0.4 x 4; soffit and sides (0.2 + 0.8) x 4. DB12: 5 x (4 + 2 x 0.144) =
        // 21.44 m = 19.05 kg. RB6: ⌈400/15⌉ + 1 = 28 stirrups of 2 x 15 + 2 x 35 cm +
        // 2 x 6 cm = 1.12 m: 31.36 m = 6.97 kg.
        {"simple beam", beam::beamQuantities(simpleBeam(), "SD30"), 1, 0.32, 4.00,
         {{"DB12 SD30", 19.0}, {"RB6 SR24", 7.0}}},
        // 12.48 m of DB20 run needs one lap of 0.8 m: 4 x 13.28 m = 131.10 kg; DB16
        // 12.384 + 0.64 = 13.024 m, twice: 41.14 kg; RB9 61 stirrups of 1.60 + 0.18 m:
        // 54.27 kg.
        {"beam past a stock bar", beam::beamQuantities(longBeam, "SD30"), 1, 2.16, 18.00,
         {{"DB16 SD30", 41.1}, {"DB20 SD30", 131.1}, {"RB9 SR24", 54.3}}},
        // RB9 hooked both ends (0.216 m): short bottom ⌈500/15⌉ + 1 = 35 of 4.216 m, long
        // bottom 21 of 5.216 m, top 2 x 26 + 2 x 21 of 1 + 0.216 m: 371.40 m = 185.61 kg.
        {"two-way slab", slab::slabQuantities(slab, "SD30"), 1, 2.40, 20.00, {{"RB9 SR24", 185.6}}},
        // 8 x (3 + 0.64 lap) = 29.12 m DB16 = 46.00 kg; 21 ties of 1.00 + 0.12 m RB6 = 5.22 kg.
        {"square column", column::columnQuantities(col, "SD30"), 1, 0.27, 3.60, {{"DB16 SD30", 46.0}, {"RB6 SR24", 5.2}}},
        // slope √(25² + 18²)/25 = 1.23223: waist 3.6967 x 0.15 + steps 3 x 0.09 = 0.8245;
        // forms 3.6967 soffit + 2.16 risers + 2 x 0.8245 sides = 7.51. DB12 7 x 3.6967 m =
        // 22.99 kg; RB9 ⌈369.67/20⌉ + 1 = 20 of 1.216 m = 12.15 kg.
        {"stair flight", stair::stairQuantities(stair, "SD30"), 1, 0.82, 7.51, {{"DB12 SD30", 23.0}, {"RB9 SR24", 12.2}}},
        // sides 4 x 1.5 x 0.4; mesh 20 x 1.35 m, ring 6 - 0.2 + 0.64 lap: 33.44 m = 52.82 kg.
        {"spread footing", spreadfooting::spreadFootingQuantities(pad, "SD30"), 1, 0.90, 2.40, {{"DB16 SD30", 52.8}}},
        // 16 bars of 1.35 + 2 x 0.24 m hooks = 29.28 m = 72.26 kg.
        {"four-pile cap", pilecap::pileCapQuantities(cap, "SD30"), 1, 1.35, 3.60, {{"DB20 SD30", 72.3}}},
        // Six beams B1 built alike: each figure six times, rounded once.
        {"beam counted six times", beam::beamQuantities(simpleBeam(), "SD30"), 6, 1.92, 24.00,
         {{"DB12 SD30", 114.3}, {"RB6 SR24", 41.8}}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.q.available()) << c.name;
        const ShownQuantities s = shown(c.q, c.count);
        EXPECT_EQ(s.concrete, std::llround(c.concrete * 100)) << c.name;
        EXPECT_EQ(s.formwork, std::llround(c.formwork * 100)) << c.name;
        EXPECT_EQ(steelOf(s), c.steel) << c.name;
    }
}

TEST(Quantities, LapsAndPitchesAtTheirEdges) {
    struct Lap {
        double length;
        int dia;
        bool round;
        int laps;
    } laps[] = {{10, 20, false, 0}, {10.01, 20, false, 1}, {19.2, 20, false, 1}, {19.21, 20, false, 2}, {22, 12, true, 2}};
    for (const Lap& l : laps) EXPECT_EQ(lapsFor(l.length, l.dia, l.round), l.laps) << l.length;
    EXPECT_EQ(barsAtPitch(300, 15), 21);
    EXPECT_EQ(barsAtPitch(301, 15), 22);
    EXPECT_EQ(barsAtPitch(300, 0), 0);
    EXPECT_EQ(hundredthsText(12345, 1), "123.4");
    EXPECT_EQ(hundredthsText(5), "0.05");
}

TEST(Quantities, EveryModuleSaysWhyItHasNone) {
    // A beam too narrow to design, and the pile, each give a reason instead of figures.
    const struct {
        const char* module;
        std::vector<std::string> args;
    } runs[] = {{"beam", {"type=1", "Text1=4", "Text3=10", "Text4=20"}}, {"pile", {"type=2"}}, {"blow", {}}};
    for (const auto& r : runs) {
        const ModuleDescription* m = findModule(r.module);
        ASSERT_TRUE(m && m->quantities) << r.module;
        cli::Invocation inv;
        ASSERT_FALSE(cli::parseSettings(*m, r.args, inv)) << r.module;
        const cli::Report rep = cli::runInvocation(*m, inv, false);
        ASSERT_TRUE(rep.quantities) << r.module;
        EXPECT_FALSE(rep.quantities->available()) << r.module;
        EXPECT_NE(cli::toJson(*m, inv.state, rep).find("\"available\": false, \"reason\": \""), std::string::npos);
    }
}

}  // namespace
