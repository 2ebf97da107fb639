// Linked loads in the windows: the link button beside each field that takes a link, the
// link dialog, linking and unlinking, the members out of date after a source is stored,
// recalculating the whole project, deleting and renaming a source, and a chain of
// members linked in windows held to the tool's run of the same project.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>

#include "common/fieldtable.h"
#include "project/json.h"
#include "project/linkedit.h"
#include "project/window/linkdialog.h"
#include "project/window/loadpath.h"
#include "project/window/project_fixture.h"
#include "project/window/projectwindow.h"
#include "ui/memberwindow.h"

namespace {

using mx::project::LinkDialog;
using mx::ui::MemberWindow;

std::string shown(const MemberWindow* w, std::string_view field) { return w->field(field)->text().toStdString(); }

struct Linking : mxtest::Project {
    std::size_t at(const std::string& name) const {
        const auto n = names();
        return static_cast<std::size_t>(std::find(n.begin(), n.end(), name) - n.begin());
    }
    MemberWindow* window(const std::string& module) {
        return qobject_cast<MemberWindow*>(
            mx::ui::WindowRegistry::instance().find(mx::project::memberWindowName(module)));
    }
    MemberWindow* open(const std::string& name) {
        session.openMember(at(name), nullptr);
        return window(session.project().members[at(name)].module);
    }
    // The next dialog is filled by the script, then ended with the outcome (OK through
    // its own checks).
    void answer(std::function<void(LinkDialog&)> fill, int outcome = LinkDialog::Linked) {
        rec.dialogs = [fill, outcome](QDialog& d) {
            auto& dialog = dynamic_cast<LinkDialog&>(d);
            if (fill) fill(dialog);
            if (outcome != LinkDialog::Linked) return outcome;
            dialog.tryAccept();
            return dialog.result();
        };
    }
    // The offer of a source's port in the dialog.
    static std::size_t offer(const LinkDialog& d, const mx::project::Project& p, const std::string& source,
                             const std::string& port) {
        for (std::size_t i = 0; i < d.offers().size(); ++i)
            if (p.members[d.offers()[i].member].name == source && d.offers()[i].port->name == port) return i;
        ADD_FAILURE() << source << " " << port << " is not offered";
        return 0;
    }
    const mx::project::ResolvedField* resolved(const std::string& member, const std::string& field) {
        static mx::project::Resolution r;
        r = mx::project::resolveLinks(session.project(), session.modules());
        for (const auto& f : r.members[at(member)].fields)
            if (f.name == field) return &f;
        return nullptr;
    }
};

TEST_F(Linking, ALinkButtonStandsAtEveryFieldTheModuleLinksAndNowhereElse) {
    for (const mx::ModuleDescription& m : session.modules()) {
        const QString name = mx::project::memberWindowName(m.name);
        if (name.isEmpty()) continue;
        auto* w = qobject_cast<MemberWindow*>(mx::ui::showWindow(name));
        ASSERT_NE(w, nullptr) << m.name;
        int buttons = 0;
        for (const mx::FieldInfo& f : m.fields) {
            const bool target = std::find(m.targets.begin(), m.targets.end(), f.name) != m.targets.end();
            if (!w->field(f.object)) continue;
            EXPECT_EQ(w->linkButton(f.name) != nullptr, target) << m.name << " " << f.name;
            buttons += w->linkButton(f.name) != nullptr;
        }
        EXPECT_EQ(buttons, static_cast<int>(m.targets.size())) << m.name;
    }
}

struct DialogCase {
    const char* what;
    int outcome;
    std::function<void(LinkDialog&, const mx::project::Project&)> fill;
    bool linked;        // the field is linked afterwards
    const char* value;  // what the field shows afterwards
    std::size_t boxes;
};

TEST_F(Linking, TheDialogLinksAndUnlinksAFieldAndTheWindowShowsIt) {
    const DialogCase cases[] = {
        // S1's long edge 375.375 + 260.6771 kg/m, twice, and the wall of 540 kg/m.
        {"two of S1", LinkDialog::Linked, [](LinkDialog& d, const auto& p) { d.setCount(offer(d, p, "S1", "long_edge"), 2); },
         true, "1812.1042", 0},
        {"a wall typed live", LinkDialog::Linked,
         [](LinkDialog& d, const auto&) { d.addTyped(QStringLiteral("100"), true, QStringLiteral("คนยืน")); }, true,
         "1276.0521", 0},
        {"a typed row without a note stays open", LinkDialog::Linked,
         [](LinkDialog& d, const auto&) { d.addTyped(QStringLiteral("100"), false, QString()); }, true, "1176.0521", 1},
        {"a typed row that is no number", LinkDialog::Linked,
         [](LinkDialog& d, const auto&) { d.addTyped(QStringLiteral("1e400"), false, QStringLiteral("x")); }, true,
         "1176.0521", 1},
        {"cancelled", LinkDialog::Cancelled, {}, true, "1176.0521", 0},
        {"unlinked keeps the value typed", LinkDialog::Unlinked, {}, false, "1176.0521", 0},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.what);
        openHouse();
        MemberWindow* w = open("B1");
        ASSERT_TRUE(w->fieldLinked("load"));
        EXPECT_TRUE(w->field("Text2")->isReadOnly());
        EXPECT_NE(w->field("Text2")->toolTip().toStdString().find("S1"), std::string::npos);
        std::vector<std::string> offered;
        answer([&](LinkDialog& d) {
            for (const auto& o : d.offers()) offered.push_back(session.project().members[o.member].name);
            if (c.fill) c.fill(d, session.project());
            EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("LabelTotal"))->text().toStdString().rfind(
                          "รวม " + mx::project::loadText(d.total().total()), 0),
                      0u);
        }, c.outcome);
        rec.clear();
        w->linkButton("load")->click();
        // The slabs and stair offer their edges; no member standing on B1 (a cycle).
        EXPECT_EQ(offered, (std::vector<std::string>{"S1", "S1", "RS1", "RS1", "S2", "S2", "ST1"}));
        EXPECT_EQ(rec.log.size(), c.boxes);
        EXPECT_EQ(w->fieldLinked("load"), c.linked);
        EXPECT_EQ(w->field("Text2")->isReadOnly(), c.linked);
        EXPECT_EQ(shown(w, "Text2"), c.value);
        const mx::project::Member& b1 = session.project().members[at("B1")];
        EXPECT_EQ(b1.links.empty(), !c.linked);
        if (!c.linked) {
            EXPECT_EQ(b1.state.fields.get("Text2"), c.value);
        }
        // A rule of another field never writes over a linked value.
        if (c.linked) {
            w->field("Text1")->setText(QStringLiteral("5"));
            EXPECT_EQ(shown(w, "Text2"), c.value);
        }
    }
}

