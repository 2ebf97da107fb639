#pragma once
// Inside the project core, shared by its reading, writing and report: the JSON tree of
// a file read into a project, and the names the file gives modules and grades.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "project/json.h"
#include "project/project.h"

namespace mx::project {

inline constexpr const char* kCoverModule = "cover";
inline constexpr const char* kCriteriaModule = "criteria";
// The steel grades by their SteelGrade order, as the file and the tool name them.
inline constexpr const char* kGradeNames[] = {"SR24", "SD30", "SD35", "SD40"};

// The project a file's JSON holds (of any version the program reads), or the one Thai
// reason it is not one, without the file's name.
std::variant<Project, std::string> projectFromJson(const JsonValue& root, const std::vector<ModuleDescription>& modules);

}  // namespace mx::project
