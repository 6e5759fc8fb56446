#pragma once
// Paths of the built modules the tests load, given by the build.
inline const char* const kSignPluginPath = QUILLOMAR_PLUGIN_PATH;
inline const char* const kSignIdTakerPath = QUILLOMAR_ID_TAKER_PATH;
