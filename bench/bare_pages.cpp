// The yardstick of the report's speed: a bare Qt program that writes N A4 pages of 45
// Thai text lines each to one PDF, with the printer set up as the sheets set it up
// (1440 dots to the inch, 5 mm margins) and the sheets' 14 pt Thai font, and nothing
// else: no page model, no measuring, no condensing. scripts/bench-report runs it
// beside the tool and prints the ratio.
//
//   mx7100-bench-bare-pages FILE.pdf [PAGES]
#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE.pdf [PAGES]\n", argv[0]);
        return 2;
    }
    const int pages = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;
    QApplication app(argc, argv);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[1]));
    printer.setResolution(1440);
    printer.setFullPage(false);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                      QPageLayout::Millimeter));
    QFont font(QStringLiteral("Umpush"));
    font.setPointSizeF(14 * 0.65);
    QPainter painter;
    if (!painter.begin(&printer)) return 1;
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, &printer).ascent();
    for (int p = 0; p < pages; ++p) {
        if (p > 0) printer.newPage();
        for (int line = 0; line < 45; ++line) {
            const QString text = QStringLiteral("กำหนดค่าหน่วยแรงดึงของเหล็กเสริม fs = %1 กก./ตร.ซม. บรรทัดที่ %2")
                                     .arg(1200 + p % 500)
                                     .arg(line + 1);
            painter.drawText(QPointF(1200, 400 + line * 300 + ascent), text);
        }
    }
    return painter.end() ? 0 : 1;
}
