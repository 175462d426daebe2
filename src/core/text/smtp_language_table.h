#pragma once

#include "core/text/language_table.h"

namespace rosmossel {

// Control identifiers of the e-mail (SMTP) dialogs.
namespace smtp_id {
using dialog_id::Exit;
inline constexpr int PictureCount = 1002;
inline constexpr int Apn = 1003;
inline constexpr int Account = 1004;
inline constexpr int GprsPassword = 1005;
inline constexpr int Server = 1006;
inline constexpr int Port = 1007;
inline constexpr int SenderPassword = 1008;
inline constexpr int SenderAddress = 1009;
inline constexpr int Recipient = 1012;
inline constexpr int Folder = 1017;
inline constexpr int ModeLabel = 1086;
inline constexpr int Mode = 1087;
inline constexpr int Country = 1088;
inline constexpr int PictureCountLabel = 1089;
inline constexpr int UnlimitedNote = 1090;
inline constexpr int CountryLabel = 1091;
inline constexpr int OperatorLabel = 1092;
inline constexpr int Operator = 1093;
inline constexpr int ApnLabel = 1097;
inline constexpr int AccountLabel = 1098;
inline constexpr int GprsPasswordLabel = 1099;
inline constexpr int ServerLabel = 1100;
inline constexpr int PortLabel = 1101;
inline constexpr int SenderPasswordLabel = 1102;
inline constexpr int SenderAddressLabel = 1103;
inline constexpr int SenderFrame = 1104;
inline constexpr int RecipientFrame = 1105;
inline constexpr int RecipientLabel = 1106;
inline constexpr int RemoteControlLabel = 1107; // Quill only
inline constexpr int Select = 1111;
inline constexpr int Generate = 1112;
inline constexpr int MmsModeLabel = 1113;  // Quill only, "MMS Mode" in every language
inline constexpr int MmsSendMode = 1114;   // Quill only: header byte 6
inline constexpr int RemoteControl = 1115; // Quill only: header byte 7
} // namespace smtp_id

// The e-mail catalogue of one family: the shared captions, the Quill
// dialog's remote-control caption, and the language-dependent lists (the APN
// mode, and on Quill the MMS send mode and the remote-control hours). The
// country and operator lists are not here: they are the same in every
// language and come from the GPRS presets.
const LanguageTable& SmtpLanguageTable(Family family);

} // namespace rosmossel
