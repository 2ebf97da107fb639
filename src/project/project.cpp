#include "project/project.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>

#include "common/fieldtable.h"
#include "common/stagedoutput.h"
#include "common/utf8.h"
#include "project/json.h"

namespace mx::project {

namespace fs = std::filesystem;

namespace {

constexpr const char* kGradeNames[] = {"SR24", "SD30", "SD35", "SD40"};
constexpr const char* kCoverModule = "cover";
constexpr const char* kCriteriaModule = "criteria";

const ModuleDescription* moduleNamed(const std::vector<ModuleDescription>& modules, std::string_view name) {
    for (const ModuleDescription& m : modules)
        if (m.name == name) return &m;
    return nullptr;
}

// The object names a module's fields go by: its field table, or its defaults where
// it has no table.
std::vector<std::string> objectNames(const ModuleDescription& module) {
    std::vector<std::string> names;
    if (module.fields.empty())
        for (const auto& [object, text] : module.defaults.entries()) names.push_back(object);
    for (const FieldInfo& f : module.fields) names.emplace_back(f.object);
    return names;
}

// A reason the file cannot be used, thrown from deep in the checks and turned into
// the one message at the top.
struct Unusable {
    std::string reason;
};

std::string inQuotes(std::string_view s) { return quotedName(s); }

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
    case JsonValue::Kind::String: return std::string(kindName(v.kind)) + " " + inQuotes(v.text);
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

// Every key of an object must be one of the known ones.
void onlyKeys(const JsonValue& v, std::initializer_list<const char*> known, const std::string& where) {
    for (const auto& [key, value] : v.members) {
        bool ok = false;
        for (const char* k : known) ok = ok || key == k;
        if (!ok) {
            std::vector<std::string> names(known.begin(), known.end());
            throw Unusable{where + "มีหัวข้อ " + inQuotes(key) + " ที่ไม่รู้จัก (" + lineNote(value) +
                           ", หัวข้อที่ใกล้เคียงคือ " + inQuotes(closestName(key, names)) + ")"};
        }
    }
}

// Field texts by object name onto a field set, each checked against the module.
void readFields(const JsonValue& v, const ModuleDescription& module, FieldSet& into, const std::string& where) {
    expectKind(v, JsonValue::Kind::Object, where);
    const std::vector<std::string> names = objectNames(module);
    for (const auto& [key, value] : v.members) {
        bool known = false;
        for (const std::string& n : names) known = known || n == key;
        if (!known)
            throw Unusable{where + " ไม่มีช่องข้อมูล " + inQuotes(key) + " ในโมดูล " + module.name + " (" +
                           lineNote(value) + ", ช่องที่ใกล้เคียงคือ " + inQuotes(closestName(key, names)) + ")"};
        expectKind(value, JsonValue::Kind::String, where + " ช่อง " + key);
        into.set(key, value.text);
    }
}

std::string text(const JsonValue* v, const std::string& where) {
    if (!v) return {};
    expectKind(*v, JsonValue::Kind::String, where);
    return v->text;
}

Member readMember(const JsonValue& v, std::size_t index, const std::vector<ModuleDescription>& modules) {
    std::string where = "ชิ้นส่วนลำดับที่ " + std::to_string(index + 1);
    expectKind(v, JsonValue::Kind::Object, where);
    onlyKeys(v, {"module", "name", "type", "grade", "fields"}, where);
    Member m;
    m.name = text(v.find("name"), where + " ชื่อ");
    if (!m.name.empty()) where += " " + inQuotes(m.name);
    const JsonValue* module = v.find("module");
    if (!module) throw Unusable{where + " ไม่ได้บอกโมดูล (หัวข้อ \"module\")"};
    m.module = text(module, where + " โมดูล");
    const ModuleDescription* found = moduleNamed(modules, m.module);
    if (!found || !found->run || !isMemberModule(*found)) {
        std::vector<std::string> names;
        for (const ModuleDescription& c : modules)
            if (isMemberModule(c)) names.push_back(c.name);
        throw Unusable{where + " เป็นโมดูล " + inQuotes(m.module) + " ที่โปรแกรมนี้ไม่รู้จัก (" + lineNote(*module) +
                       ", โมดูลที่ใกล้เคียงคือ " + inQuotes(closestName(m.module, names)) + ")"};
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
        m.type = *code;
    }
    if (const JsonValue* grade = v.find("grade"); grade && grade->kind != JsonValue::Kind::Null) {
        const std::string g = text(grade, where + " ชั้นคุณภาพเหล็ก");
        const auto parsed = parseSteelGrade(g);
        if (!parsed)
            throw Unusable{where + " มีชั้นคุณภาพเหล็ก " + inQuotes(g) + " ที่ไม่รู้จัก (" + lineNote(*grade) +
                           ", ใช้ได้ SR24, SD30, SD35, SD40)"};
        if (!found->pressGrade)
            throw Unusable{where + " มีชั้นคุณภาพเหล็ก " + inQuotes(g) + " แต่โมดูล " + m.module +
                           " ไม่มีปุ่มเลือกชั้นเหล็ก (" + lineNote(*grade) + ")"};
        m.grade = parsed;
    }
    if (const JsonValue* fields = v.find("fields")) readFields(*fields, *found, m.fields, where);
    return m;
}

Project readProject(const JsonValue& root, const std::vector<ModuleDescription>& modules) {
    const std::string expected = "\"format\": " + inQuotes(kFormatName);
    if (root.kind != JsonValue::Kind::Object)
        throw Unusable{"ไม่ใช่ไฟล์โครงการ MX7100 (ข้อมูลทั้งไฟล์เป็น" + asWritten(root) + " ไม่ใช่กลุ่มหัวข้อที่มี " +
                       expected + ", " + lineNote(root) + ")"};
    const JsonValue* format = root.find("format");
    if (!format) throw Unusable{"ไม่ใช่ไฟล์โครงการ MX7100 (ไม่มีหัวข้อ " + expected + ")"};
    if (format->kind != JsonValue::Kind::String || format->text != kFormatName)
        throw Unusable{"ไม่ใช่ไฟล์โครงการ MX7100 (หัวข้อ \"format\" เป็น" + asWritten(*format) + " ไม่ใช่ " +
                       inQuotes(kFormatName) + ", " + lineNote(*format) + ")"};
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
    onlyKeys(root, {"format", "version", "cover", "criteria", "titleBlock", "members"}, "ไฟล์");

    Project p = newProject(modules);
    const ModuleDescription* cover = moduleNamed(modules, kCoverModule);
    const ModuleDescription* criteria = moduleNamed(modules, kCriteriaModule);
    if (const JsonValue* c = root.find("cover"); c && cover) readFields(*c, *cover, p.cover, "หน้าปก");
    if (const JsonValue* c = root.find("criteria"); c && criteria) readFields(*c, *criteria, p.criteria, "หน้าข้อกำหนด");
    if (const JsonValue* t = root.find("titleBlock")) {
        const std::string where = "ค่าตั้งต้นของกรอบชื่อโครงการ";
        expectKind(*t, JsonValue::Kind::Object, where);
        onlyKeys(*t, {"project", "engineer", "registration"}, where);
        p.titleBlock.project = text(t->find("project"), where + " ชื่อโครงการ");
        p.titleBlock.engineer = text(t->find("engineer"), where + " ชื่อวิศวกร");
        p.titleBlock.registration = text(t->find("registration"), where + " เลขทะเบียน");
    }
    if (const JsonValue* list = root.find("members")) {
        expectKind(*list, JsonValue::Kind::Array, "รายการชิ้นส่วน (หัวข้อ \"members\")");
        for (std::size_t i = 0; i < list->items.size(); ++i) p.members.push_back(readMember(list->items[i], i, modules));
    }
    return p;
}

std::string openFailure(const std::string& fileName, const std::string& reason) {
    return "เปิดไฟล์โครงการ " + inQuotes(fileName) + " ไม่ได้: " + reason;
}

// A text saved as UTF-16: its byte-order mark, or, without one, the zero byte that
// every ASCII character of UTF-16 carries beside it ("{" as 7B 00 or 00 7B).
bool savedAsUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
    return bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0');
}

// Whether the bytes from `at` are the start of a character that the end of the file
// cut off: a Thai letter takes three bytes, and a file cut after one or two of them is
// cut short, not of another encoding.
bool cutInsideCharacter(std::string_view bytes, std::size_t at) {
    const std::string_view rest = bytes.substr(at);
    if (rest.empty() || rest.size() >= 4) return false;
    // Completed with either continuation byte that some lead byte requires, the
    // sequence is whole.
    for (const char fill : {'\x80', '\xBF'}) {
        std::string whole(rest);
        whole.append(4 - rest.size(), fill);
        const std::size_t n = utf8SequenceLength(whole, 0);
        if (n > rest.size()) return true;
    }
    return false;
}

// Why a name reaches no file, from the error of looking it up.
std::string notReached(const std::error_code& ec) {
    if (ec == std::errc::permission_denied) return "ไม่มีสิทธิ์เข้าถึงโฟลเดอร์ของไฟล์นี้";
    if (ec == std::errc::too_many_symbolic_link_levels) return "ทางลัด (symbolic link) ของชื่อนี้ชี้วนกันไม่รู้จบ";
    if (ec == std::errc::not_a_directory) return "ส่วนหนึ่งของชื่อที่ควรเป็นโฟลเดอร์ (ก่อนเครื่องหมาย /) เป็นไฟล์";
    if (ec == std::errc::filename_too_long) return "ชื่อไฟล์ยาวเกินกว่าที่ระบบจะเปิดได้";
    if (ec && ec != std::errc::no_such_file_or_directory) return "หาไฟล์นี้ไม่ได้ (" + ec.message() + ")";
    return "ไม่พบไฟล์นี้";
}

std::string megabytes(std::uintmax_t bytes) {
    return std::to_string((bytes + (1u << 20) - 1) >> 20) + " MB";
}

void writeFields(std::string& out, const FieldSet& fields, const std::string& indent) {
    out += "{";
    bool first = true;
    for (const auto& [object, value] : fields.entries()) {
        out += first ? "\n" : ",\n";
        first = false;
        out += indent + "  " + cli::jsonString(object) + ": " + cli::jsonString(value);
    }
    out += first ? "}" : "\n" + indent + "}";
}

}  // namespace

