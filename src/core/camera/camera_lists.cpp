#include "core/camera/camera_lists.h"

namespace rosmossel {

const std::vector<std::string>& ApnModeList() {
    static const std::vector<std::string> list{"Auto", "Manual"};
    return list;
}

const std::vector<std::string>& MmsSendModeList(bool quill) {
    static const std::vector<std::string> quillList{"Off", "VGA", "SMS"};
    static const std::vector<std::string> sedgeList{"Off", "VGA", "QVGA", "SMS"};
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
    static const std::vector<std::string> list = [] {
        std::vector<std::string> entries(kSmsRemoteControlHours.begin(),
                                         kSmsRemoteControlHours.end());
        entries.emplace_back("Off");
        return entries;
    }();
    return list;
}

} // namespace rosmossel
