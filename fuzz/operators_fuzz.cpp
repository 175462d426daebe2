// Feeds arbitrary bytes to the carrier database's reader, as an owner's
// serviceproviders.xml could hold them; whatever reads must list, search,
// fill and compare without fault.
#include "core/operators/operator_database.h"
#include "core/operators/operator_fill.h"
#include "core/operators/preset_comparison.h"

#include <cstdint>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rosmossel;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseOperatorDatabase(text);
    const auto* database = std::get_if<OperatorDatabase>(&parsed);
    if (database == nullptr) {
        return 0;
    }
    for (const ApnUse use : {ApnUse::Mms, ApnUse::Internet}) {
        for (const OperatorConnection& row : OperatorConnections(*database, use)) {
            (void)MatchesQuery(row, row.provider + " " + row.apn, row.countryCode);
            MmsSettings mms;
            (void)FillMmsConnection(mms, row, 1252);
            SmtpSettings smtp;
            (void)FillGprsConnection(smtp, row, 936);
        }
    }
    (void)ComparePresets(*database);
    return 0;
}
