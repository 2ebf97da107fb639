#include "pile/pile_fields.h"

#include <algorithm>

#include "pile/blow_form.h"
#include "pile/pile_form.h"

namespace mx::pile {

namespace {
constexpr const char* kTitleCaptions[] = {"ชื่อโครงการ", "ชื่อเสาเข็ม", "ชื่อวิศวกร / บริษัท", "เลขทะเบียน / โทร.",
                                          "หน้า / แผ่นที่"};
}  // namespace

const FieldTable& pileFieldTable() {
    static const FieldTable table = [] {
        // The size is a perimeter in cm, a diameter in m or in inches by the pile
        // type, whose button also puts up the caption that says which.
        FieldTable t{
            {"Text1", "size", kDefaultSizeCaption, "by type", "?"},
            {"Text2", "length", kDefaultLengthCaption, "m", "21"},
        };
        addTitleBlockFields(t, {"Text3", "Text4", "Text5", "Text6", "Text7"}, kTitleCaptions[1]);
        return t;
    }();
    return table;
}

std::vector<TypeInfo> pileTypeList() {
    std::vector<TypeInfo> types;
    for (const PileTypeInfo& t : pileTypes()) types.push_back({t.code, t.typeText});
    std::sort(types.begin(), types.end(), [](const auto& a, const auto& b) { return a.code < b.code; });
    return types;
}

std::vector<Message> typePileField(FormState& state, std::string_view field, const std::string& text) {
    return typeField(state.fields, field, text, checkPileField);
}

namespace {
struct Naming {
    const char* object;
    const char* name;
    const char* unit;
};
constexpr Naming kBlowNaming[] = {
    {"Text1", "area", "cm2"},  {"Text3", "safe_load", "t"}, {"Text2", "length", "m"},
    {"Text9", "hammer", "t"},  {"Text10", "drop", "cm"},     {"Text11", "blows", ""},
};
}  // namespace

const FieldTable& blowFieldTable() {
    static const FieldTable table = [] {
        FieldTable t;
        // Caption and default are the blow-count form's own.
        for (const BlowField& b : blowInputFields())
            for (const Naming& n : kBlowNaming)
                if (std::string_view(n.object) == b.name) t.push_back({b.name, n.name, b.caption, n.unit, b.defaultText});
        addTitleBlockFields(t, {kBlowTitleFields[0].c_str(), kBlowTitleFields[1].c_str(), kBlowTitleFields[2].c_str(),
                                kBlowTitleFields[3].c_str(), kBlowTitleFields[4].c_str()},
                            kTitleCaptions[1]);
        return t;
    }();
    return table;
}

std::vector<TypeInfo> blowTypeList() {
    std::vector<TypeInfo> types;
    for (const BlowTypeInfo& t : blowTypes()) types.push_back({t.code, t.typeText});
    return types;
}

std::vector<Message> typeBlowField(FormState& state, std::string_view field, const std::string& text) {
    return typeField(state.fields, field, text, [](std::string_view f, const FieldSet& fields) {
        return checkBlowField(std::string(f), fields.get(f));
    });
}

}  // namespace mx::pile