TEST_F(Linking, StoringASourceMarksWhatStandsOnItUntilItIsCalculatedAgain) {
    openHouse();
    mx::project::ProjectWindow list(session);
    MemberWindow* beam = open("B1");
    EXPECT_FALSE(beam->resultsOutOfDate());
    MemberWindow* slab = open("S1");
    slab->field("Text4")->setText(QStringLiteral("15"));
    slab->findChild<QAbstractButton*>(QString::fromLatin1(mx::ui::kStoreButton))->click();
    // Everything below S1 is out of date, nothing beside it.
    const std::pair<const char*, bool> marks[] = {{"B1", true},  {"B2", true},  {"C1", true},   {"C3", true},
                                                  {"F1", true},  {"F2", true},  {"P1-BC", true}, {"S1", false},
                                                  {"RB1", false}, {"C2", false}, {"P1", false}};
    auto* rows = list.findChild<QTableWidget*>(QStringLiteral("ListMembers"));
    for (const auto& [name, late] : marks) {
        EXPECT_EQ(session.outOfDate(at(name)), late) << name;
        EXPECT_EQ(rows->item(static_cast<int>(at(name)), 2)->text() == QString::fromUtf8(mx::project::kOutOfDateVerdict),
                  late)
            << name;
    }
    // The open window of B1 takes S1's new edge load and greys its results.
    EXPECT_TRUE(beam->resultsOutOfDate());
    EXPECT_EQ(shown(beam, "Text2"), resolved("B1", "load")->text);
    EXPECT_NE(resolved("B1", "load")->text, "1176.0521");

    // The tree: S1 at the top, B1 under it, C1 under B1.
    list.findChild<QAbstractButton*>(QStringLiteral("CommandLoadPath"))->click();
    auto* tree = list.findChild<QTreeWidget*>(QStringLiteral("TreeLoadPath"));
    const auto s1 = tree->findItems(QStringLiteral("S1"), Qt::MatchExactly, 0);
    ASSERT_EQ(s1.size(), 1);
    EXPECT_EQ(s1[0]->child(0)->text(0), QStringLiteral("B1"));
    EXPECT_EQ(s1[0]->child(0)->child(0)->text(0), QStringLiteral("C1"));

    list.findChild<QAbstractButton*>(QStringLiteral("CommandRecalculate"))->click();
    for (const auto& [name, late] : marks) EXPECT_FALSE(session.outOfDate(at(name))) << name;
    EXPECT_FALSE(beam->resultsOutOfDate());
    EXPECT_FALSE(list.findChild<QLabel*>(QStringLiteral("LabelRecalculated"))->text().isEmpty());
}

