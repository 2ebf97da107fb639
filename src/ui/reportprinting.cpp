#include "ui/reportprinting.h"

#include <QProgressDialog>

#include <memory>

#include "project/report.h"
#include "ui/printing.h"
#include "ui/prompter.h"

namespace mx::ui {

namespace {

constexpr int kShowProgressAfterMs = 1000;
constexpr const char* kProgressTitle = "พิมพ์รายการคำนวณ";
constexpr const char* kProgressText = "กำลังพิมพ์รายการคำนวณ หน้า %1 จาก %2";
constexpr const char* kCancelText = "ยกเลิก";

class DialogProgress : public PrintProgress {
public:
    bool advance(int done, int total, QWidget* parent) override {
        if (!dialog_) {
            dialog_ = std::make_unique<QProgressDialog>(QString(), QString::fromUtf8(kCancelText), 0, total, parent);
            dialog_->setWindowTitle(QString::fromUtf8(kProgressTitle));
            dialog_->setWindowModality(Qt::WindowModal);  // so Cancel is heard between pages
            dialog_->setMinimumDuration(kShowProgressAfterMs);
            dialog_->setAutoClose(false);
            dialog_->setAutoReset(false);
        }
        dialog_->setLabelText(QString::fromUtf8(kProgressText).arg(done + 1).arg(total));
        dialog_->setValue(done);
        return !dialog_->wasCanceled();
    }
    void finish() override { dialog_.reset(); }

private:
    std::unique_ptr<QProgressDialog> dialog_;
};

DialogProgress progressDialog;
PrintProgress* currentProgress = &progressDialog;

}  // namespace

PrintProgress& printProgress() { return *currentProgress; }
void setPrintProgress(PrintProgress* p) { currentProgress = p ? p : &progressDialog; }

Message reportQuestion(const project::Project& project, int pages, int notUsable) {
    return Message{"พิมพ์รายการคำนวณของโครงการ ทั้งหมด " + std::to_string(pages) +
                       " หน้า (ปก เกณฑ์การออกแบบ สารบัญ รายการคำนวณของชิ้นส่วน " +
                       std::to_string(project.members.size()) + " รายการ และสรุปปริมาณวัสดุ)" +
                       (notUsable > 0 ? " ในจำนวนนี้มีชิ้นส่วนที่ยังใช้ไม่ได้ " + std::to_string(notUsable) +
                                            " รายการ (ทำเครื่องหมาย * ไว้ในสารบัญ)"
                                      : std::string(" ทุกชิ้นส่วนใช้ได้")),
                   kProgressTitle, Icon::Question};
}

bool printProjectReport(const project::Project& project, const std::vector<ModuleDescription>& modules, QWidget* parent,
                        ReportOutput output, int notUsable) {
    const int total = project::reportPageCount(project, modules);
    if (output == ReportOutput::Ask) {
        const PrintChoice choice = prompter().askPrint(reportQuestion(project, total, notUsable), parent);
        if (choice == PrintChoice::Cancel) return false;
        output = choice == PrintChoice::Preview ? ReportOutput::Preview : ReportOutput::Print;
    }
    // Every member runs again as its page comes, so the report never holds more than
    // one sheet; the progress counts the pages as they are painted.
    const PageFeed pages = [&](const PageSink& add) {
        int done = 0;
        const bool whole = project::buildReport(project, modules, [&](const PageModel& page) {
            if (!printProgress().advance(done, total, parent)) return false;
            ++done;
            return add(page);
        });
        printProgress().finish();
        return whole;
    };
    if (output == ReportOutput::Preview) return previewPages(pages, parent);
    return sendPages(pages, parent) == PrintResult::Printed;
}

}  // namespace mx::ui
