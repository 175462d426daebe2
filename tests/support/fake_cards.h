#pragma once

// Cards a test puts in and takes out, and the eject outcome it plays.

#include "core/card/card.h"

#include <vector>

namespace rosmossel::testing {

class FakeCardSource : public CardSource {
  public:
    std::vector<Card> inserted;
    EjectResult ejectResult{EjectOutcome::Ejected, {}};
    mutable std::vector<std::string> ejected; // the roots asked to eject

    std::vector<Card> cards() const override { return inserted; }
    EjectResult eject(const Card& card) const override {
        ejected.push_back(card.root);
        return ejectResult;
    }
};

inline Card TestCard(std::string root, std::string label, bool writeProtected = false) {
    return {std::move(root), std::move(label), "FAT32",
            7'948'206'080,   7'400'000'000,    writeProtected ? ReadOnly::LockSwitch : ReadOnly::No,
            "/dev/sdb1"};
}

} // namespace rosmossel::testing
