#pragma once

#if defined(VESTRA_MEMAPI_BUILD)
#define VESTRA_MEMAPI_EXPORT __attribute__((visibility("default")))
#else
#define VESTRA_MEMAPI_EXPORT __attribute__((visibility("default")))
#endif
