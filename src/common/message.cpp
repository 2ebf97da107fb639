#include "common/message.h"

namespace mx {

const char* iconName(Icon icon) {
    switch (icon) {
    case Icon::Critical: return "critical";
    case Icon::Information: return "information";
    case Icon::Exclamation: return "exclamation";
    case Icon::Question: return "question";
    case Icon::None: break;
    }
    return "none";
}

std::vector<Message> Diagnostics::messages() const {
    std::vector<Message> out;
    for (const auto& e : events_)
        if (const auto* m = std::get_if<Message>(&e)) out.push_back(*m);
    return out;
}

std::vector<Correction> Diagnostics::corrections() const {
    std::vector<Correction> out;
    for (const auto& e : events_)
        if (const auto* c = std::get_if<Correction>(&e)) out.push_back(*c);
    return out;
}

}  // namespace mx
