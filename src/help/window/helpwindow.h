#pragma once
#include <QWidget>

#include "help/help_texts.h"

namespace mx::help {

// A read-only window with a caption and the module's numbered instructions.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const HelpText& text, QWidget* parent = nullptr);
};

// Registers every help window that has a text under its object name.
void registerWindows();

}  // namespace mx::help
