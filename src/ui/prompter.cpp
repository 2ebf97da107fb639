#include "ui/prompter.h"

#include <QDialog>
#include <QInputDialog>
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
    SaveChoice askSave(const Message& m, QWidget* parent) override {
        QMessageBox box(toQt(m.icon), QString::fromStdString(m.title), QString::fromStdString(m.text),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.button(QMessageBox::Save)->setText(QStringLiteral("บันทึก"));
        box.button(QMessageBox::Discard)->setText(QStringLiteral("ไม่บันทึก"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("ยกเลิก"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Save: return SaveChoice::Save;
        case QMessageBox::Discard: return SaveChoice::Discard;
        default: return SaveChoice::Cancel;
        }
    }
    std::optional<std::string> askText(const Message& m, const std::string& text, QWidget* parent) override {
        bool ok = false;
        const QString t = QInputDialog::getText(parent, QString::fromStdString(m.title), QString::fromStdString(m.text),
                                                QLineEdit::Normal, QString::fromStdString(text), &ok);
        if (!ok) return std::nullopt;
        return t.toStdString();
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

int Prompter::run(QDialog& dialog) { return dialog.exec(); }

Prompter& prompter() { return *current; }

void setPrompter(Prompter* p) { current = p ? p : &boxes; }

}  // namespace mx::ui
