#include "core/camera/camera_lists.h"

namespace rosmossel {

std::vector<std::string> EntriesOf(std::span<const std::string_view> entries) {
    return {entries.begin(), entries.end()};
}

const std::vector<std::string>& ApnModeList() {
    static const std::vector<std::string> list = EntriesOf(kApnModes);
    return list;
}

const std::vector<std::string>& MmsSendModeList(bool quill) {
    static const std::vector<std::string> quillList = EntriesOf(kQuillMmsSendModes);
    static const std::vector<std::string> sedgeList = EntriesOf(kSedgeMmsSendModes);
    return quill ? quillList : sedgeList;
}

HeaderField SmsRemoteControlField(std::size_t offset, bool quill) {
    if (quill) {
        return {offset, "sms_remote_control", "SMS remote control",
                0,      kSmsRemoteControlOff, &SmsRemoteControlList()};
    }
    return {offset, "sms_remote_control", "SMS remote control (always 0 on Sedge)", 0, 0};
}

const std::vector<std::string>& SmsRemoteControlList() {
    static const std::vector<std::string> list = EntriesOf(kSmsRemoteControlEntries);
    return list;
}

} // namespace rosmossel
