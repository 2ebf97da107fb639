// The member frame's title block, drawing and printing.
#include "ui/memberwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/fields.h"
#include "ui/memberlayout.h"
#include "ui/pagepainter.h"
#include "ui/printing.h"
#include "ui/prompter.h"

namespace mx::ui {

namespace {

constexpr int kTwipsPerPixel = 15;

// The title block's fields by their names in the field table, in ProjectTitleBlock order.
constexpr const char* kTitleFields[5] = {"project", "member", "engineer", "registration", "page"};

// The note of a member that cannot be drawn: its lines, and the most boxes it repeats
// (a Calculate of many typing errors would otherwise run off the surface).
constexpr const char* kNotDrawnHeading[2] = {"เขียนแบบ", "ไม่ได้ : การคำนวณครั้งล่าสุดยังไม่ได้ขนาดของ"};
constexpr const char* kNotDrawnAdvice = "แก้ไขข้อมูลตามคำเตือนข้างบน แล้วกด คำนวณ อีกครั้ง";
constexpr std::size_t kMostNotDrawnWarnings = 6;
constexpr double kNotePt = 14;
constexpr double kNoteStep = 360;    // twips from one line to the next
constexpr double kWarningIndent = 300;

}  // namespace

void MemberWindow::buildTitleBlock() {
    const TitleBlockSpec& tb = design_.titleBlock;
    QFrame* f = panel(tb.panel);
    if (!f) return;
    auto* grid = new QGridLayout(f);
    grid->setContentsMargins(12, 10, 12, 12);
    grid->setHorizontalSpacing(8);
    QLabel* heading = new QLabel(QString::fromUtf8(kTitleBlockHeading), f);
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.15);
    heading->setFont(hf);
    asPrompt(heading);
    grid->addWidget(heading, 0, 0, 1, 3);
    int row = 1;
    for (const char* name : kTitleFields) {
        const FieldInfo* info = design_.fields ? findField(*design_.fields, name) : nullptr;
        if (!info) {
            warnNoWidget("title-block field", name);
            continue;
        }
        const CaptionedField c = addCaptionedField(f, {info->object});
        if (tb.captionsAbove) {
            c.caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            grid->addWidget(c.caption, row++, 0, 1, 3);
            grid->addWidget(c.field, row++, 0, 1, 3);
            c.field->setMinimumWidth(260);
        } else {
            grid->addWidget(c.caption, row, 0);
            grid->addWidget(c.field, row++, 1, 1, 2);
            c.field->setMinimumWidth(340);
        }
    }
    QPushButton* print = addPictureButton(f, tb.printButton, toolPixmap(ToolPicture::Print, QSize(36, 36)),
                                          QStringLiteral("พิมพ์รายการคำนวณ"), frame::kToolSide);
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    QPushButton* cancel = addPictureButton(f, tb.cancelButton, toolPixmap(ToolPicture::Cancel, QSize(36, 36)),
                                           QStringLiteral("ยกเลิกการพิมพ์"), frame::kToolSide);
    connect(cancel, &QPushButton::clicked, this, [this] { hidePanel(design_.titleBlock.panel); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    grid->addLayout(buttons, row, tb.captionsAbove ? 0 : 1, 1, tb.captionsAbove ? 3 : 2);
    // The panel covers the drawing surface; its rows keep their size at its top-left.
    grid->setRowStretch(row + 1, 1);
    grid->setColumnStretch(3, 1);
}

ProjectTitleBlock MemberWindow::titleBlock() const {
    return design_.fields ? titleBlockOf(*design_.fields, fields()) : ProjectTitleBlock{};
}

// --- drawing and printing -----------------------------------------------------------

PageModel notDrawnNote(const char* member, const std::vector<Message>& shown, const PageBox& area) {
    PageModel p;
    const std::string name = member ? member : "";
    double y = area.y1;
    p.text(area.x1, y, kNotDrawnHeading[0] + name + kNotDrawnHeading[1] + name, kNotePt, true);
    // The last box of a Calculate that sized nothing is its closing one; a lone box is
    // the reason itself (an arithmetic failure shows only that).
    const std::size_t warnings = shown.size() > 1 ? shown.size() - 1 : shown.size();
    for (std::size_t i = 0; i < std::min(warnings, kMostNotDrawnWarnings); ++i)
        p.text(area.x1 + kWarningIndent, y += kNoteStep, shown[i].text, kNotePt, false, kRed);
    p.text(area.x1, y += kNoteStep, kNotDrawnAdvice, kNotePt);
    return p;
}

PageBox MemberWindow::drawingArea() const {
    const double margin = 150;
    const double w = std::max(panelArea_->width(), 400) * kTwipsPerPixel;
    const double h = std::max(panelArea_->height(), 300) * kTwipsPerPixel;
    return PageBox{margin, margin, w - margin, h - margin};
}

void MemberWindow::draw() {
    if (!surface_) return;
    // The figure takes the place of the panels that open over the drawing.
    for (QFrame* f : std::as_const(panels_))
        if (f->parentWidget() == panelArea_) f->hide();
    placeFigure();
}

void MemberWindow::placeFigure() {
    const PageBox area = drawingArea();
    surface_->setPage(calculated_ && !hasMemberToDraw() ? notDrawnNote(design_.memberName, calculateMessages_, area)
                                                        : drawing(area));
    figureShown_ = true;
}

void MemberWindow::erase() {
    figureShown_ = false;
    if (surface_) surface_->clear();
}

bool MemberWindow::print() {
    erase();
    // A sheet is made from the last Calculate: one older than the inputs is made
    // again first, or not printed.
    if (outOfDate_) {
        if (!prompter().ask(kRecalculateBeforePrinting, this)) return false;
        calculate();
    }
    const Message question = design_.printQuestion;
    if (const std::optional<Message> warning = sheetWarning()) {
        // The user has chosen to print, is told what the sheet lacks, and it still prints.
        const PrintChoice choice = prompter().askPrint(question, this);
        if (choice == PrintChoice::Cancel) return false;
        prompter().show(*warning, this);
        if (!(choice == PrintChoice::Preview ? previewSheet(sheet(), this) : sendSheet(sheet(), this))) return false;
    } else if (!printSheet(sheet(), question, this)) {
        return false;
    }
    hidePanel(design_.titleBlock.panel);
    afterPrinting();
    return true;
}

}  // namespace mx::ui
