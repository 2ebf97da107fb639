#include "fuzz/invariants.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <bit>
#include <map>
#include <optional>
#include <sstream>

#include "beam/beam_module.h"
#include "cli/tool.h"
#include "column/column_module.h"
#include "common/checked.h"
#include "common/fixed.h"
#include "common/numtext.h"
#include "common/utf8.h"
#include "pile/pile_module.h"
#include "pilecap/pilecap_module.h"
#include "project/json.h"
#include "project/links.h"
#include "project/project.h"
#include "project/report.h"
#include "shell/calculator.h"
#include "shell/cover_module.h"
#include "slab/slab_module.h"
#include "spreadfooting/spreadfooting_module.h"
#include "stair/stair_module.h"

namespace mx::fuzz {

namespace {

[[noreturn]] void violated(const std::string& what) { throw Violation(what); }

// What a refusal of the tool or the program is: one line of whole UTF-8, short enough to
// read whatever name or text it quotes (two quoted names of 80 characters, each
// character escaped to at most six, and the sentence around them).
constexpr std::size_t kMostMessageBytes = 1200;

void expectMessage(const std::string& what, std::string_view m) {
    if (m.find_first_of("\n\r") != std::string_view::npos) violated(what + " spans lines");
    if (!isUtf8(m)) violated(what + " is not UTF-8");
    if (m.size() > kMostMessageBytes) violated(what + " holds " + std::to_string(m.size()) + " bytes");
    for (const char c : m)
        if (c == '\x1b' || c == '\0') violated(what + " holds a control character");
}

void expectClean(std::string_view where, std::string_view text) {
    if (const std::string f = textFault(text); !f.empty())
        violated(std::string(where) + ": " + f + " in \"" + std::string(text.substr(0, 200)) + "\"");
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Bytes to a double, an int64 and so on, taken from the front of the input.
class Bytes {
public:
    Bytes(const std::uint8_t* d, std::size_t n) : d_(d), n_(n) {}
    template <typename T>
    std::optional<T> take() {
        if (n_ < sizeof(T)) return std::nullopt;
        T v;
        std::memcpy(&v, d_, sizeof(T));
        d_ += sizeof(T);
        n_ -= sizeof(T);
        return v;
    }

private:
    const std::uint8_t* d_;
    std::size_t n_;
};

// ---- numbers ---------------------------------------------------------------------

// The double a written label text stands for: numText keeps 15 significant digits,
// so reading it back must give exactly the double nearest to those digits (or the
// largest double, which num() reads for a number beyond the range).
double fifteenDigits(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    const double r = std::strtod(buf, nullptr);
    return std::isinf(r) ? std::copysign(DBL_MAX, r) : r;
}

void checkWrittenDouble(double x) {
    const std::string t = numText(x);
    expectClean("numText", t);
    if (t.empty()) violated("numText wrote an empty text");
    const double back = num(t);
    if (!std::isfinite(x)) {
        if (t != "0") violated("a non-finite value was written as " + t);
        return;
    }
    if (back != fifteenDigits(x)) violated("numText " + t + " reads back as another number");
    if (numText(back) != t) violated("numText is not stable on its own text " + t);
    const std::string s = sheetText(t);
    expectClean("sheetText", s);
    if (s.back() != ' ' || (s.front() != ' ' && s.front() != '-')) violated("sheet number without its blanks: " + s);
}

constexpr std::int64_t kExactFixedRaw = 1'000'000'000'000'000;

void checkFixed(double x) {
    const double scaled = x * 10000.0;
    const bool fits = std::isfinite(scaled) && std::fabs(std::nearbyint(scaled)) < 9.2e18;
    std::optional<Fixed> f;
    try {
        f = Fixed::fromDouble(x);
    } catch (const ArithmeticError&) {
        if (fits) violated("Fixed::fromDouble refused a value that fits: " + numText(x));
        return;
    }
    if (!std::isfinite(x)) violated("Fixed::fromDouble accepted a non-finite value");
    const std::string t = f->text();
    expectClean("Fixed::text", t);
    // Below 10^11 a double holds the fourth decimal with room to spare, so the text
    // reads back to the same fixed-point value; beyond it a double cannot.
    // (Compared both ways rather than through llabs: the lowest raw value has no
    // positive counterpart.)
    if (f->raw() > -kExactFixedRaw && f->raw() < kExactFixedRaw && Fixed::fromDouble(num(t)) != *f)
        violated("fixed-point text " + t + " reads back as another value");
}

void checkInt16(double x) {
    const double r = std::isfinite(x) ? std::nearbyint(x) : NAN;
    const bool fits = r >= -32768.0 && r <= 32767.0;
    std::int16_t v = 0;
    try {
        v = chk::toInt16(x);
    } catch (const ArithmeticError&) {
        if (fits) violated("toInt16 refused " + numText(x));
        return;
    }
    if (!fits) violated("toInt16 accepted " + numText(x));
    if (v != r) violated("toInt16 did not round to nearest");
    if (chk::toInt16(num(numText(v))) != v) violated("16-bit text does not read back");
}

void checkArithmetic(double a, double b) {
    // Each helper either raises ArithmeticError or returns a finite number.
    auto finiteOrError = [](const char* what, auto f) {
        try {
            const double r = f();
            if (!std::isfinite(r)) violated(std::string(what) + " returned a non-finite value");
        } catch (const ArithmeticError&) {
        }
    };
    finiteOrError("div", [&] { return chk::div(a, b); });
    finiteOrError("sqrt", [&] { return chk::sqrt(a); });
    finiteOrError("pow", [&] { return chk::pow(a, b); });
    finiteOrError("mul", [&] { return chk::mul(a, b); });
    finiteOrError("add", [&] { return chk::add(a, b); });
    finiteOrError("toSingle", [&] { return static_cast<double>(chk::toSingle(a)); });
    finiteOrError("ceilUp", [&] { return chk::ceilUp(a); });
    try {
        (void)chk::mul16(static_cast<std::int32_t>(std::fmod(std::isfinite(a) ? a : 0, 1e9)),
                         static_cast<std::int32_t>(std::fmod(std::isfinite(b) ? b : 0, 1e9)));
    } catch (const ArithmeticError&) {
    }
}

void numbersTarget(const std::uint8_t* data, std::size_t size) {
    // The whole input as a field text.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double x = num(text);
    if (!std::isfinite(x)) violated("num read a non-finite value");
    if (x == 0.0 && std::signbit(x)) violated("num read a negative zero");
    checkWrittenDouble(x);
    checkFixed(x);
    checkInt16(x);
    // The same bytes as raw numbers: any double, any fixed-point value.
    Bytes bytes(data, size);
    const auto a = bytes.take<double>();
    const auto b = bytes.take<double>();
    if (a) {
        checkWrittenDouble(*a);
        checkFixed(*a);
        checkInt16(*a);
        checkArithmetic(*a, b.value_or(x));
        checkArithmetic(x, *a);
    }
    if (b) {
        const Fixed f = Fixed::fromRaw(static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(*b)));
        const std::string t = f.text();
        expectClean("Fixed::text", t);
        if (std::llabs(f.raw() == INT64_MIN ? 0 : f.raw()) < kExactFixedRaw &&
            Fixed::fromDouble(num(t)) != f)
            violated("fixed-point text " + t + " reads back as another value");
        const Fixed h = f.half();
        const __int128 twice = static_cast<__int128>(h.raw()) * 2 - f.raw();
        if (twice > 1 || twice < -1) violated("half is not half");
    }
}

// ---- calculator ------------------------------------------------------------------

// The widest readout: a sign, "0.", the 323 zeros and 15 digits of the smallest
// doubles. The label must not grow with the number of keys pressed.
constexpr std::size_t kMaxDisplay = 345;

void calculatorTarget(const std::uint8_t* data, std::size_t size) {
    shell::CalculatorEngine calc;
    static const char kOps[] = {'+', '-', 'X', '/', '='};
    for (std::size_t i = 0; i < size; ++i) {
        const int key = data[i] % 19;
        if (key <= 9)
            calc.digit(key);
        else if (key == 10)
            calc.point();
        else if (key == 11)
            (void)calc.percent();
        else if (key <= 16)
            (void)calc.operate(kOps[key - 12]);
        else if (key == 17)
            calc.clearEntry();
        else
            calc.clear();
        const std::string& d = calc.display();
        expectClean("calculator display", d);
        if (d.size() > kMaxDisplay) violated("calculator display grew to " + std::to_string(d.size()) + " characters");
        if (!std::isfinite(calc.firstOperand()) || !std::isfinite(calc.secondOperand()))
            violated("calculator holds a non-finite operand");
    }
}

// ---- module runs -----------------------------------------------------------------

// The message a status-1 run of each module ends with.
const std::map<std::string, std::string>& closingTexts() {
    static const std::map<std::string, std::string> m{
        {"beam", "คานที่คุณออกแบบยังใช้ไม่ได้ โปรดแก้ไขข้อมูลใหม่?"},
        {"slab", "พื้น คสล.ที่คุณออกแบบยังใช้ไม่ได้? ต้องแก้ไขข้อมูลใหม่"},
        {"column", "เสาที่คุณออกแบบยังต้องแก้ไข ?โปรดแก้ไขข้อมูลใหม่"},
        {"stair", "บันไดที่คุณออกแบบยังใช้ไม่ได้"},
        {"spreadfooting", "16.ฐานรากที่คุณออกแบบยังใช้ไม่ได้? โปรดแก้ไขข้อมูลใหม่"},
        {"pilecap", "16.ฐานรากที่คุณออกแบบยังใช้ไม่ได้? โปรดแก้ไขข้อมูลใหม่"},
    };
    return m;
}

// The surface each module's window drawing goes on, in twips: the beam draws on its
// whole window below the toolbar (1040 x 636 pixels at 15 twips), the others into the
// area the tool hands their drawing builder.
PageBox drawingSurface(const std::string& module) {
    if (module == "beam") return PageBox{0, 0, 1040 * 15.0, 636 * 15.0};
    return PageBox{0, 0, 9000, 7500};
}

const std::vector<ModuleDescription>& modules() {
    static const std::vector<ModuleDescription> all = [] {
        return std::vector<ModuleDescription>{pile::pileDescription(), pile::blowDescription(), beam::description(),
                                              slab::description(),         column::description(),   stair::description(),
                                              spreadfooting::description(), pilecap::description(), shell::coverDescription(),
                                              shell::criteriaDescription()};
    }();
    return all;
}

// A user's text with the letters that could spell "inf", "nan" or an exponent made
// harmless: what the user types may be printed back verbatim (a title line), and the
// checks are about what the program writes.
std::string harmless(std::string_view s) {
    std::string out(s.substr(0, 400));
    for (char& c : out)
        if (c == 'e' || c == 'E' || c == 'n' || c == 'N') c = '_';
    return out;
}

// The input as settings, one a line: "NAME=TEXT", "type=N", "grade=G". A name that is
// not a field picks one by its hash, so every mutation still reaches a field. A first
// line "typed" runs each field's change rule as typing does.
struct Decoded {
    std::vector<std::string> args;
    cli::SettingMode mode = cli::SettingMode::Raw;
};

Decoded decodeSettings(const ModuleDescription& module, std::string_view text) {
    Decoded out;
    std::vector<std::string> names;
    for (const auto& [name, value] : module.defaults.entries()) names.push_back(name);
    std::size_t start = 0;
    bool first = true;
    while (start <= text.size() && out.args.size() < 64) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (first && line == "typed") {
            out.mode = cli::SettingMode::Typed;
            first = false;
            continue;
        }
        first = false;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string name(line.substr(0, eq));
        const std::string value = harmless(line.substr(eq + 1));
        if (name == "type") {
            const double code = std::clamp(num(value), -1000.0, 1000.0);
            if (!module.types.empty()) out.args.push_back("type=" + std::to_string(static_cast<int>(code)));
        } else if (name == "grade") {
            static const char* kGrades[] = {"SR24", "SD30", "SD35", "SD40"};
            if (module.pressGrade) out.args.push_back(std::string("grade=") + kGrades[static_cast<unsigned>(std::clamp(num(value), 0.0, 1000.0)) % 4]);
        } else if (!names.empty()) {
            std::string field = name;
            if (!module.defaults.has(name)) field = names[std::hash<std::string>{}(name) % names.size()];
            out.args.push_back(field + "=" + value);
        }
        if (end == text.size()) break;
    }
    return out;
}

void moduleTarget(const ModuleDescription& module, const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The lines as typed on the command line, unfiltered: whatever the tool refuses, it
    // says so in one clean line.
    {
        std::vector<std::string> typed;
        for (std::size_t start = 0; start <= text.size() && typed.size() < 64;) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            typed.emplace_back(text.substr(start, end - start));
            start = end + 1;
        }
        // Each on its own, since the tool stops at the first it refuses.
        for (const std::string& line : typed) {
            std::vector<std::string> one{line};
            std::ostringstream notes;
            if (const auto refused = cli::checkArguments(one, notes)) expectMessage("argument refusal", *refused);
            cli::Invocation probe;
            if (const auto refused = cli::parseSettings(module, one, probe, cli::SettingMode::Raw))
                expectMessage("setting refusal", *refused);
        }
    }
    const Decoded d = decodeSettings(module, text);
    cli::Invocation inv;
    if (cli::parseSettings(module, d.args, inv, d.mode)) return;  // a setting the tool refuses
    for (const Message& m : inv.typedMessages) {
        expectClean("message while typing", m.text);
        expectClean("message title while typing", m.title);
    }
    FormState plainState = inv.state;
    const cli::Report report = cli::runModule(module, inv.state, true);
    const std::string& name = module.name;
    // What a run says does not hang on whether its sheet was asked for.
    const cli::Report plain = cli::runModule(module, plainState, false);
    if (plain.messages != report.messages || plain.status != report.status)
        violated("the messages or the status differ with and without the pages");

