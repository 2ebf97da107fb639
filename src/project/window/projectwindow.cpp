#include "project/window/projectwindow.h"

#include <QKeyEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "project/report.h"
#include "project/takeoff.h"
#include "project/window/loadpath.h"
#include "project/window/session.h"
#include "ui/fields.h"
#include "ui/registry.h"

namespace mx::project {

namespace {

using ui::qs;
using ui::ss;

// The buttons beside the list, with their keys (which act while the list has the focus).
struct ListButton {
    const char* name;
    const char* caption;
    const char* key;
    void (ProjectWindow::*act)();
};

const ListButton kButtons[] = {
    {"CommandOpen", "เปิด", "Return", &ProjectWindow::openCurrent},
    {"CommandDuplicate", "ทำสำเนา", "Ctrl+D", &ProjectWindow::duplicateCurrent},
    {"CommandRename", "เปลี่ยนชื่อ", "F2", &ProjectWindow::renameCurrent},
    {"CommandDelete", "ลบ", "Delete", &ProjectWindow::deleteCurrent},
};

// The title-block defaults, as the member windows caption their lines.
const char* const kDefaultCaptions[3] = {"ชื่อโครงการ", "ชื่อวิศวกร / บริษัท", "เลขทะเบียน / โทร."};
const char* const kDefaultFields[3] = {"TextProject", "TextEngineer", "TextRegistration"};

const char* const kColumns[3] = {"ชิ้นส่วน", "ประเภท", "ผลการออกแบบ"};

}  // namespace

ProjectWindow::ProjectWindow(ProjectSession& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("project"));
    resize(720, 560);

    auto* defaults = new QGridLayout;
    auto* heading = new QLabel(QStringLiteral("ข้อมูลท้ายแผ่นของทุกชิ้นส่วน"), this);
    QFont hf = heading->font();
    hf.setBold(true);
    heading->setFont(hf);
    defaults->addWidget(heading, 0, 0, 1, 2);
    for (int i = 0; i < 3; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(kDefaultCaptions[i]), this);
        defaults_[i] = ui::makeField(this, kDefaultFields[i], QString());
        caption->setBuddy(defaults_[i]);
        defaults->addWidget(caption, i + 1, 0);
        defaults->addWidget(defaults_[i], i + 1, 1);
        connect(defaults_[i], &QLineEdit::textEdited, this, &ProjectWindow::titleBlockEdited);
    }

    list_ = new QTableWidget(0, 3, this);
    list_->setObjectName(QStringLiteral("ListMembers"));
    QStringList headers;
    for (const char* c : kColumns) headers << QString::fromUtf8(c);
    list_->setHorizontalHeaderLabels(headers);
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    list_->verticalHeader()->setVisible(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setTabKeyNavigation(false);
    list_->installEventFilter(this);
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this] { openCurrent(); });

    auto* buttons = new QVBoxLayout;
    auto addButton = [&](const char* name, const char* caption, const char* key, auto act) {
        QPushButton* b = ui::makeButton(this, name, QString::fromUtf8(caption),
                                        QStringLiteral("%1 (%2)").arg(QString::fromUtf8(caption), QLatin1String(key)));
        connect(b, &QPushButton::clicked, this, act);
        buttons->addWidget(b);
        keys_.push_back({QKeySequence(QString::fromLatin1(key)), b});
    };
    for (const ListButton& b : kButtons) addButton(b.name, b.caption, b.key, [this, act = b.act] { (this->*act)(); });
    buttons->addSpacing(12);
    addButton("CommandUp", "เลื่อนขึ้น", "Ctrl+Up", [this] { moveCurrent(-1); });
    addButton("CommandDown", "เลื่อนลง", "Ctrl+Down", [this] { moveCurrent(1); });

    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(buttons);
    // The project's quantities under the list: net, and with the waste allowance.
    totals_ = new QLabel(this);
    totals_->setObjectName(QStringLiteral("LabelQuantities"));
    totals_->setWordWrap(true);
    auto* main = new QVBoxLayout(this);
    main->addLayout(defaults);
    main->addSpacing(6);
    main->addLayout(body, 1);
    main->addWidget(totals_);
    loadPath_ = new LoadPath(session_, list_, body, buttons, main, this);

    buttons->addStretch(1);
    addProjectActions(buttons);
    main->addWidget(status_);
    connect(&session_, &ProjectSession::changed, this, &ProjectWindow::refresh);
    // Another project starts at its first member, not at the row chosen in the last one.
    connect(&session_, &ProjectSession::replaced, this, [this] { list_->setCurrentCell(-1, -1); });
    connect(&session_, &ProjectSession::status, this, &ProjectWindow::showStatus);
    refresh();
    list_->setFocus();
}

