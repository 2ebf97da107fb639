// What every member window does alike because the frame does it: where the keyboard
// starts and goes, where Calculate stands, the logo, the size, the results marked out
// of date, and, in the windows that draw, the drawing kept beside the inputs.
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <map>

#include "modules/catalogue.h"
#include "modules/window/windows.h"
#include "project/links.h"
#include "project/project.h"
#include "beam/beam_module.h"
#include "column/column_module.h"
#include "pile/pile_module.h"
#include "pilecap/pilecap_module.h"
#include "slab/slab_module.h"
#include "spreadfooting/spreadfooting_module.h"
#include "stair/stair_module.h"
#include "support/window_fixture.h"
#include "ui/memberlayout.h"
#include "ui/pagepainter.h"
#include "ui/registry.h"

namespace mxtest {

mx::ui::MemberWindow* openModuleWindow(const char* name) {
    static bool registered = false;
    if (!registered) mx::registerModuleWindows();
    registered = true;
    return qobject_cast<mx::ui::MemberWindow*>(mx::ui::WindowRegistry::instance().show(name));
}

void closeModuleWindows() {
    mx::ui::WindowRegistry::instance().closeAll();
    QApplication::processEvents();
}

namespace {

using namespace mx;
using namespace mx::cli;
const FrameCase kWindows[] = {
    {"Beam01", "Text1", "Command15", "Command26", {"Command4", "Command3"}, "Command12", "Text14", "Label50", "5000",
     beam::description, "Label44", "Command5", {"Command3", "Command23"}, "List4", nullptr, {"Command17"}, "Command17",
     "Text1"},
    {"slab", "Text1", "Command13", "Command23", {"Command2", "Command7"}, "Command6", "Text9", "Label17", "5000",
     slab::description, "Label18", "Command8", {"Command10", "Command31"}, "List6", "Command25", {"Command2"}, "Command17",
     "Text1", "Text2", "abc"},
    {"column", "Text1", "Command13", "Command14", {"Command2", "Command25", "Command7"}, "Command6", "Text10",
     "Label55", "1400", column::description, "Label56", "Command8", {"Command23"}, "List3", nullptr, {"Command18"},
     "Command17", "Text1", "Text2", "abc"},
    {"ST01", "Text1", "Command13", "Command14", {"Command2", "Command7"}, "Command6", "Text11", "Label22", "1500",
     stair::description, "Label32", "Command10", {"Command27"}, "List3", nullptr, {}, "Command18", "Text1", "Text1", "abc"},
    {"foot00", "Text1", "Command13", "Command14", {"Command2", "Command7"}, "Command6", "Text6", "Label8", "5000",
     spreadfooting::description, "Label9", "Command8", {}, nullptr, nullptr, {}, nullptr, nullptr, "Text1", "abc", "Text3",
     "20"},
    {"foot01", "Text1", "Command13", "Command14", {"Command2", "Command7"}, "Command6", "Text7", "Label9", "5000",
     pilecap::description, "Label10", "Command8"},
    // Windows without a drawing or steel grades.
    {"pile", "Text1", "Command13", "Command14", {"Command2", "Command7"}, nullptr, nullptr, nullptr, nullptr,
     pile::pileDescription, nullptr, "Command8", {}, nullptr, nullptr, {}, "Command18", "Text1"},
    {"blow", "Text1", "Command13", "Command14", {"Command2", "Command7"}, nullptr, nullptr, nullptr, nullptr,
     pile::blowDescription, nullptr, "Command8", {}, nullptr, nullptr, {}, "Command17", "Text1"},
};

// The windows that draw their member and choose a steel grade.
std::vector<FrameCase> drawnWindows() {
    std::vector<FrameCase> drawn;
    for (const FrameCase& c : kWindows)
        if (c.sd40) drawn.push_back(c);
    return drawn;
}

using Frame = FrameFixture;
using DrawnFrame = FrameFixture;

TEST_P(Frame, OpensWithTheFocusInItsFirstInputAndTabsToCalculate) {
    ASSERT_EQ(w->focusWidget(), field(GetParam().firstInput));
    // Every input shown comes before Calculate on the way round, the title block after.
    std::vector<QWidget*> path;
    for (QWidget* at = w->focusWidget(); path.size() < 400; at = at->nextInFocusChain()) {
        if (!path.empty() && at == path.front()) break;
        path.push_back(at);
    }
    auto place = [&](QWidget* x) { return std::find(path.begin(), path.end(), x) - path.begin(); };
    const auto calculate = place(button(GetParam().calculate));
    ASSERT_LT(calculate, static_cast<long>(path.size()));
    for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
        const bool input = e->isVisibleTo(w) && !w->panelArea()->isAncestorOf(e);
        if (input) {
            EXPECT_LT(place(e), calculate) << mx::ui::ss(e->objectName());
        }
    }
}

TEST_P(Frame, CalculateStandsFirstWithItsKeyAndName) {
    auto* calc = qobject_cast<QPushButton*>(button(GetParam().calculate));
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(calc->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_TRUE(calc->toolTip().contains(QStringLiteral("F9")));
    EXPECT_FALSE(calc->text().isEmpty());  // the calculator beside it shows a picture only
    for (QPushButton* b : widget("Frame1")->findChildren<QPushButton*>())
        if (b != calc) {
            EXPECT_LT(calc->x(), b->x()) << mx::ui::ss(b->objectName());
        }
}

TEST_P(Frame, LogoShowsTheIdentityWindow) {
    click(GetParam().logo);
    EXPECT_NE(mx::ui::WindowRegistry::instance().find(QStringLiteral("t01")), nullptr);
    EXPECT_EQ(mx::ui::WindowRegistry::instance().find(QStringLiteral("MX5100")), nullptr);
}

TEST_P(Frame, FitsALaptopScreenAndGivesTheDrawingTheRoom) {
    EXPECT_LE(w->minimumSize().width(), 1280);
    EXPECT_LE(w->minimumSize().height(), 680);
    EXPECT_LE(w->minimumSizeHint().height(), 680);
    w->resize(1280, 680);
    QApplication::processEvents();
    const QSize small = w->panelArea()->size();
    EXPECT_LE(w->height(), 680);
    w->resize(1600, 900);
    QApplication::processEvents();
    EXPECT_GT(w->panelArea()->width(), small.width());
    EXPECT_GT(w->panelArea()->height(), small.height());
    // At the smallest size every toolbar button stands whole, none over another.
    w->resize(w->minimumSize());
    QApplication::processEvents();
    QWidget* toolbar = widget("Frame1");
    const QList<QPushButton*> buttons = toolbar->findChildren<QPushButton*>();
    for (QPushButton* a : buttons) {
        EXPECT_TRUE(toolbar->rect().contains(a->geometry())) << mx::ui::ss(a->objectName());
        for (QPushButton* b : buttons)
            if (a != b && a->isVisibleTo(w) && b->isVisibleTo(w)) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << mx::ui::ss(a->objectName()) << " " << mx::ui::ss(b->objectName());
            }
    }
}

TEST_P(DrawnFrame, InputsAndTheDrawingStandSideBySide) {
    mx::PageModel figure;
    figure.line(0, 0, 1000, 1000);
    w->drawingSurface()->setPage(figure);
    for (const char* b : GetParam().inputButtons) {
        click(b);
        EXPECT_FALSE(w->drawingSurface()->page().items().empty()) << b;
    }
    w->draw();
    EXPECT_TRUE(w->panel("Frame2")->isVisibleTo(w));
}

TEST_P(Frame, ResultsOfAnEarlierCalculateAreMarkedUntilTheNext) {
    auto note = [&] { return find<QLabel>("LabelOutOfDate"); };
    ASSERT_NE(note(), nullptr);
    EXPECT_FALSE(w->resultsOutOfDate());
    type(GetParam().firstInput, "7");  // before any Calculate there is nothing to mark
    EXPECT_FALSE(w->resultsOutOfDate());
    w->calculate();
    EXPECT_FALSE(w->resultsOutOfDate());  // its own corrections are not edits after it
    EXPECT_FALSE(note()->isVisibleTo(w));
    type(GetParam().firstInput, "8");
    EXPECT_TRUE(w->resultsOutOfDate());
    EXPECT_TRUE(note()->isVisibleTo(w));
    if (w->drawingSurface()) {
        EXPECT_TRUE(w->drawingSurface()->outOfDate());
    }
    // Printing asks to calculate again first; Cancel prints nothing.
    rec.clear();
    rec.answers = {false};
    EXPECT_FALSE(w->print());
    ASSERT_EQ(rec.log.size(), 1u);
    EXPECT_EQ(rec.log.back().message, mx::ui::kRecalculateBeforePrinting);
    EXPECT_TRUE(w->resultsOutOfDate());
    // Behind the new Calculate's own message boxes its results are already current.
    rec.watch = [&] { return std::string(w->resultsOutOfDate() ? "out of date" : "current"); };
    w->calculate();
    for (const std::string& seen : rec.seen) EXPECT_EQ(seen, "current");
    EXPECT_FALSE(w->resultsOutOfDate());
    EXPECT_FALSE(note()->isVisibleTo(w));
    if (w->drawingSurface()) {
        EXPECT_FALSE(w->drawingSurface()->outOfDate());
    }
}

TEST_P(DrawnFrame, GradeButtonsShowWhatTheyDidAndTheCaptionFollowsFs) {
    const std::string before = label(GetParam().gradeCaption);
    click(GetParam().sd40);
    EXPECT_TRUE(visible(GetParam().gradeCaption));
    EXPECT_TRUE(visible(GetParam().fs));
    const std::string sd40 = label(GetParam().gradeCaption);
    EXPECT_NE(sd40, before);
    type(GetParam().fs, GetParam().otherFs);  // a reset, or another grade's fs
    EXPECT_NE(label(GetParam().gradeCaption), sd40) << text(GetParam().fs);
    click(GetParam().sd40);
    EXPECT_EQ(label(GetParam().gradeCaption), sd40);
}

TEST_P(DrawnFrame, CaptionsMoveNoDrawingAndTheMaterialsLineUp) {
    auto top = [&] {
        QApplication::processEvents();
        return w->drawingSurface()->mapTo(w, QPoint(0, 0)).y();
    };
    const int start = top();
    click(GetParam().sd40);  // writes the grade caption and uncovers the materials
    EXPECT_EQ(top(), start);
    w->calculate();
    type(GetParam().firstInput, "9");  // the out-of-date note comes up
    EXPECT_EQ(top(), start);
    auto x = [&](const char* f) { return field(f)->mapTo(w, QPoint(0, 0)).x(); };
    EXPECT_EQ(x(GetParam().fs), x(GetParam().firstInput));
}

TEST_P(DrawnFrame, ValueBoxesShowAllFourBordersAndListsMoveNoField) {
    const QImage box = find<QLabel>(GetParam().valueBox)->grab().toImage();
    auto dark = [&](int x, int y) { return qGray(box.pixel(x, y)) < 200; };
    const int r = box.width() - 1, b = box.height() - 1;
    EXPECT_FALSE(dark(r / 2, b / 2));
    EXPECT_TRUE(dark(0, b / 2) && dark(r, b / 2) && dark(r / 2, 0) && dark(r / 2, b));
    if (!GetParam().list) return;
    // A list opens over its panel: no field moves, its OK stays clear.
    auto placed = [&](const QWidget* x) { return QRect(x->mapTo(w, QPoint(0, 0)), x->size()); };
    std::vector<std::pair<QLineEdit*, QRect>> before;
    for (const char* b : GetParam().listPath) {
        QApplication::processEvents();
        before.clear();
        for (QLineEdit* e : w->findChildren<QLineEdit*>()) before.emplace_back(e, placed(e));
        click(b);
    }
    QApplication::processEvents();
    QListWidget* l = list(GetParam().list);
    ASSERT_TRUE(l->isVisibleTo(w));
    for (const auto& [e, at] : before) EXPECT_EQ(placed(e), at) << mx::ui::ss(e->objectName());
    EXPECT_TRUE(placed(l->parentWidget()).contains(placed(l)));
    EXPECT_GE(l->height(), 3 * l->sizeHintForRow(0));
    if (GetParam().listOk) {
        EXPECT_FALSE(placed(l).intersects(placed(button(GetParam().listOk))));
    }
}

TEST_P(DrawnFrame, ADesignThatSizedNoMemberSaysWhyOnTheSurface) {
    if (GetParam().unsized.empty()) GTEST_SKIP() << "draws whatever its result holds";
    for (const char* b : GetParam().unsized) click(b);
    rec.clear();
    w->calculate();
    ASSERT_GE(rec.log.size(), 2u) << "a warning, then the closing box";
    const std::size_t boxes = rec.log.size();
    w->draw();
    EXPECT_EQ(rec.log.size(), boxes) << "said on the surface, not in a box";
    const mx::PageModel& page = w->drawingSurface()->page();
    const auto lines = page.lines();
    auto says = [&](const std::string& s) { return std::find(lines.begin(), lines.end(), s) != lines.end(); };
    EXPECT_TRUE(says(rec.log.front().message.text));
    EXPECT_FALSE(says(rec.log.back().message.text)) << "the closing box asks only for a correction";
    EXPECT_LE(page.extent().second, w->drawingArea().y2);
}

// The title block opens over the whole drawing surface (or the room of a window without
// one), at any size of the window: no part of the figure shows beside its fields.
TEST_P(Frame, TitleBlockCoversTheWholeSurface) {
    const ModuleDescription m = GetParam().module();
    const mx::FieldInfo* project = mx::findField(m.fields, "project");
    ASSERT_NE(project, nullptr);
    QWidget* panel = field(project->object);
    while (panel && panel->parentWidget() != w->panelArea()) panel = panel->parentWidget();
    ASSERT_NE(panel, nullptr);
    w->show();
    click(GetParam().titleButton);
    for (const QSize size : {QSize(1280, 680), QSize(1600, 900)}) {
        w->resize(size);
        QApplication::processEvents();
        EXPECT_TRUE(panel->isVisibleTo(w));
        EXPECT_EQ(panel->geometry(), w->panelArea()->rect()) << size.width();
    }
}

TEST_P(Frame, ACalculateNamesAnInputItCannotRead) {
    struct Typed {
        const char* text;
        bool named;
    };
    for (const Typed& t : {Typed{"abc", true}, Typed{" -", true}, Typed{"12abc", false}, Typed{"?", false},
                           Typed{"", false}}) {
        type(GetParam().firstInput, t.text);
        if (text(GetParam().firstInput) != t.text) continue;  // its change check took it back already
        rec.clear();
        w->calculate();
        ASSERT_FALSE(rec.log.empty()) << t.text;
        const std::string& first = rec.log.front().message.text;
        QString shown = w->fieldCaption(GetParam().firstInput).simplified();
        if (shown.endsWith(QLatin1Char('='))) shown.chop(1);
        const std::string caption = mx::ui::ss(shown.trimmed());
        ASSERT_FALSE(caption.empty());
        const bool named = first.find(caption) != std::string::npos && first.find(t.text) != std::string::npos;
        EXPECT_EQ(named, t.named) << t.text << ": " << first;
        if (t.named) {
            EXPECT_GT(rec.log.size(), 1u) << "the calculation's own messages follow";
        }
    }
}

// Every field of the module's table, every label its results write (for each type) and
// every correction its checks and Calculate write, on texts past every limit, has its
// widget: the fixture fails on the frame's warning of a name that has none.
TEST_P(Frame, EveryNameTheModuleWritesHasItsWidget) {
    const ModuleDescription m = GetParam().module();
    for (const mx::FieldInfo& f : m.fields) EXPECT_NE(field(f.object), nullptr) << f.object;
    std::vector<int> codes{0};
    for (const TypeInfo& t : m.types) codes.push_back(t.code);
    for (int code : codes) {
        FormState state{m.defaults, code, std::nullopt};
        const Report report = runModule(m, state, false);
        for (const auto& [name, text] : report.labels.entries())
            EXPECT_NE(find<QLabel>(name.c_str()), nullptr) << name << " type " << code;
    }
    for (const char* text : {"", "0", "-1", "abc", "99999999", "0.001"}) {
        for (const mx::FieldInfo& f : m.fields) type(f.object, text);
        w->calculate();
    }
}

// A Calculate that stops on an input it cannot read leaves the numbers of the one
// before in the result panel: they stay greyed with their note, not black as if current.
TEST_P(Frame, ACalculateThatStopsLeavesTheEarlierNumbersMarked) {
    const FrameCase& c = GetParam();
    if (!c.stopField) GTEST_SKIP() << "no input stops its Calculate before the results";
    if (c.typeButton) click(c.typeButton);
    if (c.fillField) type(c.fillField, c.fillText);
    w->calculate();
    ASSERT_FALSE(w->resultPanelStale());
    const std::string before = text(c.stopField);
    type(c.stopField, c.stopText);
    w->calculate();
    EXPECT_TRUE(w->resultPanelStale());
    EXPECT_FALSE(w->resultsOutOfDate()) << "the verdict is this Calculate's";
    auto* note = find<QLabel>("LabelOutOfDate");
    EXPECT_TRUE(note->isVisibleTo(w));
    EXPECT_EQ(mx::ui::ss(note->text()), mx::ui::kEarlierResultsNote);
    type(c.stopField, before.c_str());
    w->calculate();
    EXPECT_FALSE(w->resultPanelStale());
    EXPECT_FALSE(note->isVisibleTo(w));
}

// A type button, a grade button and a pick list mark the results out of date as typing
// does; the title block does not, and inputs put back as they were are current again.
TEST_P(Frame, EveryButtonThatChangesAnInputMarksTheResults) {
    const FrameCase& c = GetParam();
    w->calculate();
    ASSERT_FALSE(w->resultsOutOfDate());
    const mx::ModuleDescription module = c.module();  // the field table must outlive the lookup
    const mx::FieldInfo* project = mx::findField(module.fields, "project");
    type(project->object, "บ้านพักอาศัย");
    EXPECT_FALSE(w->resultsOutOfDate()) << "the title block is no input of the design";
    std::vector<std::vector<const char*>> presses;
    if (c.typeButton) presses.push_back({c.typeButton});
    if (c.sd40) presses.push_back({c.sd40});
    for (const std::vector<const char*>& buttons : presses) {
        for (const char* b : buttons) click(b);
        EXPECT_TRUE(w->resultsOutOfDate()) << buttons.back();
        w->calculate();
        ASSERT_FALSE(w->resultsOutOfDate());
    }
    if (c.list) {
        for (const char* b : c.listPath) click(b);
        pick(c.list, 0);
        w->calculate();
        pick(c.list, 1);
        EXPECT_TRUE(w->resultsOutOfDate()) << c.list;
        pick(c.list, 0);
        EXPECT_FALSE(w->resultsOutOfDate()) << "back to what was calculated";
    }
}

// Choosing a type with the mouse leaves the focus in the first field that type shows,
// and Tab reaches the type buttons before the toolbar.
TEST_P(Frame, ATypeButtonLeavesTheFocusInItsFirstFieldAndComesBeforeTheToolbar) {
    const FrameCase& c = GetParam();
    if (!c.typeButton) GTEST_SKIP() << "no type buttons";
    QWidget* toolbar = widget("Frame1");
    QWidget* first = field(c.firstInput);
    for (QWidget* at = button(c.typeButton)->nextInFocusChain(); at != first; at = at->nextInFocusChain()) {
        ASSERT_NE(at, button(c.typeButton)) << "the first input is not on the way";
        EXPECT_FALSE(toolbar->isAncestorOf(at)) << mx::ui::ss(at->objectName());
    }
    button(c.calculate)->setFocus();
    click(c.typeButton);
    EXPECT_EQ(w->focusWidget(), field(c.typeFirstInput));
}

// The window with its title bar fits a 1280 x 680 screen and opens wholly on the screen.
TEST_P(Frame, OpensWhollyOnTheScreenWithItsTitleBar) {
    EXPECT_LE(w->width(), 1280);
    EXPECT_LE(w->height() + mx::ui::frame::kTitleBarRoom, 680);
    const QRect room = w->screen()->availableGeometry().adjusted(0, mx::ui::frame::kTitleBarRoom, 0, 0);
    const QRect at = w->geometry();
    if (room.width() >= at.width()) {
        EXPECT_TRUE(at.left() >= room.left() && at.right() <= room.right()) << at.left();
    } else {
        EXPECT_EQ(at.left(), room.left());
    }
    if (room.height() >= at.height()) {
        EXPECT_TRUE(at.top() >= room.top() && at.bottom() <= room.bottom()) << at.top();
    } else {
        EXPECT_EQ(at.top(), room.top());
    }
}

// The panels over the drawing show every row whole from the first show on, and the
// figure is drawn again to the surface's size when the window is resized.
TEST_P(DrawnFrame, PanelsShowTheirRowsWholeAndTheFigureFollowsTheWindow) {
    const FrameCase& c = GetParam();
    if (c.typeButton) click(c.typeButton);
    if (c.fillField) type(c.fillField, c.fillText);
    w->calculate();
    QApplication::processEvents();
    for (QFrame* panel : w->panelArea()->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
        if (!panel->isVisibleTo(w)) continue;
        EXPECT_TRUE(w->panelArea()->rect().contains(panel->geometry())) << mx::ui::ss(panel->objectName());
        for (QLabel* l : panel->findChildren<QLabel*>()) {
            if (!l->isVisibleTo(w) || l->text().isEmpty()) continue;
            const QRect r(l->mapTo(panel, QPoint(0, 0)), l->size());
            EXPECT_TRUE(panel->rect().contains(r)) << mx::ui::ss(panel->objectName()) << " " << mx::ui::ss(l->objectName())
                                                   << " " << mx::ui::ss(l->text());
        }
    }
    w->resize(1600, 950);
    QApplication::processEvents();
    w->draw();
    const auto fits = [&] {
        const auto [right, bottom] = w->drawingSurface()->page().extent();
        const mx::PageBox area = w->drawingArea();
        return right <= area.x2 && bottom <= area.y2;
    };
    for (const QSize size : {QSize(1600, 950), QSize(1000, 560), QSize(1280, 640)}) {
        w->resize(size);
        QApplication::processEvents();
        EXPECT_TRUE(fits()) << size.width();
    }
}

// The result panel ends with the member's quantities, as the tool measures the same
// design: the defaults (not usable, or a pile bought and driven, which have none), then
// the example house's member of the module, usable, whose concrete is measured. The
// line is read whole where it stands, on a laptop's screen.
TEST_P(Frame, TheResultPanelGivesTheMembersQuantities) {
    static const std::map<std::string, std::string> kHouseMember{
        {"Beam01", "B1"}, {"slab", "S1"}, {"column", "C1"}, {"ST01", "ST1"},
        {"foot00", "F2"}, {"foot01", "F1"}, {"pile", "P1"}, {"blow", "P1-BC"}};
    const auto modules = mx::allModules();
    const auto read = mx::project::readProjectFile(MX_EXAMPLES_DIR "/house.mx7100", modules);
    ASSERT_TRUE(read.project) << read.error;
    const mx::project::Project& p = *read.project;
    const auto links = mx::project::resolveLinks(p, modules);
    auto* line = find<QLabel>(mx::ui::kMemberQuantitiesLabel);
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->text().isEmpty());  // nothing measured before a Calculate
    std::size_t i = 0;
    while (i < p.members.size() && p.members[i].name != kHouseMember.at(GetParam().window)) ++i;
    ASSERT_LT(i, p.members.size());
    const mx::ModuleDescription& module = *mx::findModule(modules, p.members[i].module);
    const mx::project::Member defaults{module.name, "m0", "x", {}};
    const mx::project::Member resolved = mx::project::resolvedMember(p.members[i], links.members[i]);
    for (const mx::project::Member* m : {&defaults, &resolved}) {
        w->resize(1280, 680);
        w->loadMember(*m);
        QApplication::processEvents();
        const auto q = mx::project::runMember(*m, module, false).report.quantities;
        ASSERT_TRUE(q);
        EXPECT_EQ(mx::ui::ss(line->text()), "ปริมาณวัสดุ: " + mx::quantitiesLine(*q)) << m->name;
        EXPECT_EQ(line->text().contains(QStringLiteral("ลบ.ม.")), m == &resolved && q->available());
        // Whole on the screen with the results of a design: shown, inside the window,
        // not cut by its panel.
        if (m != &resolved) continue;
        ASSERT_TRUE(line->isVisible());
        const QRect at(line->mapTo(w, QPoint(0, 0)), line->size());
        EXPECT_TRUE(w->rect().contains(at)) << m->name;
        EXPECT_GE(line->height(), line->heightForWidth(line->width())) << m->name;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, Frame, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.window); });
INSTANTIATE_TEST_SUITE_P(Windows, DrawnFrame, ::testing::ValuesIn(drawnWindows()),
                         [](const auto& info) { return std::string(info.param.window); });

}  // namespace
}  // namespace mxtest
