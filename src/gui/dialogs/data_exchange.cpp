#include "gui/dialogs/data_exchange.h"

#include "core/text/code_page.h"
#include "gui/dialogs/control_registry.h"
#include "gui/dialogs/presenter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

namespace rosmossel {
namespace {

std::u16string_view utf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString fromUtf16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Limits typing by the bytes the text takes in the file, not by characters.
// Characters the file cannot hold pass here; taking the field names them.
// What is typed or pasted beyond the limit is cut off before the caret, where
// the insertion ends, so a paste keeps what fits, as a native edit box does.
class StoredLengthValidator final : public QValidator {
  public:
    StoredLengthValidator(int maxBytes, QObject* parent) : QValidator(parent), max_(maxBytes) {}
    State validate(QString& input, int& pos) const override {
        for (;;) {
            const Encoded encoded = EncodeForFile(utf16(input));
            if (encoded.unstorableAt || static_cast<int>(encoded.bytes.size()) <= max_) {
                return Acceptable;
            }
            if (pos <= 0) {
                return Invalid;
            }
            const bool pair = pos >= 2 && input.at(pos - 1).isLowSurrogate() &&
                              input.at(pos - 2).isHighSurrogate();
            const int cut = pair ? 2 : 1;
            input.remove(pos - cut, cut);
            pos -= cut;
        }
    }

  private:
    int max_;
};

} // namespace

FieldFailure ProgramFailure(const Message& message) {
    return FieldFailure{message, false};
}

IntegerCheck RangeCheck(int min, int max) {
    return [min, max](int value) -> std::optional<FieldFailure> {
        if (auto message = CheckIntegerRange(value, min, max)) {
            return ProgramFailure(*message);
        }
        return std::nullopt;
    };
}

IntegerCheck ToolkitRangeCheck(int min, int max) {
    return [min, max](int value) -> std::optional<FieldFailure> {
        if (min <= value && value <= max) {
            return std::nullopt;
        }
        const std::string prompt = PictureCountRangePrompt(min, max);
        return FieldFailure{{prompt, prompt}, true};
    };
}

void DataExchange::bindInteger(QLineEdit* field, int* value, IntegerCheck check) {
    bindings_.push_back({Kind::Integer, field, value, 0, std::move(check), {}});
}

void DataExchange::bindText(QLineEdit* field, QString* value, int maxLength, TextCheck check) {
    bindings_.push_back({Kind::Text, field, value, maxLength, {}, std::move(check)});
}

void DataExchange::bindFileText(QLineEdit* field, std::string* bytes, int maxBytes, TextCheck check,
                                CheckWhile when) {
    field->setValidator(new StoredLengthValidator(maxBytes, field));
    bindings_.push_back(
        {Kind::FileText, field, bytes, 0, {}, std::move(check), when == CheckWhile::Typing});
}

void DataExchange::bindList(QComboBox* list, int* index) {
    bindings_.push_back({Kind::List, list, index, 0, {}, {}});
}

bool DataExchange::fail(QLineEdit* field, const FieldFailure& failure) {
    const QString text = QString::fromStdString(failure.message.in(language_));
    if (failure.toolkitPrompt) {
        ShowToolkitPrompt(dialog_, text);
    } else {
        ShowMessage(text);
    }
    field->setFocus();
    field->selectAll();
    failed_ = field;
    return false;
}

bool DataExchange::takeOne(const Binding& b) {
    if (b.kind == Kind::List) {
        *std::get<int*>(b.value) = qobject_cast<QComboBox*>(b.field)->currentIndex();
        return true;
    }
    auto* field = qobject_cast<QLineEdit*>(b.field);
    const QString text = field->text();
    if (b.kind == Kind::Integer) {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok, 10);
        if (!ok) {
            const std::string prompt(kIntegerPrompt);
            return fail(field, {{prompt, prompt}, true});
        }
        *std::get<int*>(b.value) = value;
        if (b.integerCheck) {
            if (auto failure = b.integerCheck(value)) {
                return fail(field, *failure);
            }
        }
        return true;
    }
    if (b.kind == Kind::FileText) {
        Encoded encoded = EncodeForFile(utf16(text));
        if (encoded.unstorableAt) {
            const std::size_t at = *encoded.unstorableAt;
            const bool pair = at + 1 < static_cast<std::size_t>(text.size()) &&
                              text.at(static_cast<qsizetype>(at)).isHighSurrogate();
            const QString character = text.mid(static_cast<qsizetype>(at), pair ? 2 : 1);
            return fail(field,
                        ProgramFailure(UnstorableCharacterMessage(
                            field->accessibleName().toStdString(), character.toStdString())));
        }
        *std::get<std::string*>(b.value) = std::move(encoded.bytes);
    } else {
        *std::get<QString*>(b.value) = text;
    }
    if (b.textCheck && !(b.checkWhileTyping && purpose_ == Purpose::Generate)) {
        if (auto failure = b.textCheck(text)) {
            return fail(field, *failure);
        }
    }
    return true;
}

bool DataExchange::take(Purpose purpose) {
    purpose_ = purpose;
    failed_ = nullptr;
    for (const Binding& b : bindings_) {
        if (b.field && !takeOne(b)) {
            return false;
        }
    }
    return true;
}

void DataExchange::show() {
    for (const Binding& b : bindings_) {
        if (!b.field) {
            continue;
        }
        if (b.kind == Kind::List) {
            qobject_cast<QComboBox*>(b.field)->setCurrentIndex(*std::get<int*>(b.value));
            continue;
        }
        auto* field = qobject_cast<QLineEdit*>(b.field);
        QString text;
        switch (b.kind) {
        case Kind::Integer:
            text = QString::number(*std::get<int*>(b.value));
            break;
        case Kind::FileText:
            text = fromUtf16(DecodeFromFile(*std::get<std::string*>(b.value)).text);
            break;
        default:
            text = *std::get<QString*>(b.value);
        }
        if (b.maxLength > 0) {
            // The limit holds for typing; a longer value (a deep folder from the
            // chooser) is shown whole, so taking it back cannot cut it short.
            field->setMaxLength(std::max(b.maxLength, static_cast<int>(text.size())));
        }
        if (field->text() != text) {
            field->setText(text);
            if (field == failed_) { // a repaired value, as the message left it
                field->selectAll();
            }
        }
    }
}

} // namespace rosmossel
