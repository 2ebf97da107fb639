#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "slab/slab_design.h"

using namespace mx;
using namespace mx::slab;

namespace {

// The window's defaults with the two-way kind chosen.
SlabDesignInput twoWay() {
    SlabDesignInput in;
    in.slabKind = kTwoWay;
    return in;
}

using Edit = std::function<void(SlabDesignInput&)>;

SlabDesignOutcome design(const Edit& edit) {
    SlabDesignInput in = twoWay();
    edit(in);
    return calculateSlab(in);
}

// The number before the full stop of each message ("14", "3"), or its title when it
// has no number.
std::vector<std::string> numbers(const SlabDesignOutcome& o) {
    std::vector<std::string> out;
    for (const auto& m : o.diagnostics.messages()) {
        const auto dot = m.text.find('.');
        const std::string head = m.text.substr(0, dot);
        out.push_back(dot != std::string::npos && !head.empty() && head.find_first_not_of("0123456789") == std::string::npos
                          ? head
                          : m.title);
    }
    return out;
}

const std::string kClosing = "ต้องแก้ไขข้อมูลใหม่";

}  // namespace

TEST(SlabDesign, DefaultInteriorPanelIsDesignedAsOneWay) {
    const SlabDesignOutcome o = calculateSlab(twoWay());
    const SlabDesignResult& r = o.result;
    EXPECT_EQ(o.status, DesignStatus::Usable);
    EXPECT_EQ(o.verdict, "พื้นที่คุณออกแบบใช้ได้ OK.");
    EXPECT_TRUE(o.diagnostics.empty());
    EXPECT_TRUE(o.resultsShown);
    EXPECT_EQ(r.S, 2);
    EXPECT_EQ(r.ratio.text(), "2.25");
    EXPECT_EQ(r.hMin.text(), "3.6111");  // 100 x (2 + 4.5) / 180 replaces 100 x 2 / 35
    EXPECT_EQ(r.H, 1.125);
    EXPECT_EQ(r.n.text(), "10.2425");
    EXPECT_EQ(r.k.text(), "0.3568");
    EXPECT_EQ(r.j.text(), "0.8811");
    EXPECT_EQ(r.R.text(), "10.2172");
    EXPECT_EQ(r.ws, 264);
    EXPECT_DOUBLE_EQ(r.w, 1048.8);
    EXPECT_EQ(r.Mpos.text(), "337.1143");  // the +M2 of a continuous panel
    EXPECT_EQ(r.M14.text(), "337.1143");
    EXPECT_EQ(r.Mneg1.text(), "294.975");
    EXPECT_EQ(r.Mneg2.text(), "471.96");
    EXPECT_EQ(r.Mcant.text(), "2097.6");
    EXPECT_DOUBLE_EQ(r.d, 8.7);
    EXPECT_EQ(r.dReq.text(), "6.7965");  // from -M2
    EXPECT_EQ(r.tReq.text(), "9.0965");
    EXPECT_EQ(r.a0.text(), "0.2829");
    EXPECT_DOUBLE_EQ(r.a1, 22.0 / 7.0 * 0.09);
    EXPECT_EQ(r.AsPos.text(), "3.6648");
    EXPECT_EQ(r.AsNeg1.text(), "3.2067");
    EXPECT_EQ(r.AsNeg2.text(), "5.1307");
    EXPECT_EQ(r.AsMin.text(), "2.175");
    EXPECT_EQ(r.N1, 13);
    EXPECT_EQ(r.N2.text(), "7.6894");
    EXPECT_NEAR(r.N3, 11.3368, 1e-4);
    EXPECT_NEAR(r.N4, 18.1388, 1e-4);
    EXPECT_EQ(r.s1, 8);
    EXPECT_EQ(r.s2, 13);
    EXPECT_EQ(r.s3, 9);
    EXPECT_EQ(r.s4, 6);
    EXPECT_EQ(r.cutOff.text(), "0.4");
    EXPECT_EQ(r.status, 2);
}