// A source that stops leaves its readers undesigned, with the tool's messages; a source
// that runs but is not usable passes its loads, and the readers' sheets say so in red.
TEST_F(Linking, AWindowMemberAnswersForWhatItStandsOnAsTheToolDoes) {
    struct Case {
        const char *source, *field, *value;
        std::vector<const char*> readers;
        bool stops;
    };
    const Case cases[] = {
        {"S1", "short_side", "abc", {"B1", "C1"}, true},  // no span: the slab stops
        {"B1", "depth", "20", {"C1", "F1"}, false},       // too shallow: the beam fails
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        openHouse();
        MemberWindow* source = open(c.source);
        const auto& fields = mx::findModule(session.modules(), session.project().members[at(c.source)].module)->fields;
        source->field(mx::findField(fields, c.field)->object)->setText(QString::fromLatin1(c.value));
        source->findChild<QAbstractButton*>(QString::fromLatin1(mx::ui::kStoreButton))->click();
        const auto links = mx::project::resolveLinks(session.project(), session.modules());
        for (const char* name : c.readers) {
            SCOPED_TRACE(name);
            const auto& stops = links.members[at(name)].stops;
            ASSERT_EQ(stops.empty(), !c.stops);
            rec.clear();
            const MemberWindow* w = open(name);
            bool marked = false;
            for (const auto& t : w->sheet().texts())
                marked |= t.text.find(std::string("รับน้ำหนักจาก ") + c.source + " ซึ่งยังใช้ไม่ได้") != std::string::npos;
            EXPECT_EQ(marked, !c.stops);
            if (!c.stops) continue;
            ASSERT_EQ(rec.log.size(), stops.size());
            for (std::size_t i = 0; i < stops.size(); ++i) EXPECT_EQ(rec.log[i].message, stops[i]);
            EXPECT_EQ(session.memberStatus(at(name)), static_cast<int>(mx::DesignStatus::NotUsable));
            // Nothing designed, nothing to build: no quantities either.
            EXPECT_FALSE(w->findChild<QLabel*>(QString::fromLatin1(mx::ui::kMemberQuantitiesLabel))
                             ->text()
                             .contains(QStringLiteral("คอนกรีต")));
        }
    }
}

