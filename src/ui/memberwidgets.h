#pragma once
// The small widgets and helpers every member window's panels are made of: lists whose
// rows are chosen on purpose, captions that open an aid, the windows' heading look,
// caption-and-field rows and pick-list rows.
#include <QLabel>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

class QLineEdit;
class QListWidget;

namespace mx::ui {

// A list row is chosen by a click on it, or by Enter or Space on the row the keyboard
// moved to; moving the focus or the current row through the list chooses nothing, so
// tabbing through a window never overwrites a field. Every window's lists choose so.
void onRowChosen(QListWidget* list, QObject* context, std::function<void(int row)> choose);

// A caption that answers clicks and double-clicks, and can show a single border.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setBorder(bool on);
    // Opens its aid on a click, its border showing while the aid is open, and closes
    // it on a double-click.
    void opensAndCloses(std::function<void()> open, std::function<void()> close);
signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// The windows' blue: panel headings, and the captions that ask for a choice or name
// what was chosen.
inline constexpr const char* kHeadingColour = "#1a3c8c";
// Gives a caption the look of a panel's heading (the windows' blue, bold) and returns it.
QLabel* asHeading(QLabel* label);
// Gives a caption the windows' blue, not bold (a prompt or a chosen grade), and returns it.
QLabel* asPrompt(QLabel* label);

// One caption-and-field row of an input panel; caption and tooltip are the field
// table's.
struct FieldRow {
    const char* field;                  // "Text1"
    const char* captionName = nullptr;  // object name of the caption, where it has one
    bool clickable = false;             // the caption is a ClickLabel (it opens an aid)
};

// A field placed with its caption.
struct CaptionedField {
    QLabel* caption;
    QLineEdit* field;
};

// A row of a pick list: its text and the value it writes.
struct PickItem {
    std::string text;
    std::string value;
};

// The rows of a module's pick table (each with a text and a value, a number or a
// text) as pick-list rows.
template <typename Rows>
std::vector<PickItem> pickItems(const Rows& rows) {
    std::vector<PickItem> items;
    for (const auto& r : rows) {
        if constexpr (std::is_arithmetic_v<std::remove_cvref_t<decltype(r.value)>>)
            items.push_back({r.text, std::to_string(r.value)});
        else
            items.push_back({r.text, r.value});
    }
    return items;
}

}  // namespace mx::ui