TEST(SlabDesign, PanelShapeAndContinuityChooseShareThicknessAndGoverningMoment) {
    struct Case {
        const char* name;
        int kind;
        double A, B, continuity;
        const char* ratio;
        double H;
        const char* hMin;
        int takenCase;
        const char* governs;  // moment the required depth comes from
    };
    const Case cases[] = {
        {"square", kTwoWay, 4, 4, 3, "1", 0.5, "11.4286", 3, "Mneg2"},
        {"sides swapped", kTwoWay, 4.5, 2, 3, "2.25", 1.125, "3.6111", 3, "Mneg2"},
        {"ratio 3", kTwoWay, 2, 6, 3, "3", 1.5, "4.4444", 3, "Mneg2"},
        {"ratio 4 resets the share", kTwoWay, 1.5, 6, 3, "4", 1, "4.1667", 3, "Mneg2"},
        {"just under 4", kTwoWay, 1.5, 5.9996, 3, "3.9997", 1.99985, "4.1664", 3, "Mneg2"},
        {"single span", kTwoWay, 3, 4, 1, "1.3333", 0.66665, "12", 1, "Mpos"},
        {"end span", kTwoWay, 3, 4, 2, "1.3333", 0.66665, "10", 2, "Mneg2"},
        {"case 0 is a single span", kTwoWay, 3, 4, 0, "1.3333", 0.66665, "12", 1, "Mpos"},
        {"negative case is a single span", kTwoWay, 3, 4, -5, "1.3333", 0.66665, "12", 1, "Mpos"},
        {"case 7 is continuous", kTwoWay, 3, 4, 7, "1.3333", 0.66665, "8.5714", 7, "Mneg2"},
        {"case 2.5 rounds to 2", kTwoWay, 3, 4, 2.5, "1.3333", 0.66665, "10", 2, "Mneg2"},
        {"one-way single span", kTwoWay, 2, 4, 1, "2", 1, "3.3333", 1, "Mpos"},
        {"cantilever", kCantilever, 2, 4.5, 3, "2.25", 1.125, "16.6667", 3, "Mcant"},
        {"square cantilever", kCantilever, 1.2, 1.2, 1, "1", 0.5, "10", 1, "Mcant"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SlabDesignOutcome o = design([&](SlabDesignInput& in) {
            in.slabKind = c.kind;
            in.sideA = c.A;
            in.sideB = c.B;
            in.continuityCase = c.continuity;
        });
        const SlabDesignResult& r = o.result;
        ASSERT_TRUE(o.resultsShown);
        EXPECT_EQ(r.S, std::min(c.A, c.B));
        EXPECT_EQ(r.ratio.text(), c.ratio);
        EXPECT_DOUBLE_EQ(r.H, c.H);
        EXPECT_EQ(r.hMin.text(), c.hMin);
        EXPECT_EQ(r.continuityCase, c.takenCase);
        const double S2 = r.S * r.S;
        const double wHS2 = r.w * r.H * S2;
        EXPECT_EQ(r.Mneg2, Fixed::fromDouble(wHS2 / 10));
        EXPECT_EQ(r.M14, Fixed::fromDouble(wHS2 / 14));
        EXPECT_EQ(r.Mcant, Fixed::fromDouble(S2 * r.w / 2));
        const std::string governs = c.governs;
        const Fixed moment = governs == "Mpos" ? Fixed::fromDouble(wHS2 / 8)
                             : governs == "Mneg2" ? r.Mneg2
                                                  : r.Mcant;
        EXPECT_EQ(r.dReq, Fixed::fromDouble(std::sqrt(moment.toDouble() * 100 / (r.R.toDouble() * 100))));
        // A continuous edge makes +M2 the span moment; a single span keeps +M1.
        EXPECT_EQ(r.Mpos, r.continuityCase > 1 ? r.M14 : Fixed::fromDouble(wHS2 / 8));
        // The cantilever moment is carried by the top bars.
        EXPECT_EQ(r.Mneg1, c.kind == kCantilever ? r.Mcant : Fixed::fromDouble(wHS2 / 16));
        EXPECT_EQ(r.cutOff, Fixed::fromDouble(r.S / 5));
    }
}

// The least thickness is the required depth plus the cover plus half the mesh bar,
// added in that order: with an odd mesh size the sum can fall on a half of the last
// decimal, and the order decides which way it is held.
TEST(SlabDesign, LeastThicknessIsHeldFromTheSumInItsOrder) {
    struct Case {
        double liveLoad, mesh;
        const char* dReq;
        const char* tReq;
    };
    const Case cases[] = {{156, 6.005, "5.7886", "8.0888"}, {212, 7.001, "6.2001", "8.5501"}, {300, 6, "6.7965", "9.0965"}};
    for (const auto& c : cases) {
        const SlabDesignResult r = design([&](SlabDesignInput& in) {
                                       in.liveLoad = c.liveLoad;
                                       in.meshSize = c.mesh;
                                   }).result;
        EXPECT_EQ(r.dReq.text(), c.dReq) << c.liveLoad;
        EXPECT_EQ(r.tReq.text(), c.tReq) << c.liveLoad;
    }
}

TEST(SlabDesign, MinimumSteelFollowsTheGrade) {
    struct Case {
        double ratio;
        double used;
        const char* AsMin;
    };
    const Case cases[] = {{0, 0.0025, "2.175"}, {-1, 0.0025, "2.175"}, {0.0025, 0.0025, "2.175"}, {0.002, 0.002, "1.74"}};
    for (const auto& c : cases) {
        const SlabDesignOutcome o = design([&](SlabDesignInput& in) { in.minSteelRatio = c.ratio; });
        EXPECT_EQ(o.result.minSteelRatio, c.used) << c.ratio;
        EXPECT_EQ(o.result.AsMin.text(), c.AsMin) << c.ratio;
    }
}

TEST(SlabDesign, InputChecksShowTheirMessagesAndCorrections) {
    struct Case {
        const char* name;
        Edit edit;
        std::vector<std::string> messages;
        std::vector<Correction> corrections;
        DesignStatus status;
        bool shown;
    };
    const std::vector<Case> cases = {
        {"no kind", [](SlabDesignInput& in) { in.slabKind = 0; }, {"1", kClosing}, {}, DesignStatus::NotUsable, false},
        {"negative kind", [](SlabDesignInput& in) { in.slabKind = -1; }, {"1", kClosing}, {}, DesignStatus::NotUsable, false},
        // 15 mm bars at the default moments are too far apart.
        {"mesh too large", [](SlabDesignInput& in) { in.meshSize = 16; }, {"2", "15", kClosing},
         {{"Text5", "15"}, {"Text10", "15"}, {"Text11", "15"}, {"Text12", "15"}, {"Text13", "15"}},
         DesignStatus::NotUsable, true},
        {"mesh too small", [](SlabDesignInput& in) { in.meshSize = 0; }, {"3"},
         {{"Text5", "6"}, {"Text10", "6"}, {"Text11", "6"}, {"Text12", "6"}, {"Text13", "6"}}, DesignStatus::Usable, true},
        {"mesh at its limit", [](SlabDesignInput& in) { in.meshSize = 15; }, {}, {}, DesignStatus::Usable, true},
        {"mesh at its lower limit", [](SlabDesignInput& in) { in.meshSize = 6; }, {}, {}, DesignStatus::Usable, true},
        {"fc' low", [](SlabDesignInput& in) { in.fcPrime = 50; }, {"3"}, {{"Text7", "150"}}, DesignStatus::Usable, true},
        {"fc' empty", [](SlabDesignInput& in) { in.fcPrime = 0; }, {"3"}, {{"Text7", "150"}}, DesignStatus::Usable, true},
        {"fc' high", [](SlabDesignInput& in) { in.fcPrime = 1200; }, {"ค่าหน่วยแรงอัด fc' มากเกินไป", kClosing},
         {{"Text7", "150"}}, DesignStatus::NotUsable, false},
        {"fc' 100 passes", [](SlabDesignInput& in) { in.fcPrime = 100; }, {}, {}, DesignStatus::Usable, true},
        // Accepted, but so high a strength gives a small k and a deep section.
        {"fc' 1000 passes", [](SlabDesignInput& in) { in.fcPrime = 1000; }, {"14", kClosing}, {},
         DesignStatus::NotUsable, true},
        {"t 31", [](SlabDesignInput& in) { in.thickness = 31; }, {"4", kClosing}, {{"Text4", "30"}},
         DesignStatus::NotUsable, false},
        {"t 7", [](SlabDesignInput& in) { in.thickness = 7; }, {"5", kClosing}, {{"Text4", "8"}},
         DesignStatus::NotUsable, false},
        {"t 30 passes its limit", [](SlabDesignInput& in) { in.thickness = 30; }, {}, {}, DesignStatus::Usable, true},
        {"bar 1", [](SlabDesignInput& in) { in.barSize[0] = 16; }, {"6", "15", kClosing}, {{"Text10", "15"}},
         DesignStatus::NotUsable, true},
        {"bars too small", [](SlabDesignInput& in) { in.barSize = {5, 5.9, 0, -6}; }, {"7", "9", "11", "13"},
         {{"Text10", "6"}, {"Text11", "6"}, {"Text12", "6"}, {"Text13", "6"}}, DesignStatus::Usable, true},
        {"bars too large", [](SlabDesignInput& in) { in.barSize = {6, 20, 15.5, 16}; }, {"8", "10", "12", "16", kClosing},
         {{"Text11", "15"}, {"Text12", "15"}, {"Text13", "15"}}, DesignStatus::NotUsable, true},
        // A mesh reset copies into the bar sizes, so the bar checks find nothing more.
        {"mesh copy before bar checks", [](SlabDesignInput& in) {
             in.meshSize = 3;
             in.barSize = {20, 20, 20, 20};
         },
         {"3"}, {{"Text5", "6"}, {"Text10", "6"}, {"Text11", "6"}, {"Text12", "6"}, {"Text13", "6"}},
         DesignStatus::Usable, true},
        // The fc' message comes after the mesh message, the bar messages after both.
        {"order", [](SlabDesignInput& in) {
             in.meshSize = 5;
             in.fcPrime = 90;
             in.thickness = 12;
             in.barSize = {6, 6, 6, 7};
         },
         {"3", "3"}, {{"Text5", "6"}, {"Text10", "6"}, {"Text11", "6"}, {"Text12", "6"}, {"Text13", "6"}, {"Text7", "150"}},
         DesignStatus::Usable, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SlabDesignOutcome o = design(c.edit);
        EXPECT_EQ(numbers(o), c.messages);
        EXPECT_EQ(o.diagnostics.corrections(), c.corrections);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.result.status, static_cast<int>(c.status));
        EXPECT_EQ(o.resultsShown, c.shown);
    }
}

// A reset of the mesh size, the thickness or a bar size writes the field before its
// message (the field's own rule may speak first); the low concrete strength is
// announced before it is put right.
TEST(SlabDesign, EachResetComesOnItsSideOfItsMessage) {
    struct Case {
        const char* name;
        Edit edit;
        std::vector<std::string> events;  // "Text4=30" for a correction, the number of a message
    };
    const std::vector<Case> cases = {
        {"thickness too large", [](SlabDesignInput& in) { in.thickness = 31; }, {"Text4=30", "4", kClosing}},
        {"thickness too small", [](SlabDesignInput& in) { in.thickness = 7; }, {"Text4=8", "5", kClosing}},
        {"mesh too small", [](SlabDesignInput& in) { in.meshSize = 5; },
         {"Text5=6", "Text10=6", "Text11=6", "Text12=6", "Text13=6", "3"}},
        {"bar sizes", [](SlabDesignInput& in) { in.barSize = {5, 6, 6, 5}; }, {"Text10=6", "7", "Text13=6", "13"}},
        {"fc' low", [](SlabDesignInput& in) { in.fcPrime = 50; }, {"3", "Text7=150"}},
        {"fc' high", [](SlabDesignInput& in) { in.fcPrime = 1001; },
         {"ค่าหน่วยแรงอัด fc' มากเกินไป", "Text7=150", kClosing}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SlabDesignOutcome o = design(c.edit);
        std::vector<std::string> events;
        for (const auto& e : o.diagnostics.events()) {
            if (const auto* fix = std::get_if<Correction>(&e)) {
                events.push_back(fix->field + "=" + fix->text);
            } else {
                SlabDesignOutcome one;
                one.diagnostics.say(std::get<Message>(e));
                events.push_back(numbers(one).front());
            }
        }
        EXPECT_EQ(events, c.events);
    }
    const SlabDesignOutcome o = design([](SlabDesignInput& in) { in.thickness = 31; });
    const Message closing = o.diagnostics.messages().back();
    EXPECT_EQ(closing.text, "พื้น คสล.ที่คุณออกแบบยังใช้ไม่ได้? ต้องแก้ไขข้อมูลใหม่");
    EXPECT_EQ(closing.icon, Icon::Critical);
    EXPECT_EQ(o.verdict, "พื้นที่คุณออกแบบยังต้องแก้ไข !?!");
}

TEST(SlabDesign, ResetMeshIsDesignedWithInEveryBarPosition) {
    // A mesh of 20 is designed as 15: d = 11 - (2 + 0.75), and 15 mm bars everywhere.
    const SlabDesignResult r = design([](SlabDesignInput& in) { in.meshSize = 20; }).result;
    EXPECT_DOUBLE_EQ(r.d, 8.25);
    EXPECT_EQ(r.barSize, (std::array<double, 4>{15, 15, 15, 15}));
    EXPECT_DOUBLE_EQ(r.a1, 22.0 / 7.0 * 0.75 * 0.75);
    EXPECT_EQ(r.s1, 50);
}

TEST(SlabDesign, FirstFailingCheckStopsTheRest) {
    struct Case {
        const char* name;
        Edit edit;
        const char* message;
    };
    const std::vector<Case> cases = {
        // Also thinner than span / 12: only the depth is reported.
        {"depth before code thickness", [](SlabDesignInput& in) { in.slabKind = kCantilever; }, "14"},
        {"short bottom spacing", [](SlabDesignInput& in) {
             in.sideA = 1.5;
             in.sideB = 2;
             in.barSize[0] = 15;
         },
         "15"},
        // s1 = 100 and s2 = 124 are both beyond 3d = 17.1.
        {"short before long", [](SlabDesignInput& in) {
             in.sideA = 1.2;
             in.sideB = 1.5;
             in.barSize = {15, 15, 6, 6};
             in.continuityCase = 1;
             in.thickness = 8;
         },
         "15"},
        {"long bottom spacing", [](SlabDesignInput& in) { in.barSize[1] = 15; }, "16"},
        // s2 = 81 and s4 = 34 are both beyond 3d = 26.1.
        {"long bottom before top", [](SlabDesignInput& in) {
             in.barSize = {6, 15, 6, 15};
             in.continuityCase = 1;
         },
         "16"},
        {"top bar 4 spacing", [](SlabDesignInput& in) {
             in.barSize[3] = 15;
             in.continuityCase = 1;
         },
         "17"},
        {"top bar 3 spacing", [](SlabDesignInput& in) {
             in.sideA = 1.5;
             in.sideB = 2.5;
             in.barSize[2] = 15;
         },
         "18"},
        // Both top spacings too wide: bar 4 is checked first.
        {"bar 4 before bar 3", [](SlabDesignInput& in) {
             in.sideA = 1.5;
             in.sideB = 2.5;
             in.barSize = {6, 6, 15, 15};
         },
         "17"},
        // s3 = 84 is beyond 3d = 20.1 and t = 9 is under hMin = 9.6667.
        {"top spacing before code thickness", [](SlabDesignInput& in) {
             in.sideA = 2.9;
             in.sideB = 2.9;
             in.liveLoad = 100;
             in.continuityCase = 2;
             in.thickness = 9;
             in.barSize[2] = 15;
         },
         "18"},
        {"code thickness", [](SlabDesignInput& in) {
             in.sideA = 5;
             in.sideB = 5;
             in.continuityCase = 1;
             in.thickness = 19;
         },
         "19"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SlabDesignOutcome o = design(c.edit);
        EXPECT_EQ(numbers(o), (std::vector<std::string>{c.message, kClosing}));
        EXPECT_EQ(o.status, DesignStatus::NotUsable);
        EXPECT_TRUE(o.resultsShown);  // the panel is written before the checks
    }
    // The boundary of the thickness rule: t equal to the code value passes.
    const SlabDesignOutcome equal = design([](SlabDesignInput& in) {
        in.sideA = 5;
        in.sideB = 5;
        in.continuityCase = 1;
        in.thickness = 20;
    });
    EXPECT_EQ(equal.result.hMin.text(), "20");
    EXPECT_EQ(equal.status, DesignStatus::Usable);
}

// Impossible or meaningless inputs end the design with the closing message only and
// keep what was computed before.
TEST(SlabDesign, ImpossibleInputsEndWithTheClosingMessageOnly) {
    struct Case {
        const char* name;
        Edit edit;
        bool sidesRead;    // S and ratio were computed
        bool constants;    // n, k, j, R were computed
    };
    const std::vector<Case> cases = {
        {"N1 rounds to 0", [](SlabDesignInput& in) {
             in.sideA = 0.5;
             in.sideB = 0.5;
         },
         true, true},
        {"short side 0", [](SlabDesignInput& in) { in.sideA = 0; }, false, false},
        {"long side 0", [](SlabDesignInput& in) { in.sideB = 0; }, false, false},
        {"both sides negative", [](SlabDesignInput& in) {
             in.sideA = -2;
             in.sideB = -4.5;
         },
         false, false},
        {"one side negative", [](SlabDesignInput& in) { in.sideA = -2; }, false, false},
        {"fc 0", [](SlabDesignInput& in) { in.fc = 0; }, true, false},
        {"fc negative", [](SlabDesignInput& in) { in.fc = -65; }, true, false},
        {"fs 0", [](SlabDesignInput& in) { in.fs = 0; }, true, false},
        {"fs negative", [](SlabDesignInput& in) { in.fs = -100; }, true, false},
        {"live load negative", [](SlabDesignInput& in) { in.liveLoad = -300; }, true, true},
        {"dead-load factor negative", [](SlabDesignInput& in) { in.deadLoadFactor = -1.7; }, true, true},
        {"live-load factor negative", [](SlabDesignInput& in) { in.liveLoadFactor = -2; }, true, true},
        {"no load at all", [](SlabDesignInput& in) {
             in.liveLoad = 0;
             in.deadLoadFactor = 0;
             in.liveLoadFactor = 0;
         },
         true, true},
        {"continuity beyond 16 bits", [](SlabDesignInput& in) { in.continuityCase = 40000; }, true, false},
        {"huge live load", [](SlabDesignInput& in) { in.liveLoad = 1e308; }, true, true},
        {"huge load factor", [](SlabDesignInput& in) { in.liveLoadFactor = 1e300; }, true, true},
        {"hair-thin side", [](SlabDesignInput& in) { in.sideA = 1e-300; }, false, false},
        {"huge side", [](SlabDesignInput& in) { in.sideB = 1e308; }, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SlabDesignOutcome o = design(c.edit);
        EXPECT_EQ(numbers(o), std::vector<std::string>{kClosing});
        EXPECT_EQ(o.status, DesignStatus::NotUsable);
        EXPECT_EQ(o.result.status, 1);
        EXPECT_EQ(o.verdict, "พื้นที่คุณออกแบบยังต้องแก้ไข !?!");
        EXPECT_FALSE(o.resultsShown);
        if (c.sidesRead) {
            EXPECT_GT(o.result.S, 0);
        }
        EXPECT_EQ(o.result.R > Fixed(), c.constants);
        // Nothing written is negative, NaN or infinite.
        const SlabDesignResult& r = o.result;
        for (double v : {r.S, r.H, r.ws, r.w, r.d, r.a1, r.a2, r.a3, r.a4, r.N3, r.N4}) {
            EXPECT_TRUE(std::isfinite(v));
            EXPECT_GE(v, 0);
        }
        EXPECT_GE(r.k, Fixed());
        EXPECT_GE(r.AsPos, Fixed());
    }
    // The bar count that rounds to 0 leaves the steel areas already found.
    const SlabDesignOutcome tiny = design([](SlabDesignInput& in) {
        in.sideA = 0.5;
        in.sideB = 0.5;
    });
    EXPECT_GT(tiny.result.AsPos, Fixed());
    EXPECT_EQ(tiny.result.N1, 0);
    EXPECT_EQ(tiny.result.s1, 0);
}

TEST(SlabDesign, MessagesBeforeAnImpossibleStepAreKept) {
    const SlabDesignOutcome o = design([](SlabDesignInput& in) {
        in.meshSize = 20;
        in.fc = -65;
    });
    EXPECT_EQ(numbers(o), (std::vector<std::string>{"2", kClosing}));
    EXPECT_EQ(o.diagnostics.corrections().size(), 5u);
}
