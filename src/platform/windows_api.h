#pragma once

// The Windows API (NOMINMAX comes from the build).
#include <windows.h>
