#pragma once
// Design of one axially loaded tied column, square or round, short or long, by the
// working-stress formula P = 0.85 Ag (0.25 fc' + fs pg). A round column of diameter D
// is designed as the square of equal area, side 0.886 D: the form reads a round
// column's widths from its diameter (readColumnInput), and the record keeps D so the
// sheet prints the section that was designed.
#include <cstdint>
#include <string>

#include "common/fixed.h"
#include "common/message.h"

namespace mx::column {

// Shape codes set by the shape buttons.
inline constexpr int kShapeNone = 0;
inline constexpr int kShapeSquare = 1;
inline constexpr int kShapeRound = 2;

// Which area the least steel is 1 % of: the gross section, the gross area the load
// needs, or half the gross section (see the minimum-steel step of the design).
enum class SteelMinimum { GrossArea, NeededArea, HalfArea };

// The inputs as Calculate reads them from the window's fields (each with num()).
struct ColumnDesignInput {
    int shape = kShapeNone;  // 0 none chosen, 1 square, 2 round (other codes design as round)
    double P = 8000;         // load on the column, kg (Text1)
    double t1 = 15;          // width, cm (Text2)
    double t2 = 15;          // depth, cm (Text3)
    double D = 0;            // round column's diameter, cm (Text11); 0 when none is given
    double H = 3;            // height, m (Text5)
    double db = 12;          // main bar diameter, mm (Text6)
    double dt = 6;           // tie diameter, mm (Text7)
    double fcPrime = 150;    // ultimate concrete strength, ksc (Text9)
    double fs = 1200;        // allowable steel stress, ksc (Text10)
    double k = 1.7;          // multiplier of the column's own weight (Text23)
};

// Everything one calculation works out. The sheet and the drawing read it, so each
// calculation starts from an empty record: a value it did not reach stays 0 and never
// shows a previous run's number beside this run's. (The result labels a calculation
// does not reach keep their texts; that is the labels' business, see writeColumnLabels.)
struct ColumnDesignResult {
    // The inputs as the calculation used them (after its own corrections).
    int shape = kShapeNone;
    double P = 0;
    double t1 = 0;
    double t2 = 0;
    double D = 0;
    double H = 0;
    double db = 0;
    double dt = 0;
    double fcPrime = 0;
    double fs = 0;
    double k = 0;

    double t = 0;    // least dimension, cm
    Fixed ht;        // height / least dimension, 100 H / t
    Fixed hr;        // height / radius of gyration, 0.5 * 100 H / (0.3 t)
    Fixed R;         // reduction factor for slenderness, at most 1
    bool isLong = false;
    std::string columnKind;  // short or long column caption
    Fixed m;         // load multiplier, 1 for a short column, 1/R for a long one
    Fixed W;         // own weight times k, kg
    double Pt = 0;   // P + W, kg
    Fixed N;         // design load m * Pt, kg
    Fixed Ag;        // gross area, cm2
    Fixed Pc;        // load carried by the concrete, kg
    Fixed Ps;        // load left for the steel, kg
    Fixed As;        // required steel area, cm2
    Fixed pg;        // steel ratio of As, %
    Fixed AgNeeded;  // gross area the design load needs with 1 % steel, cm2
    Fixed AsMin;     // least steel, 1 % of AgNeeded held between Ag / 2 and Ag, cm2
    SteelMinimum minimumBasis = SteelMinimum::GrossArea;  // the area AsMin is 1 % of
    bool minimumGoverns = false;  // AsMin is above As, so the bars are chosen for AsMin
    Fixed AsUsed;    // the area the bars are chosen for, the larger of As and AsMin, cm2
    Fixed pgUsed;    // steel ratio of AsUsed, %
    Fixed Ab;        // area of one main bar, cm2
    Fixed x;         // AsUsed / Ab, bars needed before rounding
    Fixed nb;        // main bars chosen (whole number)
    double s16 = 0;  // 16 main-bar diameters, cm
    double s48 = 0;  // 48 tie diameters, cm
    double s = 0;    // tie spacing, cm
    DesignStatus status = DesignStatus::Usable;
};

struct ColumnOutcome {
    ColumnDesignResult result;
    Diagnostics diagnostics;
    DesignStatus status = DesignStatus::Usable;
    std::string verdict;          // caption of Label65
    bool kindReached = false;     // the short/long caption (Label8) was set
    bool resultsReached = false;  // the result panel was filled
};

// Texts of the verdict caption and the short/long caption.
inline constexpr const char* kVerdictUsable = "เสาที่คุณออกแบบใช้ได้ OK.";
inline constexpr const char* kVerdictNotUsable = "เสาที่คุณออกแบบยังใช้ไม่ได้ ต้องแก้ไข?";
inline constexpr const char* kShortColumnText = "เสาเป็นเสาแบบสั้น(SHORT COLUMN)";
inline constexpr const char* kLongColumnText = "เสาเป็นเสาแบบยาว(LONG COLUMN)";

// Messages the calculation can raise, with their titles and icons.
namespace msg {
extern const Message kWidthTooSmall;      // 1
extern const Message kDepthTooSmall;      // 2
extern const Message kConcreteTooWeak;    // 3
extern const Message kHighStrength;       // fc' above 1000
extern const Message kSteelStressLow;     // 4
extern const Message kMainBarTooSmall;    // 5
extern const Message kTieTooSmall;        // 6
extern const Message kNoHeight;           // 7
extern const Message kTooSlenderBefore;   // 8
extern const Message kFewerThanFourBars;  // four-bar minimum
extern const Message kNoShape;            // shape not chosen
extern const Message kNoDiameter;         // round column without its diameter
extern const Message kFewerThanSixBars;   // round column, six-bar minimum
extern const Message kTooSlenderAfter;    // 12
extern const Message kSteelRatioHigh;     // 13
extern const Message kSteelRatioLow;      // 14
extern const Message kClosing;            // status 1 at the end
}  // namespace msg

// Designs the column from an empty result record.
ColumnOutcome calculateColumn(const ColumnDesignInput& in);

// Whole-number helpers on four-decimal values: nearest whole number with ties to even,
// and the largest whole number not above the value.
std::int64_t roundWholeHalfEven(Fixed v);
std::int64_t floorWhole(Fixed v);
// Main bars for x = As / Ab before the four-bar minimum: x to the nearest whole number
// (ties to even), plus one whenever x holds at least one whole bar (3.2 -> 4, 4.0 -> 5).
std::int64_t barsForRatio(Fixed x);

}  // namespace mx::column
