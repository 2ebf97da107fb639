#pragma once
// What the pile subsystem's windows have in common: the toolbar (type pictures, title
// block, logo, the captioned commands and the exit), the input panel beside the
// title-block panel, the exit question and the links to help, logo and calculator.
// Each window builds its own input panel and gives the names and texts that are its own.
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/message.h"
#include "pile/window/pile_pictures.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace mx::pile {

// One pile type as its two buttons show it: large on the toolbar, small on the panel.
struct TypeButton {
    int code;
    const char* toolbarButton;
    const char* panelButton;
    PilePicture picture;
    const char* tooltip;
};

// The title-block panel: heading, five captioned fields, print and cancel.
struct TitlePanelNames {
    const char* heading;
    std::array<const char*, 5> labels;
    std::array<const char*, 5> fields;
    int fieldWidth;  // pixels
    const char* print;
    const char* cancel;
};

struct PileFormDesign {
    const char* name;  // object name, as the registry knows the window
    std::string caption;
    std::vector<TypeButton> types;  // in toolbar order
    const char* chooseTypeCaption;  // Command2
    const char* helpWindow;         // opened by Command10
    Message exitQuestion;
    int inputsHeight;   // twips: the input panel with the inputs alone
    int resultsHeight;  // twips: with the results uncovered below them
    TitlePanelNames title;
};

class PileFormWindow : public QWidget {
    Q_OBJECT
public:
    virtual void chooseType(int code) = 0;
    virtual void printSheet() = 0;

protected:
    PileFormWindow(PileFormDesign design, QWidget* parent);

    // Builds the toolbar, the input panel (by the window's own builder) and the title
    // panel, and lays them out: the title panel hidden, the inputs showing.
    void assemble(const std::function<void(QFrame*)>& buildInputPanel);

    void showInputs();
    void showResults();
    void showTitlePanel();
    void hideTitlePanel();
    void askToExit();

    // The small type buttons of the input panel in a row, each choosing its type.
    std::vector<QPushButton*> addPanelTypeButtons(QFrame* f);
    // The large button showing the chosen type, "?" until there is one.
    QPushButton* addChosenTypeButton(QFrame* f, const char* name, const QString& tip);
    // The toolbar picture of a type (none for no type), and that picture in place of
    // the "?" on the large button.
    QIcon typeIcon(int code) const;
    void showChosenType(QPushButton* chosen, int code);
    QLabel* addTypeHeading(QFrame* f, const char* name, const QString& text, int width);
    // A sunken rule above the results.
    static void addResultRule(QFrame* f, int y, int width);
    static void styleResultValue(QLabel* value, double fontFactor);
    // Shows a check's or calculation's messages, writing its corrections into this window.
    void replayHere(const Diagnostics& d);
    // Makes a list wide enough to show each of its rows whole, scroll bar included.
    static void fitListToRows(QListWidget* list);

    QFrame* frame2_ = nullptr;
    QFrame* frame3_ = nullptr;

private:
    void buildToolbar(QFrame* frame);
    void buildTitlePanel(QFrame* frame);

    PileFormDesign design_;
    QFrame* frame1_ = nullptr;
};

}  // namespace mx::pile
