#pragma once

#include "core/format/safe_writer.h"
#include "core/format/settings_files.h"
#include "core/session/camera_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace rosmossel {

// A message the tool composes: Chinese when the language is 1, English for
// every other language.
struct Message {
    std::string english;
    std::string chinese;

    const std::string& in(int language) const { return language == 1 ? chinese : english; }
    bool operator==(const Message&) const = default;
};

// A Generate check's failure: its message, and the text it is about, named by
// the file's enum of its text fields (the rows of its TextField table).
template <typename Text> struct TextProblem : Message { Text text; };

// The toolkit's prompts for a number box that holds no integer, and for the
// picture count of the e-mail dialogs; Chinese in every language.
inline constexpr std::string_view kIntegerPrompt = "请键入一个整数。";
std::string PictureCountRangePrompt(int min, int max);

// Refuses a value outside min..max with the range message.
std::optional<Message> CheckIntegerRange(int value, int min, int max);

// Longest first phone number: 32 with international numbers, else 11 on the
// Sedge models, 12 on the Quill models, 0 for a model the tool does not know.
int MaxPhoneDigits(int internationalNumbers, CameraModel model);

// Refuses a first phone number longer than MaxPhoneDigits (bytes, every
// character counts).
std::optional<Message> CheckPhoneDigits(std::string_view text, int internationalNumbers,
                                        CameraModel model);

// Refuses a typed character that the system's code page cannot hold,
// naming the field by its caption.
// An e-mail address needs an "@" and a "." somewhere: the message of the
// first that is missing.
std::optional<Message> CheckEmailAddress(std::string_view address);

Message UnstorableCharacterMessage(std::string_view field, std::string_view character);

// Offered when the folder the user picked holds the dialog's file.
Message LoadCardSettingsQuestion(std::string_view fileName);
// What loading settings does not take over as they stand: the clock (the
// dialog keeps the current time), or the connection of automatic mode, which
// is its country's and operator's preset (the texts are not loaded into the
// fields; Generate writes the preset) or differs from it (loaded in manual
// mode). A card's note is added to the question whether to load it; a
// profile's is shown once it is loaded.
enum class LoadNote { None, ClockKept, ConnectionFromPreset, ConnectionOffPreset };
enum class LoadedFrom { Card, Profile };
Message LoadNoteMessage(LoadNote note, LoadedFrom from);

// Where a connection was loaded: its preset's, off the preset (loaded in
// manual mode), or typed in manual mode (nothing to add).
LoadNote ConnectionLoadNote(bool manualMode, bool presetDiffers);

// The dialogs' success messages, starting with the family's camera name:
// menu.dat, setup.dat, smtp.dat, and the factory-settings menu.dat.
Message FileGeneratedMessage(FileKind kind, Family family);
Message FactoryMenuGeneratedMessage(Family family);

// Shown when the MMS dialog's numbers are switched to international ones.
inline const Message kInternationalNumbersNote{
    "Phone number will not be displayed in the camera setup menu",
    "手机号码将不能在相机设置菜单显示"};

// F1 where the guide is not installed; `places` are the folders looked in.
Message GuideMissingMessage(std::string_view places);

// Names the file and the system's reason when a write failed.
Message WriteFailedMessage(const WriteError& error);

// The profile chooser's titles. Saving the settings of `fileName` warns
// where they hold passwords, as the card does: the MMS connection's, the
// e-mail connection's and sender's.
Message SaveProfileTitle(FileKind kind);
inline const Message kOpenProfileTitle{"Open profile", "打开配置"};
// Asked before saving into a profile that exists: only the settings of
// `fileName` in it are replaced; the rest of the profile stays.
Message SaveIntoProfileQuestion(std::string_view path, std::string_view fileName);
Message ProfileSavedMessage(std::string_view path);
// A profile that cannot be read, opened for this dialog or saved into; the
// reason names the key.
Message ProfileRefusedMessage(std::string_view path, std::string_view reason);

} // namespace rosmossel