    if (report.status) {
        if (*report.status != 1 && *report.status != 2) violated("status " + std::to_string(*report.status));
        const auto closing = closingTexts().find(name);
        if (closing != closingTexts().end()) {
            const bool endsClosing = !report.messages.empty() && report.messages.back().text == closing->second;
            if (*report.status == 1 && !endsClosing) violated("a status-1 run does not end with the closing message");
            if (*report.status == 2 && endsClosing) violated("a usable run ends with the closing message");
        }
    }
    if (report.verdict) expectClean("verdict", *report.verdict);
    for (const Message& m : report.messages) {
        expectClean("message", m.text);
        expectClean("message title", m.title);
    }
    for (const auto& [field, text] : inv.state.fields.entries()) expectClean("field " + field, text);
    for (const auto& [label, text] : report.labels.entries()) expectClean("label " + label, text);
    for (const auto& [key, text] : report.result.entries()) expectClean("result " + key, text);
    if (report.sheet) {
        for (const auto& t : report.sheet->texts()) expectClean("sheet", t.text);
        if (const std::string f = pageFault(*report.sheet, kSheetBounds); !f.empty()) violated("sheet: " + f);
    }
    if (report.drawing) {
        for (const auto& t : report.drawing->texts()) expectClean("drawing", t.text);
        if (const std::string f = pageFault(*report.drawing, drawingSurface(name)); !f.empty())
            violated("drawing: " + f);
    }
}