bool isMemberModule(const ModuleDescription& module) {
    return module.name != kCoverModule && module.name != kCriteriaModule;
}

Project newProject(const std::vector<ModuleDescription>& modules) {
    Project p;
    if (const ModuleDescription* m = moduleNamed(modules, kCoverModule)) p.cover = m->defaults;
    if (const ModuleDescription* m = moduleNamed(modules, kCriteriaModule)) p.criteria = m->defaults;
    return p;
}

std::string projectText(const Project& p) {
    std::string out = "{\n  \"format\": " + cli::jsonString(kFormatName) +
                      ",\n  \"version\": " + std::to_string(kFormatVersion) + ",\n  \"cover\": ";
    writeFields(out, p.cover, "  ");
    out += ",\n  \"criteria\": ";
    writeFields(out, p.criteria, "  ");
    out += ",\n  \"titleBlock\": {\"project\": " + cli::jsonString(p.titleBlock.project) +
           ", \"engineer\": " + cli::jsonString(p.titleBlock.engineer) +
           ", \"registration\": " + cli::jsonString(p.titleBlock.registration) + "},\n  \"members\": [";
    for (std::size_t i = 0; i < p.members.size(); ++i) {
        const Member& m = p.members[i];
        out += i ? ",\n" : "\n";
        out += "    {\"module\": " + cli::jsonString(m.module) + ", \"name\": " + cli::jsonString(m.name) +
               ", \"type\": " + (m.type ? std::to_string(m.type) : std::string("null")) + ", \"grade\": " +
               (m.grade ? cli::jsonString(kGradeNames[static_cast<int>(*m.grade)]) : std::string("null")) +
               ",\n     \"fields\": ";
        writeFields(out, m.fields, "     ");
        out += "}";
    }
    out += p.members.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

ReadOutcome parseProject(std::string_view bytes, const std::string& fileName, const std::vector<ModuleDescription>& modules) {
    ReadOutcome out;
    if (bytes.size() > kMaxFileBytes) {
        out.error = openFailure(fileName, "ไฟล์ใหญ่ " + megabytes(bytes.size()) + " เกินขนาดของไฟล์โครงการ (ไม่เกิน " +
                                              megabytes(kMaxFileBytes) + ")");
        return out;
    }
    if (savedAsUtf16(bytes)) {
        out.error = openFailure(fileName, "ไฟล์นี้บันทึกเป็นข้อความ UTF-16 ไฟล์โครงการต้องเป็นข้อความ UTF-8");
        return out;
    }
    if (const std::size_t bad = firstBadUtf8(bytes); bad != std::string_view::npos) {
        const std::string line = " (บรรทัด " + std::to_string(lineNumberAt(bytes, bad)) + ")";
        out.error = openFailure(fileName, cutInsideCharacter(bytes, bad)
                                              ? "ไฟล์ขาดหาย จบกลางตัวอักษร" + line
                                              : "มีไบต์ที่ไม่ใช่ข้อความ UTF-8 ที่ไบต์ที่ " + std::to_string(bad + 1) + line);
        return out;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        out.error = openFailure(fileName, "ไฟล์ว่างเปล่า ไม่มีข้อมูลโครงการ");
        return out;
    }
    auto parsed = parseJson(bytes);
    if (const auto* e = std::get_if<JsonError>(&parsed)) {
        out.error = openFailure(fileName, (e->truncated ? "ไฟล์ขาดหาย ข้อมูลจบก่อนครบ" : "ไม่ใช่ JSON ที่ถูกต้อง: " + e->what) +
                                              " (บรรทัด " + std::to_string(e->line) + ")");
        return out;
    }
    try {
        out.project = readProject(std::get<JsonValue>(parsed), modules);
    } catch (const Unusable& u) {
        out.error = openFailure(fileName, u.reason);
    }
    return out;
}

ReadOutcome readProjectFile(const std::string& path, const std::vector<ModuleDescription>& modules) {
    ReadOutcome out;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st)) {
        out.error = openFailure(path, notReached(ec));
        return out;
    }
    if (fs::is_directory(st)) {
        out.error = openFailure(path, "ชื่อนี้เป็นโฟลเดอร์ ไม่ใช่ไฟล์โครงการ");
        return out;
    }
    if (!fs::is_regular_file(st)) {
        out.error = openFailure(path, "ชื่อนี้ไม่ใช่ไฟล์ธรรมดา");
        return out;
    }
    if (const auto size = fs::file_size(path, ec); !ec && size > kMaxFileBytes) {
        out.error = openFailure(path, "ไฟล์ใหญ่ " + megabytes(size) + " เกินขนาดของไฟล์โครงการ (ไม่เกิน " +
                                          megabytes(kMaxFileBytes) + ")");
        return out;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        out.error = openFailure(path, errno == EACCES ? "ไม่มีสิทธิ์อ่านไฟล์นี้" : "อ่านไฟล์นี้ไม่ได้");
        return out;
    }
    // Read no more than one byte past the limit: a file that grows while it is read
    // is still refused rather than read without end.
    std::string bytes;
    char buf[65536];
    std::size_t n = 0;
    while (bytes.size() <= kMaxFileBytes && (n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        out.error = openFailure(path, errno == EISDIR ? "ชื่อนี้เป็นโฟลเดอร์ ไม่ใช่ไฟล์โครงการ" : "อ่านไฟล์ไม่สำเร็จ");
        return out;
    }
    return parseProject(bytes, path, modules);
}

