#include "gui/dialogs/control_factory.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyleOptionComboBox>
#include <QtMath>

#include <optional>

namespace rosmossel {
namespace {

// A list as wide as its longest entry. Qt measures a list's entries when it is
// first shown; only a list whose entries change after that has to follow them.
// Asking Qt to follow from the start builds the list's pop-up at once, which
// costs more than the rest of the list, for every list of a dialog.
//
// A window lays out its lists just before they are shown, and Qt then drops
// that measure at the first show to measure the same entries again. Where
// nothing the measure reads has changed since Qt first measured, the list
// keeps it.
//
// A list that spans its column is as wide as twelve characters and an icon,
// whatever it holds. Qt's own policy for that builds the pop-up at once too,
// so the list gives that size itself, as Qt computes it, and leaves the
// pop-up to its first opening.
class EntryList final : public QComboBox {
  public:
    explicit EntryList(QWidget* parent) : QComboBox(parent) {
        const auto follow = [this] {
            if (shown_ && !spans_ && sizeAdjustPolicy() == AdjustToContentsOnFirstShow) {
                setSizeAdjustPolicy(AdjustToContents);
            }
        };
        const auto changed = [this, follow] {
            entriesChanged_ = entriesChanged_ || measured_.has_value();
            follow();
        };
        const QAbstractItemModel* entries = model();
        connect(entries, &QAbstractItemModel::rowsInserted, this, changed);
        connect(entries, &QAbstractItemModel::rowsRemoved, this, changed);
        connect(entries, &QAbstractItemModel::rowsMoved, this, changed);
        connect(entries, &QAbstractItemModel::modelReset, this, changed);
        connect(entries, &QAbstractItemModel::dataChanged, this, changed);
        connect(entries, &QAbstractItemModel::layoutChanged, this, changed);
    }

    void spanColumn(int characters) {
        spans_ = true;
        setMinimumContentsLength(characters);
        updateGeometry();
    }

    QSize sizeHint() const override {
        if (spans_) {
            return spanningSize();
        }
        if (!measured_) {
            measured_ = inputs();
        }
        return QComboBox::sizeHint();
    }
    // Without a minimum length Qt measures the minimum as it measures the
    // size, and keeps the first minimum until the style changes: where the
    // size it holds is of the same entries and inputs, that is the minimum.
    QSize minimumSizeHint() const override {
        if (spans_) {
            return spanningSize();
        }
        if (!minimum_) {
            const bool sameMeasure = measured_ && !entriesChanged_ && *measured_ == inputs() &&
                                     minimumContentsLength() == 0;
            minimum_ = sameMeasure ? QComboBox::sizeHint() : QComboBox::minimumSizeHint();
        }
        return *minimum_;
    }

  protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::StyleChange) {
            minimum_.reset();
        }
        QComboBox::changeEvent(event);
    }
    void showEvent(QShowEvent* event) override {
        const bool keepMeasure = !shown_ && measured_ && !entriesChanged_ && *measured_ == inputs();
        shown_ = true;
        if (keepMeasure) {
            QWidget::showEvent(event); // Qt's own would drop the measure
        } else {
            QComboBox::showEvent(event);
        }
    }

  private:
    // Qt's size for AdjustToMinimumContentsLengthWithIcon, both hints alike:
    // the characters, room for an icon, the placeholder text, then the
    // style's frame and arrow.
    QSize spanningSize() const {
        const QFontMetrics& metrics = fontMetrics();
        const QSize icon = iconSize();
        QSize size;
        if (minimumContentsLength() > 0) {
            size.setWidth(minimumContentsLength() * metrics.horizontalAdvance(QLatin1Char('X')) +
                          icon.width() + 4);
        }
        if (!placeholderText().isEmpty()) {
            size.setWidth(qMax(size.width(), metrics.boundingRect(placeholderText()).width()));
        }
        size.setHeight(
            qMax(qMax(qCeil(QFontMetricsF(metrics).height()), 14) + 2, icon.height() + 2));
        QStyleOptionComboBox option;
        initStyleOption(&option);
        return style()->sizeFromContents(QStyle::CT_ComboBox, &option, size, this);
    }

    // What Qt's measure of the entries reads, besides the entries themselves.
    struct Inputs {
        const QAbstractItemModel* entries;
        const QStyle* style;
        QFont font;
        QSize iconSize;
        QString placeholder;
        int minimumContentsLength;
        SizeAdjustPolicy policy;
        bool editable;
        bool frame;
        Qt::LayoutDirection direction;
        bool operator==(const Inputs&) const = default;
    };
    Inputs inputs() const {
        return {model(),
                style(),
                font(),
                iconSize(),
                placeholderText(),
                minimumContentsLength(),
                sizeAdjustPolicy(),
                isEditable(),
                hasFrame(),
                layoutDirection()};
    }

