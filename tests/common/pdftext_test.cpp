// The text layer of a PDF mended to the Thai that was typed: the Thai fonts' shifted
// copies read back as the characters they copy, the file stays a PDF whose every
// offset is right, and a file the mending cannot follow is left as it came.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/pdftext.h"

namespace {

std::string mapOf(const std::string& entries) {
    return "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n/CMapName /Adobe-Identity-UCS def\n"
           "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n" +
           entries + "endcmap\nend\nend\n";
}

// A PDF laid out as Qt writes one: a font whose ToUnicode map is object 3, an object
// after the map, a classic cross-reference table.
std::string pdfWith(const std::string& map, const std::string& dict = "") {
    const std::vector<std::string> objects = {
        "<< /Type /Catalog >>",
        "<< /Type /Font /Subtype /Type0 /ToUnicode 3 0 R >>",
        "<< /Length " + std::to_string(map.size()) + dict + " >>\nstream\n" + map + "\nendstream",
        "<< /Type /Pages /Kids [] >>",
    };
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t o : offsets) {
        char entry[21];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", o);
        pdf += entry;
    }
    return pdf + "trailer\n<< /Size 5 /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
}

// Every object where the table says, the map's /Length its data's; the map's text.
std::string checkedMap(const std::string& pdf) {
    const std::size_t key = pdf.rfind("startxref\n");
    const std::size_t xref = std::stoul(pdf.substr(key + 10));
    EXPECT_EQ(pdf.substr(xref, 5), "xref\n");
    for (int object = 1; object <= 4; ++object) {
        const std::size_t at = std::stoul(pdf.substr(xref + 29 + 20 * std::size_t(object - 1), 10));
        EXPECT_EQ(pdf.substr(at, 8), std::to_string(object) + " 0 obj\n") << "object " << object;
    }
    const std::size_t length = pdf.find("/Length ") + 8;
    const std::size_t data = pdf.find("stream\n", length) + 7;
    const std::size_t size = std::stoul(pdf.substr(length));
    EXPECT_EQ(pdf.substr(data + size, 10), "\nendstream");
    return pdf.substr(data, size);
}

std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(PdfText, ThaiCopiesReadBackAsTheCharactersTheyCopy) {
    struct Case {
        const char* what;
        std::string entries;
        std::string dict;
        std::string mended;  // empty: the file is left as it came
    };
    const Case cases[] = {
        {"a list: low tone marks, a left vowel, the space glyph",
         "1 beginbfrange\n<0001> <0005> [<0E1A> <F70B> <0E32> <F702> <0009> ]\nendbfrange\n", "",
         "1 beginbfrange\n<0001> <0005> [<0E1A> <0E49> <0E32> <0E35> <0020> ]\nendbfrange\n"},
        {"one glyph ranges, lower vowels and a descenderless consonant",
         "3 beginbfrange\n<0000> <0000> <0000>\n<0006> <0006> <F718>\n<0007> <0007> <F700>\nendbfrange\n"
         "1 beginbfchar\n<0008> <0E01>\nendbfchar\n",
         "",
         "3 beginbfrange\n<0000> <0000> <0000>\n<0006> <0006> <0E38>\n<0007> <0007> <0E10>\nendbfrange\n"
         "1 beginbfchar\n<0008> <0E01>\nendbfchar\n"},
        {"a single code", "1 beginbfchar\n<0003> <F70E>\nendbfchar\n1 beginbfrange\n<0004> <0004> <0E01>\nendbfrange\n",
         "", "1 beginbfchar\n<0003> <0E4C>\nendbfchar\n1 beginbfrange\n<0004> <0004> <0E01>\nendbfrange\n"},
        {"a run of consecutive copies becomes a list: the file grows",
         "2 beginbfrange\n<0010> <0013> <F709>\n<0020> <002B> <0E01>\nendbfrange\n", "",
         "2 beginbfrange\n<0010> <0013> [<0E4C> <0E48> <0E49> <0E4A> ]\n<0020> <002B> <0E01>\nendbfrange\n"},
        {"a font without Thai keeps its private-use characters",
         "1 beginbfrange\n<0001> <0002> [<0041> <F700> ]\nendbfrange\n", "", ""},
        {"a compressed map is left alone", "1 beginbfrange\n<0001> <0002> [<0E01> <F70B> ]\nendbfrange\n",
         " /Filter /FlateDecode", ""},
        {"a map cut short is left alone", "1 beginbfrange\n<0001> <0002> [<0E01> <F70B>", "", ""},
    };
    for (const Case& c : cases) {
        const std::string before = pdfWith(mapOf(c.entries), c.dict);
        std::string pdf = before;
        const std::size_t first = mx::mendPdfText(pdf);
        if (c.mended.empty()) {
            EXPECT_EQ(first, std::string::npos) << c.what;
            EXPECT_EQ(pdf, before) << c.what;
            continue;
        }
        EXPECT_EQ(checkedMap(pdf), mapOf(c.mended)) << c.what;
        EXPECT_EQ(pdf.compare(0, first, before, 0, first), 0) << c.what;  // nothing changed before it
        EXPECT_EQ(pdf.size() - before.size(), c.mended.size() - c.entries.size()) << c.what;
        std::string again = pdf;
        EXPECT_EQ(mx::mendPdfText(again), std::string::npos) << c.what << ": mended twice";
    }
}

TEST(PdfText, AFileIsMendedInPlaceOrLeftAsItCame) {
    std::string pdf = pdfWith(mapOf("1 beginbfrange\n<0010> <0013> <F709>\n<0014> <0014> <0E01>\nendbfrange\n"));
    const std::string path = ::testing::TempDir() + "mx7100-pdftext.pdf";
    std::ofstream(path, std::ios::binary) << pdf;
    EXPECT_EQ(mx::mendPdfTextFile(path), 0);
    mx::mendPdfText(pdf);
    EXPECT_EQ(read(path), pdf);
    checkedMap(read(path));
    std::remove(path.c_str());
    EXPECT_EQ(mx::mendPdfTextFile(path), ENOENT);
    const std::string notPdf = ::testing::TempDir() + "mx7100-pdftext.txt";
    std::ofstream(notPdf, std::ios::binary) << "startxref\n12\n%%EOF\n";
    EXPECT_EQ(mx::mendPdfTextFile(notPdf), 0);
    EXPECT_EQ(read(notPdf), "startxref\n12\n%%EOF\n");
    std::remove(notPdf.c_str());
}
