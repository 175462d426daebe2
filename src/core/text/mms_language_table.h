#pragma once

#include "core/text/language_table.h"

namespace rosmossel {

// Control identifiers of the MMS dialogs (both families).
namespace mms_id {
using dialog_id::Exit;
using dialog_id::Generate;
inline constexpr int Url = 1001;
inline constexpr int Apn = 1002;
inline constexpr int Gateway = 1003;
inline constexpr int Port = 1004;
inline constexpr int Account = 1005;
inline constexpr int PhoneNo = 1006;
inline constexpr int Email = 1007;
inline constexpr int Password = 1008;
inline constexpr int Recipient2 = 1009;
inline constexpr int Recipient3 = 1010;
inline constexpr int Folder = 1012;
inline constexpr int ModeLabel = 1039;
inline constexpr int StatusLabel = 1040;
inline constexpr int Mode = 1041;
inline constexpr int Status = 1042;
inline constexpr int CountryLabel = 1043;
inline constexpr int OperatorLabel = 1044;
inline constexpr int Country = 1045;
inline constexpr int Operator = 1046;
inline constexpr int UrlLabel = 1047;
inline constexpr int GatewayLabel = 1048;
inline constexpr int PortLabel = 1049;
inline constexpr int PhoneNoLabel = 1050;
inline constexpr int EmailLabel = 1051;
inline constexpr int AccountLabel = 1052;
inline constexpr int PasswordLabel = 1053;
inline constexpr int Recipient2Label = 1054;
inline constexpr int Recipient3Label = 1055;
inline constexpr int ConnectionKind = 1056;
inline constexpr int Select = 1057;
inline constexpr int Frame = 1058;
inline constexpr int PicturesLabel = 1059;
inline constexpr int NumberKind = 1060;
inline constexpr int RemoteControlHours = 1061;
inline constexpr int PicturesPerDay = 1074;
inline constexpr int PicturesNote = 1075;
inline constexpr int RemoteControlLabel = 1084; // Quill only
inline constexpr int HoursUnit = 1085;          // Quill only, "H" in every language
} // namespace mms_id

// The MMS catalogue of one family: the shared captions, the Quill dialog's
// SMS remote-control caption, and the family's option lists (the country and
// operator lists come from the operator presets).
const LanguageTable& MmsLanguageTable(Family family);

} // namespace rosmossel
