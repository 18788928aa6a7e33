// The Windows API as the programs include it: without the min and max macros, which would
// clash with std::min and std::max, and without the parts of it nobody here uses. Windows only.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
