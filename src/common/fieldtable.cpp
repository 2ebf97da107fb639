#include "common/fieldtable.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>

#include "common/numtext.h"
#include "common/utf8.h"

namespace mx {

FieldSet defaultsOf(const FieldTable& table) {
    FieldSet f;
    for (const FieldInfo& i : table) f.set(i.object, i.defaultText);
    return f;
}

namespace {
std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}
}  // namespace

const FieldInfo* findField(const FieldTable& table, std::string_view key) {
    for (const FieldInfo& i : table)
        if (key == i.object) return &i;
    const std::string k = lower(key);
    for (const FieldInfo& i : table)
        if (k == i.name) return &i;
    return nullptr;
}

std::string closestName(std::string_view key, const std::vector<std::string>& names) {
    // The distance costs the key's length times each name's: only the key's first
    // characters are compared, however long it is.
    const std::string k = lower(leadingChars(key));
    std::string best;
    std::size_t bestDistance = 0;
    for (const std::string& name : names) {
        const std::string n = lower(name);
        // Levenshtein distance, one row at a time.
        std::vector<std::size_t> row(n.size() + 1);
        for (std::size_t j = 0; j <= n.size(); ++j) row[j] = j;
        for (std::size_t i = 1; i <= k.size(); ++i) {
            std::size_t diagonal = row[0];
            row[0] = i;
            for (std::size_t j = 1; j <= n.size(); ++j) {
                const std::size_t up = row[j];
                row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (k[i - 1] == n[j - 1] ? 0u : 1u)});
                diagonal = up;
            }
        }
        if (best.empty() || row[n.size()] < bestDistance) {
            best = name;
            bestDistance = row[n.size()];
        }
    }
    return best;
}

namespace {
constexpr const char* kTitleBlockNames[5] = {"project", "member", "engineer", "registration", "page"};

// A caption's words with single blanks between them, as a label shows them.
std::string simplified(std::string_view s) {
    std::string out;
    for (char c : s) {
        const bool blank = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (blank && (out.empty() || out.back() == ' ')) continue;
        out += blank ? ' ' : c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}
}  // namespace

Message unreadableMessage(std::string_view caption, std::string_view text) {
    std::string name = simplified(caption);
    if (!name.empty() && name.back() == '=') name = simplified(name.substr(0, name.size() - 1));
    return Message{"ข้อมูลในช่อง \"" + name + "\" อ่านเป็นตัวเลขไม่ได้ ( " + std::string(text) + " ) จึงคิดเป็น 0",
                   "ข้อมูลผิดพลาด", Icon::Critical};
}

std::vector<Message> unreadableInputs(const FieldTable& table, const FieldSet& fields) {
    std::vector<Message> out;
    for (const FieldInfo& i : table) {
        const bool titleBlock = std::find(std::begin(kTitleBlockNames), std::end(kTitleBlockNames),
                                          std::string_view(i.name)) != std::end(kTitleBlockNames);
        const std::string text = fields.get(i.object);
        if (!titleBlock && unreadable(text)) out.push_back(unreadableMessage(i.caption, text));
    }
    return out;
}

ProjectTitleBlock titleBlockOf(const FieldTable& table, const FieldSet& fields) {
    auto text = [&](const char* name) {
        const FieldInfo* f = findField(table, name);
        return f ? fields.get(f->object) : std::string();
    };
    return {text("project"), text("member"), text("engineer"), text("registration"), text("page")};
}

void addTitleBlockFields(FieldTable& table, const char* const (&objects)[5], const char* memberCaption,
                         const char* pageCaption) {
    const char* const captions[5] = {"ชื่อโครงการ", memberCaption, "ชื่อวิศวกร / บริษัท", "เลขทะเบียน / โทร.", pageCaption};
    for (int i = 0; i < 5; ++i) table.push_back({objects[i], kTitleBlockNames[i], captions[i], "", ""});
}

FieldTable withTitleBlock(FieldTable rows, const char* const (&objects)[5], const char* memberCaption,
                          const char* pageCaption) {
    addTitleBlockFields(rows, objects, memberCaption, pageCaption);
    return rows;
}

}  // namespace mx
