#pragma once
// The read-only help windows of the design modules: caption and numbered usage
// instructions, one text per module. Each text is kept in its own file.
#include <string>
#include <vector>

namespace mx::help {

struct HelpText {
    std::string name;     // window object name, e.g. "pilehelp"
    std::string caption;  // window caption
    std::string text;     // numbered instructions, one per line
};

HelpText beamHelp();          // Bhelp
HelpText slabHelp();          // shelp
HelpText columnHelp();        // chelp
HelpText stairHelp();         // sthelp
HelpText spreadFootingHelp(); // f00t1help
HelpText pileCapHelp();       // foot2help
HelpText pileHelp();          // pilehelp
HelpText blowHelp();          // blowhelp

// Every help text, in menu order.
std::vector<HelpText> allHelpTexts();

}  // namespace mx::help
