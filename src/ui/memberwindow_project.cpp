// The member frame's side of the project: a window as a project member, loading one,
// and the button that keeps the window's inputs in the project.
#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "common/fieldtable.h"
#include "ui/fields.h"
#include "ui/memberwindow.h"

namespace mx::ui {

namespace {

ProjectLink* installedLink = nullptr;

// The title-block lines that may follow the project; the page line is the member's own.
constexpr const char* kTitleLines[] = {"project", "member", "engineer", "registration"};

}  // namespace

ProjectLink* projectLink() { return installedLink; }
void setProjectLink(ProjectLink* link) { installedLink = link; }

void MemberWindow::addStoreButton(QBoxLayout* row) {
    QPushButton* b = addPictureButton(toolbar_, kStoreButton, toolPixmap(ToolPicture::Keep, QSize(36, 36)),
                                      QStringLiteral("เก็บข้อมูลชิ้นส่วนนี้ไว้ในโครงการ"), 50);
    row->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this] {
        if (ProjectLink* link = projectLink()) link->store(*this);
    });
    b->setEnabled(design_.id.module && projectLink());
}

void MemberWindow::pressGradeButton(SteelGrade g) {
    grade_ = g;
    pressedGrade_ = g;
    buttonGrade_ = g;
    applyGrade(g);
    // Two grades may write the same fs: the grade itself is an input all the same.
    inputsChanged();
}

project::Member MemberWindow::member() const {
    project::Member m;
    m.module = design_.id.module ? design_.id.module : "";
    m.state.typeCode = memberType();
    m.state.grade = pressedGrade_;
    // Only the fields the module reads: the project file and the tool know no others.
    if (design_.fields)
        for (const FieldInfo& f : *design_.fields)
            if (const QLineEdit* e = field(f.object)) m.state.fields.set(f.object, ss(e->text()));
    return m;
}

void MemberWindow::loadMember(const project::Member& m) {
    if (m.state.typeCode != 0) chooseMemberType(m.state.typeCode);
    if (m.state.grade) pressGradeButton(*m.state.grade);
    linked_ = m.state.linked;
    loading_ = true;
    givenTitle_.clear();
    if (design_.fields)
        for (const FieldInfo& f : *design_.fields)
            if (QLineEdit* e = field(f.object))
                e->setText(QString::fromUtf8(m.state.fields.has(f.object) ? m.state.fields.get(f.object).c_str() : f.defaultText));
    loading_ = false;
    writeFieldCaptions();
    calculate();
}

void MemberWindow::fillTitleBlock(const project::Member& m) {
    if (!design_.fields) return;
    for (const char* line : kTitleLines) {
        const FieldInfo* f = findField(*design_.fields, line);
        QLineEdit* e = f ? field(f->object) : nullptr;
        if (!e || !m.state.fields.has(f->object)) continue;
        const auto given = givenTitle_.find(f->object);
        const bool following = given != givenTitle_.end() && ss(e->text()) == given->second;
        if (!following && !e->text().isEmpty()) continue;
        const std::string text = m.state.fields.get(f->object);
        givenTitle_[f->object] = text;
        if (ss(e->text()) != text) e->setText(qs(text));
    }
}

}  // namespace mx::ui
