#pragma once
// The page model: what a calculation sheet or a member drawing puts on paper or on
// the window, as plain data. Positions are twips (1440 to the inch) from the top-left
// corner of the printable area (or of the drawing surface); a text item's y is the top
// of its line. Builders return a PageModel from a result record, so a test can check
// every line and stroke without a screen or a printer.
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace mx {

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kBlue = 0x0000FF;
inline constexpr std::uint32_t kRed = 0xFF0000;
inline constexpr std::uint32_t kGreen = 0x008000;

struct PageText {
    double x = 0, y = 0;
    std::string text;
    double sizePt = 14;
    bool bold = false;
    std::uint32_t color = kBlack;
    // A cell of a table: where it would run past its room it ends in "…" instead of
    // being condensed, so a long name stays legible as far as it goes.
    bool elide = false;
};

struct PageLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::uint32_t color = kBlack;
};

struct PageCircle {
    double x = 0, y = 0, radius = 0;
    std::uint32_t color = kBlack;
    bool filled = false;
};

// Width of the lines and circles that follow, in device pixels as on a screen
// (1 = hairline); the painter scales it for a printer.
struct PageLineWidth {
    int width = 1;
};

using PageItem = std::variant<PageText, PageLine, PageCircle, PageLineWidth>;

// A rectangle of the page, in twips.
struct PageBox {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
// A point of the page, in twips.
struct PagePoint {
    double x = 0, y = 0;
};

class PageModel {
public:
    // The sheets ask for this family; the painter substitutes a Thai font where the
    // family is not installed.
    std::string fontFamily = "CordiaUPC";

    void text(double x, double y, std::string s, double sizePt = 14, bool bold = false, std::uint32_t color = kBlack) {
        items_.emplace_back(PageText{x, y, std::move(s), sizePt, bold, color});
    }
    // A table cell's text (see PageText::elide).
    void cellText(double x, double y, std::string s, double sizePt = 14, bool bold = false,
                  std::uint32_t color = kBlack) {
        items_.emplace_back(PageText{x, y, std::move(s), sizePt, bold, color, true});
    }
    void line(double x1, double y1, double x2, double y2, std::uint32_t color = kBlack) {
        items_.emplace_back(PageLine{x1, y1, x2, y2, color});
    }
    // A rectangle drawn as four lines (corner to corner).
    void box(double x1, double y1, double x2, double y2, std::uint32_t color = kBlack);
    void circle(double x, double y, double radius, std::uint32_t color = kBlack, bool filled = false) {
        items_.emplace_back(PageCircle{x, y, radius, color, filled});
    }
    void lineWidth(int w) { items_.emplace_back(PageLineWidth{w}); }
    void append(const PageModel& other) {
        items_.insert(items_.end(), other.items_.begin(), other.items_.end());
        clear_.insert(clear_.end(), other.clear_.begin(), other.clear_.end());
    }
    // The box a printed drawing occupies: a text line that starts left of it and
    // shares its rows is condensed by the printer so that it ends before the box.
    void keepClear(double x1, double y1, double x2, double y2) { clear_.push_back(PageBox{x1, y1, x2, y2}); }
    const std::vector<PageBox>& clearBoxes() const { return clear_; }

    const std::vector<PageItem>& items() const { return items_; }
    bool empty() const { return items_.empty(); }
    std::vector<PageText> texts() const;  // the text items in order, for tests and checks
    // The largest x and y any item reaches (text by its starting point only).
    std::pair<double, double> extent() const;
    std::vector<std::string> lines() const;  // just their strings

private:
    std::vector<PageItem> items_;
    std::vector<PageBox> clear_;
};

// A printed sheet's text column: lines start at x = 1200 and are normally 300 twips apart.
inline constexpr double kSheetLeft = 1200;
inline constexpr double kSheetContinuation = 3000;
inline constexpr double kSheetLineStep = 300;

}  // namespace mx
