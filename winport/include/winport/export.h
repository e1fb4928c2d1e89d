// Export macro of the platform library: its public API is visible, everything else hidden.
#pragma once

#define WINPORT_API __attribute__((visibility("default")))
