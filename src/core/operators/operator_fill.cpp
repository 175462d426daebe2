#include "core/operators/operator_fill.h"

#include "core/text/code_page.h"

#include <utility>
#include <vector>

namespace rosmossel {
namespace {

// Each value stored and checked against its field first; only then written.
template <typename Settings, typename Text, typename Fields>
std::optional<Text> fill(Settings& settings, const Fields& fields,
                         const std::vector<std::pair<Text, const std::string*>>& values,
                         int codePage) {
    std::vector<std::string> stored;
    for (const auto& [text, value] : values) {
        const auto& field = fields[static_cast<std::size_t>(text)];
        const std::optional<std::u16string> utf16 = Utf16FromUtf8(*value);
        if (!utf16) {
            return text;
        }
        Encoded encoded = EncodeForFile(*utf16, codePage);
        if (encoded.unstorableAt || !TextValueProblem(encoded.bytes, field.limit).empty()) {
            return text;
        }
        stored.push_back(std::move(encoded.bytes));
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        settings.*fields[static_cast<std::size_t>(values[i].first)].member = std::move(stored[i]);
    }
    return std::nullopt;
}

} // namespace

std::optional<MmsText> FillMmsConnection(MmsSettings& settings,
                                         const OperatorConnection& connection, int codePage) {
    return fill<MmsSettings, MmsText>(settings, MmsTextFields(),
                                      {{MmsText::Url, &connection.url},
                                       {MmsText::Apn, &connection.apn},
                                       {MmsText::Gateway, &connection.gateway},
                                       {MmsText::Port, &connection.port},
                                       {MmsText::Account, &connection.account},
                                       {MmsText::Password, &connection.password}},
                                      codePage);
}

std::optional<SmtpText> FillGprsConnection(SmtpSettings& settings,
                                           const OperatorConnection& connection, int codePage) {
    return fill<SmtpSettings, SmtpText>(settings, SmtpTextFields(settings.family),
                                        {{SmtpText::Apn, &connection.apn},
                                         {SmtpText::Account, &connection.account},
                                         {SmtpText::GprsPassword, &connection.password}},
                                        codePage);
}

} // namespace rosmossel
