#include "cli/operators_command.h"

#include "cli/exit_status.h"
#include "core/camera/camera_lists.h"
#include "core/format/settings_files.h"
#include "core/operators/operator_fill.h"
#include "core/operators/operator_sources.h"
#include "core/operators/preset_comparison.h"
#include "core/text/code_page.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <ostream>
#include <tuple>

namespace rosmossel::cli {
namespace {

using Json = nlohmann::ordered_json;

// The profile's key names: a listed value may be pasted into a profile as it is.
Json mmsValues(const OperatorConnection& c) {
    const auto& f = MmsTextFields();
    const auto name = [&](MmsText t) { return f[static_cast<std::size_t>(t)].name; };
    return Json{{name(MmsText::Url), c.url},         {name(MmsText::Apn), c.apn},
                {name(MmsText::Gateway), c.gateway}, {name(MmsText::Port), c.port},
                {name(MmsText::Account), c.account}, {name(MmsText::Password), c.password}};
}

Json gprsValues(const OperatorConnection& c) {
    const auto& f = SmtpTextFields(Family::Sedge);
    const auto name = [&](SmtpText t) { return f[static_cast<std::size_t>(t)].name; };
    return Json{{name(SmtpText::Apn), c.apn},
                {name(SmtpText::Account), c.account},
                {name(SmtpText::GprsPassword), c.password}};
}

// One provider with its matching connections of both uses.
struct Listed {
    const OperatorConnection* first = nullptr;
    std::vector<const OperatorConnection*> mms, internet;
};

std::string networksOf(const OperatorConnection& c) {
    std::string text;
    for (const std::string& network : c.networks) {
        text += (text.empty() ? "" : ", ") + network;
    }
    return text;
}

// Byte values that are no UTF-8 (a damaged file) are shown as U+FFFD rather
// than stopping the output.
std::string dumped(const Json& json) {
    return json.dump(2, ' ', false, Json::error_handler_t::replace);
}

void printText(std::ostream& out, const std::vector<Listed>& listed) {
    for (const Listed& l : listed) {
        const OperatorConnection& p = *l.first;
        out << p.countryName << " (" << p.countryCode << "): " << p.provider;
        if (!p.networks.empty()) {
            out << " [" << networksOf(p) << "]";
        }
        out << "\n";
        const auto print = [&out](const char* use, const OperatorConnection& c,
                                  const Json& values) {
            out << "  " << use << (c.entryName.empty() ? "" : " \"" + c.entryName + "\"");
            const char* separator = ": ";
            for (const auto& [key, value] : values.items()) {
                if (!value.get<std::string>().empty()) {
                    out << separator << key << " " << value.get<std::string>();
                    separator = ", ";
                }
            }
            out << "\n";
        };
        for (const OperatorConnection* c : l.mms) {
            print("MMS", *c, mmsValues(*c));
        }
        for (const OperatorConnection* c : l.internet) {
            print("internet", *c, gprsValues(*c));
        }
    }
}

Json jsonOf(const std::vector<Listed>& listed) {
    Json list = Json::array();
    for (const Listed& l : listed) {
        const OperatorConnection& p = *l.first;
        Json entry{{"country", p.countryCode}, {"country_name", p.countryName},
                   {"operator", p.provider},   {"networks", p.networks},
                   {"mms", Json::array()},     {"internet", Json::array()}};
        for (const OperatorConnection* c : l.mms) {
            entry["mms"].push_back(Json{{"name", c->entryName}});
            entry["mms"].back().update(mmsValues(*c));
        }
        for (const OperatorConnection* c : l.internet) {
            entry["internet"].push_back(Json{{"name", c->entryName}});
            entry["internet"].back().update(gprsValues(*c));
        }
        list.push_back(std::move(entry));
    }
    return list;
}

// --profile: exactly one MMS connection must answer, else the owner is shown
// which ones did, so the query can name one.
int printProfile(const std::vector<OperatorConnection>& mms, std::ostream& out, std::ostream& err) {
    if (mms.size() != 1) {
        err << "rosmossel-cli: operators: --profile needs a query that matches one MMS "
               "connection; "
            << (mms.empty() ? std::string("none matches") : std::to_string(mms.size()) + " match")
            << "\n";
        for (const OperatorConnection& c : mms) {
            err << "  " << c.countryName << " (" << c.countryCode << "): " << c.provider << ", apn "
                << c.apn << ", url " << c.url << "\n";
        }
        return kExitBadProfile;
    }
    MmsSettings checked;
    if (const auto tooLong = FillMmsConnection(checked, mms.front(), kUtf8CodePage)) {
        err << "rosmossel-cli: operators: the database's "
            << MmsTextFields()[static_cast<std::size_t>(*tooLong)].name
            << " does not fit the camera's field or holds what it cannot store; nothing "
               "printed\n";
        return kExitBadProfile;
    }
    Json section{{"mode", std::string(kApnModes[1])}};
    section.update(mmsValues(mms.front()));
    out << dumped(Json{{SettingsFile(FileKind::Mms).section, section}}) << "\n";
    return kExitOk;
}

int printComparison(const OperatorDatabase& database, std::ostream& out) {
    const std::vector<PresetDifference> differences = ComparePresets(database);
    for (const PresetDifference& d : differences) {
        out << (d.use == ApnUse::Mms ? "MMS" : "GPRS") << " " << d.country << " / "
            << d.operatorName << " (" << d.network << "): ";
        if (d.databaseProvider.empty()) {
            out << "not in the database\n";
            continue;
        }
        out << "database \"" << d.databaseProvider << "\" differs\n";
        for (const std::string& value : d.values) {
            out << "  " << value << "\n";
        }
    }
    out << differences.size() << " preset slot" << (differences.size() == 1 ? "" : "s")
        << " differ from " << database.path << "\n";
    return kExitOk;
}

} // namespace

CLI::App& OperatorsCommand::addTo(CLI::App& app) {
    OperatorsOptions& options = options_;
    auto* command = app.add_subcommand(
        "operators", "Look up an operator's MMS and internet connection in the carrier database "
                     "(serviceproviders.xml).");
    command->add_option("query", options.query,
                        "Words of a country, an operator's name, an APN or an MCC-MNC");
    command->add_option("--country", options.country, "Only this country (ISO code, \"gb\")");
    command->add_flag("--json", options.json,
                      "Print a JSON list, values named as a profile holds them");
    command->add_flag("--profile", options.profile,
                      "Print a profile's mms section in Manual mode with the connection filled "
                      "in (the query must match one MMS connection)");
    command->add_flag("--compare-presets", options.comparePresets,
                      "Report the preset slots whose network the database answers differently");
    command->get_option("--profile")->excludes("--json");
    command->get_option("--compare-presets")->excludes("--profile")->excludes("--json");
    command->footer("The database is looked for in this order, the first readable one used: "
                    "serviceproviders.xml in the configuration folder (~/.config/rosmossel/, "
                    "%APPDATA%\\Ros Mossel\\ on Windows), beside the program, and the system's "
                    "(/usr/share/mobile-broadband-provider-info/).");
    return *command;
}

int OperatorsCommand::run(const CommandContext& context) const {
    return RunOperators(options_, context.out, context.err);
}

int RunOperators(const OperatorsOptions& options, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> places =
        options.databases.empty() ? OperatorDatabaseCandidates(ProgramFolder()) : options.databases;
    const OperatorDatabaseLoad load = LoadOperatorDatabase(places);
    for (const std::string& problem : load.problems) {
        err << "rosmossel-cli: operators: " << problem << " (passed over)\n";
    }
    if (!load.database) {
        err << "rosmossel-cli: operators: no carrier database (serviceproviders.xml) could be "
               "read; put one into the configuration folder (or, on Linux, install "
               "mobile-broadband-provider-info). Looked for:\n";
        for (const std::string& place : places) {
            err << "  " << place << "\n";
        }
        return kExitFileError;
    }
    if (options.comparePresets) {
        return printComparison(*load.database, out);
    }
    std::string query;
    for (const std::string& word : options.query) {
        query += word + " ";
    }
    const auto matching = [&](ApnUse use) {
        std::vector<OperatorConnection> rows = OperatorConnections(*load.database, use);
        std::erase_if(rows, [&](const OperatorConnection& c) {
            return !MatchesQuery(c, query, options.country);
        });
        return rows;
    };
    const std::vector<OperatorConnection> mms = matching(ApnUse::Mms);
    if (options.profile) {
        return printProfile(mms, out, err);
    }
    const std::vector<OperatorConnection> internet = matching(ApnUse::Internet);

    // Grouped by provider, in the order the dialogs list them.
    std::vector<Listed> listed;
    std::map<std::tuple<std::string, std::string, std::string>, std::size_t> byProvider;
    const auto add = [&](const OperatorConnection& c, bool isMms) {
        const auto [at, added] = byProvider.try_emplace(
            std::tuple(c.countryCode, c.provider, networksOf(c)), listed.size());
        if (added) {
            listed.push_back({&c, {}, {}});
        }
        (isMms ? listed[at->second].mms : listed[at->second].internet).push_back(&c);
    };
    for (const OperatorConnection& c : mms) {
        add(c, true);
    }
    for (const OperatorConnection& c : internet) {
        add(c, false);
    }
    std::stable_sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        return ListedBefore(*a.first, *b.first);
    });
    if (options.json) {
        out << dumped(jsonOf(listed)) << "\n";
    } else if (listed.empty()) {
        err << "rosmossel-cli: operators: no operator matches\n";
    } else {
        printText(out, listed);
    }
    return listed.empty() ? kExitBadProfile : kExitOk;
}

} // namespace rosmossel::cli