// ---- project file ----------------------------------------------------------------

// Members run for their verdicts: enough to reach every module, few enough that a
// file of thousands of members stays a fast input.
constexpr std::size_t kMostMembersRun = 12;
// Members whose links are resolved: a linked building of a few storeys.
constexpr std::size_t kMostMembersResolved = 64;

void checkLinks(const project::Project& p) {
    const project::Resolution r = project::resolveLinks(p, modules());
    if (r.order.size() != p.members.size()) violated("links of an accepted project leave members unordered");
    std::vector<std::size_t> at(p.members.size(), 0);
    for (std::size_t k = 0; k < r.order.size(); ++k) at[r.order[k]] = k;
    for (std::size_t i = 0; i < p.members.size(); ++i) {
        for (const project::FieldLink& l : p.members[i].links)
            for (const project::LinkTerm& t : l.terms)
                for (std::size_t s = 0; s < p.members.size(); ++s)
                    if (!t.member.empty() && p.members[s].id == t.member && at[s] >= at[i])
                        violated("a source resolves after the member that reads it");
        for (const project::ResolvedField& f : r.members[i].fields) {
            if (f.text.find_first_not_of("-0123456789.e+") != std::string::npos || f.text.empty())
                violated("a linked field resolves to " + f.text);
        }
    }
}

