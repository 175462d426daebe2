#pragma once

// The carrier database the desktop keeps (serviceproviders.xml of
// mobile-broadband-provider-info): countries, their providers with the
// networks (MCC-MNC) they answer on, and each provider's APNs by use. It lets
// an owner whose operator the fixed presets do not hold fill the MMS and GPRS
// connection from data that is kept up to date.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rosmossel {

enum class ApnUse { Mms, Internet };

struct OperatorApn {
    std::string apn;  // the access point's name, as the camera's APN field takes it
    std::string name; // the database's caption of the entry ("O2 MMS"); may be empty
    bool mms = false;
    bool internet = false;
    std::string mmsc, mmsProxy, username, password;
};

struct OperatorProvider {
    std::string name;
    std::vector<std::string> networks; // "234-10"
    std::vector<OperatorApn> apns;
};

struct OperatorCountry {
    std::string code; // ISO 3166, lower case as the file holds it ("gb")
    std::string name; // English; the code where the file gives none
    std::vector<OperatorProvider> providers;
};

struct OperatorDatabase {
    std::string path; // where it was read from
    std::vector<OperatorCountry> countries;
};

// Why a file could not be read: its line (0 where none applies) and the reason.
struct DatabaseProblem {
    std::size_t line = 0;
    std::string reason;
};

// Larger files are refused unread: the real one is well under 1 MiB.
inline constexpr std::size_t kLargestOperatorDatabase = 16 * 1024 * 1024;

// Reads the text of a serviceproviders.xml. Elements the tool does not use
// are passed over; a file that is no XML, or whose root is not
// <serviceproviders>, is a problem naming its line.
std::variant<OperatorDatabase, DatabaseProblem> ParseOperatorDatabase(std::string_view xml);

// One connection the dialogs and the CLI offer: an APN of one provider, with
// the values the camera's fields take.
struct OperatorConnection {
    std::string countryCode, countryName, provider, entryName;
    std::vector<std::string> networks;
    // As a profile holds them; an internet APN fills apn, account and password.
    std::string url, apn, gateway, port, account, password;
};

// The proxy "host:port" as gateway and port; without a port (or with
// something else after the last colon) the port stays empty.
std::pair<std::string, std::string> SplitProxy(std::string_view proxy);

// The order connections are listed in: by country name, then provider name
// (letter case aside), then APN.
bool ListedBefore(const OperatorConnection& a, const OperatorConnection& b);

// Every APN of `use` as a connection, in listing order, in the file's order
// where that does not tell them apart.
std::vector<OperatorConnection> OperatorConnections(const OperatorDatabase& database, ApnUse use);

// Whether `connection` answers `query`: every word of the query is found
// (letter case aside) in its country's name, provider's name, APN or one of
// its networks ("234-10", "23410"), or is its country code. An empty query
// matches everything; `country`, when not empty, is the country code it must
// have.
bool MatchesQuery(const OperatorConnection& connection, std::string_view query,
                  std::string_view country = {});

} // namespace rosmossel
