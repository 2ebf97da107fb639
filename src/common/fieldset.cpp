#include "common/fieldset.h"

#include "common/numtext.h"

namespace mx {

const std::string* FieldSet::find(std::string_view name) const {
    for (const auto& [n, t] : fields_)
        if (n == name) return &t;
    return nullptr;
}

const std::string& FieldSet::get(std::string_view name) const {
    static const std::string empty;
    const std::string* t = find(name);
    return t ? *t : empty;
}

double FieldSet::num(std::string_view name) const { return mx::num(get(name)); }

void FieldSet::set(std::string_view name, std::string text) {
    for (auto& [n, t] : fields_) {
        if (n == name) {
            t = std::move(text);
            return;
        }
    }
    fields_.emplace_back(std::string(name), std::move(text));
}

void FieldSet::apply(const Diagnostics& diagnostics) {
    for (const auto& c : diagnostics.corrections()) set(c.field, c.text);
}

}  // namespace mx