void ProjectWindow::refresh() {
    setWindowTitle(QStringLiteral("โครงการ %1%2").arg(session_.name(),
                                                     session_.modified() ? QStringLiteral(" *") : QString()));
    const TitleBlockDefaults& tb = session_.project().titleBlock;
    const std::string* texts[3] = {&tb.project, &tb.engineer, &tb.registration};
    for (int i = 0; i < 3; ++i)
        if (ss(defaults_[i]->text()) != *texts[i]) defaults_[i]->setText(qs(*texts[i]));

    const int current = currentMember();
    const auto& members = session_.project().members;
    list_->setRowCount(static_cast<int>(members.size()));
    for (std::size_t i = 0; i < members.size(); ++i) {
        const auto status = session_.memberStatus(i);
        const QString cells[3] = {qs(members[i].name), qs(moduleCaption(members[i].module)), qs(verdictCaption(status))};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 2 && status == static_cast<int>(DesignStatus::NotUsable)) item->setForeground(QColor(180, 20, 20));
            list_->setItem(static_cast<int>(i), c, item);
        }
    }
    setCurrentMember(std::min(current < 0 ? 0 : current, list_->rowCount() - 1));
    fitVerdictColumn();
    totals_->setText(qs(totalsLine(projectTakeoff(session_.project(), session_.modules()))));
    if (loadPath_) loadPath_->refresh();
}

void ProjectWindow::titleBlockEdited() {
    session_.setTitleBlock({ss(defaults_[0]->text()), ss(defaults_[1]->text()), ss(defaults_[2]->text())});
}

bool ProjectWindow::eventFilter(QObject* watched, QEvent* e) {
    // The keys act on the chosen row while the list has the focus, as their buttons do.
    if (watched == list_ && e->type() == QEvent::KeyPress) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(e)->keyCombination());
        for (const auto& [key, button] : keys_)
            if (pressed == key || (key == QKeySequence(Qt::Key_Return) && pressed == QKeySequence(Qt::Key_Enter))) {
                button->click();
                return true;
            }
    }
    return QWidget::eventFilter(watched, e);
}

int ProjectWindow::currentMember() const { return list_->currentRow(); }

void ProjectWindow::setCurrentMember(int row) {
    if (row >= 0 && row < list_->rowCount()) list_->setCurrentCell(row, 0);
}

void ProjectWindow::openCurrent() {
    if (currentMember() >= 0) session_.openMember(static_cast<std::size_t>(currentMember()), this);
}

void ProjectWindow::duplicateCurrent() {
    const int row = currentMember();
    if (row < 0) return;
    const std::size_t before = session_.project().members.size();
    session_.duplicateMember(static_cast<std::size_t>(row), this);
    if (session_.project().members.size() > before) setCurrentMember(row + 1);
}

void ProjectWindow::renameCurrent() {
    if (currentMember() >= 0) session_.renameMember(static_cast<std::size_t>(currentMember()), this);
}

void ProjectWindow::deleteCurrent() {
    if (currentMember() >= 0) session_.deleteMember(static_cast<std::size_t>(currentMember()), this);
}

void ProjectWindow::moveCurrent(int by) {
    const int row = currentMember();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= list_->rowCount()) return;
    session_.moveMember(static_cast<std::size_t>(row), static_cast<std::size_t>(to));
    setCurrentMember(to);
}

void registerProjectWindow(ProjectSession& session) {
    ui::WindowRegistry::instance().add(QStringLiteral("project"), [&session] { return new ProjectWindow(session); });
}

}  // namespace mx::project
