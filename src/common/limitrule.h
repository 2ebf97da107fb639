#pragma once
// A field's plausibility limit, as a row of data: when the number in the field breaks
// its bound, the field's change check shows the row's message and may write a safe
// text back. The written text is an edit in its turn, so the field's rows run again on
// it.
#include <cstddef>
#include <span>
#include <string_view>

#include "common/fieldset.h"
#include "common/message.h"

namespace mx {

// How the value breaks its bound.
enum class Breach { Above, Below, AtOrBelow };
// How the field's number is held before it is compared: as typed, as the nearest
// whole number (a field kept as an integer), or to four decimals (a length).
enum class Reading { AsTyped, Whole, FourDecimals };
// Whether the safe text is written when the message is dismissed or before it shows.
enum class ResetOrder { AfterMessage, BeforeMessage };

struct LimitRule {
    const char* field;
    Breach breach;
    double bound;
    const char* title;  // nullptr: the program's title
    const char* text;   // nullptr: nothing is shown, the reset is written silently
    Icon icon;
    const char* reset = nullptr;  // nullptr: the value is kept
    ResetOrder order = ResetOrder::AfterMessage;
    Reading reading = Reading::AsTyped;
    const char* resetField = nullptr;  // the field the reset is written into, when not the row's own
};

// Whether a value typed into the rule's field breaks it.
bool breaks(const LimitRule& rule, double value);
Message limitMessage(const LimitRule& rule);
// The first row of the field whose bound the value breaks, or nullptr.
const LimitRule* brokenLimit(std::span<const LimitRule> rules, std::string_view field, double value);
// Runs the field's rows on its text, in order, into d: every broken row shows its
// message and writes its reset, each row judging the text as it was typed. Returns
// whether any row was broken.
bool checkLimits(std::span<const LimitRule> rules, std::string_view field, const FieldSet& fields, Diagnostics& d);
// The same as a whole change check, for a form whose every rule is a row.
Diagnostics checkLimits(std::span<const LimitRule> rules, std::string_view field, const FieldSet& fields);

// A limit Calculate holds an input to, as a row of data. An input beyond it is
// replaced by the row's safe value, which is written back into its field, before or
// after the row's numbered message (none for 0); the design then goes on with it, or
// ends as not usable, with the safe value or with the input as typed.
enum class AfterBreach { GoOn, EndWithSafe, EndAsTyped };
struct InputLimit {
    Breach breach;
    double bound;
    int message;
    const char* field;
    double safe;
    ResetOrder order = ResetOrder::AfterMessage;
    AfterBreach after = AfterBreach::GoOn;
};
// Whether a value breaks a bound in the given way.
bool breaches(Breach breach, double bound, double value);
// The value the design uses for `value` under the row, with the row's message (from
// `messageOf`) and correction written into d when it is broken; `ended` is set when a
// broken row ends the design.
double holdInput(const InputLimit& row, double value, const Message& (*messageOf)(int), Diagnostics& d,
                 bool& ended);

// A module's input limits in the order Calculate checks them, each naming the input it
// judges and the value of the result record it gives.
template <typename Input, typename Result>
struct InputStep {
    InputLimit limit;
    double Input::*input;
    double Result::*used;
};
// Holds every input to its steps, into the result; a second limit of the same input
// judges the value the first one left. False when a limit ended the design (the values
// of the later steps are then not set).
template <typename Input, typename Result>
bool holdInputs(std::span<const InputStep<Input, Result>> steps, const Input& in, Result& r,
                const Message& (*messageOf)(int), Diagnostics& d) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const InputStep<Input, Result>& step = steps[i];
        const bool again = i > 0 && steps[i - 1].used == step.used;
        bool ended = false;
        r.*step.used = holdInput(step.limit, again ? r.*step.used : in.*step.input, messageOf, d, ended);
        if (ended) return false;
    }
    return true;
}

// The building-control act's limits on the materials, with the wording the forms
// share: fc' above 150 ksc is noted and kept; fc above 65 ksc and fs above 1 700 ksc
// are set back to 65 and 1 200 before the message says why.
constexpr const char* kFcPrimeTitle = "หน่วยแรงอัดประลัยของคอนกรีตมากกว่ากำหนด";
constexpr const char* kFcPrimeText =
    "หน่วยแรงอัดประลัยของคอนกรีต พรบ.ควบคุมอาคารห้ามใช้เกิน 150 กก./ตร.ซม.คุณแน่ใจหรือว่าจะใช้ค่า fc' เท่านี้";
constexpr LimitRule fcPrimeRule(const char* field) {
    return {field, Breach::Above, 150, kFcPrimeTitle, kFcPrimeText, Icon::Information};
}
constexpr LimitRule fcRule(const char* field) {
    return {field,  Breach::Above, 65,
            "ค่าหน่วยแรงอัดของคอนกรีต fc มากเกินไป", "พรบ.ควบคุมอาคารกำหนดให้ใช้หน่วยแรงอัดคอนกรีตไม่เกิน 65 กก./ตร.ซม.!?!",
            Icon::Critical, "65", ResetOrder::BeforeMessage};
}
constexpr LimitRule fsRule(const char* field) {
    return {field,          Breach::Above, 1700, "ค่าหน่วยแรงดึงของเหล็ก fs มากกว่ากำหนด",
            "ค่าหน่วยแรงดึงของเหล็ก fs เกินกว่าที่ พรบ.ควบคุมอาคารกำหนด!?!", Icon::Critical, "1200",
            ResetOrder::BeforeMessage};
}

}  // namespace mx