void projectTarget(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string name = "fuzz.mx7100";
    const project::ReadOutcome read = project::parseProject(bytes, name, modules());
    if (!read.project) {
        // One message naming the file, in whole UTF-8 even when the file was not.
        if (read.error.find("\"" + name + "\"") == std::string::npos) violated("refusal does not name the file: " + read.error);
        expectMessage("refusal", read.error);
        return;
    }
    if (read.error.size()) violated("a read project carries a message");
    // What is read is written back and reads as the same project.
    const std::string text = project::projectText(*read.project, modules());
    if (firstBadUtf8(text) != std::string::npos) violated("a written project is not UTF-8");
    const project::ReadOutcome again = project::parseProject(text, name, modules());
    if (!again.project) violated("a written project is refused: " + again.error);
    if (!(*again.project == *read.project)) violated("a written project reads back as another");
    if (project::projectText(*again.project, modules()) != text) violated("writing a project twice gives two texts");
    // Its links resolve in an order that puts every source before the members that
    // read it, and every linked field gets a number.
    if (read.project->members.size() <= kMostMembersResolved) checkLinks(*read.project);
    // Every member runs as its module (a link cut off with the members left out is run
    // as the field's own text).
    project::Project head = *read.project;
    if (head.members.size() > kMostMembersRun) head.members.resize(kMostMembersRun);
    const auto rows = project::reportContents(head, modules());
    // The sheets follow the cover, the criteria, the contents and any take-down, in order.
    const int firstSheet = rows.empty() ? 4 : std::max(4, rows.front().page);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].page != firstSheet + static_cast<int>(i))
            violated("contents row " + std::to_string(i) + " on page " + std::to_string(rows[i].page));
}