    bool shown_ = false;
    bool spans_ = false;
    mutable std::optional<Inputs> measured_; // as Qt first measured the entries
    bool entriesChanged_ = false;            // since then
    mutable std::optional<QSize> minimum_;
};

} // namespace

void ControlFactory::identify(QWidget* control, int id, const char* name) const {
    SetControlId(control, id, QString::fromLatin1(name));
    if (id >= 0) {
        controls_.insert(id, control);
    }
}

void ControlFactory::name(QWidget* control, const QString& accessibleName) {
    control->setAccessibleName(accessibleName);
}

QLabel* ControlFactory::label(int id, const char* name, const char* text) const {
    auto* control = new QLabel(QString::fromUtf8(text), dialog_);
    identify(control, id, name);
    control->setAccessibleName(control->text());
    return control;
}

QComboBox* ControlFactory::list(int id, const char* name, QWidget* caption,
                                const QString& suffix) const {
    auto* control = new EntryList(dialog_);
    identify(control, id, name);
    if (caption != nullptr) {
        LabelControl(control, caption, suffix);
    }
    return control;
}

QLineEdit* ControlFactory::numberBox(int id, const char* name, QWidget* caption,
                                     const QString& suffix, bool allowSign) const {
    auto* control = new QLineEdit(dialog_);
    control->setAlignment(Qt::AlignCenter);
    const QString pattern = allowSign ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*");
    control->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), control));
    control->setFixedWidth(control->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    identify(control, id, name);
    if (caption != nullptr) {
        LabelControl(control, caption, suffix);
    }
    return control;
}

QLineEdit* ControlFactory::textBox(int id, const char* name, QWidget* caption,
                                   const QString& suffix) const {
    auto* control = new QLineEdit(dialog_);
    identify(control, id, name);
    if (caption != nullptr) {
        LabelControl(control, caption, suffix);
    }
    return control;
}

QLineEdit* ControlFactory::passwordBox(int id, const char* name, QWidget* caption) const {
    QLineEdit* control = textBox(id, name, caption);
    control->setEchoMode(QLineEdit::Password);
    return control;
}

QPushButton* ControlFactory::button(int id, const char* name) const {
    auto* control = new QPushButton(dialog_);
    identify(control, id, name);
    return control;
}

QGroupBox* ControlFactory::frame(int id, const char* name) const {
    auto* control = new QGroupBox(dialog_);
    identify(control, id, name);
    return control;
}

QFrame* Separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, bool stretch) {
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        layout->addWidget(widget);
    }
    if (stretch) {
        layout->addStretch(1);
    }
    return layout;
}

void SetEditable(QLineEdit* box, bool editable) {
    box->setReadOnly(!editable);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base,
                     QApplication::palette().color(editable ? QPalette::Base : QPalette::Button));
    box->setPalette(palette);
}

void ApplyDialogColours(QWidget* dialog) {
    // Where the application's look already gives these colours, the dialog
    // keeps the application's palette: shared by all controls, so that the
    // style draws equal controls once and takes the rest from its cache.
    QPalette palette = dialog->palette();
    if (palette.color(QPalette::Window) != kDialogBackground ||
        palette.color(QPalette::WindowText) != kDialogText) {
        palette.setColor(QPalette::Window, kDialogBackground);
        palette.setColor(QPalette::WindowText, kDialogText);
        dialog->setPalette(palette);
    }
    dialog->setAutoFillBackground(true);
}

// Unit labels ("Hour", "Min", "Sec") stand above their number boxes, which
// are separated by ":"; the switch list comes first.
QGridLayout* TimeRow(const ControlFactory& make, QComboBox* switchList,
                     std::initializer_list<std::pair<QWidget*, QLabel*>> parts) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(0);
    grid->addWidget(switchList, 1, 0);
    int column = 1;
    bool afterBox = false;
    for (const auto& [widget, unit] : parts) {
        if (unit == nullptr) { // a caption between groups
            grid->addWidget(widget, 1, column++);
            afterBox = false;
            continue;
        }
        if (afterBox) {
            grid->addWidget(make.label(kStaticId, "separator", ":"), 1, column++);
        }
        unit->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(unit, 0, column);
        grid->addWidget(widget, 1, column++);
        afterBox = true;
    }
    grid->setColumnStretch(column, 1);
    return grid;
}

// Lists that share the field column take its width, whatever they hold, so
// that a long operator name does not resize the window.
void SpanColumn(QComboBox* list) {
    constexpr int kCharacters = 12;
    if (auto* entries = dynamic_cast<EntryList*>(list)) {
        entries->spanColumn(kCharacters);
    } else {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(kCharacters);
    }
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

} // namespace rosmossel
