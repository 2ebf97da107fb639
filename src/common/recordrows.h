#pragma once
// A module's records listed once, as rows of data beside its field table: which field
// fills which member of the calculation's input (`<module>_inputs.def`) and which value
// of the result record the tool prints under which name (`<module>_results.def`). Each
// list is read where it is written, by including it in a function body whose names
// the rows use:
//
//     SlabDesignInput readSlabInput(const FieldSet& fields, ...) {
//         SlabDesignInput in;
//     #include "slab/slab_inputs.def"
//         return in;
//     }
//
//     void addResult(ResultList& out, const SlabDesignResult& r) {
//     #include "slab/slab_results.def"
//     }
//
// The order of the rows is the order of the values in the tool's JSON.
#include "common/fieldset.h"
#include "common/module.h"

// Rows of an inputs list, filling `in` from the field texts `fields`:
//   MX_INPUT(member, "TextN")      the number typed in the field TextN, into in.member
#define MX_INPUT(member, field) in.member = fields.num(field);

// Rows of a results list, written into the ResultList `out` from the record `r`:
//   MX_RESULT(member)              r.member, under its own name
//   MX_RESULT_AS(name, value)      a value read from r, under name
//   MX_RESULT_TEXT(name, text)     a text read from r, as a JSON string
//   MX_RESULT_ROWS(writer, part)   the rows writer(out, r.part) adds, shared by modules
#define MX_RESULT(member) out.add(#member, r.member);
#define MX_RESULT_AS(name, value) out.add(#name, value);
#define MX_RESULT_TEXT(name, text) out.addText(#name, text);
#define MX_RESULT_ROWS(writer, part) writer(out, r.part);
