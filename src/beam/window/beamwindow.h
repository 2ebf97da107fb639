#pragma once
// The beam module window Beam01: type chooser, input panel with its aids, live-load
// calculator, result panel and title-block panel, around one drawing surface.
#include <QFrame>
#include <QLabel>
#include <QMap>
#include <QWidget>

#include <optional>

#include "beam/beam_design.h"
#include "common/fieldset.h"
#include "common/material.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace mx::ui {
class DrawingSurface;
}

namespace mx::beam {

// A caption that answers clicks and double-clicks, and can show a border.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setBorder(bool on);
signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// A panel that reports a double-click on its own background.
class Panel : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

class BeamWindow : public QWidget {
    Q_OBJECT
public:
    explicit BeamWindow(QWidget* parent = nullptr);

    // State of the module for the drawing and the sheet.
    int beamType() const { return beamType_; }
    double span() const { return span_; }
    // The last calculation, none before the first Calculate.
    const std::optional<BeamDesignOutcome>& lastOutcome() const { return outcome_; }
    DesignStatus designStatus() const { return outcome_ ? outcome_->status : DesignStatus::NotUsable; }
    ui::DrawingSurface* drawingSurface() const { return surface_; }
    // Field texts of the input panel, calculator and title block.
    FieldSet fields() const;

    // The buttons' actions, callable from tests and from the other panels' code.
    void chooseType(int type);
    void calculate();
    void pressGrade(SteelGrade g);
    void runLiveLoadCalculator();
    void eraseDrawing();
    // Command10: draws the last design on the window's surface.
    void draw();
    // Command27: asks, prints the sheet of the last design, then hides Frame6.
    bool printSheet();
    // The last design's result, or an empty one before any Calculate.
    BeamDesignResult lastResult() const;
    // Frame3 at 2800, 4800 or 6720 twips.
    void setInputHeight(int twips);
    int inputHeightTwips() const { return inputHeight_; }

private:
    QLineEdit* field(const char* name) const;
    void buildToolbar();
    void buildTypeChooser();
    void buildInputPanel();
    void buildResultPanel();
    void buildCalculator();
    void buildTitleBlock();
    void placePanels();
    void fieldChanged(QLineEdit* e);
    void spanChanged(QLineEdit* e);
    void applyCorrection(const Correction& c);
    void showOnlyList(QListWidget* list);
    void writeLabelsNow(const FieldSet& labels);

    QMap<QString, QLineEdit*> fields_;
    ui::DrawingSurface* surface_ = nullptr;
    QFrame* frame1_ = nullptr;
    QFrame* frame2_ = nullptr;
    Panel* frame3_ = nullptr;
    QFrame* frame4_ = nullptr;
    QFrame* frame5_ = nullptr;
    QFrame* frame6_ = nullptr;
    QPushButton* command4_ = nullptr;
    QPushButton* command29_ = nullptr;
    QPushButton* command37_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label5_ = nullptr;  // caption of the overhang field
    QLabel* label14_ = nullptr;
    QLabel* label40_ = nullptr;
    QLabel* label41_ = nullptr;
    QLabel* label49_ = nullptr;
    QLabel* label50_ = nullptr;
    ClickLabel* label6_ = nullptr;
    ClickLabel* label8_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QListWidget* list3_ = nullptr;
    QListWidget* list4_ = nullptr;
    QListWidget* list5_ = nullptr;

    int beamType_ = 0;
    double span_ = 0;
    int inputHeight_ = 2800;
    bool calculating_ = false;  // Calculate's own corrections of the span run no suggestions
    std::optional<BeamDesignOutcome> outcome_;
};

// Makes Beam01 known to the window registry.
void registerBeamWindows();

}  // namespace mx::beam
