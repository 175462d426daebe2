#pragma once

// What the tool says about each card of a batch and about the batch, in the
// nine languages (the CLI speaks English).

#include "core/card/card_batch.h"

#include <span>
#include <string>

namespace rosmossel {

// "written: menu.dat, setup.dat", or why the card was not written.
std::string CardOutcomeText(const CardResult& result, int language);
// "2 of 3 cards written; not written: CAMB", or that all were; names each
// card that failed by its label (its root where it has none).
std::string BatchSummaryText(std::span<const CardResult> results, int language);

} // namespace rosmossel
