#include "help/help_texts.h"

namespace mx::help {

std::vector<HelpText> allHelpTexts() {
    return {beamHelp(), columnHelp(), slabHelp(), stairHelp(), spreadFootingHelp(), pileCapHelp(), pileHelp(), blowHelp()};
}

}  // namespace mx::help
