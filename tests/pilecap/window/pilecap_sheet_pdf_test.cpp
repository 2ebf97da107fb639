#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "pilecap/pilecap_form.h"
#include "pilecap/pilecap_sheet.h"
#include "ui/printing.h"

using namespace mx;
using namespace mx::pilecap;

TEST(PileCapSheetPdf, OneA4PortraitPageWithEveryLineInside) {
    // Twenty piles: the largest cap and the longest listing.
    FieldSet f = pileCapDefaults();
    f.set("Text1", "600000");
    f.set("Text4", "30");
    const PileCapOutcome out = calculatePileCap(readPileCapInput(f));
    ASSERT_EQ(out.result.np, 20);
    const PageModel page = pileCapSheet(out.result, out.status == DesignStatus::Usable,
                                        {"โครงการทดสอบ", "F2", "วิศวกร", "วย.1", "1/1"});
    QTemporaryDir dir;
    const QString path = dir.filePath("cap.pdf");
    ASSERT_TRUE(ui::writeSheetPdf(page, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page>>") + pdf.count("/Type /Page "), 1);
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.000000 842.000000]")) << "A4 portrait";

    // Every word as painted stays inside the printable width (A4 less the 14 pt margin).
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    QProcess p;
    p.start(pdftotext, {"-bbox", path, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString boxes = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression xMax(QStringLiteral("xMax=\"([0-9.]+)\""));
    int words = 0;
    for (const QRegularExpressionMatch& m : xMax.globalMatch(boxes)) {
        ++words;
        EXPECT_LE(m.captured(1).toDouble(), 581.5);
    }
    EXPECT_GT(words, 50);
}
