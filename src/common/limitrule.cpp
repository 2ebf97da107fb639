#include "common/limitrule.h"

#include <cmath>
#include <string>

#include "common/fixed.h"
#include "common/numtext.h"

namespace mx {

namespace {

double held(double x, Reading r) {
    switch (r) {
    case Reading::Whole: return std::nearbyint(x);
    case Reading::FourDecimals: {
        const double scaled = x * static_cast<double>(Fixed::kScale);
        return std::isfinite(scaled) ? std::nearbyint(scaled) / static_cast<double>(Fixed::kScale) : x;
    }
    case Reading::AsTyped: break;
    }
    return x;
}

}  // namespace

bool breaches(Breach breach, double bound, double v) {
    switch (breach) {
    case Breach::Above: return v > bound;
    case Breach::Below: return v < bound;
    case Breach::AtOrBelow: return v <= bound;
    }
    return false;
}

bool breaks(const LimitRule& rule, double value) { return breaches(rule.breach, rule.bound, held(value, rule.reading)); }

double holdInput(const InputLimit& row, double value, const Message& (*messageOf)(int), Diagnostics& d,
                 bool& ended) {
    if (!breaches(row.breach, row.bound, value)) return value;
    const std::string safe = numText(row.safe);
    if (row.order == ResetOrder::BeforeMessage) d.correct(row.field, safe);
    if (row.message != 0) d.say(messageOf(row.message));
    if (row.order == ResetOrder::AfterMessage) d.correct(row.field, safe);
    ended = row.after != AfterBreach::GoOn;
    return row.after == AfterBreach::EndAsTyped ? value : row.safe;
}

Message limitMessage(const LimitRule& rule) {
    return Message{rule.text ? rule.text : "", rule.title ? rule.title : kProgramTitle, rule.icon};
}

const LimitRule* brokenLimit(std::span<const LimitRule> rules, std::string_view field, double value) {
    for (const LimitRule& r : rules)
        if (field == r.field && breaks(r, value)) return &r;
    return nullptr;
}

bool checkLimits(std::span<const LimitRule> rules, std::string_view field, const FieldSet& fields, Diagnostics& d) {
    const double v = fields.num(field);
    bool broken = false;
    for (const LimitRule& r : rules) {
        if (field != r.field || !breaks(r, v)) continue;
        broken = true;
        const std::string target = r.resetField ? r.resetField : r.field;
        if (r.reset && r.order == ResetOrder::BeforeMessage) d.correct(target, r.reset);
        if (r.text) d.say(limitMessage(r));
        if (r.reset && r.order == ResetOrder::AfterMessage) d.correct(target, r.reset);
    }
    return broken;
}

Diagnostics checkLimits(std::span<const LimitRule> rules, std::string_view field, const FieldSet& fields) {
    Diagnostics d;
    checkLimits(rules, field, fields, d);
    return d;
}

}  // namespace mx
