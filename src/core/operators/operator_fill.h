#pragma once

// A connection chosen from the carrier database, put into the texts a
// settings file stores: all of them, or none.

#include "core/mms/setup_file.h"
#include "core/operators/operator_database.h"
#include "core/smtp/smtp_file.h"

#include <optional>

namespace rosmossel {

// Stores the six MMS connection texts (url, apn, gateway, port, account,
// password) in `codePage` into `settings`. Where one does not fit its field,
// or holds a character the code page cannot store, nothing is changed and
// that text is returned: a value cut short would connect nowhere.
std::optional<MmsText> FillMmsConnection(MmsSettings& settings,
                                         const OperatorConnection& connection, int codePage);
// The same for the e-mail set-up's GPRS connection: APN, account, password.
std::optional<SmtpText> FillGprsConnection(SmtpSettings& settings,
                                           const OperatorConnection& connection, int codePage);

} // namespace rosmossel
