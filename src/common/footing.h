#pragma once
// What the two footings, the spread footing and the pile cap, share without the
// toolkit: the record of a Calculate, how the window and the tool reach a footing's
// calculation and pages, the print question both ask, and the tool's report of one
// Calculate.
#include <array>
#include <string>

#include "common/cli.h"
#include "common/fieldset.h"
#include "common/material.h"
#include "common/message.h"
#include "common/page.h"
#include "common/titleblock.h"

namespace mx {

// One Calculate of a footing: its result record, the messages and corrections in the
// order the window shows them, the verdict and whether the result labels were filled.
template <typename Result>
struct FootingOutcome {
    Result result;
    Diagnostics diagnostics;
    DesignStatus status = DesignStatus::NotUsable;
    std::string verdict;
    bool panelWritten = false;  // the design got as far as the result panel
};

// A footing's calculation and pages, as its window and the tool call them.
template <typename Outcome>
struct FootingCalculation {
    using Result = decltype(Outcome::result);
    Outcome (*calculate)(const FieldSet& fields);
    // The value labels of the result panel, written when the design got that far.
    FieldSet (*resultLabels)(const Result& r);
    const char* verdictLabel;
    PageModel (*sheet)(const Result& r, bool usable, const ProjectTitleBlock& tb);
    // The window's figure inside the area.
    PageModel (*drawing)(const Result& r, const PageBox& area);
};

// Both footings ask the same question before printing.
Message footingPrintQuestion();

// The steel-grade buttons Command3..Command6 of both footing windows: the tooltip, the
// sentence naming the mesh steel, and the fs each writes.
struct FootingGrade {
    const char* button;
    const char* tooltip;
    const char* caption;
    int fs;
};
const FootingGrade& footingGrade(SteelGrade grade);

// The mesh-bar picker of both footing windows: a row's text and the diameter (mm) it writes.
struct FootingBar {
    const char* text;
    int db;
};
extern const std::array<FootingBar, 12> kFootingBarSizes;

// What the tool reports of a Calculate on the fields (after writing its corrections
// into them): every value of the result record through addResult, the labels from
// `labels` as a fresh window shows them, and the sheet and the window's figure on
// `screen` when pages are asked for.
template <typename Outcome>
cli::Report footingReport(const FootingCalculation<Outcome>& calc, cli::FormState& state, bool wantPages,
                          void (*addResult)(cli::ResultList&, const typename FootingCalculation<Outcome>::Result&),
                          FieldSet labels, const ProjectTitleBlock& tb, const PageBox& screen) {
    const Outcome outcome = calc.calculate(state.fields);
    state.fields.apply(outcome.diagnostics);
    cli::Report report;
    report.status = static_cast<int>(outcome.status);
    report.verdict = outcome.verdict;
    report.messages = outcome.diagnostics.messages();
    // A design that stopped before the result panel leaves its labels as they were.
    if (outcome.panelWritten) {
        const FieldSet values = calc.resultLabels(outcome.result);
        for (const auto& [name, text] : values.entries()) labels.set(name, text);
    }
    labels.set(calc.verdictLabel, outcome.verdict);
    report.labels = std::move(labels);
    addResult(report.result, outcome.result);
    if (wantPages) {
        report.sheet = calc.sheet(outcome.result, outcome.status == DesignStatus::Usable, tb);
        report.drawing = calc.drawing(outcome.result, screen);
    }
    return report;
}

}  // namespace mx
