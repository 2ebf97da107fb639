#pragma once
// The texts of a window's input fields by object name, in the window's order. The
// window and the command-line tool both read a design's input from one of these, so
// a field is read the same way whichever of them runs the calculation.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/message.h"

namespace mx {

class FieldSet {
public:
    FieldSet() = default;
    FieldSet(std::initializer_list<std::pair<std::string, std::string>> init) : fields_(init) {}

    bool has(std::string_view name) const { return find(name) != nullptr; }
    // Text of the field, "" when there is no such field.
    const std::string& get(std::string_view name) const;
    // Number at the start of the field text (num()).
    double num(std::string_view name) const;
    // Sets an existing field or appends a new one.
    void set(std::string_view name, std::string text);
    // Writes every correction of a calculation into its field, in order.
    void apply(const Diagnostics& diagnostics);

    const std::vector<std::pair<std::string, std::string>>& entries() const { return fields_; }

private:
    const std::string* find(std::string_view name) const;
    std::vector<std::pair<std::string, std::string>> fields_;
};

}  // namespace mx
