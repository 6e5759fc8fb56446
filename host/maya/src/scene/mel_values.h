#pragma once
// Text form of values in MEL commands and scene files: numbers written so that reading them back
// gives the same bits, strings quoted and escaped, and the MEL spellings of booleans.
#include <string>

namespace scene {

std::string formatDouble(double value); // shortest text that reads back to the same double
std::string formatFloat(float value);   // shortest text that reads back to the same float
std::string quoteMel(const std::string& text);

// Whole-word parses: trailing junk or an empty word fails.
bool parseDouble(const std::string& word, double& value);
bool parseInt(const std::string& word, int& value);
bool parseBool(const std::string& word, bool& value); // true/false, on/off, yes/no, numbers

} // namespace scene
