#pragma once

#include "core/session/preferences.h"

#include <map>
#include <string>

namespace rosmossel::testing {

// A preference key in memory that can be absent, refuse to be created, or
// refuse writes, as a registry key without access rights does.
class MemoryStore final : public PreferenceStore {
  public:
    bool exists = false;
    bool creatable = true;
    bool writable = true;
    std::map<std::string, std::uint32_t, std::less<>> numbers;
    std::map<std::string, std::string, std::less<>> texts;
    int writeCount = 0;

    bool Open() override {
        open_ = exists;
        return open_;
    }
    bool Create() override {
        if (!creatable) {
            return false;
        }
        exists = true;
        open_ = true;
        return true;
    }
    void Close() override { open_ = false; }
    std::optional<std::uint32_t> ReadNumber(std::string_view name) override {
        const auto it = numbers.find(name);
        if (!open_ || it == numbers.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    bool WriteNumber(std::string_view name, std::uint32_t value) override {
        if (!open_ || !writable) {
            return false;
        }
        ++writeCount;
        numbers[std::string(name)] = value;
        return true;
    }
    std::optional<std::string> ReadText(std::string_view name) override {
        const auto it = texts.find(name);
        if (!open_ || it == texts.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    bool WriteText(std::string_view name, std::string_view text) override {
        if (!open_ || !writable) {
            return false;
        }
        ++writeCount;
        texts[std::string(name)] = std::string(text);
        return true;
    }

    // A key as a previous run leaves it.
    static MemoryStore Complete(std::uint32_t language, std::uint32_t model,
                                std::uint32_t tvMode = 0) {
        MemoryStore store;
        store.exists = true;
        store.numbers = {{"language", language}, {"model", model}, {"TvMode", tvMode}};
        store.texts = {{"Company", std::string(kCompanyName)}};
        return store;
    }

  private:
    bool open_ = false;
};

} // namespace rosmossel::testing
