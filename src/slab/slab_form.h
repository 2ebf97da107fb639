#pragma once
// The slab window's fields without the window: their names and default texts, the
// change rules every edit runs, what the kind, continuity and steel-grade buttons
// write, how Calculate reads the fields, and the texts of the result labels. The
// window and the headless tool both use these, so a design reads and shows the same
// whichever of them runs it.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/fieldset.h"
#include "common/fieldtable.h"
#include "common/material.h"
#include "common/message.h"
#include "slab/slab_design.h"

namespace mx::slab {

inline constexpr const char* kWindowCaption = "ออกแบบพื้น คสล. SLAB -01 MX.7100";

// The window's input fields, from the module's field table (object name, short
// name, caption, unit, default, tooltip).
const FieldTable& slabFieldTable();
// Input fields with their default texts, in the window's order (input panel, then
// the bar-size panel and the title block), as the field table gives them.
FieldSet slabDefaultFields();

// Least steel ratio of a steel grade; none pressed gives 0 (the design then takes
// the round-bar value).
double slabMinSteelRatio(std::optional<SteelGrade> grade);

// Calculate's reading of the fields: the number at the start of each text.
SlabDesignInput readSlabInput(const FieldSet& fields, int slabKind, double minSteelRatio);

// The change rule of one field on the window's texts: its messages, and the texts it
// writes back (a reset, or the mesh size copied into the four bar sizes); each
// write-back runs its own field's rule in turn.
Diagnostics checkSlabField(std::string_view name, const FieldSet& fields);

// Writes a field and runs its change rule, as an edit of the window does (also an
// edit made by the program). Returns the messages the rule shows, in order. A reset
// writes the field again and runs the rule on the new text; the mesh-size rule then
// copies the mesh size into the four bar-size fields.
std::vector<Message> setSlabField(FieldSet& fields, std::string_view name, const std::string& text);

// Applies the corrections of a design in order through the change rules; returns
// every message the window shows, the design's own and the rules', in order.
std::vector<Message> replaySlabDiagnostics(FieldSet& fields, const Diagnostics& diagnostics);

// Kind buttons: Command18 (cantilever) and Command17 (two-way). Caption of Label11.
const char* slabKindCaption(int slabKind);

// Continuity buttons Command19..Command21 write Text6 "1".."3"; caption of Label5.
// Returns nullptr for a case without a button.
const char* pressSlabContinuity(FieldSet& fields, int continuityCase);

// Steel-grade buttons Command3..Command6: write fs into Text9 (through its rule) and
// return the caption of Label17.
std::string pressSlabGrade(FieldSet& fields, SteelGrade grade);
// The caption of Label17 a grade button writes.
const char* slabGradeCaption(SteelGrade grade);

// Load-factor buttons: "DL" and "LL" take the slab weight or the live load as it is.
void pressDeadLoadAsIs(FieldSet& fields);
void pressLiveLoadAsIs(FieldSet& fields);

// Result labels Label18..Label40 as the window shows them (when the design reached
// its checks) and the verdict label Label48.
FieldSet slabResultLabels(const SlabDesignOutcome& outcome);
// The result labels alone, from a result record.
FieldSet slabResultPanel(const SlabDesignResult& r);

// Pick lists.
struct PickRow {
    const char* text;
    int value;
};
extern const std::array<PickRow, 21> kLiveLoadList;  // List1 -> Text1, kg/m2
extern const std::array<PickRow, 6> kBarSizeList;    // List2 -> Text5, List3..List6 -> Text10..Text13, mm

}  // namespace mx::slab
