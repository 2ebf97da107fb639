#include "spreadfooting/spreadfooting_ports.h"

namespace mx::spreadfooting {

std::vector<std::string> spreadFootingTargets() { return {"load"}; }

}  // namespace mx::spreadfooting
