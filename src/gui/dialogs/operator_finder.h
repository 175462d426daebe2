#pragma once

// Find operator...: the carrier database's connections of one use in a list
// the owner narrows by typing a country, an operator's name or its MCC-MNC.
// Choosing one fills the dialog's connection fields.

#include "core/operators/operator_sources.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace rosmossel {

struct Session;

// The database of this run: read the first time it is asked for, from the
// owner's folder, beside the program or the system's, and kept.
const OperatorDatabaseLoad& OperatorDatabaseOfRun();

class OperatorFinder : public QDialog {
    Q_OBJECT

  public:
    OperatorFinder(const OperatorDatabaseLoad& load, ApnUse use, const Session& session,
                   QWidget* parent);

    // The row chosen, once the window was accepted.
    std::optional<OperatorConnection> chosen() const;

  private:
    void filter();
    int current() const;

    ApnUse use_;
    std::vector<OperatorConnection> rows_;
    QLineEdit* search_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* useButton_ = nullptr;
};

// Opens the finder over the run's database and returns the row chosen; none
// when cancelled, or where there is no database (a message says so, naming
// where it was looked for).
std::optional<OperatorConnection> FindOperator(ApnUse use, const Session& session, QWidget* parent);

// Find operator... in a set-up dialog: the finder opened, and `fill` given the
// row chosen. Where it returns a box (its value was refused: too long, or not
// storable), nothing was filled; the message names the box, which takes the
// focus.
void FindOperatorAndFill(ApnUse use, const Session& session, QWidget* dialog,
                         const std::function<QLineEdit*(const OperatorConnection&)>& fill);

} // namespace rosmossel
