#include "pilecap/pilecap_fields.h"

#include "pilecap/pilecap_form.h"

namespace mx::pilecap {

namespace {
// Short name and unit of each input field; caption and default are the form's own.
struct Naming {
    const char* object;
    const char* name;
    const char* unit;
};
constexpr Naming kNaming[] = {
    {"Text1", "load", "kg"},        {"Text3", "pile_load", "t"}, {"Text4", "pile_width", "cm"},
    {"Text2", "bar", "mm"},         {"Text5", "fc_prime", "ksc"}, {"Text6", "fc", "ksc"},
    {"Text7", "fs", "ksc"},         {"Text14", "self_weight", "%"},
};
}  // namespace

const FieldTable& pileCapFieldTable() {
    static const FieldTable table = [] {
        FieldTable t;
        for (const InputFieldDef& def : kInputFields)
            for (const Naming& n : kNaming)
                if (std::string_view(n.object) == def.name) t.push_back({def.name, n.name, def.caption, n.unit, def.defaultText});
        addTitleBlockFields(t, {kTitleBlockFields[0], kTitleBlockFields[1], kTitleBlockFields[2], kTitleBlockFields[3],
                                kTitleBlockFields[4]},
                            "ชื่อฐานราก");
        return t;
    }();
    return table;
}

std::vector<Message> typePileCapField(cli::FormState& state, std::string_view field, const std::string& text) {
    return typeField(state.fields, field, text, changeCheck);
}

}  // namespace mx::pilecap
