#pragma once
// The two report pages printed in front of a bundle of calculation sheets: the cover
// page and the design-criteria page. Nothing is calculated; each field is printed as
// typed at its own place, size and weight.
#include <string>
#include <vector>

#include "common/fieldset.h"
#include "common/page.h"

namespace mx::shell {

// Fields of the cover page (cover01) with their defaults, in window order.
FieldSet coverDefaults();
// Fields of the design-criteria page (cover02) with their defaults, in window order.
FieldSet criteriaDefaults();

// The fields "ลบข้อความ" empties on each page; headings, captions and units stay.
const std::vector<std::string>& coverClearedFields();
const std::vector<std::string>& criteriaClearedFields();
void clearCover(FieldSet& f);
void clearCriteria(FieldSet& f);

// The instruction texts shown by "แนะนำ".
std::string coverInstructions();
std::string criteriaInstructions();

// The printed pages. An empty field prints nothing at its place.
PageModel coverPage(const FieldSet& f);
PageModel criteriaPage(const FieldSet& f);

}  // namespace mx::shell
