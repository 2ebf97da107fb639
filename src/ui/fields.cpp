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

QLabel* makeTitle(QWidget* parent, const char* name, const QString& text, int pointSize) {
    QLabel* l = makeLabel(parent, name, text);
    QFont f = l->font();
    f.setPointSize(pointSize);
    f.setBold(true);
    l->setFont(f);
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

}  // namespace mx::ui
