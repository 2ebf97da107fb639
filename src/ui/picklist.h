#pragma once
// Pick lists that open over their panel instead of in its layout: a list shown in a
// layout takes a column or a row, and every field beside it moves while it is open.
#include <QListWidget>
#include <QWidget>

#include <vector>

namespace mx::ui {

// A row of a window's own pick table: its text and the number it writes.
struct PickRow {
    const char* text;
    int value;
};

// Opens one list of a group beside the button that opens it, closing the others. The
// list floats over its parent (the panel), stays inside it, and keeps clear of the
// panel's OK button where one is given: a list that would cover it opens above it,
// shortened if the panel is too low. A list too wide to stand right of its button
// opens under the button's row.
void openListBeside(const std::vector<QListWidget*>& group, QListWidget* list, const QWidget* button,
                    const QWidget* keepClear = nullptr);

// Makes a list a floating one of rows rows: out of every layout, hidden until opened.
void makeFloatingList(QListWidget* list, int rows);

}  // namespace mx::ui
