#include "common/fieldtable.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>
#include <mutex>
#include <set>
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

namespace mx {

namespace {

// The tables' texts live as long as the program: a FieldInfo points into them.
const char* interned(std::string_view s) {
    static std::mutex lock;
    static std::set<std::string, std::less<>> pool;
    const std::lock_guard<std::mutex> hold(lock);
    auto it = pool.find(s);
    if (it == pool.end()) it = pool.emplace(s).first;
    return it->c_str();
}

std::vector<std::string_view> split(std::string_view line, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(separator, start);
        parts.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// A short name as scripts type it: lower-case letters, digits and '_', a letter first.
bool shortName(std::string_view s) {
    if (s.empty() || !std::islower(static_cast<unsigned char>(s[0]))) return false;
    return std::all_of(s.begin(), s.end(), [](char c) {
        return std::islower(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) || c == '_';
    });
}

std::mutex problemsLock;
std::vector<std::string> problemsSeen;

// Calls row(number, cells) for every line that is neither blank nor a comment.
template <typename Row>
void forEachRow(std::string_view text, Row row) {
    int number = 0;
    for (std::string_view line : split(text, '\n')) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line.front() != '#') row(number, split(line, '\t'));
    }
}

void noteProblems(std::string_view source, const std::vector<std::string>& problems) {
    const std::lock_guard<std::mutex> hold(problemsLock);
    for (const std::string& p : problems) problemsSeen.push_back(std::string(source) + " " + p);
}

}  // namespace

ParsedFieldTable parseFieldTable(std::string_view text) {
    ParsedFieldTable out;
    std::set<std::string_view> objects, names;
    forEachRow(text, [&](int number, const std::vector<std::string_view>& cells) {
        auto problem = [&](const std::string& what) {
            out.problems.push_back("line " + std::to_string(number) + ": " + what);
        };
        FieldTable rows;
        if (cells[0] == "title") {
            const std::vector<std::string_view> titleObjects = split(cells.size() > 1 ? cells[1] : "", ' ');
            if (cells.size() < 3 || cells.size() > 4 || titleObjects.size() != 5 || cells[2].empty()) {
                problem("a title line is 'title', five object names between single blanks, the member caption and "
                        "at most a page caption");
                return;
            }
            const char* const objectsOf[5] = {interned(titleObjects[0]), interned(titleObjects[1]),
                                              interned(titleObjects[2]), interned(titleObjects[3]),
                                              interned(titleObjects[4])};
            if (cells.size() == 4)
                addTitleBlockFields(rows, objectsOf, interned(cells[2]), interned(cells[3]));
            else
                addTitleBlockFields(rows, objectsOf, interned(cells[2]));
        } else {
            if (cells.size() < 5 || cells.size() > 6) {
                problem(std::to_string(cells.size()) + " columns, where a field has 5 or 6");
                return;
            }
            if (!shortName(cells[1])) {
                problem("the short name '" + std::string(cells[1]) + "' is not lower-case letters, digits and '_'");
                return;
            }
            const char* tooltip = cells.size() == 6 && !cells[5].empty() ? interned(cells[5]) : nullptr;
            rows.push_back({interned(cells[0]), interned(cells[1]), interned(cells[2]), interned(cells[3]),
                            interned(cells[4]), tooltip});
        }
        for (const FieldInfo& f : rows) {
            if (std::string_view(f.object).empty() || !objects.insert(f.object).second)
                problem("the object name '" + std::string(f.object) + "' is empty or named before");
            else if (!names.insert(f.name).second)
                problem("the short name '" + std::string(f.name) + "' is named before");
            else
                out.table.push_back(f);
        }
    });
    return out;
}

FieldTable loadFieldTable(std::string_view source, std::string_view text) {
    ParsedFieldTable parsed = parseFieldTable(text);
    noteProblems(source, parsed.problems);
    return std::move(parsed.table);
}

std::vector<std::vector<const char*>> loadRows(std::string_view source, std::string_view text, std::size_t columns) {
    std::vector<std::vector<const char*>> rows;
    std::vector<std::string> problems;
    forEachRow(text, [&](int number, const std::vector<std::string_view>& cells) {
        if (cells.size() != columns) {
            problems.push_back("line " + std::to_string(number) + ": " + std::to_string(cells.size()) +
                               " columns, where a row has " + std::to_string(columns));
            return;
        }
        std::vector<const char*> row;
        for (std::string_view cell : cells) row.push_back(interned(cell));
        rows.push_back(std::move(row));
    });
    noteProblems(source, problems);
    return rows;
}

double cellNumber(std::string_view source, const char* cell) {
    const std::string_view text(cell);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        noteProblems(source, {"the cell '" + std::string(text) + "' is no number"});
        return 0;
    }
    return value;
}

std::vector<Message> loadMessages(std::string_view source, std::string_view text) {
    static constexpr Icon kIcons[] = {Icon::Critical, Icon::Information, Icon::Exclamation, Icon::Question};
    std::vector<Message> table;
    for (const auto& row : loadRows(source, text, 3)) {
        const auto icon = std::find_if(std::begin(kIcons), std::end(kIcons),
                                       [&](Icon i) { return std::string_view(iconName(i)) == row[0]; });
        if (icon == std::end(kIcons))
            noteProblems(source, {"the icon '" + std::string(row[0]) + "' is none of critical, information, "
                                  "exclamation, question"});
        table.push_back({row[2], row[1], icon == std::end(kIcons) ? Icon::Critical : *icon});
    }
    return table;
}

const Message& numberedMessage(const std::vector<Message>& table, int number) {
    static const Message kNone{""};
    if (table.empty()) return kNone;
    const auto last = static_cast<int>(table.size());
    return table[static_cast<std::size_t>(std::clamp(number, 1, last) - 1)];
}

std::vector<std::string> dataTableProblems() {
    const std::lock_guard<std::mutex> hold(problemsLock);
    return problemsSeen;
}

}  // namespace mx
