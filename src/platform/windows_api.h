#pragma once

// The Windows API, without the min and max macros that would hide the
// standard library's.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
