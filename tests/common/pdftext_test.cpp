// The text layer of a PDF mended to the Thai typed: the Thai fonts' shifted copies read
// back as the characters they copy, every offset of the file stays right, and a file
// the mending cannot follow is left as it came.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "common/pdftext.h"

namespace {

std::string mapOf(const std::string& entries) {
    return "/CIDInit /ProcSet findresource begin\nbegincmap\n1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n" +
           entries + "endcmap\nend\n";
}

// Laid out as Qt writes a PDF: a font whose ToUnicode map is object 3, an object after
// the map, a classic cross-reference table.
std::string pdfWith(const std::string& map, const std::string& dict = "") {
    const std::string objects[] = {"<< /Type /Catalog >>", "<< /Type /Font /ToUnicode 3 0 R >>",
                                   "<< /Length " + std::to_string(map.size()) + dict + " >>\nstream\n" + map +
                                       "\nendstream",
                                   "<< /Type /Pages >>"};
    std::string pdf = "%PDF-1.4\n", xref = "xref\n0 5\n0000000000 65535 f \n";
    for (int i = 0; i < 4; ++i) {
        char entry[21];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", pdf.size());
        xref += entry;
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    return pdf + xref + "trailer\n<< /Size 5 >>\nstartxref\n" + std::to_string(pdf.size()) + "\n%%EOF\n";
}

// Every object where the table says, the map's /Length its data's; the map.
std::string checkedMap(const std::string& pdf) {
    const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
    EXPECT_EQ(pdf.substr(xref, 5), "xref\n");
    for (std::size_t object = 1; object <= 4; ++object)
        EXPECT_EQ(pdf.substr(std::stoul(pdf.substr(xref + 9 + 20 * object, 10)), 8), std::to_string(object) + " 0 obj\n");
    const std::size_t length = pdf.find("/Length ") + 8, data = pdf.find("stream\n", length) + 7;
    const std::size_t size = std::stoul(pdf.substr(length));
    EXPECT_EQ(pdf.substr(data + size, 10), "\nendstream");
    return pdf.substr(data, size);
}

std::string read(const std::string& path) {
    std::stringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

}  // namespace

TEST(PdfText, ThaiCopiesReadBackAsTheCharactersTheyCopy) {
    struct Case {
        const char* what;
        std::string entries, dict;
        std::string mended;  // empty: the file is left as it came
    };
    const Case cases[] = {
        {"a list: low tone marks, a left vowel, the space glyph",
         "1 beginbfrange\n<0001> <0005> [<0E1A> <F70B> <0E32> <F702> <0009> ]\nendbfrange\n", "",
         "1 beginbfrange\n<0001> <0005> [<0E1A> <0E49> <0E32> <0E35> <0020> ]\nendbfrange\n"},
        {"single codes: a lower vowel, a descenderless consonant, a thanthakhat",
         "2 beginbfrange\n<0005> <0005> <0E01>\n<0006> <0006> <F718>\nendbfrange\n"
         "2 beginbfchar\n<0007> <F700>\n<0008> <F70E>\nendbfchar\n",
         "",
         "2 beginbfrange\n<0005> <0005> <0E01>\n<0006> <0006> <0E38>\nendbfrange\n"
         "2 beginbfchar\n<0007> <0E10>\n<0008> <0E4C>\nendbfchar\n"},
        {"a run of consecutive copies becomes a list: the file grows",
         "2 beginbfrange\n<0010> <0013> <F709>\n<0020> <002B> <0E01>\nendbfrange\n", "",
         "2 beginbfrange\n<0010> <0013> [<0E4C> <0E48> <0E49> <0E4A> ]\n<0020> <002B> <0E01>\nendbfrange\n"},
        {"a font without Thai", "1 beginbfrange\n<0001> <0002> [<0041> <F700> ]\nendbfrange\n", "", ""},
        {"a compressed map", "1 beginbfrange\n<0001> <0002> [<0E01> <F70B> ]\nendbfrange\n", " /Filter /FlateDecode", ""},
        {"a map cut short", "1 beginbfrange\n<0001> <0002> [<0E01> <F70B>", "", ""},
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
        std::string again = pdf;
        EXPECT_EQ(mx::mendPdfText(again), std::string::npos) << c.what << ": mended twice";
    }
}

TEST(PdfText, AFileIsMendedInPlaceOrLeftAsItCame) {
    std::string pdf = pdfWith(mapOf("1 beginbfrange\n<0010> <0013> <F709>\nendbfrange\n"));
    const std::string path = ::testing::TempDir() + "mx7100-pdftext.pdf";
    std::ofstream(path, std::ios::binary) << pdf;
    EXPECT_EQ(mx::mendPdfTextFile(path), 0);
    mx::mendPdfText(pdf);
    EXPECT_EQ(read(path), pdf);
    std::ofstream(path, std::ios::binary) << "startxref\n12\n%%EOF\n";  // no table
    EXPECT_EQ(mx::mendPdfTextFile(path), 0);
    EXPECT_EQ(read(path), "startxref\n12\n%%EOF\n");
    std::remove(path.c_str());
    EXPECT_EQ(mx::mendPdfTextFile(path), ENOENT);
}
