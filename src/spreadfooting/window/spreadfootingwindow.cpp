#include "spreadfooting/window/spreadfootingwindow.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "spreadfooting/spreadfooting_form.h"
#include "spreadfooting/spreadfooting_module.h"
#include "spreadfooting/spreadfooting_sheet.h"
#include "spreadfooting/window/spreadfooting_pictures.h"
#include "spreadfooting/window/spreadfootingwindow_layout.h"
#include "ui/registry.h"

namespace mx::spreadfooting {

namespace {

constexpr ui::MemberWindowId kWindowId{"foot00", "spreadfooting", "f00t1help"};

ui::FootingWindowDesign spreadFootingDesign() {
    ui::FootingWindowDesign d;
    d.id = kWindowId;
    d.check = changeCheck;
    d.layout = layout::kWindow;
    d.picture = [](QSize size) { return spreadFootingPixmap(size); };
    d.designTooltip = "ออกแบบฐานรากแผ่";
    d.titleButtonsErase = true;
    d.inputRows = {{"Text1", "Label1"}, {"Text3", "Label2", true}, {"Text2", "Label3"}, {"Text13"}};
    d.materialRows = {{"Text4", "Label5"}, {"Text5", "Label6"}, {"Text6", "Label7"}};
    d.allowanceField = "Text13";
    d.barField = "Text2";
    d.summaryHeading = kSummaryHeading;
    for (const SummaryLine& l : summaryLines()) d.resultRows.push_back({l.label, l.text});
    d.extraRowCaption = "";
    d.initialVerdict = kVerdictInitial;
    return d;
}

}  // namespace

SpreadFootingWindow::SpreadFootingWindow(QWidget* parent)
    : FootingWindow(spreadFootingDesign(), parent) {
    assembleFooting();
}

void SpreadFootingWindow::buildAids(QFrame* p, QGridLayout* grid) {
    // The soil list, opened by the help button beside the bearing field or by its
    // caption; a row writes its bearing and closes the list.
    QPushButton* soilButton = addHelpButton(p, layout::kSoilButton);
    grid->addWidget(soilButton, 1, 2, Qt::AlignLeft);
    soilList_ = addPickList(p, layout::kSoilListName, ui::pickItems(kSoilList), "Text3", [this] { soilList_->hide(); });
    soilList_->setFixedHeight(soilList_->sizeHintForRow(0) * 9 + 2 * soilList_->frameWidth());
    soilList_->hide();
    panelLayout(p)->addWidget(soilList_, 0, Qt::AlignLeft);
    connect(soilButton, &QPushButton::clicked, this, [this] { soilList_->show(); });
    soilCaption_ = findChild<ui::ClickLabel*>(QStringLiteral("Label2"));
    soilCaption_->opensAndCloses([this] { soilList_->show(); }, [this] { soilList_->hide(); });
}

void SpreadFootingWindow::closeAids() { soilList_->hide(); }

void registerWindows() {
    ui::WindowRegistry::instance().add(kWindowId, [] { return new SpreadFootingWindow; });
}

}  // namespace mx::spreadfooting