// ---- schedules -------------------------------------------------------------------

// Limits small enough for generated inputs to reach them.
constexpr cli::CsvLimits kFuzzCsvLimits{1024, 256};
// The batch runs the rows above this many line breaks: every row designs a module and
// paints its sheet, which is what costs, and a dozen rows reach every path of it.
constexpr std::size_t kMostBatchLines = 12;

void csvTarget(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    cli::CsvReader reader(bytes, kFuzzCsvLimits);
    const std::size_t expected = reader.remaining();
    std::size_t records = 0;
    int lastRow = 0;
    const auto lineBreaks = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n') +
                                             std::count(bytes.begin(), bytes.end(), '\r'));
    for (cli::CsvRecord r; reader.next(r);) {
        ++records;
        if (r.row <= lastRow || r.row > lineBreaks + 1) violated("row " + std::to_string(r.row) + " out of order");
        lastRow = r.row;
        if (!r.error.empty() && !r.cells.empty()) violated("an unreadable row kept its cells");
        if (!r.error.empty()) expectMessage("row error", r.error);
        for (const std::string& c : r.cells) {
            if (!isUtf8(c)) violated("a cell read is not UTF-8");
            // A byte of the code page is at most three of UTF-8.
            if (c.size() > 3 * kFuzzCsvLimits.cellBytes) violated("a cell past its limit");
        }
    }
    if (records != expected) violated("the rows counted and the rows read differ");

    std::size_t cut = 0;
    for (std::size_t n = 0; cut < bytes.size() && n < kMostBatchLines; ++cut) n += bytes[cut] == '\n';
    cli::CsvReader batch(bytes.substr(0, cut), kFuzzCsvLimits);
    std::ostringstream out, progress;
    int sheets = 0;
    const cli::BatchSummary summary =
        cli::runBatch(modules(), batch, cli::SettingMode::Typed, out, progress, [&](const PageModel& sheet) {
            if (const std::string f = pageFault(sheet, kSheetBounds); !f.empty()) violated("sheet: " + f);
            ++sheets;
            return true;
        });
    const std::string text = out.str();
    if (!isUtf8(text)) violated("the batch wrote bytes that are not UTF-8");
    if (summary.pages != sheets || summary.pages > summary.designs) violated("pages and designs disagree");
    std::istringstream lines(text);
    int count = 0;
    lastRow = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        int row = 0;
        if (std::sscanf(line.c_str(), "{\"row\": %d, ", &row) != 1 || row <= lastRow || !line.ends_with("}"))
            violated("a line without its row, or out of order: " + line.substr(0, 80));
        // An error line's message as written: no escape of a line break or a control
        // character in it, and a JSON string doubles at most each byte it holds.
        if (line.find("\"error\": ") != std::string::npos) {
            if (line.size() > 2 * kMostMessageBytes + 64) violated("an error line of " + std::to_string(line.size()) + " bytes");
            for (std::size_t i = 0; i + 1 < line.size(); ++i) {
                if (line[i] != '\\') continue;
                if (line[i + 1] != '\\' && line[i + 1] != '"') violated("an error line with a control character: " + line.substr(0, 80));
                ++i;
            }
        }
        lastRow = row;
    }
    if (count != (summary.headerBad ? 1 : summary.designs + summary.bad))
        violated("the lines written are not one a row");
}

}  // namespace

