#pragma once

#include "core/format/file_record.h"
#include "core/format/multi_record.h"
#include "core/format/preset_table.h"
#include "core/format/verdict.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rosmossel {

// One value of the header record of setup.dat or smtp.dat: where it lives,
// its name in a builder's message, its name in a decoder's problem, and its
// range or list.
struct HeaderField {
    std::size_t offset;
    const char* name;
    const char* label;
    int min;
    int max;
    const std::vector<std::string>* entries = nullptr; // a list's English entries, in index order
};

// The byte of `field`, noted as a problem when outside its range; `label`
// replaces the field's own name where the range depends on other values.
int ReadHeaderField(const FileRecord& header, const HeaderField& field, int min, int max,
                    Verdict& verdict, const std::string& label = {});
int ReadHeaderField(const FileRecord& header, const HeaderField& field, Verdict& verdict);

// `value` checked against the field's own range.
inline HeaderValue WithinField(const HeaderField& field, int value) {
    return {field.name, value, field.min, field.max};
}

// The country and operator bytes of a preset choice: kManualCountry with
// operator 0, or a country of `table` and one of its operators. Empty when
// they are, else a message naming the value.
template <typename Preset>
std::string CheckPresetChoice(const HeaderField& country, const HeaderField& op, int countryIndex,
                              int operatorIndex, const PresetTable<Preset>& table) {
    if (countryIndex == kManualCountry) {
        return CheckHeaderValues({{op.name, operatorIndex, 0, 0}});
    }
    const bool known = countryIndex >= 0 && countryIndex < kCountryCount;
    const int operators = known ? table[static_cast<std::size_t>(countryIndex)].count : 1;
    return CheckHeaderValues(
        {WithinField(country, countryIndex), {op.name, operatorIndex, 0, operators - 1}});
}

// Values both files hold the same way. Pictures per day take two bytes: the
// tens at the field's offset, the units after them.
const HeaderField& PicturesPerDayField();
const HeaderField& HeaderLanguageField();
void WritePicturesPerDay(FileRecord& header, int value);
int ReadPicturesPerDay(const FileRecord& header, Verdict& verdict);

} // namespace rosmossel
