// A printed sheet's PDF carries the Thai that was typed: a reader who searches it for
// "ใช้ได้" or "คำนวณ", or copies a line, gets every label of the sheet back character
// for character, from the tool's sheets and from the program's report alike.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "cli/tool.h"
#include "project/report.h"
#include "support/sheet_pdf.h"
#include "ui/prompter.h"
#include "ui/reportprinting.h"

using namespace mx;

// Title blocks with tone marks over and beside every kind of consonant, lowered tone
// marks, sara am with and without a tone mark, lower vowels under a descender.
static const std::vector<std::string> kTitleBlock = {
    "project=บ้านพักอาศัย ค.ส.ล. 2 ชั้น ซอยน้ำตก ตำบลในเมือง อำเภอเมือง จังหวัดขอนแก่น",
    "engineer=นายวิศวกร ผู้ใช้ได้ดี (ห้างหุ้นส่วนจำกัด ฐานะมั่นคง)", "page=แผ่นที่ ๑ / ๑๒"};

TEST(PdfText, EveryLabelOfEachModulesSheetReadsBackAsTyped) {
    struct Case {
        const char* module;
        std::vector<std::string> settings;
    };
    const Case cases[] = {
        {"beam", {"type=1", "grade=SD30", "span=4", "load=1200", "width=25", "depth=50", "member=คานรับผนังห้องน้ำชั้นสอง"}},
        {"beam", {"type=4", "grade=SD30", "span=5", "overhang=1.5", "load=1500", "member=คานยื่นกันสาด ฐ.1"}},
        {"slab", {"type=2", "grade=SR24", "thickness=11", "short_side=3", "long_side=4", "continuity=2", "member=พื้นห้องนอน"}},
        {"column", {"type=1", "grade=SD30", "load=24000", "width=20", "depth=20", "member=เสาต้นริมทางเดิน"}},
        {"stair", {"type=1", "grade=SR24", "span=1.5", "thickness=12", "member=บันไดขึ้นชั้นสอง"}},
        {"spreadfooting", {"grade=SD30", "load=30000", "soil_pressure=12", "member=ฐานรากใต้เสาต้นมุม"}},
        {"pilecap", {"grade=SD30", "load=80000", "member=ฐานรากบนเสาเข็มกลุ่มที่สาม"}},
        {"pile", {"type=2", "size=126", "length=21", "member=เสาเข็มต้นที่หนึ่ง"}},
        {"blow", {"type=1", "area=324", "safe_load=15", "length=12", "hammer=1.5", "drop=50", "blows=40", "member=ตอกทดสอบ"}},
    };
    const std::vector<ModuleDescription> modules = cli::allModules();
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const ModuleDescription* module = cli::findModule(modules, c.module);
        ASSERT_NE(module, nullptr) << c.module;
        std::vector<std::string> settings = c.settings;
        settings.insert(settings.end(), kTitleBlock.begin(), kTitleBlock.end());
        cli::Invocation inv;
        const auto error = cli::parseSettings(*module, settings, inv, cli::SettingMode::Typed);
        ASSERT_FALSE(error) << c.module << ": " << *error;
        const cli::Report report = cli::runInvocation(*module, inv, true);
        ASSERT_TRUE(report.sheet) << c.module;
        const QString path = dir.filePath(QString::fromUtf8(c.module) + ".pdf");
        ASSERT_TRUE(ui::writeSheetPdf(*report.sheet, path)) << c.module;
        mxtest::expectTextReadsBack({*report.sheet}, path, c.module);
    }
}

TEST(PdfText, TheProgramsReportReadsBackAsTyped) {
    // Every page of the example house's report, its contents page among them, printed
    // from the program to a PDF.
    const std::vector<ModuleDescription> modules = cli::allModules();
    const project::ReadOutcome read = project::readProjectFile(MX_EXAMPLES_DIR "/house.mx7100", modules);
    ASSERT_TRUE(read.project) << read.error;
    std::vector<PageModel> pages;
    ASSERT_TRUE(project::buildReport(*read.project, modules, [&](const PageModel& page) {
        pages.push_back(page);
        return true;
    }));
    ui::RecordingPrompter rec;
    QTemporaryDir dir;
    ui::PdfFileTarget printer(dir.filePath("report.pdf"));
    ASSERT_TRUE(ui::printProjectReport(*read.project, modules, nullptr, ui::ReportOutput::Print));
    mxtest::expectTextReadsBack(pages, dir.filePath("report.pdf"), "report");
}
