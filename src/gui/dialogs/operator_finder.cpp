#include "gui/dialogs/operator_finder.h"

#include "core/session/session.h"
#include "core/text/operator_texts.h"
#include "gui/dialogs/control_factory.h"
#include "gui/dialogs/control_registry.h"
#include "gui/dialogs/guide.h"
#include "gui/dialogs/presenter.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rosmossel {
namespace {

QString text(const LanguageTexts& texts, int language) {
    return FromUtf8(TextIn(texts, language));
}

} // namespace

const OperatorDatabaseLoad& OperatorDatabaseOfRun() {
    static const OperatorDatabaseLoad load = LoadOperatorDatabase(
        OperatorDatabaseCandidates(QCoreApplication::applicationDirPath().toStdString()));
    return load;
}

OperatorFinder::OperatorFinder(const OperatorDatabaseLoad& load, ApnUse use, const Session& session,
                               QWidget* parent)
    : QDialog(parent), use_(use) {
    const int language = session.languageNumber();
    const OperatorFinderTexts& t = kOperatorFinderTexts;
    setObjectName(QStringLiteral("operatorFinder"));
    setWindowTitle(text(t.title, language));
    if (load.database) {
        rows_ = OperatorConnections(*load.database, use);
    }

    auto* layout = new QVBoxLayout(this);
    auto* searchLabel = new QLabel(text(t.search, language), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("operatorSearch"));
    search_->setPlaceholderText(text(t.placeholder, language));
    search_->setAccessibleName(searchLabel->text());
    searchLabel->setBuddy(search_);
    layout->addLayout(Row({searchLabel, search_}, false));

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("operatorList"));
    list_->setAccessibleName(text(t.title, language));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({text(t.country, language), text(t.provider, language),
                            text(t.apn, language),
                            text(use == ApnUse::Mms ? t.mmsc : t.account, language)});
    // Adding rows one by one would lay the list out again for each.
    QList<QTreeWidgetItem*> items;
    for (const OperatorConnection& row : rows_) {
        items << new QTreeWidgetItem({FromUtf8(row.countryName), FromUtf8(row.provider),
                                      FromUtf8(row.apn),
                                      FromUtf8(use == ApnUse::Mms ? row.url : row.account)});
    }
    list_->addTopLevelItems(items);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumSize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 20);
    layout->addWidget(list_);

    // Where the rows come from, and any file passed over on the way.
    QStringList notes;
    if (load.database) {
        notes << text(t.source, language) + QLatin1Char(' ') + FromUtf8(load.database->path);
    }
    for (const std::string& problem : load.problems) {
        notes << FromUtf8(PassedOverDatabaseNote(problem).in(language));
    }
    auto* source = new QLabel(notes.join(QLatin1Char('\n')), this);
    source->setObjectName(QStringLiteral("operatorSource"));
    source->setWordWrap(true);
    source->setTextInteractionFlags(Qt::TextSelectableByMouse);
    source->setAccessibleName(source->text());
    layout->addWidget(source);

    auto* buttons = new QDialogButtonBox(this);
    useButton_ = buttons->addButton(text(t.use, language), QDialogButtonBox::AcceptRole);
    useButton_->setObjectName(QStringLiteral("useOperator"));
    QPushButton* cancel =
        buttons->addButton(text(t.cancel, language), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelOperator"));
    for (QPushButton* button : {useButton_, cancel}) {
        button->setAccessibleName(button->text());
    }
    layout->addWidget(buttons);
    ApplyDialogColours(this);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(search_, &QLineEdit::textChanged, this, &OperatorFinder::filter);
    connect(list_, &QTreeWidget::itemActivated, this, [this] { accept(); });
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this] { useButton_->setEnabled(current() >= 0); });
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [&session, language] { OpenGuide(session, kGuideFindOperator, language); });
    filter();
    search_->setFocus();
}

// Rows that do not answer the search are hidden; the first one left is
// selected, so Enter takes it.
void OperatorFinder::filter() {
    const std::string query = search_->text().toStdString();
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        const bool shown = MatchesQuery(rows_[static_cast<std::size_t>(i)], query);
        item->setHidden(!shown);
        if (shown && first == nullptr) {
            first = item;
        }
    }
    list_->setCurrentItem(first);
    useButton_->setEnabled(first != nullptr);
}

int OperatorFinder::current() const {
    QTreeWidgetItem* item = list_->currentItem();
    return item == nullptr || item->isHidden() ? -1 : list_->indexOfTopLevelItem(item);
}

std::optional<OperatorConnection> OperatorFinder::chosen() const {
    const int row = current();
    if (result() != QDialog::Accepted || row < 0) {
        return std::nullopt;
    }
    return rows_[static_cast<std::size_t>(row)];
}

std::optional<OperatorConnection> FindOperator(ApnUse use, const Session& session,
                                               QWidget* parent) {
    const int language = session.languageNumber();
    const OperatorDatabaseLoad& load = OperatorDatabaseOfRun();
    if (!load.database) {
        ShowMessage(FromUtf8(
            NoOperatorDatabaseMessage(
                OperatorDatabaseCandidates(QCoreApplication::applicationDirPath().toStdString()),
                load.problems)
                .in(language)));
        return std::nullopt;
    }
    OperatorFinder finder(load, use, session, parent);
    finder.exec();
    return finder.chosen();
}

void FindOperatorAndFill(ApnUse use, const Session& session, QWidget* dialog,
                         const std::function<QLineEdit*(const OperatorConnection&)>& fill) {
    const std::optional<OperatorConnection> chosen = FindOperator(use, session, dialog);
    if (!chosen) {
        return;
    }
    if (QLineEdit* refused = fill(*chosen)) {
        ShowMessage(FromUtf8(OperatorValueRefusedMessage(refused->accessibleName().toStdString())
                                 .in(session.languageNumber())));
        refused->setFocus();
    }
}

} // namespace rosmossel
