// Export macro of libtessilo40.so: exported classes, functions and variables carry TESSILO40_API.
#pragma once

#define TESSILO40_API __attribute__((visibility("default")))
