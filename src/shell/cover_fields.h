#pragma once
// Field tables of the two report pages (object name, short name, caption, unit,
// default). The page makers show their fields where they print, with no caption
// beside them; the caption here names what each one holds.
#include "common/fieldtable.h"

namespace mx::shell {

const FieldTable& coverFieldTable();
const FieldTable& criteriaFieldTable();

}  // namespace mx::shell
