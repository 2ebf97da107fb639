#pragma once
// Reading a schedule of designs as a spreadsheet saves it: comma-separated cells in
// UTF-8 (with or without a byte-order mark), or in the Windows Thai code page 874 that
// a Thai spreadsheet writes as its plain "CSV". No Qt here.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mx::cli {

// The reading a file's bytes were given.
enum class TextEncoding { Utf8, Windows874 };

// What one row may hold. A row of designs is a few hundred bytes; the limits keep a
// file that is no schedule (a disk image, a line of a hundred million commas) from
// taking the memory: such a row is reported by its number and skipped.
struct CsvLimits {
    std::size_t rowBytes = 64 * 1024;  // one row, the line breaks inside its quoted cells included
    std::size_t cellBytes = 4 * 1024;  // one cell as the file holds it
};

// One row of a CSV file: its cells as UTF-8 and its number as a spreadsheet shows it
// (the first line is row 1; blank lines are rows too, a line break inside a quoted
// cell is not). A row that cannot be read has no cells and says why.
struct CsvRecord {
    int row = 0;
    std::vector<std::string> cells;
    std::string error;
};

// Windows-874 bytes as UTF-8. Returns the offset of the first byte the code page leaves
// undefined (out then holds the text before it), or nothing when every byte is a
// character.
std::optional<std::size_t> windows874ToUtf8(std::string_view bytes, std::string& out);
// Text in an encoding as UTF-8. Returns the offset of a byte that is no character in
// it (a NUL is none in either), or nothing.
std::optional<std::size_t> toUtf8(std::string_view bytes, TextEncoding encoding, std::string& out);

// Comma-separated records. A double quote at the start of a cell quotes it: the cell
// then holds commas, line breaks and doubled quotes until its closing quote; anywhere
// else a quote is the character itself (an inch mark: F1 6" pad). CRLF, LF and CR end
// a row. The file is UTF-8 when its bytes are, when it starts with a byte-order mark or
// when it holds Thai in UTF-8 anywhere; otherwise Windows-874, or whichever leaves
// fewer bytes undecoded when neither fits all.
// A cell with a byte its reading does not define makes its row unreadable.
class CsvReader {
public:
    explicit CsvReader(std::string_view bytes, CsvLimits limits = {});
    TextEncoding encoding() const { return encoding_; }
    // The next row that is not blank; false at the end of the file.
    bool next(CsvRecord& out);
    // How many rows next() still gives, counted on a copy once and then kept, so a
    // file is walked once for its count however often it is asked.
    std::size_t remaining() const;

private:
    bool read(CsvRecord& out);

    std::string_view text_;
    CsvLimits limits_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    std::size_t pos_ = 0;
    int row_ = 0;  // rows passed, blank ones included
    mutable std::optional<std::size_t> counted_;  // rows still to come, once counted
};

// Every record of a text: the reader run to the end.
std::vector<CsvRecord> parseCsv(std::string_view bytes, CsvLimits limits = {});

// Rows written as a spreadsheet reads them back: UTF-8 after a byte-order mark (a Thai
// spreadsheet takes a file without one for its code page), cells holding a comma, a
// quote or a line break quoted with their quotes doubled, a cell starting with a quote
// quoted too, rows ending CRLF.
std::string csvText(const std::vector<std::vector<std::string>>& rows);

// A spreadsheet's name of a column: A, B, ... Z, AA, AB ...
std::string columnName(std::size_t index);

}  // namespace mx::cli
