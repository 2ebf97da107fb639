// sheet-legible FILE.pdf [FILE.pdf ...]: reads one-page sheets back from their PDFs as
// a reader of the paper would and names what they would trip over: more than one page,
// a page that is not A4 portrait, a word running past the printable width, two words
// printed over each other. Exit 0 when every file is clean. Needs poppler's pdfinfo and
// pdftotext, which the build machine installs with the tests' packages.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

namespace {

// A4 in points, and the printable width: the paper less the 14 pt margin to which Qt
// rounds the 5 mm one of the sheets.
constexpr double kA4Width = 595.3, kA4Height = 841.9;
constexpr double kPrintableRight = kA4Width - 14;

struct Word {
    double x1, y1, x2, y2;
    std::string text;
};

// The standard output of a poppler tool run on one file (its name passed quoted), with
// the arguments that follow the file.
std::string run(const std::string& tool, const std::string& pdf, const std::string& after = "") {
    std::string quoted = "'";
    for (const char c : pdf) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "'";
    std::string out;
    if (std::FILE* p = ::popen((tool + " " + quoted + " " + after + " 2>/dev/null").c_str(), "r")) {
        char buf[4096];
        while (const std::size_t n = std::fread(buf, 1, sizeof buf, p)) out.append(buf, n);
        ::pclose(p);
    }
    return out;
}

std::vector<Word> words(const std::string& pdf) {
    static const std::regex box(R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re");
    std::vector<Word> out;
    const std::string text = run("pdftotext -bbox", pdf, "-");
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        std::smatch m;
        if (std::regex_search(line, m, box))
            out.push_back({std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]});
    }
    return out;
}

std::string points(double v) { return std::to_string(static_cast<long>(std::lround(v))); }

std::vector<std::string> problems(const std::string& pdf) {
    std::vector<std::string> found;
    const std::string info = run("pdfinfo", pdf);
    std::smatch pages, size;
    const bool hasPages = std::regex_search(info, pages, std::regex(R"(\nPages:\s+(\d+))"));
    if (!hasPages || pages[1] != "1") found.push_back((hasPages ? pages[1].str() : "no") + " pages, want 1");
    if (!std::regex_search(info, size, std::regex(R"(\nPage size:\s+([\d.]+) x ([\d.]+))")) ||
        std::abs(std::stod(size[1]) - kA4Width) > 1 || std::abs(std::stod(size[2]) - kA4Height) > 1)
        found.push_back("page is not A4 portrait");
    const std::vector<Word> ws = words(pdf);
    for (const Word& w : ws)
        if (w.x2 > kPrintableRight + 0.5)
            found.push_back("past the printable width: '" + w.text + "' ends at " + points(w.x2) + " pt (limit " +
                            points(kPrintableRight) + ")");
    // Two words overlap when their boxes share more than a sliver across and more than
    // half the smaller one's height.
    for (std::size_t i = 0; i < ws.size(); ++i)
        for (std::size_t j = i + 1; j < ws.size(); ++j) {
            const Word &a = ws[i], &b = ws[j];
            const double across = std::min(a.x2, b.x2) - std::max(a.x1, b.x1);
            const double down = std::min(a.y2, b.y2) - std::max(a.y1, b.y1);
            if (across > 1.5 && down > 0.5 * std::min(a.y2 - a.y1, b.y2 - b.y1))
                found.push_back("printed over each other: '" + a.text + "' and '" + b.text + "' near x " +
                                points(std::max(a.x1, b.x1)) + " pt, y " + points(std::max(a.y1, b.y1)) + " pt");
        }
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    int bad = 0;
    for (int i = 1; i < argc; ++i) {
        const std::vector<std::string> ps = problems(argv[i]);
        std::printf("%s: %s\n", argv[i], ps.empty() ? "clean" : (std::to_string(ps.size()) + " problems").c_str());
        for (std::size_t k = 0; k < ps.size() && k < 20; ++k) std::printf("  %s\n", ps[k].c_str());
        bad += !ps.empty();
    }
    return bad || argc < 2 ? 1 : 0;
}
