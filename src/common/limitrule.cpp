#include "common/limitrule.h"

#include <cmath>
#include <string>

#include "common/fixed.h"

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

bool breaks(const LimitRule& rule, double value) {
    const double v = held(value, rule.reading);
    switch (rule.breach) {
    case Breach::Above: return v > rule.bound;
    case Breach::Below: return v < rule.bound;
    case Breach::AtOrBelow: return v <= rule.bound;
    }
    return false;
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
