#include "core/menu/local_time.h"

namespace rosmossel {

std::tm LocalTimeOf(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    return local;
}

} // namespace rosmossel
