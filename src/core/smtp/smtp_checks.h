#pragma once

#include "core/smtp/smtp_file.h"
#include "core/text/messages.h"

#include <optional>

namespace rosmossel {

// The checks of the e-mail Generate button, in their order; the first failure.
// The APN is required only in manual mode (the preset supplies it otherwise);
// the GPRS account and password are never required.
std::optional<Message> CheckSmtpGenerate(const SmtpSettings& settings, bool manualMode);

} // namespace rosmossel
