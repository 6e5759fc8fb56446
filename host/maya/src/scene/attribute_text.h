#pragma once
// Attribute values as setAttr/getAttr words: the one place that knows how each kind of
// attribute is written in commands and scene files and read back.
//   numbers, booleans, enums (stored integer), time (UI unit)   -> plain words
//   numeric compounds ("double3", "float3", colours ...)         -> -type "double3" x y z
//   other compounds                                               -> their leaves in child order
//   typed data: "string", "matrix", "pointArray", "nurbsCurve", "mesh"
#include <maya/MPlug.h>
#include <maya/MStatus.h>

#include <string>
#include <vector>

namespace scene {

// Reads one value for `plug` from words[next...] (advancing next). `type` is the -type flag's
// value or empty.
MStatus setPlugFromWords(const MPlug& plug, const std::string& type,
                         const std::vector<std::string>& words, size_t& next, std::string& error);

// The -type a value of this plug has when the line leaves it out: "polyFaces" for a mesh's
// face list (Maya writes -type only on the first line of a long list); else empty.
std::string impliedDataType(const MPlug& plug);

// Numbers for consecutive elements shaped like `element` (numbers or numeric compounds), read
// from all the words and converted to the host's units; false if a word does not fit.
bool arrayNumbersFromWords(const MPlug& element, const std::vector<std::string>& words,
                           std::vector<double>& numbers);

// Number of words a plain (untyped) value of the plug takes; 0 for typed data.
size_t valueWordCount(const MPlug& plug);

// The text after the plug name in a setAttr line: "-type \"string\" \"abc\"", "1 2 3" ...
// False when the value cannot be written (null data, unsupported kind).
bool plugValueText(const MPlug& plug, std::string& text);

// getAttr's answer: numbers for numeric plugs and compounds, or a string.
MStatus plugValues(const MPlug& plug, std::vector<double>& numbers, std::string& text, bool& isText,
                   std::string& error);

// "-at \"double\" -dv 2" style flags describing a dynamic attribute for addAttr.
bool addAttrFlags(const MObject& attribute, std::string& flags);

} // namespace scene
