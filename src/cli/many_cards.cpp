#include "cli/many_cards.h"

#include "cli/generate_command.h"

#include "core/text/card_texts.h"
#include "core/text/many_cards_texts.h"
#include "platform/card_watcher.h"

#include <atomic>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <ostream>

namespace rosmossel::cli {
namespace {

const char* outcomeKey(CardOutcome outcome) {
    switch (outcome) {
    case CardOutcome::Written:
        return "written";
    case CardOutcome::NotCameraReadable:
        return "not_camera_readable";
    case CardOutcome::NotResponding:
        return "not_responding";
    case CardOutcome::LockSwitch:
        return "lock_switch";
    case CardOutcome::ReadOnlyMount:
        return "read_only_mount";
    case CardOutcome::Full:
        return "full";
    case CardOutcome::Removed:
        return "removed";
    case CardOutcome::FileError:
        break;
    }
    return "file_error";
}

void printSummary(std::span<const CardResult> results, bool asJson, std::ostream& out,
                  std::ostream& err) {
    (asJson || BatchExitStatus(results) != kExitOk ? err : out)
        << BatchSummaryText(results, kEnglish) << "\n";
}

std::atomic<bool> interrupted{false};
constexpr std::chrono::milliseconds kFirstLookLimit{5000};
constexpr std::chrono::milliseconds kInterruptCheck{100};

extern "C" void onInterrupt(int) {
    interrupted = true;
}

} // namespace

int ExitStatusOf(CardOutcome outcome) {
    switch (outcome) {
    case CardOutcome::Written:
        return kExitOk;
    case CardOutcome::NotCameraReadable:
    case CardOutcome::NotResponding:
        return kExitNoCard; // nothing was tried on it
    case CardOutcome::LockSwitch:
    case CardOutcome::ReadOnlyMount:
    case CardOutcome::Full:
    case CardOutcome::Removed:
    case CardOutcome::FileError:
        break;
    }
    return kExitFileError;
}

int BatchExitStatus(std::span<const CardResult> results) {
    return ExitStatusOf(WorstOutcome(results));
}

void PrintCardResult(const CardResult& result, std::optional<int> number, const std::string& note,
                     bool asJson, std::ostream& out) {
    const std::string text = CardOutcomeText(result, kEnglish);
    if (asJson) {
        nlohmann::ordered_json line;
        if (number) {
            line["number"] = *number;
        }
        line["label"] = result.card.label;
        line["root"] = result.card.root;
        line["outcome"] = outcomeKey(result.outcome);
        line["written"] = result.written;
        line["message"] = text;
        if (!note.empty()) {
            line["note"] = note;
        }
        out << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << std::endl;
        return;
    }
    if (number) {
        out << *number << "  ";
    }
    out << CardLabelOf(result.card, kEnglish) << "  " << ShownText(result.card.root) << "  "
        << LineWithNote(text, note, kEnglish) << std::endl;
}

int RunAllCards(const CardSource& source, const std::string& profilePath, bool asJson,
                std::ostream& out, std::ostream& err) {
    std::vector<PlannedFile> files;
    if (const int status = BuildProfileFiles(profilePath, files, err); status != kExitOk) {
        return status;
    }
    const std::vector<Card> cards = source.cards();
    if (cards.empty()) {
        err << "rosmossel-cli: " << ChooseCard(cards, std::nullopt).problem << "\n";
        return kExitNoCard;
    }
    std::vector<CardResult> results;
    for (const Card& card : cards) {
        results.push_back(WriteCard(card, files, [&] { return source.cards(); }));
        PrintCardResult(results.back(), std::nullopt, {}, asJson, out);
    }
    printSummary(results, asJson, out, err);
    return BatchExitStatus(results);
}

int RunEachCard(const CardSource& source, const std::string& profilePath,
                const EachCardOptions& options, std::ostream& out, std::ostream& err) {
    std::vector<PlannedFile> files;
    if (const int status = BuildProfileFiles(profilePath, files, err); status != kExitOk) {
        return status;
    }
    if (!options.asJson) {
        out << "Waiting for cards; each card inserted is written once. Press Ctrl-C to stop."
            << std::endl;
    }
    std::vector<CardResult> results;
    HandledCards handled;
    const auto done = [&] {
        return options.stop() ||
               (options.count && static_cast<int>(results.size()) >= *options.count);
    };
    while (!done()) {
        const std::vector<Card> cards = options.look ? options.look() : source.cards();
        for (const Card& card : handled.newCards(cards)) {
            if (done()) {
                break;
            }
            handled.add(card);
            results.push_back(WriteCard(card, files, [&] { return source.cards(); }));
            std::optional<EjectResult> ejected;
            if (results.back().outcome == CardOutcome::Written) {
                ejected = source.eject(card);
            }
            PrintCardResult(results.back(), static_cast<int>(results.size()),
                            LineNoteText(results.back(), ejected, kEnglish), options.asJson, out);
        }
        if (!done()) {
            options.pause();
        }
    }
    printSummary(results, options.asJson, out, err);
    return BatchExitStatus(results);
}

int RunEachCardWatched(const CardSource& source, const std::string& profilePath,
                       std::optional<int> count, bool asJson, std::ostream& out,
                       std::ostream& err) {
    std::mutex mutex;
    std::condition_variable wake;
    bool changed = false;
    CardWatcher watcher(source, [&] {
        {
            const std::lock_guard lock(mutex);
            changed = true;
        }
        wake.notify_all();
    });
    watcher.start();
    watcher.waitForFirstLook(kFirstLookLimit);
    interrupted = false;
    std::signal(SIGINT, onInterrupt);
    EachCardOptions options;
    options.count = count;
    options.asJson = asJson;
    options.look = [&] { return watcher.cards(); };
    options.stop = [] { return interrupted.load(); };
    // Until the watcher sees a change; a signal handler cannot notify, so
    // the wait wakes now and then to see Ctrl-C.
    options.pause = [&] {
        std::unique_lock lock(mutex);
        while (!changed && !interrupted) {
            wake.wait_for(lock, kInterruptCheck);
        }
        changed = false;
    };
    const int status = RunEachCard(source, profilePath, options, out, err);
    std::signal(SIGINT, SIG_DFL);
    return status;
}

} // namespace rosmossel::cli