std::optional<std::string> saveProjectFile(const Project& project, const std::string& path) {
    std::error_code ec;
    const fs::path target(path);
    // Only a file there before is kept whole; a folder of that name is no project.
    const bool existed = fs::is_regular_file(fs::status(target, ec));
    auto failure = [&](const std::string& reason) {
        return "บันทึกไฟล์โครงการ " + inQuotes(path) + " ไม่ได้: " + reason +
               (existed ? " ไฟล์เดิมยังอยู่ครบ ไม่ได้เปลี่ยนแปลง" : "");
    };
    if (fs::is_directory(fs::status(target, ec))) return failure("ชื่อนี้เป็นโฟลเดอร์");
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    if (!fs::is_directory(fs::status(dir, ec))) return failure("ไม่พบโฟลเดอร์ " + inQuotes(dir.string()));

    // Written beside the old file and renamed over it only when whole and on the disk,
    // so a failed save leaves the previous file as it was.
    StagedOutput staged(path);
    const std::string text = projectText(project);
    std::optional<WriteFault> fault;
    if (!staged.stagingPath().empty()) {
        std::FILE* f = std::fopen(staged.stagingPath().c_str(), "wb");
        bool ok = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
        ok = (f && std::fclose(f) == 0) && ok;
        // The file must end with the text's own last bytes: a write cut short does not.
        if (ok) fault = staged.commit(std::string_view(text).substr(text.size() - std::min<std::size_t>(text.size(), 16)));
        else fault = WriteFault{WriteFault::Kind::Unfinished, errno};
    } else {
        fault = staged.commit({});
    }
    if (!fault) return std::nullopt;
    if (fault->denied()) return failure("ไม่มีสิทธิ์เขียนในโฟลเดอร์ " + inQuotes(dir.string()));
    if (fault->kind == WriteFault::Kind::NoTemporary)
        return failure("สร้างไฟล์ชั่วคราวในโฟลเดอร์ " + inQuotes(dir.string()) + " ไม่ได้");
    if (fault->full()) return failure("เขียนข้อมูลได้ไม่ครบ (ที่เก็บข้อมูลอาจเต็ม)");
    return failure("แทนที่ไฟล์เดิมไม่ได้");
}

