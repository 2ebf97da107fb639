// The program's printing of a sheet and of a project's report: the preview paints
// what the print does, the report reaches a PDF whole and legible, Cancel and a write
// that fails leave no file that looks finished.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "cli/tool.h"
#include "project/report.h"
#include "ui/printing.h"
#include "ui/prompter.h"
#include "ui/reportprinting.h"
#include "modules/catalogue.h"

using namespace mx;
using namespace mx::ui;

namespace {

const std::vector<ModuleDescription>& modules() {
    static const std::vector<ModuleDescription> all = allModules();
    return all;
}

project::Project house() {
    const project::ReadOutcome read = project::readProjectFile(MX_EXAMPLES_DIR "/house.mx7100", modules());
    EXPECT_TRUE(read.project) << read.error;
    return read.project.value_or(project::Project{});
}

// Runs a program; its output, with its exit status through *status.
QString run(const QString& program, const QStringList& args, int* status = nullptr) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    if (status) *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString& pdf) { return run("pdftotext", {"-raw", pdf, "-"}); }

// Stops the report before a page, as Cancel in the progress dialog does.
struct CancelAt : PrintProgress {
    explicit CancelAt(int page) : page(page) { setPrintProgress(this); }
    ~CancelAt() override { setPrintProgress(nullptr); }
    bool advance(int done, int, QWidget*) override { return (pages = done) != page; }
    void finish() override { finished = true; }
    int page;
    int pages = 0;
    bool finished = false;
};

}  // namespace

TEST(Printing, PreviewIsOfferedAndPaintsThePrintedPage) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "poppler-utils not installed";
    PageModel page;
    page.text(1200, 400, "โครงการ บ้านพักอาศัย 2 ชั้น  fs = 1,500 กก./ตร.ซม.");
    page.line(1200, 1000, 6000, 1000);
    QTemporaryDir dir;
    ASSERT_TRUE(writeSheetPdf(page, dir.filePath("printed.pdf")));
    for (const bool printFromPreview : {false, true}) {
        RecordingPrompter rec;
        rec.printChoices = {PrintChoice::Preview};
        PdfPreviewTarget preview(dir.filePath("preview.pdf"));
        if (printFromPreview) preview.printTo = dir.filePath("from-preview.pdf");
        EXPECT_EQ(printSheet(page, Message{"พิมพ์?", "พิมพ์", Icon::Question}, nullptr), printFromPreview);
        EXPECT_EQ(preview.count, 1);
        EXPECT_EQ(rec.log.size(), 1u);
        EXPECT_EQ(pdfText(dir.filePath("preview.pdf")), pdfText(dir.filePath("printed.pdf")));
        EXPECT_EQ(QFile::exists(dir.filePath("from-preview.pdf")), printFromPreview);
    }
    EXPECT_EQ(pdfText(dir.filePath("from-preview.pdf")), pdfText(dir.filePath("printed.pdf")));
}

// The house as it stands, and with a beam too shallow: every member standing on it
// prints its red line where its sheet has room.
TEST(ReportPrinting, EveryPageReachesThePdfLegibly) {
    if (QStandardPaths::findExecutable("pdfseparate").isEmpty()) GTEST_SKIP() << "poppler-utils not installed";
    project::Project failing = house();
    for (project::Member& m : failing.members)
        if (m.name == "B1") m.state.fields.set(findField(findModule(modules(), "beam")->fields, "depth")->object, "20");
    for (const auto& [p, output] : {std::pair{house(), ReportOutput::Print}, std::pair{house(), ReportOutput::Preview},
                                    std::pair{failing, ReportOutput::Print}}) {
        const int pages = project::reportPageCount(p, modules());
        RecordingPrompter rec;
        QTemporaryDir dir;
        PdfFileTarget printer(dir.filePath("report.pdf"));
        PdfPreviewTarget preview(dir.filePath("preview.pdf"));
        preview.printTo = dir.filePath("report.pdf");
        CancelAt never(-1);
        EXPECT_TRUE(printProjectReport(p, modules(), nullptr, output));
        EXPECT_TRUE(rec.log.empty());
        EXPECT_EQ(never.pages, pages - 1);
        run("pdfseparate", {dir.filePath("report.pdf"), dir.filePath("page-%02d.pdf")});
        QStringList single = QDir(dir.path()).entryList({"page-*.pdf"});
        EXPECT_EQ(single.size(), pages);
        single.replaceInStrings(QRegularExpression("^"), dir.path() + "/");
        int status = -1;
        const QString problems = run(MX_LEGIBLE, single, &status);
        EXPECT_EQ(status, 0) << problems.toStdString();
    }
}

TEST(ReportPrinting, CancelLeavesNoPdf) {
    const project::Project p = house();
    const int last = project::reportPageCount(p, modules()) - 1;
    struct Row { int cancelAt; bool oldFile; };  // oldFile: a file of that name was there before
    for (const Row& row : {Row{0, false}, Row{1, false}, Row{last, false}, Row{last, true}}) {
        RecordingPrompter rec;
        QTemporaryDir dir;
        const QString path = dir.filePath("report.pdf");
        if (row.oldFile) {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        }
        PdfFileTarget printer(path);
        CancelAt cancel(row.cancelAt);
        EXPECT_FALSE(printProjectReport(p, modules(), nullptr, ReportOutput::Print));
        EXPECT_TRUE(cancel.finished);
        EXPECT_TRUE(rec.log.empty());
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(left, row.oldFile ? QStringList{"report.pdf"} : QStringList{}) << row.cancelAt;
        QFile kept(path);
        if (row.oldFile) {
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), "old");
        }
    }
}

TEST(Printing, AWriteThatFailsIsToldAndNotTakenForSuccess) {
    struct Row { const char* path; const char* cause; };
    const Row rows[] = {
        {"/dev/full", "ที่เก็บข้อมูลเต็ม"},                 // the device takes nothing: a full disk
        {"/sys/mx7100-report.pdf", "ไม่มีสิทธิ์เขียนไฟล์"},  // a folder nobody may write, not even root
    };
    PageModel page;
    page.text(1200, 400, "x");
    const project::Project p = house();
    for (const Row& row : rows) {
        for (const bool report : {false, true}) {
            RecordingPrompter rec;
            PdfFileTarget target(row.path);
            const bool printed = report ? printProjectReport(p, modules(), nullptr, ReportOutput::Print)
                                        : printSheet(page, Message{"พิมพ์?", "พิมพ์", Icon::Question}, nullptr);
            EXPECT_FALSE(printed) << row.path;
            ASSERT_EQ(rec.log.size(), report ? 1u : 2u) << row.path;  // the sheet's question, then the failure
            const std::string& text = rec.log.back().message.text;
            EXPECT_NE(text.find(row.path), std::string::npos) << text;
            EXPECT_NE(text.find(row.cause), std::string::npos) << text;
        }
        EXPECT_FALSE(writeSheetPdf(page, row.path));
    }
}
