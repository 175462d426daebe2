#include "core/session/session.h"

namespace rosmossel {

int CurrentLanguage = 2;
int CurrentModel = 1;
int ChineseSystem = 0;
int ChineseChosen = 0;
std::uint32_t TvMode = 0;
int InternationalNumbers = 0;
int PresetCountry = 0;
int PresetOperator = 0;

int FileLanguageCode() {
    return ChineseChosen == 1 ? 1 : (CurrentLanguage & 0xFF);
}

} // namespace rosmossel
