#pragma once
// Checks of the plug-in's environment and local time calls (plugins/src/platform.h). The same
// checks run natively under GoogleTest and as a Windows program under Wine, so both builds of
// those calls are held to one contract.
#include <string>
#include <vector>

// Runs every check; returns one line per failed expectation (empty when all hold). Sets the
// process's time zone to UTC and changes (then restores the absence of) a few
// QUILLOMAR_PLATFORM_* environment variables.
std::vector<std::string> checkPlatformCalls();
