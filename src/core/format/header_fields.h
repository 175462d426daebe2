#pragma once

#include "core/format/file_record.h"
#include "core/format/verdict.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rosmossel {

// One value of the header record of setup.dat or smtp.dat: where it lives,
// its profile key, its name in a decoder's problem, and its range or list.
struct HeaderField {
    std::size_t offset;
    const char* key;
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

// Values both files hold the same way. Pictures per day take two bytes: the
// tens at the field's offset, the units after them.
const HeaderField& PicturesPerDayField();
const HeaderField& HeaderLanguageField();
void WritePicturesPerDay(FileRecord& header, int value);
int ReadPicturesPerDay(const FileRecord& header, Verdict& verdict);

} // namespace rosmossel
