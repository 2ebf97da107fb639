// The member frame's Calculate: the description's run on the window's state, its
// messages and corrections replayed in order with the result labels at their moment,
// the last run kept for the sheet and the drawing; the change checks every edit runs,
// the steel grade that follows fs, and whether the results are still current.
#include <QLineEdit>

#include "common/fieldedit.h"
#include "common/fieldtable.h"
#include "common/numtext.h"
#include "ui/fields.h"
#include "ui/memberwindow.h"
#include "ui/pagepainter.h"
#include "ui/prompter.h"

namespace mx::ui {

namespace {

// The window whose field the editor is writing: that edit's check is the editor's to
// run, not the field's own change signal.
const MemberWindow* editorWriting = nullptr;

// The field editor of a window: messages in boxes, written texts in its fields.
FieldEditor windowEditor(MemberWindow* w, const FieldCheck& check) {
    EditSink sink;
    sink.show = [w](const Message& m) { prompter().show(m, w); };
    // Written the moment its message is dismissed; the editor then runs its check.
    sink.write = [w](const Correction& c) {
        QLineEdit* e = w->field(c.field);  // warns of a correction to no field
        if (!e) return;
        const MemberWindow* was = editorWriting;
        editorWriting = w;
        e->setText(qs(c.text));
        editorWriting = was;
    };
    return FieldEditor(check, std::move(sink));
}

}  // namespace

void MemberWindow::calculate() {
    // An input that reads as no number is named first: the calculation reads it as 0
    // and may stop on it with no more than its closing message.
    calculateMessages_.clear();
    for (QLineEdit* e : inputOrder_) {
        const std::string text = ss(e->text());
        if (!e->isVisibleTo(this) || !unreadable(text)) continue;
        QString caption = fieldCaption(ss(e->objectName()));
        if (caption.trimmed().isEmpty()) caption = e->toolTip().isEmpty() ? e->objectName() : e->toolTip();
        calculateMessages_.push_back(unreadableMessage(ss(caption), text));
        prompter().show(calculateMessages_.back(), this);
    }
    // The results this Calculate writes are current while its messages are still on
    // screen: they are not shown as out of date behind its own message boxes.
    outOfDate_ = false;
    panelStale_ = false;
    panelWrittenNow_ = false;
    showMarks();
    calculating_ = true;
    runCalculation();
    calculating_ = false;
    calculated_ = true;
    calculatedWith_ = designInputs();
    // A Calculate that stopped before its results leaves the previous run's numbers in
    // the panel: they stay marked, not shown in black as if they were this run's.
    panelStale_ = panelEverWritten_ && !panelWrittenNow_;
    panelEverWritten_ = panelEverWritten_ || panelWrittenNow_;
    showMarks();
}

project::Member MemberWindow::designInputs() const {
    project::Member m = member();
    // The grade a button pressed: one the caption took from fs alone (the column's
    // default 1200 names SD.30) changes nothing that fs does not already say.
    m.state.grade = buttonGrade_;
    if (!design_.fields) return m;
    // The title block and the fields of an estimator are no inputs of the design.
    std::vector<std::string> skip;
    for (const char* line : {"project", "member", "engineer", "registration", "page"})
        if (const FieldInfo* f = findField(*design_.fields, line)) skip.emplace_back(f->object);
    for (const PanelSpec& p : design_.panels)
        if (QFrame* f = p.estimator ? panel(p.name) : nullptr)
            for (const QLineEdit* e : f->findChildren<QLineEdit*>()) skip.push_back(ss(e->objectName()));
    FieldSet inputs;
    for (const auto& [name, text] : m.state.fields.entries())
        if (std::find(skip.begin(), skip.end(), name) == skip.end()) inputs.set(name, text);
    m.state.fields = std::move(inputs);
    return m;
}

void MemberWindow::inputsChanged() {
    if (calculating_ || loading_) return;
    keepLinkedTexts();
    if (!calculatedWith_) return;
    const bool changed = !(designInputs() == *calculatedWith_);
    if (changed != outOfDate_) setOutOfDate(changed);
}

void MemberWindow::setOutOfDate(bool on) {
    outOfDate_ = on;
    showMarks();
}

void MemberWindow::showMarks() {
    if (QWidget* r = design_.resultPanel ? findChild<QWidget*>(QString::fromLatin1(design_.resultPanel)) : nullptr)
        r->setEnabled(!outOfDate_ && !panelStale_);
    if (verdict_) verdict_->setEnabled(!outOfDate_);
    if (outOfDateNote_) {
        outOfDateNote_->setText(QString::fromUtf8(outOfDate_ ? kOutOfDateNote : kEarlierResultsNote));
        outOfDateNote_->setVisible(outOfDate_ || panelStale_);
    }
    if (surface_) surface_->setOutOfDate(outOfDate_);
}

void MemberWindow::writeFieldCaptions() {
    if (design_.fieldCaptions) writeLabels(design_.fieldCaptions(fields()));
}

void MemberWindow::fieldEdited(QLineEdit* e) {
    if (editorWriting == this || loading_) return;
    if (design_.check) {
        FieldSet f = fields();
        windowEditor(this, design_.check).edited(f, ss(e->objectName()));
    }
    // After the edit and every write-back it caused: the grade caption follows fs, the
    // captions their fields, and the results are marked when the inputs now differ
    // from the last Calculate's.
    if (QLineEdit* fs = fsField_.empty() ? nullptr : field(fsField_)) followGrade(ss(fs->text()));
    writeFieldCaptions();
    inputsChanged();
}

std::string MemberWindow::gradeFs(SteelGrade g) const {
    FormState s;
    if (design_.description && design_.description->pressGrade) design_.description->pressGrade(s, g);
    return s.fields.get(fsField_);
}

void MemberWindow::followGrade(const std::string& fs) {
    if (!design_.description || !design_.description->pressGrade) return;
    if (gradeFs(grade_) == fs) return;  // the caption already says so (two grades may share an fs)
    for (SteelGrade g : {SteelGrade::SR24, SteelGrade::SD30, SteelGrade::SD35, SteelGrade::SD40})
        if (gradeFs(g) == fs) {
            grade_ = g;
            pressedGrade_ = g;
            applyGrade(g);
            return;
        }
}

void MemberWindow::applyGrade(SteelGrade g) {
    if (design_.description && design_.description->pressGrade) {
        // The description's grade button writes the settings, the tool's and the
        // window's alike; each text it changed is an edit of its field.
        FormState s = formState();
        design_.description->pressGrade(s, g);
        // Each text still to be written: a check on one may have written another.
        for (const auto& [name, text] : s.fields.entries())
            if (QLineEdit* e = fields_.value(qs(name)); e && ss(e->text()) != text) e->setText(qs(text));
    }
    pressGrade(g);
    showMaterials(true);
}

void MemberWindow::replay(const Diagnostics& d, std::optional<std::size_t> resultsAt,
                          const std::function<void()>& writeResults) {
    // A Calculate's boxes are kept: they say why it sized no member, if it did not.
    if (calculating_)
        for (Message& m : d.messages()) calculateMessages_.push_back(std::move(m));
    FieldSet f = fields();
    windowEditor(this, design_.check).replay(f, d, resultsAt, writeResults);
    // An aid's corrections (the estimator's) are edits like any other.
    if (!calculating_) {
        writeFieldCaptions();
        inputsChanged();
    }
}

FormState MemberWindow::formState() const {
    FormState s;
    s.fields = fields();
    s.typeCode = memberType();
    s.grade = pressedGrade_;
    s.linked = linked_;
    return s;
}

void MemberWindow::runCalculation() {
    if (!design_.description || !design_.description->run || stopForLinks()) return;
    erase();
    beforeCalculate();
    FormState state = formState();
    ModuleRun run = design_.description->run(state);
    // The messages up to the result panel, the panel, then the final checks; each
    // correction is written the moment its message is dismissed.
    replay(run.diagnostics, run.resultsAt, [this, &run] {
        writeLabels(run.labels);
        if (design_.resultPanel && panels_.contains(QString::fromLatin1(design_.resultPanel)))
            showPanel(design_.resultPanel);
    });
    writeLabels(run.closingLabels);
    // The member's quantities go with its results, at the foot of the result panel.
    if (quantities_)
        quantities_->setText(qs("ปริมาณวัสดุ: " + quantitiesLine(design_.description->quantities(run, state))));
    run_ = std::move(run);
    afterCalculate();
}

const ModuleRun& MemberWindow::runOrNone() const {
    if (run_) return *run_;
    if (!noRun_) noRun_ = design_.description && design_.description->noRun ? design_.description->noRun() : ModuleRun{};
    return *noRun_;
}

PageModel MemberWindow::sheet() const {
    const ModuleRun& run = runOrNone();
    PageModel page = run.sheet ? run.sheet(titleBlock()) : PageModel{};
    if (ProjectLink* link = projectLink(); link && run_) link->markSheet(*this, page);
    return page;
}

PageModel MemberWindow::drawing(const PageBox& area) const {
    const ModuleRun& run = runOrNone();
    return run.drawing ? run.drawing(area) : PageModel{};
}

bool MemberWindow::hasMemberToDraw() const { return !run_ || !run_->hasFigure || run_->hasFigure(); }

std::optional<Message> MemberWindow::sheetWarning() const {
    const ModuleRun run = runOrNone();
    return run.sheetWarning ? run.sheetWarning() : std::nullopt;
}

void MemberWindow::writeLabels(const FieldSet& labels) {
    QWidget* results =
        calculating_ && design_.resultPanel ? findChild<QWidget*>(QString::fromLatin1(design_.resultPanel)) : nullptr;
    for (const auto& [name, text] : labels.entries()) {
        if (auto* l = findChild<QLabel*>(qs(name))) {
            l->setText(qs(text));
            if (results && results->isAncestorOf(l)) panelWrittenNow_ = true;
        } else {
            warnNoWidget("label", name);
        }
    }
}

}  // namespace mx::ui
