// The same typing in a window and in the tool shows the same messages: both edit
// through one field editor, repeated texts included (writing a field's own text again
// is no edit in either).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include <string>
#include <utility>
#include <vector>

#include "app/modules.h"
#include "beam/beam_module.h"
#include "column/column_module.h"
#include "pile/pile_module.h"
#include "pilecap/pilecap_module.h"
#include "slab/slab_module.h"
#include "spreadfooting/spreadfooting_module.h"
#include "stair/stair_module.h"
#include "ui/memberwindow.h"
#include "ui/prompter.h"
#include "ui/registry.h"

namespace {

struct Typing {
    const char* window;
    mx::ModuleDescription (*module)();
    std::vector<std::pair<const char*, const char*>> typed;
    bool calculate = false;  // then Calculate, in the window and in the tool
};

const Typing kTypings[] = {
    {"foot01", mx::pilecap::description,
     {{"Text5", "200"}, {"Text5", "200"}, {"Text6", "70"}, {"Text6", "70"}, {"Text4", "0"}, {"Text1", "2000000"}}},
    {"foot00", mx::spreadfooting::description, {{"Text4", "200"}, {"Text4", "200"}, {"Text2", "50"}}},
    {"slab", mx::slab::description,
     {{"Text7", "200"}, {"Text7", "200"}, {"Text4", "35"}, {"Text10", "20"}, {"Text5", "20"}, {"Text5", "12"}}},
    {"ST01", mx::stair::description, {{"Text9", "200"}, {"Text9", "200"}, {"Text1", "9"}, {"Text1", "9"}}},
    {"column", mx::column::description, {{"Text9", "200"}, {"Text9", "200"}, {"Text5", "13"}}},
    {"Beam01", mx::beam::description, {{"Text12", "200"}, {"Text12", "200"}, {"Text3", "130"}}},
    {"pile", mx::pile::pileDescription, {{"Text1", "2000"}, {"Text1", "2000"}, {"Text2", "90"}}},
    {"blow", mx::pile::blowDescription, {{"Text9", "900"}, {"Text9", "900"}}},
    {"slab", mx::slab::description, {{"Text2", "abc"}}, true},
    {"foot00", mx::spreadfooting::description, {{"Text1", "-"}, {"Text2", "x"}}, true},
};

TEST(WindowTyping, TheWindowShowsTheToolsMessagesForTheSameTyping) {
    if (!mx::ui::WindowRegistry::instance().has(QStringLiteral("foot01"))) registerModuleWindows();
    for (const Typing& t : kTypings) {
        SCOPED_TRACE(std::string(t.window) + " " + t.typed.front().first + "=" + t.typed.front().second);
        mx::ui::RecordingPrompter rec;
        QWidget* w = mx::ui::WindowRegistry::instance().show(QString::fromUtf8(t.window));
        if (!w) continue;  // a module left out of this build
        const mx::ModuleDescription module = t.module();
        mx::FormState state;
        state.fields = module.defaults;
        std::vector<mx::Message> tool;
        for (const auto& [field, text] : t.typed) {
            w->findChild<QLineEdit*>(QString::fromLatin1(field))->setText(QString::fromUtf8(text));
            for (mx::Message& m : module.typeField(state, field, text)) tool.push_back(std::move(m));
        }
        if (t.calculate) {
            ASSERT_NE(qobject_cast<mx::ui::MemberWindow*>(w), nullptr);
            qobject_cast<mx::ui::MemberWindow*>(w)->calculate();
            mx::cli::Invocation inv{state, {}, {}, tool};
            tool = mx::cli::runInvocation(module, inv, false).messages;
        }
        ASSERT_EQ(rec.log.size(), tool.size());
        EXPECT_FALSE(tool.empty());
        for (std::size_t i = 0; i < tool.size(); ++i) EXPECT_EQ(rec.log[i].message, tool[i]);
        mx::ui::WindowRegistry::instance().closeAll();
        QApplication::processEvents();
    }
}

}  // namespace
