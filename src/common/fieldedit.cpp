#include "common/fieldedit.h"

#include <utility>
#include <variant>

namespace mx {

FieldEditor::FieldEditor(FieldCheck check, EditSink sink) : check_(std::move(check)), sink_(std::move(sink)) {}

void FieldEditor::show(const Message& m) {
    shown_.push_back(m);
    if (sink_.show) sink_.show(m);
}

void FieldEditor::write(FieldSet& fields, const Correction& c, int depth) {
    if (fields.has(c.field) && fields.get(c.field) == c.text) return;
    fields.set(c.field, c.text);
    if (sink_.write) sink_.write(c);
    check(fields, c.field, depth);
}

void FieldEditor::check(FieldSet& fields, std::string_view field, int depth) {
    if (!check_ || depth > kMaxDepth) return;
    // The record is held here: its events are read after later edits changed fields.
    const Diagnostics d = check_(field, fields);
    for (const auto& e : d.events()) {
        if (const auto* m = std::get_if<Message>(&e)) show(*m);
        else write(fields, std::get<Correction>(e), depth + 1);
    }
}

void FieldEditor::type(FieldSet& fields, std::string_view field, std::string text) {
    write(fields, Correction{std::string(field), std::move(text)}, 0);
}

void FieldEditor::edited(FieldSet& fields, std::string_view field) { check(fields, field, 0); }

void FieldEditor::replay(FieldSet& fields, const Diagnostics& d, std::optional<std::size_t> resultsAt,
                         const std::function<void()>& writeResults) {
    const auto& events = d.events();
    for (std::size_t i = 0; i <= events.size(); ++i) {
        if (resultsAt && *resultsAt == i && writeResults) writeResults();
        if (i == events.size()) break;
        if (const auto* m = std::get_if<Message>(&events[i])) show(*m);
        else write(fields, std::get<Correction>(events[i]), 0);
    }
}

std::vector<Message> typeField(FieldSet& fields, std::string_view field, std::string text, const FieldCheck& check) {
    FieldEditor editor(check);
    editor.type(fields, field, std::move(text));
    return editor.shown();
}

std::vector<Message> replayDiagnostics(FieldSet& fields, const Diagnostics& d, const FieldCheck& check) {
    FieldEditor editor(check);
    editor.replay(fields, d);
    return editor.shown();
}

}  // namespace mx
