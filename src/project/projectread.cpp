// The project file's JSON read into a project, version 1 (fields by object name,
// members in a list) and version 2 (fields by short name, members by id), with every
// module, field, type and grade checked against the modules' own tables.
#include <charconv>
#include <cmath>

#include "common/fieldtable.h"
#include "common/utf8.h"
#include "project/links.h"
#include "project/projectformat.h"

namespace mx::project {

namespace {

// A reason the file cannot be used, thrown from deep in the checks and turned into
// the one message at the top.
struct Unusable {
    std::string reason;
};

// What a file of one version calls things.
struct Reading {
    const std::vector<ModuleDescription>& modules;
    int version;
};

std::string lineNote(const JsonValue& v) { return "บรรทัด " + std::to_string(v.line); }

const char* kindName(JsonValue::Kind k) {
    switch (k) {
    case JsonValue::Kind::Null: return "ค่าว่าง (null)";
    case JsonValue::Kind::Bool: return "ค่าจริง/เท็จ";
    case JsonValue::Kind::Number: return "ตัวเลข";
    case JsonValue::Kind::String: return "ข้อความ";
    case JsonValue::Kind::Array: return "รายการ";
    case JsonValue::Kind::Object: return "กลุ่มหัวข้อ";
    }
    return "";
}

// A value as the file holds it, for a message: a text quoted, a number as written,
// a list or a group of keys by its kind.
std::string asWritten(const JsonValue& v) {
    switch (v.kind) {
    case JsonValue::Kind::String: return std::string(kindName(v.kind)) + " " + quotedName(v.text);
    case JsonValue::Kind::Number: return std::string(kindName(v.kind)) + " " + shownText(v.text);
    case JsonValue::Kind::Bool: return std::string(kindName(v.kind)) + (v.boolean ? " true" : " false");
    case JsonValue::Kind::Null: return kindName(v.kind);
    case JsonValue::Kind::Array:
    case JsonValue::Kind::Object: return kindName(v.kind);
    }
    return "";
}

void expectKind(const JsonValue& v, JsonValue::Kind k, const std::string& where) {
    if (v.kind != k)
        throw Unusable{where + " ต้องเป็น" + kindName(k) + " แต่เป็น" + asWritten(v) + " (" + lineNote(v) + ")"};
}

// A whole number written without fraction or exponent, in int range.
std::optional<int> wholeNumber(const JsonValue& v) {
    if (v.kind != JsonValue::Kind::Number) return std::nullopt;
    int n = 0;
    const char* end = v.text.data() + v.text.size();
    const auto r = std::from_chars(v.text.data(), end, n);
    if (r.ec != std::errc() || r.ptr != end) return std::nullopt;
    return n;
}

// A whole number from lo to hi, or the reason it is not.
int wholeIn(const JsonValue& v, int lo, int hi, const std::string& where) {
    const auto n = wholeNumber(v);
    if (!n || *n < lo || *n > hi)
        throw Unusable{where + " ต้องเป็นเลขจำนวนเต็มตั้งแต่ " + std::to_string(lo) + " ถึง " + std::to_string(hi) +
                       " แต่เป็น" + asWritten(v) + " (" + lineNote(v) + ")"};
    return *n;
}

// Every key of an object must be one of the known ones.
void onlyKeys(const JsonValue& v, std::initializer_list<const char*> known, const std::string& where) {
    for (const auto& [key, value] : v.members) {
        bool ok = false;
        for (const char* k : known) ok = ok || key == k;
        if (!ok) {
            std::vector<std::string> names(known.begin(), known.end());
            throw Unusable{where + " มีหัวข้อ " + quotedName(key) + " ที่ไม่รู้จัก (" + lineNote(value) +
                           ", หัวข้อที่ใกล้เคียงคือ " + quotedName(closestName(key, names)) + ")"};
        }
    }
}

// The names a file gives a module's fields: version 1 their object names, later
// versions their short names; a module without a field table goes by the object names
// of its defaults in every version.
std::vector<std::string> storedNames(const ModuleDescription& module, int version) {
    std::vector<std::string> names;
    if (module.fields.empty())
        for (const auto& [object, text] : module.defaults.entries()) names.push_back(object);
    for (const FieldInfo& f : module.fields) names.emplace_back(version == 1 ? f.object : f.name);
    return names;
}

// Field texts by their stored names onto a field set by object name, each checked
// against the module.
void readFields(const JsonValue& v, const ModuleDescription& module, const Reading& r, FieldSet& into,
                const std::string& where) {
    expectKind(v, JsonValue::Kind::Object, where);
    const std::vector<std::string> names = storedNames(module, r.version);
    for (const auto& [key, value] : v.members) {
        std::size_t i = 0;
        while (i < names.size() && names[i] != key) ++i;
        if (i == names.size())
            throw Unusable{where + " ไม่มีช่องข้อมูล " + quotedName(key) + " ในโมดูล " + module.name + " (" +
                           lineNote(value) + ", ช่องที่ใกล้เคียงคือ " + quotedName(closestName(key, names)) + ")"};
        expectKind(value, JsonValue::Kind::String, where + " ช่อง " + key);
        into.set(module.fields.empty() ? key : module.fields[i].object, value.text);
    }
}

std::string text(const JsonValue* v, const std::string& where) {
    if (!v) return {};
    expectKind(*v, JsonValue::Kind::String, where);
    return v->text;
}

// One term of a link: another member's port times a count, or a typed value.
LinkTerm readTerm(const JsonValue& v, const std::string& where) {
    expectKind(v, JsonValue::Kind::Object, where);
    LinkTerm t;
    if (v.find("member")) {
        onlyKeys(v, {"member", "port", "count"}, where);
        t.member = text(v.find("member"), where + " รหัสชิ้นส่วน");
        t.port = text(v.find("port"), where + " ค่าที่ส่งต่อ");
        if (const JsonValue* count = v.find("count")) {
            const auto n = wholeNumber(*count);
            if (!n) throw Unusable{where + " จำนวน (หัวข้อ \"count\") ต้องเป็นเลขจำนวนเต็ม แต่เป็น" + asWritten(*count) +
                                   " (" + lineNote(*count) + ")"};
            t.count = *n;
        }
        return t;
    }
    onlyKeys(v, {"value", "part", "note"}, where);
    const JsonValue* value = v.find("value");
    if (!value) throw Unusable{where + " ไม่ได้บอกชิ้นส่วน (หัวข้อ \"member\") หรือค่าที่พิมพ์ (หัวข้อ \"value\") (" + lineNote(v) + ")"};
    expectKind(*value, JsonValue::Kind::Number, where + " ค่าที่พิมพ์");
    const char* end = value->text.data() + value->text.size();
    if (std::from_chars(value->text.data(), end, t.value).ptr != end || !std::isfinite(t.value))
        throw Unusable{where + " ค่าที่พิมพ์ " + shownText(value->text) + " อ่านเป็นตัวเลขไม่ได้ (" + lineNote(*value) + ")"};
    const std::string part = text(v.find("part"), where + " ชนิดน้ำหนัก");
    if (part != "" && part != "dead" && part != "live")
        throw Unusable{where + " ชนิดน้ำหนัก (หัวข้อ \"part\") ต้องเป็น \"dead\" หรือ \"live\" แต่เป็น " + quotedName(part)};
    t.live = part == "live";
    t.note = text(v.find("note"), where + " หมายเหตุ");
    return t;
}

// The member's links by field short name; a linked field keeps no typed text.
void readLinks(const JsonValue& v, const ModuleDescription& module, Member& m, const std::string& where) {
    expectKind(v, JsonValue::Kind::Object, where + " ลิงก์ (หัวข้อ \"links\")");
    for (const auto& [field, terms] : v.members) {
        const std::string at = where + " ลิงก์ช่อง " + quotedName(field);
        expectKind(terms, JsonValue::Kind::Array, at);
        FieldLink link{field, {}};
        for (std::size_t i = 0; i < terms.items.size(); ++i)
            link.terms.push_back(readTerm(terms.items[i], at + " รายการที่ " + std::to_string(i + 1)));
        if (const FieldInfo* f = findField(module.fields, field); f && m.state.fields.has(f->object))
            throw Unusable{at + " มีทั้งข้อความที่พิมพ์ไว้และลิงก์ ช่องที่ลิงก์ต้องไม่มีข้อความที่พิมพ์ (" + lineNote(terms) +
                           ")"};
        m.links.push_back(std::move(link));
    }
}

Member readMember(const JsonValue& v, std::size_t index, std::string id, const Reading& r) {
    std::string where = "ชิ้นส่วนลำดับที่ " + std::to_string(index + 1);
    expectKind(v, JsonValue::Kind::Object, where);
    onlyKeys(v, {"module", "name", "type", "grade", "count", "fields", "links"}, where);
    Member m;
    m.id = std::move(id);
    m.name = text(v.find("name"), where + " ชื่อ");
    if (!m.name.empty()) where += " " + quotedName(m.name);
    const JsonValue* module = v.find("module");
    if (!module) throw Unusable{where + " ไม่ได้บอกโมดูล (หัวข้อ \"module\")"};
    m.module = text(module, where + " โมดูล");
    const ModuleDescription* found = findModule(r.modules, m.module);
    if (!found || !found->run || !isMemberModule(*found)) {
        std::vector<std::string> names;
        for (const ModuleDescription& c : r.modules)
            if (isMemberModule(c)) names.push_back(c.name);
        throw Unusable{where + " เป็นโมดูล " + quotedName(m.module) + " ที่โปรแกรมนี้ไม่รู้จัก (" + lineNote(*module) +
                       ", โมดูลที่ใกล้เคียงคือ " + quotedName(closestName(m.module, names)) + ")"};
    }
    if (const JsonValue* type = v.find("type"); type && type->kind != JsonValue::Kind::Null) {
        const auto code = wholeNumber(*type);
        if (!code)
            throw Unusable{where + " ชนิด (หัวข้อ \"type\") ต้องเป็นเลขจำนวนเต็ม แต่เป็น" + asWritten(*type) + " (" +
                           lineNote(*type) + ")"};
        FormState scratch;
        scratch.fields = found->defaults;
        if (*code != 0 && !pressType(*found, scratch, *code))
            throw Unusable{where + " เป็นชนิดที่ " + std::to_string(*code) + " ซึ่งโมดูล " + m.module + " ไม่มี (" +
                           lineNote(*type) + ")"};
        m.state.typeCode = *code;
    }
    if (const JsonValue* grade = v.find("grade"); grade && grade->kind != JsonValue::Kind::Null) {
        const std::string g = text(grade, where + " ชั้นคุณภาพเหล็ก");
        const auto parsed = parseSteelGrade(g);
        if (!parsed)
            throw Unusable{where + " มีชั้นคุณภาพเหล็ก " + quotedName(g) + " ที่ไม่รู้จัก (" + lineNote(*grade) +
                           ", ใช้ได้ SR24, SD30, SD35, SD40)"};
        if (!found->pressGrade)
            throw Unusable{where + " มีชั้นคุณภาพเหล็ก " + quotedName(g) + " แต่โมดูล " + m.module +
                           " ไม่มีปุ่มเลือกชั้นเหล็ก (" + lineNote(*grade) + ")"};
        m.state.grade = parsed;
    }
    if (const JsonValue* count = v.find("count"))
        m.count = wholeIn(*count, 1, kMaxMemberCount, where + " จำนวน (หัวข้อ \"count\")");
    if (const JsonValue* fields = v.find("fields")) readFields(*fields, *found, r, m.state.fields, where);
    if (const JsonValue* links = v.find("links")) readLinks(*links, *found, m, where);
    return m;
}

// Version 1 lists the members in order; the ids are given by that order. Version 2
// keys them by id, in order, the id never empty (the JSON reader has already refused
// a key given twice).
void readMembers(const JsonValue& list, const Reading& r, std::vector<Member>& into) {
    const std::string where = "รายการชิ้นส่วน (หัวข้อ \"members\")";
    if (r.version == 1) {
        expectKind(list, JsonValue::Kind::Array, where);
        for (std::size_t i = 0; i < list.items.size(); ++i)
            into.push_back(readMember(list.items[i], i, "m" + std::to_string(i + 1), r));
        return;
    }
    expectKind(list, JsonValue::Kind::Object, where);
    for (std::size_t i = 0; i < list.members.size(); ++i) {
        const auto& [id, member] = list.members[i];
        if (id.empty())
            throw Unusable{"ชิ้นส่วนลำดับที่ " + std::to_string(i + 1) + " มีรหัสชิ้นส่วนเป็นข้อความว่าง \"\" (" +
                           lineNote(member) + ")"};
        into.push_back(readMember(member, i, id, r));
    }
}

// The version the file says it is, when the program reads it.
int readVersion(const JsonValue& root) {
    const JsonValue* version = root.find("version");
    if (!version) throw Unusable{"ไม่ได้บอกรุ่นของรูปแบบไฟล์ (หัวข้อ \"version\")"};
    // A whole number too large for the reader is a version newer than it knows.
    const bool digitsOnly =
        version->kind == JsonValue::Kind::Number && version->text.find_first_not_of("0123456789") == std::string::npos;
    const auto v = wholeNumber(*version);
    if (!digitsOnly || (v && *v < 1))
        throw Unusable{"รุ่นของรูปแบบไฟล์ (หัวข้อ \"version\") ต้องเป็นเลขจำนวนเต็มตั้งแต่ 1 ขึ้นไป แต่เป็น" +
                       asWritten(*version) + " (" + lineNote(*version) + ")"};
    if (!v || *v > kFormatVersion)
        throw Unusable{"ไฟล์นี้ใช้รูปแบบรุ่น " + shownText(version->text) +
                       " ซึ่งใหม่กว่าที่โปรแกรมนี้อ่านได้ (รุ่น " + std::to_string(kFormatVersion) + ", " +
                       lineNote(*version) + ") โปรดเปิดด้วยโปรแกรมรุ่นใหม่กว่า"};
    return *v;
}

Project readProject(const JsonValue& root, const std::vector<ModuleDescription>& modules) {
    const std::string expected = "\"format\": " + quotedName(kFormatName);
    if (root.kind != JsonValue::Kind::Object)
        throw Unusable{"ไม่ใช่ไฟล์โครงการ MX7100 (ข้อมูลทั้งไฟล์เป็น" + asWritten(root) + " ไม่ใช่กลุ่มหัวข้อที่มี " +
                       expected + ", " + lineNote(root) + ")"};
    const JsonValue* format = root.find("format");
    if (!format) throw Unusable{"ไม่ใช่ไฟล์โครงการ MX7100 (ไม่มีหัวข้อ " + expected + ")"};
    if (format->kind != JsonValue::Kind::String || format->text != kFormatName)
        throw Unusable{"ไม่ใช่ไฟล์โครงการ MX7100 (หัวข้อ \"format\" เป็น" + asWritten(*format) + " ไม่ใช่ " +
                       quotedName(kFormatName) + ", " + lineNote(*format) + ")"};
    const Reading r{modules, readVersion(root)};
    onlyKeys(root, {"format", "version", "cover", "criteria", "titleBlock", "waste", "members"}, "ไฟล์");

    Project p = newProject(modules);
    const ModuleDescription* cover = findModule(modules, kCoverModule);
    const ModuleDescription* criteria = findModule(modules, kCriteriaModule);
    if (const JsonValue* c = root.find("cover"); c && cover) readFields(*c, *cover, r, p.cover, "หน้าปก");
    if (const JsonValue* c = root.find("criteria"); c && criteria)
        readFields(*c, *criteria, r, p.criteria, "หน้าข้อกำหนด");
    if (const JsonValue* t = root.find("titleBlock")) {
        const std::string where = "ค่าตั้งต้นของกรอบชื่อโครงการ";
        expectKind(*t, JsonValue::Kind::Object, where);
        onlyKeys(*t, {"project", "engineer", "registration"}, where);
        p.titleBlock.project = text(t->find("project"), where + " ชื่อโครงการ");
        p.titleBlock.engineer = text(t->find("engineer"), where + " ชื่อวิศวกร");
        p.titleBlock.registration = text(t->find("registration"), where + " เลขทะเบียน");
    }
    if (const JsonValue* w = root.find("waste")) {
        const std::string where = "ค่าเผื่อวัสดุ (หัวข้อ \"waste\")";
        expectKind(*w, JsonValue::Kind::Object, where);
        onlyKeys(*w, {"concrete", "formwork", "steel"}, where);
        const std::pair<const char*, int*> items[] = {
            {"concrete", &p.waste.concrete}, {"formwork", &p.waste.formwork}, {"steel", &p.waste.steel}};
        for (const auto& [key, into] : items)
            if (const JsonValue* x = w->find(key)) *into = wholeIn(*x, 0, kMaxWastePercent, where + " " + key);
    }
    if (const JsonValue* list = root.find("members")) readMembers(*list, r, p.members);
    if (auto fault = linkFault(p, modules)) throw Unusable{*fault};
    return p;
}

}  // namespace

std::variant<Project, std::string> projectFromJson(const JsonValue& root, const std::vector<ModuleDescription>& modules) {
    try {
        return readProject(root, modules);
    } catch (const Unusable& u) {
        return u.reason;
    }
}

}  // namespace mx::project
