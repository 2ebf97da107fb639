#pragma once
// Messages and corrections produced by a calculation, in the order the window shows
// and applies them.
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace mx {

inline constexpr const char* kProgramTitle = "MX7100";

enum class Icon { None, Critical, Information, Exclamation, Question };

const char* iconName(Icon icon);  // "critical", "information", ... for reports

struct Message {
    std::string text;
    std::string title = kProgramTitle;
    Icon icon = Icon::Critical;
    bool operator==(const Message&) const = default;
};

// A field text written back by the program; the field's change check runs on it.
struct Correction {
    std::string field;
    std::string text;
    bool operator==(const Correction&) const = default;
};

// The verdict of a module's last calculation.
enum class DesignStatus { NotUsable = 1, Usable = 2 };

// The ordered record of what a calculation asks the window to do: show a message,
// write a correction. A correction raised with a message follows it directly, so the
// window applies it at the moment the message is dismissed.
class Diagnostics {
public:
    using Event = std::variant<Message, Correction>;

    void say(Message m) { events_.emplace_back(std::move(m)); }
    void say(std::string text, std::string title, Icon icon = Icon::Critical) {
        say(Message{std::move(text), title.empty() ? std::string(kProgramTitle) : std::move(title), icon});
    }
    void correct(std::string field, std::string text) { events_.emplace_back(Correction{std::move(field), std::move(text)}); }
    // The moment the result panel is written: after the events so far, before the rest.
    void markResults() { resultsAt_ = events_.size(); }
    std::optional<std::size_t> resultsAt() const { return resultsAt_; }

    const std::vector<Event>& events() const { return events_; }
    std::vector<Message> messages() const;
    std::vector<Correction> corrections() const;
    bool empty() const { return events_.empty(); }

private:
    std::vector<Event> events_;
    std::optional<std::size_t> resultsAt_;
};

}  // namespace mx
