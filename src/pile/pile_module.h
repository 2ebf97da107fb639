#pragma once
// The pile folder's two modules: the safe load of a pile by skin friction, and the
// capacity of a driven pile from its blow count.
#include "common/cli.h"

namespace mx::pile {

// Why neither module gives quantities: a pile is bought precast and driven, and the
// blow count is a record of its driving.
inline constexpr const char* kPileQuantities = "เสาเข็มสั่งซื้อสำเร็จรูป ไม่ถอดปริมาณคอนกรีตและเหล็กเสริม";
inline constexpr const char* kBlowQuantities = "การตอกเสาเข็มไม่มีปริมาณคอนกรีตและเหล็กเสริม";

ModuleDescription pileDescription();
ModuleDescription blowDescription();
// The folder's modules, for the catalogue: the pile, then the blow count.
std::vector<ModuleDescription> descriptions();

}  // namespace mx::pile
