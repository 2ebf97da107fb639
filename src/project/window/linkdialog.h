#pragma once
// The link dialog of a field: the members of the project that offer a port of the
// field's unit (member, module, port and what it passes on now, dead and live), a count
// for each one chosen, typed extra terms each with a note, and the total as it is
// built. A member that stands on the field's own member is not offered: the link would
// close a cycle.
#include <QDialog>

#include <string>
#include <vector>

#include "project/linkedit.h"
#include "project/links.h"
#include "project/project.h"

class QLabel;
class QSpinBox;
class QTableWidget;

namespace mx::project {

class LinkDialog : public QDialog {
    Q_OBJECT
public:
    // What the dialog ended with: its result code.
    enum Outcome { Cancelled = QDialog::Rejected, Linked = QDialog::Accepted, Unlinked = 2 };

    LinkDialog(const Project& project, std::size_t member, const std::string& field,
               const std::vector<ModuleDescription>& modules, QWidget* parent = nullptr);

    // The offers in the order the table lists them, and the count chosen for each (0
    // for one not chosen).
    const std::vector<LinkOffer>& offers() const { return offers_; }
    void setCount(std::size_t offer, int count);
    // A typed term added as a row of its own.
    void addTyped(const QString& value, bool live, const QString& note);
    // The terms as chosen: the offers with a count, in list order, then the typed rows
    // (a row left wholly empty is passed over); none while a typed row cannot be read.
    std::optional<std::vector<LinkTerm>> terms() const;
    // The total of the terms chosen, as the label under them states it.
    PortLoad total() const;
    // OK: the terms when they can be used; a typed row that cannot be read, or no term
    // at all, is named in a message and the dialog stays open.
    void tryAccept();

private:
    void addOfferRow(const LinkOffer& offer, int count);
    void updateTotal();
    std::optional<std::string> typedFault() const;

    const Project& project_;
    std::vector<LinkOffer> offers_;
    std::vector<QSpinBox*> counts_;
    std::string unit_;
    QTableWidget* sources_ = nullptr;
    QTableWidget* typed_ = nullptr;
    QLabel* total_ = nullptr;
};

// A linked field's tooltip: the total, then each term with its value.
std::string linkTooltip(const ResolvedField& field);

// A load as the dialog and the tooltips write it: to four decimals, as a linked total
// is held.
std::string loadText(double value);

}  // namespace mx::project
