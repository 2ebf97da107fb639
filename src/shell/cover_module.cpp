// The report pages from the headless tool: the fields as set on the command line,
// printed as the windows print them. Nothing is calculated, so there is no status,
// verdict, message or result value.
#include "shell/cover_fields.h"
#include "shell/cover_module.h"
#include "shell/coverpages.h"

namespace mx::shell {

namespace {

ModuleDescription pageModule(std::string name, FieldSet defaults, PageModel (*build)(const FieldSet&)) {
    ModuleDescription m;
    m.name = std::move(name);
    m.defaults = std::move(defaults);
    m.pressType = [](FormState&, int) { return false; };  // the page makers have no type buttons
    m.run = [build](FormState& state) {
        // The page is its fields: the title block is among them already.
        ModuleRun r;
        r.sheet = [build, fields = state.fields](const ProjectTitleBlock&) { return build(fields); };
        return r;
    };
    return m;
}

}  // namespace

ModuleDescription coverDescription() {
    ModuleDescription m = pageModule("cover", shell::coverDefaults(), &shell::coverPage);
    m.title = "หน้าปกรายการคำนวณ (report cover page)";
    m.fields = shell::coverFieldTable();
    return m;
}

ModuleDescription criteriaDescription() {
    ModuleDescription m = pageModule("criteria", shell::criteriaDefaults(), &shell::criteriaPage);
    m.title = "ข้อกำหนดประกอบรายการคำนวณ (design-criteria page)";
    m.fields = shell::criteriaFieldTable();
    return m;
}

}  // namespace mx::shell