std::vector<std::string> memberSettings(const Member& member) {
    std::vector<std::string> args;
    if (member.type != 0) args.push_back("type=" + std::to_string(member.type));
    if (member.grade) args.push_back(std::string("grade=") + kGradeNames[static_cast<int>(*member.grade)]);
    for (const auto& [object, text] : member.fields.entries()) args.push_back(object + "=" + text);
    return args;
}

Member withTitleBlock(const Member& member, const ModuleDescription& module, const TitleBlockDefaults& defaults) {
    Member out = member;
    const std::pair<const char*, const std::string*> lines[] = {
        {"project", &defaults.project},
        {"member", &member.name},
        {"engineer", &defaults.engineer},
        {"registration", &defaults.registration},
    };
    for (const auto& [name, value] : lines) {
        const FieldInfo* f = findField(module.fields, name);
        if (f && out.fields.get(f->object).empty() && !value->empty()) out.fields.set(f->object, *value);
    }
    return out;
}

MemberRun runMember(const Member& member, const ModuleDescription& module, bool wantPages) {
    MemberRun run;
    if (const auto err = cli::parseSettings(module, memberSettings(member), run.invocation, cli::SettingMode::Raw)) {
        // parseProject admits no member the module refuses; were one built by hand, it
        // is reported rather than run on half its settings.
        run.report.status = static_cast<int>(DesignStatus::NotUsable);
        run.report.messages.push_back(Message{*err});
        return run;
    }
    run.report = cli::runInvocation(module, run.invocation, wantPages);
    return run;
}

}  // namespace mx::project
