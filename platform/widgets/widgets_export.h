#pragma once

#if defined(VESTRA_WIDGETS_BUILD)
#define VESTRA_WIDGETS_EXPORT __attribute__((visibility("default")))
#else
#define VESTRA_WIDGETS_EXPORT __attribute__((visibility("default")))
#endif
