#include "shell/cover_fields.h"

#include "shell/cover_fields_tsv.h"
#include "shell/criteria_fields_tsv.h"

namespace mx::shell {

const FieldTable& coverFieldTable() {
    static const FieldTable table = loadFieldTable("shell/cover_fields.tsv", embedded::cover_fields_tsv());
    return table;
}

const FieldTable& criteriaFieldTable() {
    static const FieldTable table = loadFieldTable("shell/criteria_fields.tsv", embedded::criteria_fields_tsv());
    return table;
}

}  // namespace mx::shell
