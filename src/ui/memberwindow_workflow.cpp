// The member frame's part in a workflow that never loses an edit: what the window holds
// that the project does not, the title that names the member and its project, and the
// status line that says what was just done.
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>

#include "ui/fields.h"
#include "ui/memberwindow.h"
#include "ui/registry.h"

namespace mx::ui {

project::Member MemberWindow::typedMember() const {
    project::Member m = member();
    // A line still showing what the project gave it is kept empty: the project fills it
    // again at every print, so a renamed member or a new project name reaches the sheet.
    for (const auto& [object, given] : givenTitle_)
        if (m.state.fields.has(object) && m.state.fields.get(object) == given) m.state.fields.set(object, "");
    // A linked field shows what its sources pass; the project keeps their terms, not it.
    const auto entries = m.state.fields.entries();
    for (const auto& [object, text] : entries)
        if (fieldLinked(object)) m.state.fields.set(object, "");
    return m;
}

bool MemberWindow::hasUnstoredEdits() const { return kept_ && !(typedMember() == *kept_); }

void MemberWindow::closeEvent(QCloseEvent* e) {
    ProjectLink* link = projectLink();
    if (link && !WindowRegistry::instance().closingAll() && hasUnstoredEdits() && !link->mayClose(*this)) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

void MemberWindow::markStored() { kept_ = typedMember(); }

void MemberWindow::setProjectTitle(const QString& member, const QString& project) {
    const QString caption = moduleCaption();
    setWindowTitle(member.isEmpty() ? caption : QStringLiteral("%1 - %2 (โครงการ %3)").arg(caption, member, project));
}

void MemberWindow::showStatus(const QString& text) {
    if (!status_) return;
    status_->setText(text);
    status_->setToolTip(text);
}

QLabel* MemberWindow::addStatusLine() {
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("LabelStatus"));
    status_->setStyleSheet(QStringLiteral("color: #31475e;"));
    // One line whatever it says: a long path is cut rather than the window made wider.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    status_->setMinimumHeight(status_->fontMetrics().height());
    return status_;
}

}  // namespace mx::ui
