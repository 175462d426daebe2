#pragma once

// The local time of the machine, each system's own way (local_time_posix.cpp,
// local_time_windows.cpp, chosen by CMake).

#include <ctime>

namespace rosmossel {

std::tm LocalTimeOf(std::time_t time);

} // namespace rosmossel
