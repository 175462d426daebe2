#include "core/menu/menu_decode.h"

#include "core/format/crc16.h"
#include "core/menu/menu_fields.h"

#include <algorithm>
#include <string>

namespace rosmossel {
namespace {

class FieldReader {
  public:
    FieldReader(const FileRecord& record, Verdict& verdict) : record_(record), verdict_(verdict) {}

    // The byte at `offset`, reported as a problem when outside min..max.
    int field(std::size_t offset, const char* name, int min, int max) {
        const int value = record_[offset];
        if (value < min || value > max) {
            verdict_.problems.push_back("byte " + std::to_string(offset) + " (" + name + ") is " +
                                        std::to_string(value) + ", expected " +
                                        std::to_string(min) + " to " + std::to_string(max));
        }
        return value;
    }

  private:
    const FileRecord& record_;
    Verdict& verdict_;
};

} // namespace

MenuDecoded DecodeMenuFile(std::span<const std::uint8_t> bytes, Family family) {
    MenuDecoded out;
    Verdict& v = out.verdict;
    v.length = bytes.size();
    v.expectedLength = kRecordSize;
    if (bytes.size() != kRecordSize) {
        v.problems.push_back("the file is " + std::to_string(bytes.size()) +
                             " bytes long, a camera-menu file is " + std::to_string(kRecordSize));
        return out;
    }
    const FileRecord record = RecordAt(bytes, 0);
    v.lineEndsOk = record[58] == 0x0D && record[59] == 0x0A;
    v.storedCheck = StoredCheck(record);
    v.computedCheck = SettingsCrc16(std::span(record).first(kPayloadSize));
    v.checkOk = v.storedCheck == v.computedCheck;
    if (!v.lineEndsOk) {
        v.problems.emplace_back("bytes 58 and 59 are not a carriage return and a line feed");
    }
    if (!v.checkOk) {
        v.problems.emplace_back("the check value does not match the contents");
    }
    if (!std::all_of(record.begin() + 33, record.begin() + 56,
                     [](std::uint8_t b) { return b == 0; })) {
        v.problems.emplace_back("bytes 33 to 55 are not all zero");
    }
    if (record == BuildFactoryMenuRecord()) {
        out.factory = true;
        return out;
    }

    FieldReader r(record, v);
    MenuSettings s;
    s.family = family;
    // Problems are reported in file order.
    std::vector<const MenuFieldInfo*> fields;
    for (const MenuFieldInfo& field : MenuFields(family)) {
        fields.push_back(&field);
    }
    std::stable_sort(
        fields.begin(), fields.end(),
        [](const MenuFieldInfo* a, const MenuFieldInfo* b) { return a->offset < b->offset; });
    for (const MenuFieldInfo* field : fields) {
        if (field->field == MenuField::IntervalUnit) {
            continue; // read with the interval
        }
        int& value = field->value(s);
        if (field->field == MenuField::Interval) {
            // Bit 7 set means seconds.
            s.intervalUnit = record[field->offset] >= 128 ? 0 : 1;
            const int bias = s.intervalUnit == 0 ? 128 : 0;
            value = r.field(field->offset, field->label, MinimumInterval(s.intervalUnit) + bias,
                            field->max + bias) -
                    bias;
            continue;
        }
        value = r.field(field->offset, field->label, field->min + field->bias,
                        field->max + field->bias) -
                field->bias;
        if (field->field == MenuField::ClockDay && s.clock.month >= 1 && s.clock.month <= 12 &&
            s.clock.day > DaysInMonth(s.clock.year, s.clock.month)) {
            v.problems.push_back("the clock's day " + std::to_string(s.clock.day) +
                                 " does not exist in month " + std::to_string(s.clock.month) +
                                 " of " + std::to_string(s.clock.year));
        }
    }
    if (family != Family::Quill) {
        r.field(MenuFieldOf(MenuField::BeepSound).offset, "beep sound (always 0 on Sedge)", 0, 0);
        r.field(MenuFieldOf(MenuField::SdCycle).offset, "SD cycle (always 0 on Sedge)", 0, 0);
    }
    out.settings = s;
    return out;
}

} // namespace rosmossel
