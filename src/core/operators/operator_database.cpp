#include "core/operators/operator_database.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <tuple>

namespace rosmossel {
namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

bool contains(std::string_view text, std::string_view word) {
    return lowered(text).find(word) != std::string::npos;
}

// Leading and trailing white space is the file's layout, never a value.
std::string trimmed(const char* text) {
    std::string_view view(text);
    const auto first = view.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = view.find_last_not_of(" \t\r\n");
    return std::string(view.substr(first, last - first + 1));
}

std::string childText(const pugi::xml_node& node, const char* name) {
    return trimmed(node.child(name).text().get());
}

// The English name: the first without a language, else the first at all.
std::string nameOf(const pugi::xml_node& node) {
    for (const pugi::xml_node name : node.children("name")) {
        if (name.attribute("xml:lang").empty()) {
            return trimmed(name.text().get());
        }
    }
    return childText(node, "name");
}

OperatorApn readApn(const pugi::xml_node& node) {
    OperatorApn apn;
    apn.apn = trimmed(node.attribute("value").value());
    apn.name = nameOf(node);
    // Without a usage the entry is a data connection, as the file's other
    // readers take it; a combined use ("mms-internet-hipri") is both.
    const std::string use = node.child("usage").attribute("type").value();
    apn.mms = use.find("mms") != std::string::npos;
    apn.internet = use.empty() || use.find("internet") != std::string::npos;
    apn.mmsc = childText(node, "mmsc");
    apn.mmsProxy = childText(node, "mmsproxy");
    apn.username = childText(node, "username");
    apn.password = childText(node, "password");
    return apn;
}

OperatorProvider readProvider(const pugi::xml_node& node) {
    OperatorProvider provider;
    provider.name = nameOf(node);
    const pugi::xml_node gsm = node.child("gsm");
    for (const pugi::xml_node id : gsm.children("network-id")) {
        provider.networks.push_back(trimmed(id.attribute("mcc").value()) + "-" +
                                    trimmed(id.attribute("mnc").value()));
    }
    for (const pugi::xml_node apn : gsm.children("apn")) {
        provider.apns.push_back(readApn(apn));
    }
    return provider;
}

std::size_t lineAt(std::string_view text, std::ptrdiff_t offset) {
    const auto end = static_cast<std::size_t>(
        std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(text.size())));
    return 1 + static_cast<std::size_t>(
                   std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
}

int compareFolded(std::string_view a, std::string_view b) {
    return lowered(a).compare(lowered(b));
}

} // namespace

std::variant<OperatorDatabase, DatabaseProblem> ParseOperatorDatabase(std::string_view xml) {
    if (xml.size() > kLargestOperatorDatabase) {
        return DatabaseProblem{0, "too large for a carrier database (over 16 MiB)"};
    }
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        return DatabaseProblem{lineAt(xml, parsed.offset), parsed.description()};
    }
    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != "serviceproviders") {
        return DatabaseProblem{lineAt(xml, root.offset_debug()),
                               "not a carrier database (no <serviceproviders>)"};
    }
    OperatorDatabase database;
    for (const pugi::xml_node node : root.children("country")) {
        OperatorCountry country;
        country.code = lowered(trimmed(node.attribute("code").value()));
        country.name = nameOf(node);
        if (country.name.empty()) {
            country.name = country.code;
        }
        for (const pugi::xml_node provider : node.children("provider")) {
            country.providers.push_back(readProvider(provider));
        }
        database.countries.push_back(std::move(country));
    }
    return database;
}

std::pair<std::string, std::string> SplitProxy(std::string_view proxy) {
    const auto colon = proxy.rfind(':');
    if (colon == std::string_view::npos) {
        return {std::string(proxy), {}};
    }
    const std::string_view port = proxy.substr(colon + 1);
    const bool digits = !port.empty() && std::all_of(port.begin(), port.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
    // "host:" drops its colon; a colon that starts no port belongs to the host.
    if (port.empty()) {
        return {std::string(proxy.substr(0, colon)), {}};
    }
    if (!digits) {
        return {std::string(proxy), {}};
    }
    return {std::string(proxy.substr(0, colon)), std::string(port)};
}

bool ListedBefore(const OperatorConnection& a, const OperatorConnection& b) {
    if (const int c = compareFolded(a.countryName, b.countryName); c != 0) {
        return c < 0;
    }
    if (const int c = compareFolded(a.provider, b.provider); c != 0) {
        return c < 0;
    }
    return compareFolded(a.apn, b.apn) < 0;
}

std::vector<OperatorConnection> OperatorConnections(const OperatorDatabase& database, ApnUse use) {
    std::vector<OperatorConnection> rows;
    for (const OperatorCountry& country : database.countries) {
        for (const OperatorProvider& provider : country.providers) {
            for (const OperatorApn& apn : provider.apns) {
                if (use == ApnUse::Mms ? !apn.mms : !apn.internet) {
                    continue;
                }
                OperatorConnection row;
                row.countryCode = country.code;
                row.countryName = country.name;
                row.provider = provider.name;
                row.entryName = apn.name;
                row.networks = provider.networks;
                row.apn = apn.apn;
                row.account = apn.username;
                row.password = apn.password;
                if (use == ApnUse::Mms) {
                    row.url = apn.mmsc;
                    std::tie(row.gateway, row.port) = SplitProxy(apn.mmsProxy);
                }
                rows.push_back(std::move(row));
            }
        }
    }
    std::stable_sort(rows.begin(), rows.end(), ListedBefore);
    return rows;
}

bool MatchesQuery(const OperatorConnection& connection, std::string_view query,
                  std::string_view country) {
    if (!country.empty() && lowered(country) != connection.countryCode) {
        return false;
    }
    std::istringstream words{lowered(query)};
    std::string word;
    while (words >> word) {
        const bool found = word == connection.countryCode ||
                           contains(connection.countryName, word) ||
                           contains(connection.provider, word) || contains(connection.apn, word) ||
                           std::any_of(connection.networks.begin(), connection.networks.end(),
                                       [&](const std::string& network) {
                                           std::string joined = network;
                                           std::erase(joined, '-');
                                           return network.find(word) != std::string::npos ||
                                                  joined.find(word) != std::string::npos;
                                       });
        if (!found) {
            return false;
        }
    }
    return true;
}

} // namespace rosmossel