std::string textFault(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        // "inf" or "nan" as a word of ASCII letters.
        if (i + 3 <= s.size() && (i == 0 || !isAsciiLetter(s[i - 1])) &&
            (i + 3 == s.size() || !isAsciiLetter(s[i + 3]))) {
            const std::string w{lower(s[i]), lower(s[i + 1]), lower(s[i + 2])};
            if (w == "inf" || w == "nan") return "\"" + w + "\"";
        }
        // A digit, optional fraction, then e/E, optional sign and a digit.
        if (isDigit(s[i])) {
            std::size_t j = i;
            while (j < s.size() && (isDigit(s[j]) || s[j] == '.')) ++j;
            if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
                std::size_t k = j + 1;
                if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
                if (k < s.size() && isDigit(s[k])) return "an exponent";
            }
            i = j == i ? i : j - 1;
        }
    }
    return "";
}

std::string pageFault(const PageModel& page, const PageBox& box, std::size_t maxItems) {
    if (page.items().size() >= maxItems)
        return std::to_string(page.items().size()) + " items, the bound is " + std::to_string(maxItems);
    auto outside = [&](double x, double y) {
        return !std::isfinite(x) || !std::isfinite(y) || x < box.x1 || x > box.x2 || y < box.y1 || y > box.y2;
    };
    auto where = [](const char* kind, double x, double y) {
        return std::string(kind) + " at (" + numText(x) + ", " + numText(y) + ") lies outside";
    };
    for (const PageItem& item : page.items()) {
        if (const auto* t = std::get_if<PageText>(&item)) {
            if (outside(t->x, t->y)) return where("text", t->x, t->y) + ": " + t->text.substr(0, 80);
            if (!std::isfinite(t->sizePt) || t->sizePt <= 0 || t->sizePt > 72) return "text size " + numText(t->sizePt);
        } else if (const auto* l = std::get_if<PageLine>(&item)) {
            if (outside(l->x1, l->y1)) return where("line", l->x1, l->y1);
            if (outside(l->x2, l->y2)) return where("line", l->x2, l->y2);
        } else if (const auto* c = std::get_if<PageCircle>(&item)) {
            if (!std::isfinite(c->radius) || c->radius < 0) return "circle radius " + numText(c->radius);
            if (outside(c->x - c->radius, c->y - c->radius) || outside(c->x + c->radius, c->y + c->radius))
                return where("circle", c->x, c->y);
        } else if (const auto* w = std::get_if<PageLineWidth>(&item)) {
            if (w->width < 0 || w->width > 100) return "line width " + std::to_string(w->width);
        }
    }
    return "";
}

std::vector<std::string> targetNames() {
    std::vector<std::string> names{"numbers", "calculator", "project"};
    for (const auto& m : modules())
        if (m.run) names.push_back(m.name);
    names.emplace_back("csv");
    return names;
}

void runTarget(std::string_view target, const std::uint8_t* data, std::size_t size) {
    if (target == "numbers") return numbersTarget(data, size);
    if (target == "calculator") return calculatorTarget(data, size);
    if (target == "project") return projectTarget(data, size);
    if (target == "csv") return csvTarget(data, size);
    for (const auto& m : modules())
        if (m.name == target && m.run) return moduleTarget(m, data, size);
    violated("no target named " + std::string(target));
}

}  // namespace mx::fuzz
