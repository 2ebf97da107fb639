#include "ui/fields.h"

namespace mx::ui {

QLineEdit* makeField(QWidget* parent, const char* name, const QString& text) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!tip.isEmpty()) b->setToolTip(tip);
    return b;
}

FieldSet readFields(const QWidget* window, const std::vector<std::string>& names) {
    FieldSet f;
    for (const auto& n : names) {
        const auto* e = window->findChild<QLineEdit*>(qs(n));
        f.set(n, e ? ss(e->text()) : std::string());
    }
    return f;
}

FieldSet readAllFields(const QWidget* window) {
    FieldSet f;
    for (const auto* e : window->findChildren<QLineEdit*>())
        if (!e->objectName().isEmpty()) f.set(ss(e->objectName()), ss(e->text()));
    return f;
}

void applyCorrection(QWidget* window, const Correction& c) {
    if (auto* e = window->findChild<QLineEdit*>(qs(c.field))) e->setText(qs(c.text));
}

void writeLabels(QWidget* window, const FieldSet& labels) {
    for (const auto& [name, text] : labels.entries())
        if (auto* l = window->findChild<QLabel*>(qs(name))) l->setText(qs(text));
}

void setHeightTwips(QWidget* panel, int twips) { panel->setFixedHeight(px(twips)); }

}  // namespace mx::ui
