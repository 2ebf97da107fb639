#pragma once
// Paints a sheet into a PDF the way the print button does and reads it back: one A4
// portrait page, and every word inside the printable width (pdftotext's word boxes,
// in points; the printable area ends 14 pt before the paper's right edge). Reads a
// PDF's text back against the pages it was painted from.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

#include "common/page.h"
#include "ui/printing.h"

namespace mxtest {

// Every text of the pages, in order, reads back from the PDF's text layer
// (pdftotext -raw, in painting order) character for character, spaces aside (the
// reader puts its own between the words and lines it finds): the Thai as typed, with
// no private-use code point of a Thai font's shifted glyphs.
inline void expectTextReadsBack(const std::vector<mx::PageModel>& pages, const QString& pdf, const std::string& what) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    QProcess p;
    p.start(pdftotext, {"-raw", pdf, "-"});
    ASSERT_TRUE(p.waitForFinished(60000));
    static const QRegularExpression space(QStringLiteral("\\s"), QRegularExpression::UseUnicodePropertiesOption);
    const auto bare = [](QString s) { return s.remove(space); };
    const QString text = bare(QString::fromUtf8(p.readAllStandardOutput()));
    for (const QChar c : text)
        ASSERT_FALSE(c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF)
            << what << ": a private-use code point U+" << std::hex << int(c.unicode());
    qsizetype at = 0;
    for (const mx::PageModel& page : pages)
        for (const mx::PageText& t : page.texts()) {
            const QString want = bare(QString::fromStdString(t.text));
            ASSERT_EQ(text.mid(at, want.size()).toStdString(), want.toStdString())
                << what << ": the label \"" << t.text << '"';
            at += want.size();
        }
    EXPECT_EQ(at, text.size()) << what << ": the PDF reads more than was painted: " << text.mid(at, 80).toStdString();
}

inline void expectOneA4PageInside(const mx::PageModel& page) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    ASSERT_TRUE(mx::ui::writeSheetPdf(page, path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page>>") + pdf.count("/Type /Page "), 1);
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.000000 842.000000]")) << "A4 portrait";
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    QProcess p;
    p.start(pdftotext, {"-bbox", path, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    int words = 0;
    for (const QString& line : out.split('\n')) {
        const int at = line.indexOf(QLatin1String("xMax=\""));
        if (at < 0 || !line.contains(QLatin1String("<word"))) continue;
        ++words;
        const double xMax = line.mid(at + 6).section('"', 0, 0).toDouble();
        EXPECT_LE(xMax, 581.5) << line.toStdString();
    }
    EXPECT_GT(words, 0);
}

}  // namespace mxtest
