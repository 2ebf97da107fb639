#pragma once
// Working-stress design of a rectangular reinforced-concrete beam: simple, end-span,
// continuous, overhanging and cantilever. The calculation reads the values of the
// window's fields, checks them, designs the section and returns every intermediate
// value (the sheet and the drawing print them), the ordered messages and field
// corrections, and the verdict.
#include <cstdint>
#include <string>

#include "beam/beam_loading.h"
#include "common/fixed.h"
#include "common/message.h"

namespace mx::beam {

// The beam types of the type buttons.
enum BeamType : int { kSimple = 1, kEndSpan = 2, kContinuous = 3, kOverhang = 4, kCantilever = 5 };

// Field values as read by the leading-number rule; the fields read as 16-bit
// integers are converted inside the calculation, at the check that reads them, so
// an out-of-range text fails at its own place in the order of the checks.
struct BeamDesignInput {
    int beamType = 0;            // 1..5, 0 when none chosen
    double spanLength = 0;       // L, m (Text1)
    double liveLoad = 0;         // w, kg/m (Text2)
    double width = 0;            // b, cm (Text3)
    double depth = 0;            // D, cm (Text4)
    double overhangLength = 0;   // a, m (Text5)
    double topBarDia = 0;        // mm (Text6)
    double bottomBarDia = 0;     // mm (Text7)
    double stirrupDia = 0;       // mm (Text8)
    double stirrupSets = 0;      // 1 single, 2 double, 3 triple (Text10)
    double fcPrime = 0;          // ksc (Text12)
    double fc = 0;               // ksc (Text13)
    double fs = 0;               // ksc (Text14)
    double deadLoadFactor = 0;   // Text32
    double liveLoadFactor = 0;   // Text31
    // Point loads P1 + P2 + P3 that links put on the beam (a girder carrying beams), kg:
    // added to w as their equivalent uniform load. Typed point loads are the load
    // aid's and never come here.
    double pointLoads = 0;
};

// Everything the last calculation computed. The first group is the input as the
// design used it (after the automatic corrections and the raised depth), which the
// sheet prints; the rest are the design values.
struct BeamDesignResult {
    // Input as used.
    int beamType = 0;
    double spanLength = 0;       // L, m
    double liveLoad = 0;         // w, kg/m, with the linked point loads' equivalent
    double fieldLoad = 0;        // w as the load field gives it, kg/m
    double pointLoads = 0;       // linked point loads P1 + P2 + P3, kg
    double pointFactor = 0;      // k of the beam type, where there are linked point loads
    Fixed pointEquivalent;       // k x P / L, kg/m
    int width = 0;               // b, cm
    int depth = 0;               // D, cm, as raised by the proportion checks
    double overhangLength = 0;   // a, m (1 when not given)
    int topBarDia = 0;           // mm
    int bottomBarDia = 0;        // mm
    int stirrupDia = 0;          // mm
    int stirrupSets = 0;         // sets (1 when not given)
    double fcPrime = 0;          // ksc
    double fc = 0;               // ksc
    int fs = 0;                  // ksc
    double deadLoadFactor = 0;
    double liveLoadFactor = 0;

    // Design values.
    double slenderness = 0;      // 100 L / b
    Fixed narrowFactor;          // alpha
    Fixed bottomBarArea;         // cm2, one bar
    Fixed topBarArea;            // cm2, one bar
    Fixed deadLoad;              // kg/m, factored own weight
    Fixed designLoad;            // kg/m, wu
    Fixed n, k, j, r;
    Fixed momentNeg;             // M-, kg-m
    Fixed momentPos;             // M+, kg-m
    Fixed momentMax;             // MR, kg-m
    int requiredDepth = 0;       // cm
    int cover = 0;               // cm
    int depthTolerance = 0;      // cm
    int effectiveDepth = 0;      // d, cm
    int recommendedDepth = 0;    // cm
    int depthMargin = 0;         // cm
    Fixed momentConcrete;        // Mc, kg-m
    Fixed momentSteel;           // Ms, kg-m
    Fixed steelAreaConcrete;     // As1, cm2
    Fixed steelAreaSteel;        // As2, cm2
    Fixed steelArea;             // As, cm2
    Fixed bottomBarRatio;
    int bottomBarCount = 0;
    Fixed bottomBarGap;          // cm
    int bottomBarsPerLayer = 0;
    Fixed bottomLayers;
    Fixed compressionArea;       // As', cm2
    Fixed topBarRatio;
    int topBarCount = 0;
    Fixed topBarGap;             // cm
    int topBarsPerLayer = 0;
    Fixed topLayers;
    Fixed reaction1;             // R1, kg
    Fixed reaction2;             // R2, kg
    Fixed concreteShearStress;   // vc, ksc
    Fixed concreteShear;         // Vc, kg
    Fixed maxShear;              // kg
    Fixed stirrupShear;          // Vs1, kg
    Fixed stirrupArea;           // Av1, cm2
    Fixed stirrupSpacing;        // cm
    int maxStirrupSpacing = 0;   // cm

    DesignStatus status = DesignStatus::NotUsable;
};

struct BeamDesignOutcome {
    BeamDesignResult result;
    Diagnostics diagnostics;
    DesignStatus status = DesignStatus::NotUsable;
    std::string verdict;        // text of the verdict label
    // True when the run got as far as filling the result panel; the events of the
    // diagnostics before resultEventIndex come before that moment, the rest after.
    bool reachedResults = false;
    std::size_t resultEventIndex = 0;
    // Set when an impossible operation (division by zero, 16-bit overflow, root of a
    // negative number) ended the run.
    bool arithmeticFailure = false;
};

BeamDesignOutcome calculateBeam(const BeamDesignInput& in);

// Verdict captions and the closing message of a design that must be corrected.
inline constexpr const char* kVerdictUsable = "คานที่คุณออกแบบใช้ได้ OK.";
inline constexpr const char* kVerdictNotUsable = "คานที่คุณออกแบบยังใช้ไม่ได้ ต้องแก้ไข?";
Message beamClosingMessage();

// The calculation's numbered messages by their key ("1", "3a", "3b", "4a", "4b", "9a",
// "10", ...); an unknown key gives an empty message.
Message beamMessage(const std::string& key);

}  // namespace mx::beam
