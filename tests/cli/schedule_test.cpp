// Schedules as spreadsheets save them and as users get them wrong: the reader and the
// batch over awkward files (the files the tool cannot use are run in exit_status.cmake).
#include <gtest/gtest.h>

#include <sstream>

#include "cli/tool.h"
#include "common/utf8.h"

namespace {

using namespace mx;
using namespace mx::cli;

const std::vector<ModuleDescription>& modules() {
    static const std::vector<ModuleDescription> all = allModules();
    return all;
}

// A record as "ROW:cell|cell", or "ROW!" and its error.
std::string show(const CsvRecord& r) {
    std::string s = std::to_string(r.row) + (r.error.empty() ? ":" : "!" + r.error);
    for (std::size_t i = 0; i < r.cells.size(); ++i) s += (i ? "|" : "") + r.cells[i];
    return s;
}

// Each line starts as expected: a record's cells exactly, an error by its start.
void expectLines(const std::vector<std::string>& got, const std::vector<std::string>& starts) {
    ASSERT_EQ(got.size(), starts.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_TRUE(starts[i].find('!') != std::string::npos ? got[i].starts_with(starts[i]) : got[i] == starts[i])
            << got[i];
}

TEST(CsvReader, CellsRowsAndEncodings) {
    const std::string thaiUtf8 = "\xE0\xB8\x9E\xE0\xB8\xB4\xE0\xB9\x89\xE0\xB8\x99";  // พิ้น
    struct Case {
        std::string bytes;
        TextEncoding encoding;
        std::vector<std::string> records;
    };
    const std::vector<Case> cases{
        {"a,b,c\nx\n\"\"", TextEncoding::Utf8, {"1:a|b|c", "2:x", "3:"}},
        {"F1 6\" pad,b\nc,d\n", TextEncoding::Utf8, {"1:F1 6\" pad|b", "2:c|d"}},
        {"\"a,\"\"b\"\"\nc\"x,d", TextEncoding::Utf8, {"1:a,\"b\"\ncx|d"}},
        {" \"a\",b\r\n\r\nc\rd\n", TextEncoding::Utf8, {"1: \"a\"|b", "3:c", "4:d"}},
        {"\n  \n\"x\ny\"\n\nz", TextEncoding::Utf8, {"3:x\ny", "5:z"}},
        {"\xEF\xBB\xBFm," + thaiUtf8 + "\n", TextEncoding::Utf8, {"1:m|" + thaiUtf8}},
        {"m,\xBE\xD4\xE9\xB9\n\x85\x93\x80\x97\xA0", TextEncoding::Windows874,
         {"1:m|" + thaiUtf8, "2:\xE2\x80\xA6\xE2\x80\x9C\xE2\x82\xAC\xE2\x80\x94\xC2\xA0"}},
        {"a,\xBE\nb,\xFF\nc,\xDB", TextEncoding::Windows874,
         {"1:a|\xE0\xB8\x9E", "2!column B holds the byte", "3!column B holds the byte"}},
        {"a," + thaiUtf8 + "\nb,\xE9t\xE9\n", TextEncoding::Utf8, {"1:a|" + thaiUtf8, "2!column B holds the byte"}},
        {std::string("a\nb,c\0d\n", 8), TextEncoding::Utf8, {"1:a", "2!column B holds the byte"}},
        {"a,\xA4\xA1\nb,\xE0\xB8", TextEncoding::Utf8, {"1!column B holds the byte 0xA4", "2!the file ends inside"}},
        {"a,\xE0\xB8\xC1\n", TextEncoding::Windows874, {"1:a|\xE0\xB9\x80\xE0\xB8\x98\xE0\xB8\xA1"}},  // เธม, no UTF-8 Thai
        {"a\n \t\n\r\n\n\t\nb", TextEncoding::Utf8, {"1:a", "6:b"}},
        {"a\n" + std::string(40, ',') + "\nb\n", TextEncoding::Utf8, {"1:a", "2!the row holds more than", "3:b"}},
        {"a\n\"" + std::string(40, 'x') + "\nb\n", TextEncoding::Utf8, {"1:a", "2!the row holds more than"}},
        {"a\n" + std::string(20, 'x') + "\nb,\"c\n", TextEncoding::Utf8,
         {"1:a", "2!column A holds more than", "3!a quoted cell opened in"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 40));
        CsvReader reader(c.bytes, CsvLimits{32, 16});
        EXPECT_EQ(reader.encoding(), c.encoding);
        EXPECT_EQ(reader.remaining(), c.records.size());
        std::vector<std::string> got;
        for (CsvRecord r; reader.next(r);) got.push_back(show(r));
        expectLines(got, c.records);
    }
}

// The lines a batch writes: each starts as given, and the summary's flags.
TEST(Batch, AwkwardSchedulesKeepEveryGoodRowWithItsNumber) {
    struct Case {
        std::string csv;
        std::vector<std::string> starts;
        bool headerBad = false;
    };
    const std::string longName(200, 'q');
    const std::vector<Case> cases{
        {"type,grade,module,Text1\n1,SD30,beam,3\nx\n1,,beam,4\n",
         {"{\"row\": 2, \"module\": \"beam\"", "{\"row\": 3, \"error\": \"no module named\"}",
          "{\"row\": 4, \"module\": \"beam\""}},
        {"module,span,member\n\nbeam\n,,\n\"beam\",4,\"F1 6\"\" pad\nwest\",,\n",
         {"{\"row\": 3, \"module\": \"beam\"", "{\"row\": 5, \"module\": \"beam\""}},
        {"module,member\nbeam,\xBE\xD4\xE9\xB9\nbeam,\xFF\n",
         {"{\"row\": 2, \"module\": \"beam\"", "{\"row\": 3, \"error\": \"column B holds the byte 0xFF"}},
        {"module," + longName + "\nbeam,1\nbeam,2\n",
         {"{\"row\": 2, \"error\": \"module beam has no input field '" + longName.substr(0, 80) + "\xE2\x80\xA6'",
          "{\"row\": 3, \"error\": \"module beam has no input field '" + longName.substr(0, 80) + "\xE2\x80\xA6'"}},
        {"module,span,width,span\nbeam,4,25,5\n", {"{\"row\": 1, \"error\": \"columns B and D are both named 'span'\"}"}, true},
        {"module,width,Text3,depth\nbeam,25,30,\nbeam,25,,50\n",
         {"{\"row\": 2, \"error\": \"columns B ('width') and C ('Text3') both set the field Text3 of beam\"}",
          "{\"row\": 3, \"module\": \"beam\""}},
        {"module,member\nbeam,\xE0\xB8\x9E\nbeam,\xBE\xD4\xE9\xB9\n",  // one row pasted from a Windows-874 file
         {"{\"row\": 2, \"module\": \"beam\"",
          "{\"row\": 3, \"error\": \"column B holds the byte 0xBE, which is no character in UTF-8, the file's encoding\"}"}},
        {"module,member\nbeam,x\nbeam,\xE0\xB8\x9E\xE0\xB8",  // cut inside its last Thai letter
         {"{\"row\": 2, \"module\": \"beam\"",
          "{\"row\": 3, \"error\": \"the file ends inside a character in column B: it was cut short\"}"}},
        {"module\nbe\x1b[2Jam\n", {"{\"row\": 2, \"error\": \"unknown module 'be\\\\x1b[2Jam' (did you mean beam?)\"}"}},
        {"module,,span\nbeam,x,4\nbeam,,4\n",
         {"{\"row\": 2, \"error\": \"column B has no name in the header\"}", "{\"row\": 3, \"module\": \"beam\""}},
        {"kind,span\nbeam,4\n", {"{\"row\": 1, \"error\": \"the header names no module column\"}"}, true},
        {"m\xFF,span\nbeam,4\n", {"{\"row\": 1, \"error\": \"the header cannot be read: column A"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.csv.substr(0, 40));
        CsvReader reader(c.csv);
        std::ostringstream out, progress;
        const BatchSummary s = runBatch(modules(), reader, SettingMode::Typed, out, progress);
        EXPECT_EQ(s.headerBad, c.headerBad);
        EXPECT_TRUE(mx::isUtf8(out.str()));
        std::istringstream lines(out.str());
        std::vector<std::string> got;
        for (std::string l; std::getline(lines, l);) got.push_back(l);
        ASSERT_EQ(got.size(), c.starts.size()) << out.str();
        for (std::size_t i = 0; i < got.size(); ++i) EXPECT_TRUE(got[i].starts_with(c.starts[i])) << got[i];
    }
    // The member's inch mark and line break, and the Thai of the code page, reach the JSON as UTF-8.
    CsvReader thai("module,member\nbeam,\"F1 6\"\" pad\nwest\"\nbeam,\xBE\xD4\xE9\xB9\n");
    std::ostringstream out, progress;
    runBatch(modules(), thai, SettingMode::Typed, out, progress);
    EXPECT_NE(out.str().find("\"Text30\": \"F1 6\\\" pad\\nwest\""), std::string::npos);
    EXPECT_NE(out.str().find("\"Text30\": \"\xE0\xB8\x9E\xE0\xB8\xB4\xE0\xB9\x89\xE0\xB8\x99\""), std::string::npos);
}

}  // namespace
