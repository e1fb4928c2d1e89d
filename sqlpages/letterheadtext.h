// The letterhead as the profile holds it: one line, each carriage return stored as byte 0xFF and
// each line feed as byte 0xFE, at most 16383 characters.
#pragma once

#include "tessilo40_api.h"

#include <string>

TESSILO40_API std::string letterHeadToProfile(const char* text);
TESSILO40_API std::string letterHeadFromProfile(const char* stored);
