#pragma once

#include "core/mms/setup_file.h"
#include "core/text/messages.h"

#include <optional>

namespace rosmossel {

// The checks of the MMS Generate button, in their order; the first failure,
// with the text it is about.
// With the SMS-only status only the phone numbers are examined; the connection
// fields are examined only in manual mode.
using MmsProblem = TextProblem<MmsText>;
std::optional<MmsProblem> CheckMmsGenerate(const MmsSettings& settings, bool manualMode);

} // namespace rosmossel
