#include "core/menu/local_time.h"

namespace rosmossel {

std::tm LocalTimeOf(std::time_t time) {
    std::tm local{};
    localtime_s(&local, &time);
    return local;
}

} // namespace rosmossel
