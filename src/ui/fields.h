#pragma once
// Small helpers every module window uses to build and read its form.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <string>

#include "common/fieldset.h"
#include "common/message.h"

namespace mx::ui {

// Form geometry is kept in twips as the layouts were drawn; 15 twips to a pixel.
constexpr int px(double twips) { return static_cast<int>(twips / 15.0 + 0.5); }

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// A line edit with its object name and default text.
QLineEdit* makeField(QWidget* parent, const char* name, const QString& text);
// A label with its object name and caption.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);
// A label with its object name and text as a title line of a window of its own: bold,
// at a point size.
QLabel* makeTitle(QWidget* parent, const char* name, const QString& text, int pointSize);
// A push button with its object name, caption and tooltip.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QString& tip = QString());

// Reads the named line edits of a window into a FieldSet (in the order given).
FieldSet readFields(const QWidget* window, const std::vector<std::string>& names);

}  // namespace mx::ui
