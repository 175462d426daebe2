#pragma once

// The keys of a profile for the values of the three files. They are the
// profile's: the core's field tables name their values only in its own
// messages.

#include "core/menu/menu_fields.h"
#include "core/mms/setup_file.h"
#include "core/smtp/smtp_file.h"

#include <array>
#include <cstddef>
#include <string>

namespace rosmossel::profile {

// The menu values in the order of MenuField: the serial characters and the
// clock parts are one value each.
// clang-format off
inline constexpr std::array<const char*, 34> kMenuKeys{
    "camera_mode", "image_size", "video_size", "pictures_per_trigger", "video_length_seconds",
    "time_stamp", "interval", "interval_unit", "sense_level", "side_pir", "timer",
    "timer_start_hour", "timer_start_minute", "timer_stop_hour", "timer_stop_minute",
    "serial_number", "serial_characters", "serial_characters", "serial_characters",
    "serial_characters", "time_lapse", "time_lapse_hours", "time_lapse_minutes",
    "time_lapse_seconds", "clock", "clock", "clock", "clock", "clock", "clock", "beep_sound",
    "sd_cycle", "language", "tv_mode"};
// clang-format on
static_assert(kMenuKeys.size() == static_cast<std::size_t>(MenuField::TvMode) + 1);
inline const char* KeyOf(MenuField field) {
    return kMenuKeys[static_cast<std::size_t>(field)];
}

// The texts of a section, in the order they are read and written.
template <typename Settings> struct TextKey {
    std::string Settings::*member;
    const char* key;
};
inline constexpr std::array<TextKey<MmsSettings>, 10> kMmsTexts{{
    {&MmsSettings::url, "url"},
    {&MmsSettings::apn, "apn"},
    {&MmsSettings::gateway, "gateway"},
    {&MmsSettings::port, "port"},
    {&MmsSettings::phone, "phone"},
    {&MmsSettings::email, "email"},
    {&MmsSettings::account, "account"},
    {&MmsSettings::password, "password"},
    {&MmsSettings::recipient2, "recipient2"},
    {&MmsSettings::recipient3, "recipient3"},
}};
inline constexpr std::array<TextKey<SmtpSettings>, 8> kSmtpTexts{{
    {&SmtpSettings::apn, "gprs_apn"},
    {&SmtpSettings::account, "gprs_account"},
    {&SmtpSettings::gprsPassword, "gprs_password"},
    {&SmtpSettings::server, "smtp_server"},
    {&SmtpSettings::port, "smtp_port"},
    {&SmtpSettings::senderAddress, "sender_address"},
    {&SmtpSettings::senderPassword, "sender_password"},
    {&SmtpSettings::recipient, "recipient"},
}};

// The header values both connection sections hold.
inline constexpr const char* kPictures = "pictures_per_day";
inline constexpr const char* kHours = "sms_remote_control";

} // namespace rosmossel::profile
