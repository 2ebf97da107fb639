// The project window's own actions beside the member list: save the project, print its
// report, make the report's cover and criteria pages; and the line under the list
// that says what was just done.
#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

#include "project/window/projectwindow.h"
#include "project/window/session.h"
#include "ui/fields.h"
#include "ui/registry.h"

namespace mx::project {

namespace {

// Room either side of a heading's text inside its section.
constexpr int kHeaderPadding = 24;

}  // namespace

void ProjectWindow::addProjectActions(QBoxLayout* buttons) {
    auto add = [&](const char* name, const char* caption, const char* tooltip, auto act) {
        QPushButton* b = ui::makeButton(this, name, QString::fromUtf8(caption), QString::fromUtf8(tooltip));
        connect(b, &QPushButton::clicked, this, act);
        buttons->addWidget(b);
    };
    add("CommandSave", "บันทึกโครงการ", "บันทึกโครงการลงไฟล์ (Ctrl+S)", [this] { saveProject(); });
    add("CommandPrint", "พิมพ์รายการคำนวณ", "พิมพ์รายการคำนวณทั้งโครงการ (Ctrl+P)", [this] { printReport(); });
    // The report's first pages, the project's own: what they hold is saved with it.
    add("CommandCover", "หน้าปก", "ทำหน้าปกของรายการคำนวณโครงการนี้", [] { ui::showWindow(QStringLiteral("cover01")); });
    add("CommandCriteria", "หน้าข้อกำหนด", "ทำหน้าข้อกำหนดประกอบรายการคำนวณโครงการนี้",
        [] { ui::showWindow(QStringLiteral("cover02")); });
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("LabelStatus"));
    status_->setWordWrap(true);
}

void ProjectWindow::saveProject() {
    if (session_.save(this)) showStatus(QStringLiteral("บันทึกโครงการลงไฟล์ %1 แล้ว").arg(session_.path()));
}

void ProjectWindow::printReport() { session_.printReport(this); }

void ProjectWindow::showStatus(const QString& text) { status_->setText(text); }

void ProjectWindow::fitVerdictColumn() {
    // The heading is drawn in the header's own font, which may be bolder than the
    // cells': measured in it, with the section's padding.
    QHeaderView* header = list_->horizontalHeader();
    QFont font = header->font();
    font.setBold(true);
    const QString heading = list_->horizontalHeaderItem(2)->text();
    header->setSectionResizeMode(2, QHeaderView::Interactive);
    list_->resizeColumnToContents(2);
    header->resizeSection(2, std::max(QFontMetrics(font).horizontalAdvance(heading) + kHeaderPadding, header->sectionSize(2)));
}

}  // namespace mx::project
