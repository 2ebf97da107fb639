#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "beam/beam_design.h"
#include "beam/beam_form.h"
#include "beam/beam_sheet.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"

using namespace mx;
using namespace mx::beam;

namespace {
BeamDesignResult defaultsExample() {
    FieldSet f = beamDefaultFields();
    f.set("Text1", "4");
    return calculateBeam(readBeamInput(f, kSimple)).result;
}
}  // namespace

TEST(BeamSheetPdf, OneA4PortraitPageWithTheTitle) {
    QTemporaryDir dir;
    const QString path = dir.filePath("beam.pdf");
    const ProjectTitleBlock tb{"Project-X1", "B1", "Engineer", "R-1", "1/1"};
    ASSERT_TRUE(ui::writeSheetPdf(beamSheet(defaultsExample(), tb, true), path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page>>") + pdf.count("/Type /Page "), 1);
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.000000 842.000000]")) << "A4 portrait";
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    QProcess p;
    p.start(pdftotext, {"-raw", path, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_TRUE(p.readAllStandardOutput().contains("Project-X1"));
}

TEST(BeamSheetPdf, EveryLineStaysInsideThePage) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(1440);
    ui::setUpSheetPrinter(printer);
    const double pageWidth = printer.pageLayout().paintRectPoints().width() * 20.0;  // twips
    BeamDesignResult big = defaultsExample();
    // Numbers as wide as a large building's beams give, everywhere the sheet prints them.
    big.momentMax = big.momentConcrete = big.momentSteel = Fixed::fromDouble(-54321.7891);
    big.steelAreaConcrete = big.steelAreaSteel = big.steelArea = Fixed::fromDouble(123.5678);
    const PageModel page = beamSheet(big, {"โครงการทดสอบ", "คาน B1", "วิศวกร", "วย.1", "1/1"}, true);
    for (const PageText& t : page.texts()) {
        const double right = t.x + ui::textWidthTwips(t, page.fontFamily, &printer);
        EXPECT_LT(right, pageWidth) << t.text;
    }
}
