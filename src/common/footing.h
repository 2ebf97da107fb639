#pragma once
// What the two footings, the spread footing and the pile cap, share without the
// toolkit: the record of a Calculate, how the window and the tool reach a footing's
// calculation and pages, the print question both ask, and the tool's report of one
// Calculate.
#include <array>
#include <memory>
#include <string>

#include "common/cli.h"
#include "common/fieldset.h"
#include "common/material.h"
#include "common/message.h"
#include "common/page.h"
#include "common/quantities.h"
#include "common/titleblock.h"

namespace mx {

// One Calculate of a footing: its result record, the messages and corrections in the
// order the window shows them, the verdict and whether the result labels were filled.
template <typename Result>
struct FootingOutcome {
    Result result;
    Diagnostics diagnostics;
    DesignStatus status = DesignStatus::NotUsable;
    std::string verdict;
    bool panelWritten = false;  // the design got as far as the result panel
};

// A footing's calculation and pages, as its window and the tool call them.
template <typename Outcome>
struct FootingCalculation {
    using Result = decltype(Outcome::result);
    Outcome (*calculate)(const FieldSet& fields);
    // The value labels of the result panel, written when the design got that far.
    FieldSet (*resultLabels)(const Result& r);
    const char* verdictLabel;
    PageModel (*sheet)(const Result& r, bool usable, const ProjectTitleBlock& tb);
    // The window's figure inside the area.
    PageModel (*drawing)(const Result& r, const PageBox& area);
};

// Both footings ask the same question before printing.
Message footingPrintQuestion();

// The steel-grade buttons Command3..Command6 of both footing windows: the tooltip, the
// sentence naming the mesh steel, and the fs each writes.
struct FootingGrade {
    const char* button;
    const char* tooltip;
    const char* caption;
    int fs;
};
const FootingGrade& footingGrade(SteelGrade grade);

// The allowance for the footing's own weight, in per cent of the load it carries, that
// both footings start from, and the smaller one their panel button writes.
inline constexpr const char* kFootingAllowanceUsual = "17";
inline constexpr const char* kFootingAllowanceSmall = "10";

// The mesh-bar picker of both footing windows: a row's text and the diameter (mm) it writes.
struct FootingBar {
    const char* text;
    int db;
};
extern const std::array<FootingBar, 12> kFootingBarSizes;

// ---- The mesh checks both footings make ------------------------------------------------

// Concrete cast against the ground keeps 7.5 cm below the bottom mesh, and a bar ends
// 7.5 cm short of the footing's edge.
inline constexpr double kGroundCover = 7.5;

// Total depth of a footing: the effective depth, the cover and half a bar below it,
// rounded up to the whole centimetre. barCm is the bar diameter in cm.
double footingThickness(double d, double barCm);

// Round bars (SR24) or deformed bars (SD30, SD35, SD40), as the footing knows its steel:
// by the allowable stress fs the grade buttons write (1200 for SR24, 1500 to 1700 for
// the deformed grades). A round bar of fy 2400 ksc never works above 1200, so a higher
// fs can only be a deformed bar; 1200 or less is taken as round, which gives the lower
// bond and the larger least steel, on the safe side.
bool isRoundBar(double fs);

// Allowable bond stress of bars other than top bars by the working-stress method:
// coef √fc' / D, D in cm, and never more than cap. Deformed bars 3.23 √fc' / D ≤ 35 ksc,
// round bars 1.61 √fc' / D ≤ 11 ksc.
struct BondRule {
    double coef;
    double cap;         // ksc
    const char* steel;  // the steel named on the sheet
};
const BondRule& bondRule(bool round);
// The allowable bond stress in ksc, held to four decimals.
Fixed allowableBond(double fcPrime, double barCm, bool round);

// Least steel of a footing mesh, each way, as a ratio of the gross section b x t:
// 0.0025 for SR24, 0.0020 for SD30 and SD35, 0.0018 for SD40 (fs above 1600).
double minSteelRatio(double fs);

// A standard hook is credited with developing 700 ksc of bar stress: the working-stress
// rule of ACI 318-63 (section 918, anchorage), 10 000 psi for a standard hook, which
// the Thai working-stress standard (วสท.) carries over as 700 กก./ตร.ซม. Its worth in
// straight bar is therefore 700 D / (4 u).
inline constexpr double kHookStress = 700;

// Anchorage of the mesh beyond the stub (column) face: the bar must develop fs over
// ld = fs D / (4 u). The straight length there is the distance from the face to the
// footing's edge less the cover; where it is short the bars end in standard hooks.
struct MeshAnchorage {
    Fixed ld;             // development length, cm
    Fixed straight;       // straight length available past the face, cm
    Fixed hook;           // what a standard hook is worth, cm
    bool hooks = false;   // the straight length is short: the bars end in standard hooks
    bool holds = false;   // straight length, with the hooks where needed, reaches ld
};
// faceToEdge is the least distance from a stub face to the footing's edge (cm).
MeshAnchorage meshAnchorage(double fs, double barCm, Fixed u, double faceToEdge);

// What a rectangular pad cast on the ground takes, its sizes in cm as designed: the
// concrete of the whole pad, the formwork of its four sides (none under it), then the
// mesh, `alongLength` bars spanning the length and `alongWidth` bars spanning the width,
// each stopping the ground cover short of both edges and ending in standard hooks
// where the anchorage asks for them (round bars always do).
Quantities padQuantities(double length, double width, double thickness, double barDia, const std::string& grade,
                         int alongLength, int alongWidth, const MeshAnchorage& anchorage);

// The sheet's lines for these checks, the same on both footings' sheets.
// "t = d + 7.5 + D / 2 = ..." with the sum and the whole centimetre taken.
std::string thicknessText(double d, double barCm, double t);
// "u = 1.61 x SQR( fc' ) / D = ... <= 11 กก./ตร.ซม. (เหล็กเส้นกลม)".
std::string bondAllowableText(double fcPrime, double barCm, bool round, Fixed u);
// "As(min) = 0.0025 x b x t = ..." with the numbers, for the mesh across b cm (b as
// printed: a value, or the formula's own 100 of a metre strip).
std::string minSteelText(double ratio, const std::string& b, double t, Fixed asMin);
// Two lines: the development length, then the straight length against it, the hooks
// where they are needed and the verdict.
std::array<std::string, 2> anchorageText(double fs, double barCm, Fixed u, const MeshAnchorage& a);
// The tool's values of the anchorage: ld, straight, hook, and hooks and anchored as 1 or 0.
void addAnchorage(ResultList& out, const MeshAnchorage& a);
// A footing sheet's listing, one row after another from the top: a body row (14 pt)
// kFootingRowStep below the last, a row in large type (18 pt) kFootingResultStep
// below. The pitch is a little under the usual 300 twips, so that the checks and the
// drawing below them share the one page.
inline constexpr double kFootingRowStep = 270;
// A footing's sheet fills its foot with the figure and its notes down to the last
// line of the soil's pressure: the spare room is at the bottom, right of that line.
inline constexpr PagePoint kFootingStandsOnAt{6600, 16100};
inline constexpr double kFootingResultStep = 380;
class SheetListing {
public:
    SheetListing(PageModel& page, double top) : page_(page), y_(top) {}
    void row(double x, const std::string& text) {
        page_.text(x, y_, text, 14);
        y_ += kFootingRowStep;
    }
    void result(const std::string& text, bool bold = false) {
        page_.text(1200, y_, text, 18, bold);
        y_ += kFootingResultStep;
    }
    // Leaves `rows` body rows empty, so that what follows keeps its place.
    void skip(int rows) { y_ += rows * kFootingRowStep; }
    double y() const { return y_; }

private:
    PageModel& page_;
    double y_;
};

// The drawing's note for bars that end in standard hooks.
inline constexpr const char* kHookNote = " ปลายเหล็กตะแกรงงอขอมาตรฐาน";

// A Calculate on the fields (its corrections written into them): every value of the
// result record through addResult, the labels from `labels` as a fresh window shows
// them, and the sheet and the figure of the run's own result.
template <typename Outcome>
ModuleRun footingRun(const FootingCalculation<Outcome>& calc, FormState& state,
                     void (*addResult)(ResultList&, const typename FootingCalculation<Outcome>::Result&),
                     const FieldSet& labels) {
    Outcome outcome = calc.calculate(state.fields);
    state.fields.apply(outcome.diagnostics);
    ModuleRun run;
    run.messages = outcome.diagnostics.messages();
    // The verdict is written after the last message, not with the result panel.
    for (const auto& [name, text] : labels.entries())
        if (name != calc.verdictLabel) run.labels.set(name, text);
    // A design that stopped before the result panel leaves its labels as they were;
    // without a mark the core wrote the panel after its last check.
    if (outcome.panelWritten) {
        const FieldSet values = calc.resultLabels(outcome.result);
        for (const auto& [name, text] : values.entries()) run.labels.set(name, text);
        run.resultsAt = outcome.diagnostics.resultsAt().value_or(outcome.diagnostics.events().size());
    }
    return finishRun(std::move(run), std::move(outcome), calc.verdictLabel, addResult, {calc.sheet, calc.drawing});
}

// The record of no Calculate: the sheet and the figure of an empty result record.
template <typename Outcome>
ModuleRun footingNoRun(const FootingCalculation<Outcome>& calc) {
    ModuleRun run;
    run.sheet = [calc](const ProjectTitleBlock& tb) { return calc.sheet({}, false, tb); };
    run.drawing = [calc](const PageBox& area) { return calc.drawing({}, area); };
    return run;
}

}  // namespace mx
