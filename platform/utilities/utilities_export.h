#pragma once

#if defined(VESTRA_UTILITIES_BUILD)
#define VESTRA_UTILITIES_EXPORT __attribute__((visibility("default")))
#else
#define VESTRA_UTILITIES_EXPORT
#endif
