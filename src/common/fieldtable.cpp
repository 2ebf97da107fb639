#include "common/fieldtable.h"

#include <algorithm>
#include <cctype>
#include <string>

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
    const std::string k = lower(key);
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

ProjectTitleBlock titleBlockOf(const FieldTable& table, const FieldSet& fields) {
    auto text = [&](const char* name) {
        const FieldInfo* f = findField(table, name);
        return f ? fields.get(f->object) : std::string();
    };
    return {text("project"), text("member"), text("engineer"), text("registration"), text("page")};
}

void addTitleBlockFields(FieldTable& table, const char* const (&objects)[5], const char* memberCaption,
                         const char* pageCaption) {
    table.push_back({objects[0], "project", "ชื่อโครงการ", "", ""});
    table.push_back({objects[1], "member", memberCaption, "", ""});
    table.push_back({objects[2], "engineer", "ชื่อวิศวกร / บริษัท", "", ""});
    table.push_back({objects[3], "registration", "เลขทะเบียน / โทร.", "", ""});
    table.push_back({objects[4], "page", pageCaption, "", ""});
}

FieldTable withTitleBlock(FieldTable rows, const char* const (&objects)[5], const char* memberCaption,
                          const char* pageCaption) {
    addTitleBlockFields(rows, objects, memberCaption, pageCaption);
    return rows;
}

}  // namespace mx
