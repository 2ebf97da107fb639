#pragma once
// Puts a page model onto a paint device: a window's drawing surface, a printer or a
// PDF file. Twips are mapped to the device's own units, so one model looks the same
// on each.
#include <QFont>
#include <QWidget>

#include <vector>

#include "common/page.h"

class QPainter;
class QPaintDevice;

namespace mx::ui {

// The font a page asks for. "CordiaUPC" is used where installed; elsewhere Umpush
// (Debian's Thai stand-in for Cordia) at 0.65 of the size, which is the two fonts'
// own calibration: without it the long sheet lines run off an A4 page.
QFont pageFont(const std::string& family, double sizePt, bool bold = false);

// Where a text item lands on a device, in twips. A text keeps its position and size;
// when, measured with the device's metrics, it would end beyond the device's width
// (the printable width of a printer) or, starting left of a keep-clear box and sharing
// its rows, past that box's left edge, it is condensed horizontally just enough to end
// there. It is never cut: an engineer must be able to read every figure he signs. Only
// a table cell (PageText::elide), a name rather than a figure, is cut instead, to end
// in "…" within its room.
struct PlacedText {
    PageText text;
    double naturalWidth = 0;  // as the font sets it
    double width = 0;         // as printed, after condensing
    double height = 0;        // the rows the line takes, from its top
    double condense = 1;      // horizontal scale applied, 1 = none
    // text.text is as printed: a cell cut to its room ends in "…".
    double end() const { return text.x + width; }
};
std::vector<PlacedText> placeTexts(const PageModel& page, double unitsPerTwip, QPaintDevice* device);

// Paints every item; unitsPerTwip converts twips into the painter's coordinates.
// Text is measured with the metrics of the device being painted and placed by
// placeTexts().
void paintPage(QPainter& painter, const PageModel& page, double unitsPerTwip, QPaintDevice* device);

// Width in twips of a text item as the device would print it.
double textWidthTwips(const PageText& t, const std::string& family, QPaintDevice* device);

// A window's drawing surface: shows a page model and redraws it on every repaint or
// resize, so the picture is never lost. clear() erases it.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget* parent = nullptr);
    void setPage(PageModel page);
    void clear();
    const PageModel& page() const { return page_; }
    // Pixels per twip; 1/15 at 96 dpi by default.
    void setUnitsPerTwip(double u) { unitsPerTwip_ = u; update(); }
    // A figure of a calculation whose inputs have changed since shows greyed.
    void setOutOfDate(bool on);
    bool outOfDate() const { return outOfDate_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    PageModel page_;
    double unitsPerTwip_ = 1.0 / 15.0;
    bool outOfDate_ = false;
};

}  // namespace mx::ui
