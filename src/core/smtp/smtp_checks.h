#pragma once

#include "core/smtp/smtp_file.h"
#include "core/text/messages.h"

#include <optional>

namespace rosmossel {

// The checks of the e-mail Generate button, in their order; the first failure,
// with the text it is about.
// The APN is required only in manual mode (the preset supplies it otherwise);
// the GPRS account and password are never required.
using SmtpProblem = TextProblem<SmtpText>;
std::optional<SmtpProblem> CheckSmtpGenerate(const SmtpSettings& settings, bool manualMode);

} // namespace rosmossel
