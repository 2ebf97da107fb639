#pragma once
// The one way a field is edited, in a window and in the tool alike. Every edit runs
// the field's change check; the check may show messages and write fields (its own or
// others), and each text it writes is an edit in turn, so that field's check runs on
// it. Writing a field's own text again is no edit: nothing runs, exactly as a window
// control that is handed the text it already holds does not signal a change.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/fieldset.h"
#include "common/message.h"

namespace mx {

// The change check of a field on the form's texts: the messages it shows and the
// texts it writes back, in the order the user sees and the form takes them.
using FieldCheck = std::function<Diagnostics(std::string_view field, const FieldSet& fields)>;

// What an edit does outside the texts: a window shows each message the moment it
// comes and puts each written text into its control. Either may be left empty.
struct EditSink {
    std::function<void(const Message&)> show;
    std::function<void(const Correction&)> write;
};

class FieldEditor {
public:
    // A check that keeps writing would be a fault of its own; the cascade stops at a
    // depth no real check reaches rather than running without end.
    static constexpr int kMaxDepth = 16;

    explicit FieldEditor(FieldCheck check, EditSink sink = {});

    // Types text into a field: no edit when it holds that text already.
    void type(FieldSet& fields, std::string_view field, std::string text);
    // The field already holds its new text (a window control was changed): its check
    // runs and the cascade follows.
    void edited(FieldSet& fields, std::string_view field);
    // A calculation's record: each message shown, each correction typed into its
    // field, and writeResults called at the moment resultsAt names.
    void replay(FieldSet& fields, const Diagnostics& d, std::optional<std::size_t> resultsAt = std::nullopt,
                const std::function<void()>& writeResults = {});

    // Every message shown so far, in order.
    const std::vector<Message>& shown() const { return shown_; }

private:
    void write(FieldSet& fields, const Correction& c, int depth);
    void check(FieldSet& fields, std::string_view field, int depth);
    void show(const Message& m);

    FieldCheck check_;
    EditSink sink_;
    std::vector<Message> shown_;
};

// The tool's two uses: typing one field, and taking a calculation's messages and
// corrections. Both return the messages shown, in order.
std::vector<Message> typeField(FieldSet& fields, std::string_view field, std::string text, const FieldCheck& check);
std::vector<Message> replayDiagnostics(FieldSet& fields, const Diagnostics& d, const FieldCheck& check);

}  // namespace mx
