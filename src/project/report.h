#pragma once
// A project's calculation report as pages: the cover, the design-criteria page, the
// contents (member, module, page, verdict), then every member's sheet run again from
// its stored inputs, in order, and last the quantities pages ("สรุปปริมาณวัสดุ"), each
// page's field reading "หน้า k / n".
// No Qt: each page goes to a callback as it is built, so a long report never holds
// more than one sheet.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/page.h"
#include "project/links.h"
#include "project/project.h"

namespace mx::project {

struct ContentsRow {
    std::string member;
    std::string module;  // the module's short Thai name
    int page = 0;        // counted from the cover as 1
    std::optional<int> status;
    // The members it stands on, through its links, that are not usable.
    std::vector<std::string> standsOn = {};
    bool usable() const { return status != static_cast<int>(DesignStatus::NotUsable); }
};

// Members a contents page lists.
inline constexpr int kContentsRowsPerPage = 38;

// The verdict a contents row and the project window give a member's last run.
std::string verdictCaption(const std::optional<int>& status);

// "หน้า k / n".
std::string pageText(int k, int n);
// Pages of the report: cover, criteria, contents, one sheet a member and the
// quantities pages (which run every member to measure it).
int reportPageCount(const Project& project, const std::vector<ModuleDescription>& modules);
// The short Thai name of a module for the contents ("คาน", "เสาเข็ม (Blow count)").
std::string moduleCaption(const std::string& module);

// The contents rows: every member run once, without its pages, for its verdict.
std::vector<ContentsRow> reportContents(const Project& project, const std::vector<ModuleDescription>& modules);

// The load take-down pages ("ตารางถ่ายน้ำหนัก") after the contents: none for a project
// without links.
int takedownPageCount(const Project& project);
bool addTakedownPages(const Project& project, const Resolution& links, const std::string& projectName, int firstPage,
                      int pages, const std::function<bool(const PageModel&)>& addPage);

// One contents page of rows [first, first + kContentsRowsPerPage).
PageModel contentsPage(const Project& project, const std::vector<ContentsRow>& rows, std::size_t first, int page,
                       int pages);

// Builds every page in order and hands each to addPage; stops at the first page
// addPage refuses (returns false then). Returns the contents rows through *contents
// when asked.
bool buildReport(const Project& project, const std::vector<ModuleDescription>& modules,
                 const std::function<bool(const PageModel&)>& addPage, std::vector<ContentsRow>* contents = nullptr);

}  // namespace mx::project
