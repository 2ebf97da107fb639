#include "project/takeoff.h"

#include <algorithm>
#include <cmath>

#include "project/links.h"
#include "project/projectformat.h"
#include "project/report.h"

namespace mx::project {

namespace {

long long plus(long long v, int percent, long long step) {
    // Rounded to the step the figure is shown to (hundredths, or tenths of a kg).
    const long long raw = v * (100 + percent);  // in 1/100 of the unit's hundredths
    return (raw + 50 * step) / (100 * step) * step;
}

}  // namespace

ShownQuantities withAllowance(const ShownQuantities& net, const WasteAllowance& waste) {
    ShownQuantities out = net;
    out.concrete = plus(net.concrete, waste.concrete, 1);
    out.formwork = plus(net.formwork, waste.formwork, 1);
    for (auto& s : out.steel) s.kg = plus(s.kg, waste.steel, 10);
    return out;
}

ProjectTakeoff projectTakeoff(const Project& project, const std::vector<ModuleDescription>& modules) {
    ProjectTakeoff t;
    t.waste = project.waste;
    // A linked field is measured at the load it resolves to, as the member is designed,
    // never at the field's own default.
    const Resolution links = resolveLinks(project, modules);
    for (std::size_t i = 0; i < project.members.size(); ++i) {
        const Member& member = project.members[i];
        MemberTakeoff m{member.name, member.module, member.count, {}, {}};
        const ModuleDescription* module = findModule(modules, member.module);
        if (module && module->quantities) {
            const MemberRun run = runLinkedMember(member, links.members[i], *module, false);
            m.quantities = run.report.quantities ? *run.report.quantities : notUsableQuantities();
        } else {
            m.quantities = noQuantities("โมดูลนี้ไม่มีปริมาณวัสดุ");
        }
        m.shown = shown(m.quantities, m.count);
        if (!m.quantities.available()) {
            t.members.push_back(std::move(m));
            continue;
        }
        auto kind = std::find_if(t.byKind.begin(), t.byKind.end(), [&](const KindTotal& k) { return k.module == m.module; });
        if (kind == t.byKind.end()) {
            t.byKind.push_back({m.module, {}});
            kind = t.byKind.end() - 1;
        }
        kind->total.add(m.shown);
        t.net.add(m.shown);
        t.members.push_back(std::move(m));
    }
    t.withWaste = withAllowance(t.net, t.waste);
    return t;
}

std::string totalsLine(const ProjectTakeoff& t) {
    return "ปริมาณวัสดุรวม (สุทธิ / รวมเผื่อ): คอนกรีต " + hundredthsText(t.net.concrete) + " / " +
           hundredthsText(t.withWaste.concrete) + " ลบ.ม.  ไม้แบบ " + hundredthsText(t.net.formwork) + " / " +
           hundredthsText(t.withWaste.formwork) + " ตร.ม.  เหล็กเสริม " + hundredthsText(t.net.steelTotal(), 1) + " / " +
           hundredthsText(t.withWaste.steelTotal(), 1) + " กก.";
}

namespace {

std::string steelCell(const ShownQuantities& s, const ShownQuantities::Steel& size) {
    for (const auto& x : s.steel)
        if (x.dia == size.dia && x.round == size.round && x.grade == size.grade) return hundredthsText(x.kg, 1);
    return "";
}

std::vector<std::string> figures(const ShownQuantities& s, const ShownQuantities& sizes) {
    std::vector<std::string> row{hundredthsText(s.concrete), hundredthsText(s.formwork)};
    for (const auto& size : sizes.steel) row.push_back(steelCell(s, size));
    row.push_back(hundredthsText(s.steelTotal(), 1));
    return row;
}

}  // namespace

std::vector<std::vector<std::string>> takeoffTable(const ProjectTakeoff& t) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header{"ลำดับ", "ชิ้นส่วน", "ชนิด", "จำนวน", "คอนกรีต (ลบ.ม.)", "ไม้แบบ (ตร.ม.)"};
    for (const auto& s : t.net.steel) header.push_back(s.bar + " " + s.grade + " (กก.)");
    header.push_back("เหล็กรวม (กก.)");
    header.push_back("หมายเหตุ");
    rows.push_back(header);
    const auto row = [&](std::string no, std::string name, std::string kind, std::string count, const ShownQuantities& s,
                         std::string note, bool measured = true) {
        std::vector<std::string> r{std::move(no), std::move(name), std::move(kind), std::move(count)};
        for (std::string& f : figures(s, t.net)) r.push_back(measured ? std::move(f) : std::string());
        r.push_back(std::move(note));
        rows.push_back(std::move(r));
    };
    for (std::size_t i = 0; i < t.members.size(); ++i) {
        const MemberTakeoff& m = t.members[i];
        const std::string note = m.quantities.available() ? m.quantities.note : m.quantities.unavailable;
        row(std::to_string(i + 1), m.name, moduleCaption(m.module), std::to_string(m.count), m.shown, note,
            m.quantities.available());
    }
    for (const KindTotal& k : t.byKind) row("", "รวม" + moduleCaption(k.module), "", "", k.total, "สุทธิ");
    row("", "รวมสุทธิ", "", "", t.net, "");
    ShownQuantities allowance = t.withWaste;
    allowance.concrete -= t.net.concrete;
    allowance.formwork -= t.net.formwork;
    for (std::size_t i = 0; i < allowance.steel.size(); ++i) allowance.steel[i].kg -= t.net.steel[i].kg;
    row("", "เผื่อการสูญเสีย", "", "", allowance,
        "คอนกรีต " + std::to_string(t.waste.concrete) + "% ไม้แบบ " + std::to_string(t.waste.formwork) + "% เหล็ก " +
            std::to_string(t.waste.steel) + "%");
    row("", "รวมทั้งสิ้น (รวมเผื่อ)", "", "", t.withWaste, "");
    return rows;
}

}  // namespace mx::project
