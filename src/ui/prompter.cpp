#include "ui/prompter.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace mx::ui {

namespace {

QMessageBox::Icon toQt(Icon icon) {
    switch (icon) {
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

class BoxPrompter : public Prompter {
public:
    void show(const Message& m, QWidget* parent) override {
        QMessageBox box(toQt(m.icon), QString::fromStdString(m.title), QString::fromStdString(m.text), QMessageBox::Ok,
                        parent);
        box.exec();
    }
    bool ask(const Message& m, QWidget* parent) override {
        QMessageBox box(toQt(m.icon), QString::fromStdString(m.title), QString::fromStdString(m.text),
                        QMessageBox::Ok | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok;
    }
    PrintChoice askPrint(const Message& m, QWidget* parent) override {
        QMessageBox box(toQt(m.icon), QString::fromStdString(m.title), QString::fromStdString(m.text),
                        QMessageBox::Ok | QMessageBox::Cancel, parent);
        QPushButton* preview = box.addButton(QString::fromUtf8(kPreviewButton), QMessageBox::ActionRole);
        preview->setObjectName(QStringLiteral("previewButton"));
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        if (box.clickedButton() == preview) return PrintChoice::Preview;
        return box.clickedButton() == box.button(QMessageBox::Ok) ? PrintChoice::Print : PrintChoice::Cancel;
    }
};

BoxPrompter boxes;
Prompter* current = &boxes;

}  // namespace

Prompter& prompter() { return *current; }

void setPrompter(Prompter* p) { current = p ? p : &boxes; }

}  // namespace mx::ui
