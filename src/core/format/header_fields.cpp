#include "core/format/header_fields.h"

#include "core/format/multi_record.h"

namespace rosmossel {

int ReadHeaderField(const FileRecord& header, const HeaderField& field, int min, int max,
                    Verdict& verdict, const std::string& label) {
    return ReadHeaderByte(header, field.offset, label.empty() ? field.label : label.c_str(), min,
                          max, verdict);
}

int ReadHeaderField(const FileRecord& header, const HeaderField& field, Verdict& verdict) {
    return ReadHeaderField(header, field, field.min, field.max, verdict);
}

const HeaderField& PicturesPerDayField() {
    static const HeaderField field{3, "pictures_per_day", "pictures per day", 0, 99};
    return field;
}

const HeaderField& HeaderLanguageField() {
    static const HeaderField field{5, "language", "language", 1, 9};
    return field;
}

void WritePicturesPerDay(FileRecord& header, int value) {
    const std::size_t at = PicturesPerDayField().offset;
    header[at] = LowByte(value / 10);
    header[at + 1] = LowByte(value % 10);
}

int ReadPicturesPerDay(const FileRecord& header, Verdict& verdict) {
    const HeaderField& field = PicturesPerDayField();
    const std::string label = field.label;
    const int tens = ReadHeaderField(header, field, 0, 9, verdict, label + ", tens");
    HeaderField units = field;
    units.offset += 1;
    return tens * 10 + ReadHeaderField(header, units, 0, 9, verdict, label + ", units");
}

} // namespace rosmossel
