#pragma once
// Design of one reinforced-concrete floor panel by the working-stress method: a
// two-way panel by its continuity with the neighbouring panels, a one-way panel
// (long side at least twice the short side) or a cantilever slab (canopy). The
// moments are taken per metre width of a strip over the short span, the steel areas
// are turned into bar spacings for the bar sizes chosen, and the depth, the spacings
// and the minimum thickness of the Thai code are checked.
#include <array>
#include <cstdint>
#include <string>

#include "common/fixed.h"
#include "common/message.h"

namespace mx::slab {

// Slab kind as set by the kind buttons.
enum SlabKind : int { kNoSlabKind = 0, kCantilever = 1, kTwoWay = 2 };

// Continuity of the panel with its neighbours (field Text6).
enum ContinuityCase : int { kSingleSpan = 1, kEndSpan = 2, kInteriorSpan = 3 };

// Least steel ratio of the long-direction (shrinkage) bars: plain round bar, and
// deformed bar of any grade.
inline constexpr double kRoundBarSteelRatio = 0.0025;
inline constexpr double kDeformedBarSteelRatio = 0.002;

// One value per field, each the number at the start of the field text.
struct SlabDesignInput {
    int slabKind = kNoSlabKind;
    double continuityCase = 3;    // Text6, converted to a whole number when designing
    double minSteelRatio = 0;     // 0 until a steel-grade button is pressed
    double liveLoad = 300;        // Text1, kg/m2
    double sideA = 2;             // Text2, short side (cantilever: projection), m
    double sideB = 4.5;           // Text3, long side, m
    double thickness = 11;        // Text4, cm
    double meshSize = 6;          // Text5, mm
    double fcPrime = 150;         // Text7, ksc
    double fc = 65;               // Text8, ksc
    double fs = 1200;             // Text9, ksc
    std::array<double, 4> barSize{6, 6, 6, 6};  // Text10..Text13, mm
    double deadLoadFactor = 1.7;  // Text23
    double liveLoadFactor = 2;    // Text24
};

// Units: m, cm, kg/m2, kg-m and cm2 per metre width.
struct SlabDesignResult {
    double S = 0;        // shorter side, m
    Fixed ratio;         // long side / short side
    Fixed hMin;          // least thickness by the code, cm
    double H = 0;        // share of the load carried by the short strip
    Fixed n, k, j, R;    // working-stress constants
    double ws = 0;       // own weight, kg/m2
    double w = 0;        // factored total load, kg/m2
    Fixed Mpos;          // +M1 (after the continuity rule: the +M2 of a continuous panel)
    Fixed Mneg1;         // -M1 (cantilever: the cantilever moment)
    Fixed Mneg2;         // -M2
    Fixed M14;           // +M2
    Fixed Mcant;         // cantilever moment
    double d = 0;        // effective depth, cm
    Fixed dReq;          // required effective depth, cm
    Fixed tReq;          // least thickness for the moment, cm
    Fixed a0;            // one bar of the mesh size, cm2
    double a1 = 0, a2 = 0, a3 = 0, a4 = 0;  // one bar of sizes 1..4, cm2
    Fixed AsPos, AsNeg1, AsNeg2;
    Fixed AsMin;         // least steel, also the long-direction steel
    std::int16_t N1 = 0; // bottom short bars per metre
    Fixed N2;            // bottom long bars per metre
    double N3 = 0, N4 = 0;  // top bars per metre
    std::int16_t s1 = 0, s2 = 0, s3 = 0, s4 = 0;  // spacings, cm
    Fixed cutOff;        // S / 5, m
    int status = static_cast<int>(DesignStatus::Usable);

    // The inputs as the design used them (after its own resets), for the result
    // panel, the sheet and the drawing.
    int slabKind = kNoSlabKind;
    std::int16_t continuityCase = 0;
    double minSteelRatio = 0;
    double A = 0, B = 0;
    double LL = 0;
    double t = 0;
    double meshSize = 0;
    std::array<double, 4> barSize{0, 0, 0, 0};
    double fcPrime = 0, fc = 0, fs = 0;
    double fD = 0, fL = 0;
};

struct SlabDesignOutcome {
    SlabDesignResult result;
    Diagnostics diagnostics;  // messages and field corrections in order
    DesignStatus status = DesignStatus::Usable;
    std::string verdict;      // caption of Label48
    // True once the design reached its checks and wrote the result panel; a stop or
    // an arithmetic failure before that leaves the panel as it was (except Label48).
    bool resultsShown = false;
};

// Texts of the verdict caption.
inline constexpr const char* kSlabUsableVerdict = "พื้นที่คุณออกแบบใช้ได้ OK.";
inline constexpr const char* kSlabNotUsableVerdict = "พื้นที่คุณออกแบบยังต้องแก้ไข !?!";

// Field names the design writes corrections into.
inline constexpr const char* kMeshSizeField = "Text5";
inline constexpr const char* kThicknessField = "Text4";
inline constexpr const char* kFcPrimeField = "Text7";
inline constexpr std::array<const char*, 4> kBarSizeFields{"Text10", "Text11", "Text12", "Text13"};

// The messages of Calculate, by their number (both messages numbered 3 are here:
// the mesh size and the low concrete strength).
enum class SlabMessage {
    NoKind,             // 1
    MeshTooLarge,       // 2
    MeshTooSmall,       // 3
    FcPrimeTooLow,      // 3 (auto-corrected)
    FcPrimeTooHigh,     // high-strength concrete
    TooThick,           // 4
    TooThin,            // 5
    Bar1TooLarge,       // 6
    Bar1TooSmall,       // 7
    Bar2TooLarge,       // 8
    Bar2TooSmall,       // 9
    Bar3TooLarge,       // 10
    Bar3TooSmall,       // 11
    Bar4TooLarge,       // 12
    Bar4TooSmall,       // 13
    DepthTooSmall,      // 14
    ShortBottomSpacing, // 15
    LongBottomSpacing,  // 16
    TopBar4Spacing,     // 17
    TopBar3Spacing,     // 18
    BelowCodeThickness, // 19
    Closing,            // not usable
};
Message slabMessage(SlabMessage m);

SlabDesignOutcome calculateSlab(const SlabDesignInput& input);

}  // namespace mx::slab
