#pragma once
// The quantities of one designed member, as a contractor prices them: concrete (m³),
// formwork (m², the faces that need forms) and reinforcing steel by bar size and grade
// (kg). Each module measures its own member from the geometry it designed
// (<module>_quantities.cpp); the bar rules every takeoff shares are here, so a hook, a
// lap or a stirrup is measured the same way in every member. No Qt.
#include <optional>
#include <string>
#include <vector>

#include "common/material.h"

namespace mx {

// Bars alike: one size and grade, one cut length, hooks and laps included.
struct BarSet {
    std::string role;  // what the bars are on the drawing: "เหล็กล่าง", "เหล็กปลอก"
    int dia = 0;       // mm
    bool round = false;  // plain round bar (RB) rather than deformed (DB)
    std::string grade;   // "SR24", "SD30", ...
    int count = 0;
    double length = 0;  // m, one bar
    double weight() const;  // kg, all of them
};

// A bar size as Thai price lists name it: RB6, RB9 (plain round) ... DB12 ... DB28.
std::string barName(int dia, bool round);

struct Quantities {
    // Why the member has no quantities (a design that is not usable, a pile bought
    // precast); empty when the takeoff holds.
    std::string unavailable;
    double concrete = 0;  // m³
    double formwork = 0;  // m²
    std::vector<BarSet> bars;
    std::string note;  // what the figures stand for, where that is not the whole member
    bool available() const { return unavailable.empty(); }
};

// Steel of one size and grade, summed over a member's bar sets.
struct SteelWeight {
    std::string bar;    // "DB12"
    std::string grade;  // "SD30"
    double kg = 0;
    int dia = 0;
    bool round = false;
};
// By size, the round bars first, each size once per grade.
std::vector<SteelWeight> steelBySize(const std::vector<BarSet>& bars);
double steelTotal(const std::vector<BarSet>& bars);

// ---- The bar rules every takeoff shares ---------------------------------------------

// kg per metre of a bar of D mm: π D² / 4 of steel at 7 850 kg/m³, 0.00617 D².
double unitWeight(int dia);

// The mill's stock length; a bar longer than this is spliced by lapping.
inline constexpr double kStockLength = 10.0;  // m
// A standard end hook (180° on a round bar, 90° on a deformed one) adds 12 bar
// diameters of bar: the bend round its pin and the straight tail past it.
inline constexpr double kHookDiameters = 12;
// A stirrup or tie closes with two 135° hooks, each taken as 10 diameters of bar.
inline constexpr double kTieHookDiameters = 10;
// Lap splice: 40 diameters for deformed bars, 50 for plain round bars (which also
// end in hooks at the splice).
inline constexpr double kLapDiametersDeformed = 40;
inline constexpr double kLapDiametersRound = 50;
// Cover to the stirrups and ties, as the drawings show them.
inline constexpr double kTieCover = 2.5;  // cm

// Hooks are only worth measuring on a bar that has them.
double hookLength(int dia);  // m
double lapLength(int dia, bool round);  // m
// Laps a run of this length needs when it is made from stock bars: none up to a stock
// bar, then one more for every stock bar less its lap.
int lapsFor(double length, int dia, bool round);
// The cut length of a run: the straight length, its hooks and its laps (m).
double cutLength(double straight, int dia, bool round, int hooks);
// Bars laid at a pitch across a width, one at each edge: ⌈width / pitch⌉ + 1 (both
// in cm), so the pitch is never exceeded; none for a pitch that is not positive.
int barsAtPitch(double widthCm, double pitchCm);
// One closed rectangular stirrup or tie of a section b × h (cm) at kTieCover inside
// the faces, with its two hooks (m).
double tieLength(double bCm, double hCm, int dia);

// Round (RB) or deformed (DB), and the grade, of a bar of a member of this grade:
// 6 and 9 mm bars are only rolled as plain round SR24.
BarSet barOf(std::string role, int dia, const std::string& memberGrade, int count, double length);
// A run of bars of a straight length (m) with its hooks, cut as cutLength.
BarSet barRun(std::string role, int dia, const std::string& memberGrade, int count, double straight, int hooks);
// Plain round bars always end in hooks; deformed bars where the drawing shows them.
inline int roundHooks(const BarSet& b, int hooks) { return b.round ? hooks : 0; }
// A run of bars hooked at both ends where they are plain round bars, or where the
// anchorage asks for hooks (`hooked`); straight otherwise.
BarSet meshRun(std::string role, int dia, const std::string& memberGrade, int count, double straight,
               bool hooked = false);
// The member's steel grade: the grade button pressed, or else told from the fs the
// design used (1200 or less round SR24, then SD30 to 1500, SD35 to 1600, SD40).
std::string memberGrade(const std::optional<SteelGrade>& pressed, double fs);

// A member whose design is not usable gives no quantities.
Quantities notUsableQuantities();
// A member of which nothing is measured, and why.
Quantities noQuantities(std::string reason);

// ---- Counting and display -----------------------------------------------------------

// Quantities as shown: concrete and formwork to the hundredth (m³, m²), steel to the
// tenth of a kilogram, held as whole hundredths so that sums are exact and a total is
// the sum of the lines it totals.
struct ShownQuantities {
    long long concrete = 0;  // hundredths of m³
    long long formwork = 0;  // hundredths of m²
    struct Steel {
        std::string bar, grade;
        int dia = 0;
        bool round = false;
        long long kg = 0;  // hundredths of kg, a whole tenth
    };
    std::vector<Steel> steel;  // by size, as steelBySize
    long long steelTotal() const;
    void add(const ShownQuantities& o);
};
// A member counted `count` times (each member built alike), rounded for display.
ShownQuantities shown(const Quantities& q, int count);
// A member's quantities on one line, as its window shows them beside its results:
// "คอนกรีต 0.32 ลบ.ม.  ไม้แบบ 4.00 ตร.ม.  เหล็กเสริม RB6 7.0 กก.  DB12 19.0 กก.", or why
// there are none.
std::string quantitiesLine(const Quantities& q);
// "12.34" from hundredths; tenths drop the last digit ("12.3").
std::string hundredthsText(long long v, int decimals = 2);

}  // namespace mx
