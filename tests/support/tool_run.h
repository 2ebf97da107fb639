#pragma once
// Runs a module of the headless tool in-process, the way mx7100-calc does: settings
// parsed onto the module's defaults, Calculate run, the JSON written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cli.h"

namespace mxtest {

struct ToolRun {
    mx::cli::Invocation inv;
    mx::cli::Report report;
    std::string json;

    const mx::FieldSet& fields() const { return inv.state.fields; }
    // A result value's JSON text, "<missing>" when the record has no such value.
    std::string result(const std::string& name) const {
        for (const auto& [n, v] : report.result.entries())
            if (n == name) return v;
        return "<missing>";
    }
};

// Every setting must parse; pages are built when --sheet or --drawing is given.
inline ToolRun runTool(const mx::ModuleDescription& m, const std::vector<std::string>& args) {
    ToolRun r;
    const auto err = mx::cli::parseSettings(m, args, r.inv);
    EXPECT_FALSE(err.has_value()) << *err;
    r.report = mx::cli::runModule(m, r.inv.state, !r.inv.sheetPath.empty() || !r.inv.drawingPath.empty());
    r.json = mx::cli::toJson(m, r.inv.state, r.report);
    return r;
}

inline std::string resultOf(const mx::cli::Report& report, const std::string& name) {
    for (const auto& [n, v] : report.result.entries())
        if (n == name) return v;
    return "<missing>";
}

}  // namespace mxtest