TEST_F(Linking, DeletingASourceAsksAndItsReadersKeepItsLoadsTyped) {
    for (const bool yes : {false, true}) {
        openHouse();
        const std::string before = resolved("C1", "load")->text;
        rec.clear();
        rec.answers = {yes};
        session.deleteMember(at("B1"), nullptr);
        ASSERT_EQ(rec.log.size(), 1u);
        EXPECT_NE(rec.log[0].message.text.find("C1, C3"), std::string::npos);
        EXPECT_EQ(at("B1") < names().size(), !yes);
        // C1 still reads C2 and B2; what B1 passed is a typed value naming it.
        EXPECT_EQ(resolved("C1", "load")->text, before);
        const auto& terms = session.project().members[at("C1")].links.at(0).terms;
        const auto typed = std::count_if(terms.begin(), terms.end(), [](const auto& t) {
            return t.member.empty() && t.note.find("B1") != std::string::npos;
        });
        EXPECT_EQ(typed, yes ? 2 : 0);  // its dead and live parts
    }
    // Renaming never breaks a link: the tooltip names the source by its new name.
    openHouse();
    MemberWindow* beam = open("B1");
    rec.textAnswers = {"S1-ใหม่"};
    session.renameMember(at("S1"), nullptr);
    EXPECT_EQ(resolved("B1", "load")->text, "1176.0521");
    EXPECT_NE(beam->field("Text2")->toolTip().toStdString().find("S1-ใหม่"), std::string::npos);
}

// A chain built in the windows: a slab onto a beam, two of its reactions into a column,
// the column onto a pile cap. Each window, calculated again, shows what the tool gives.
TEST_F(Linking, AChainLinkedInWindowsAgreesWithTheTool) {
    struct Step {
        const char* window;
        const char* name;
        const char* field;
        const char* source;
        const char* port;
        int count;
    };
    const Step chain[] = {
        {"slab", "S1", nullptr, nullptr, nullptr, 0},
        {"Beam01", "B1", "load", "S1", "long_edge", 1},
        {"column", "C1", "load", "B1", "r2", 2},
        {"foot01", "F1", "load", "C1", "base", 1},
    };
    for (const Step& s : chain) {
        auto* w = qobject_cast<MemberWindow*>(mx::ui::showWindow(QString::fromLatin1(s.window)));
        ASSERT_NE(w, nullptr);
        rec.textAnswers = {s.name};
        if (s.field) {
            // The link button of a window not yet stored stores it first.
            rec.answers = {true};
            answer([&](LinkDialog& d) { d.setCount(offer(d, session.project(), s.source, s.port), s.count); });
            w->linkButton(s.field)->click();
            EXPECT_TRUE(w->fieldLinked(s.field)) << s.name;
        } else {
            w->findChild<QAbstractButton*>(QString::fromLatin1(mx::ui::kStoreButton))->click();
        }
    }
    ASSERT_EQ(names(), (std::vector<std::string>{"S1", "B1", "C1", "F1"}));
    files.path = file("chain.mx7100");
    mx::project::setProjectFiles(&files);
    ASSERT_TRUE(session.saveAs(nullptr));
    QProcess tool;
    tool.start(QStringLiteral(MX_CALC), {QStringLiteral("project"), files.path});
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QList<QByteArray> lines = tool.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(chain[i].name);
        auto parsed = mx::project::parseJson(lines[i].toStdString());
        ASSERT_TRUE(std::holds_alternative<mx::project::JsonValue>(parsed));
        const auto& line = std::get<mx::project::JsonValue>(parsed);
        MemberWindow* w = qobject_cast<MemberWindow*>(mx::ui::WindowRegistry::instance().find(QString::fromLatin1(chain[i].window)));
        rec.clear();
        w->calculate();
        for (const auto& f : line.find("fields")->members)
            if (w->field(f.key)) {
                EXPECT_EQ(shown(w, f.key), f.value.text) << f.key;
            }
        for (const auto& l : line.find("labels")->members) {
            auto* label = w->findChild<QLabel*>(QString::fromStdString(l.key));
            ASSERT_NE(label, nullptr) << l.key;
            EXPECT_EQ(label->text().toStdString(), l.value.text) << l.key;
        }
    }
}

}  // namespace
