#include "help/window/helpwindow.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/registry.h"

namespace mx::help {

HelpWindow::HelpWindow(const HelpText& text, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QString::fromStdString(text.name));
    setWindowTitle(QString::fromStdString(text.caption));
    auto* layout = new QVBoxLayout(this);
    auto* body = new QPlainTextEdit(QString::fromStdString(text.text), this);
    body->setObjectName(QStringLiteral("Text1"));
    body->setReadOnly(true);
    QFont f = body->font();
    f.setPointSize(12);
    body->setFont(f);
    layout->addWidget(body);
    // The one button of a help window closes it.
    auto* close = new QPushButton(QStringLiteral("ปิด"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setToolTip(QStringLiteral("ปิดหน้าต่างนี้"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(560, 460);
}

void registerWindows() {
    for (const HelpText& t : allHelpTexts()) {
        if (t.text.empty()) continue;  // module not built yet
        ui::WindowRegistry::instance().add(QString::fromStdString(t.name), [t] { return new HelpWindow(t); });
    }
}

}  // namespace mx::help
