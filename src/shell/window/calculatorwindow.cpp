#include "shell/window/calculatorwindow.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "ui/prompter.h"

namespace mx::shell {

namespace {

const char* const kStyle = R"(
QWidget#fcal { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4b5366, stop:1 #2c3140); }
QLabel#heading { color: #f0f3fa; font-weight: bold; font-size: 13pt; letter-spacing: 2px; }
QLabel#madein { color: #c8cfdd; font-style: italic; }
QLabel#Readout { background: #c9dcc0; color: #10200c; border: 2px inset #7d8a76; border-radius: 3px;
                 padding: 2px 8px; font-family: "DejaVu Sans Mono"; font-size: 18pt; }
QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfbfd, stop:1 #d9dde6);
              border: 1px solid #1f2330; border-radius: 5px; font-size: 13pt; font-weight: bold; color: #1a1f2c; }
QPushButton:pressed { background: #b8bfcf; }
QPushButton[role="op"] { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffe2b0, stop:1 #f0b050); }
QPushButton[role="clear"] { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffc0b8, stop:1 #e06a5a); color: #ffffff; }
QPushButton#Command1 { font-size: 11pt; font-weight: normal; }
)";

// Characters per line of the tooltip that shows a long number whole.
constexpr qsizetype kTipLineLength = 40;

}  // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("fcal"));
    setWindowTitle(QStringLiteral("เครื่องคิดเลข"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromUtf8(kStyle));

    auto* heading = new QLabel(QStringLiteral("CALCULATOR"), this);
    heading->setObjectName(QStringLiteral("heading"));
    auto* madeIn = new QLabel(QStringLiteral("Made in Thailand"), this);
    madeIn->setObjectName(QStringLiteral("madein"));
    madeIn->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("Readout"));
    readout_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    readout_->setFixedHeight(46);
    readout_->setMinimumWidth(10);

    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    auto make = [this, grid](const QString& name, const QString& caption, int row, int col, const char* role,
                             auto action) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFocusPolicy(Qt::NoFocus);  // Enter belongs to "=", not to the last button clicked
        b->setFixedSize(54, 42);
        if (role) b->setProperty("role", QString::fromLatin1(role));
        connect(b, &QPushButton::clicked, this, action);
        grid->addWidget(b, row, col);
        return b;
    };
    // The digits in the layout of a pocket calculator: 7 8 9 / 4 5 6 / 1 2 3 / 0.
    const int digitRows[10][2] = {{3, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 0}, {1, 1}, {1, 2}, {0, 0}, {0, 1}, {0, 2}};
    for (int d = 0; d < 10; ++d)
        make(QStringLiteral("Number%1").arg(d), QString::number(d), digitRows[d][0], digitRows[d][1], nullptr,
             [this, d] { digit(d); });
    make(QStringLiteral("Decimal"), QStringLiteral("."), 3, 1, nullptr, [this] { point(); });
    make(QStringLiteral("Percent"), QStringLiteral("%"), 3, 2, nullptr, [this] { percent(); });
    const char ops[5] = {'+', '-', 'X', '/', '='};
    const int opPos[5][2] = {{1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 3}};
    for (int i = 0; i < 5; ++i) {
        const char op = ops[i];
        auto* b = make(QStringLiteral("Operator%1").arg(i), QString(QChar(op)), opPos[i][0], opPos[i][1], "op",
                       [this, op] { operate(op); });
        if (op == '=') {
            grid->removeWidget(b);
            b->setFixedSize(114, 42);
            grid->addWidget(b, 3, 3, 1, 2);
        }
    }
    make(QStringLiteral("CancelEntry"), QStringLiteral("CE"), 0, 3, "clear", [this] { clearEntry(); });
    make(QStringLiteral("Cancel"), QStringLiteral("C"), 0, 4, "clear", [this] { clear(); });

    auto* put = new QPushButton(QStringLiteral("เก็บเครื่องคิดเลข"), this);
    put->setObjectName(QStringLiteral("Command1"));
    put->setFocusPolicy(Qt::NoFocus);
    put->setFixedHeight(34);
    connect(put, &QPushButton::clicked, this, &QWidget::close);

    auto* head = new QHBoxLayout;
    head->addWidget(heading);
    head->addStretch();
    head->addWidget(madeIn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);
    layout->addLayout(head);
    layout->addWidget(readout_);
    layout->addLayout(grid);
    layout->addWidget(put);
    setFocusPolicy(Qt::StrongFocus);
    refresh();
    setFixedSize(sizeHint());
}

void CalculatorWindow::refresh() {
    // A number wider than the display keeps its leading digits, which tell its
    // magnitude, and drops trailing ones behind an ellipsis. The whole of it stays
    // readable in the tooltip, broken into lines short enough for any screen.
    const QString text = QString::fromStdString(engine_.display());
    const int room = readout_->contentsRect().width() - 20;
    const QFontMetrics fm(readout_->font());
    if (room > 0 && fm.horizontalAdvance(text) > room) {
        readout_->setText(fm.elidedText(text, Qt::ElideRight, room));
        QStringList lines;
        for (qsizetype at = 0; at < text.size(); at += kTipLineLength) lines << text.mid(at, kTipLineLength);
        readout_->setToolTip(lines.join(QLatin1Char('\n')));
    } else {
        readout_->setText(text);
        readout_->setToolTip(QString());
    }
}

void CalculatorWindow::digit(int d) {
    engine_.digit(d);
    refresh();
}

void CalculatorWindow::point() {
    engine_.point();
    refresh();
}

void CalculatorWindow::percent() {
    const auto m = engine_.percent();
    refresh();
    if (m) ui::prompter().show(*m, this);
}

void CalculatorWindow::operate(char op) {
    const auto m = engine_.operate(op);
    refresh();
    if (m) ui::prompter().show(*m, this);
}

void CalculatorWindow::clearEntry() {
    engine_.clearEntry();
    refresh();
}

void CalculatorWindow::clear() {
    engine_.clear();
    refresh();
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        digit(key - Qt::Key_0);
    } else if (key == Qt::Key_Period || key == Qt::Key_Comma) {
        point();
    } else if (key == Qt::Key_Percent) {
        percent();
    } else if (key == Qt::Key_Plus) {
        operate('+');
    } else if (key == Qt::Key_Minus) {
        operate('-');
    } else if (key == Qt::Key_Asterisk || key == Qt::Key_X) {
        operate('X');
    } else if (key == Qt::Key_Slash) {
        operate('/');
    } else if (key == Qt::Key_Equal || key == Qt::Key_Return || key == Qt::Key_Enter) {
        operate('=');
    } else if (key == Qt::Key_Escape) {
        clear();
    } else if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        clearEntry();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

}  // namespace mx::shell
