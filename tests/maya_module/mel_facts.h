#pragma once
// What the module's MEL scripts say about attributes and procedures, read from their text: enough
// to check them against the plug-in's node types without a MEL interpreter.
#include <set>
#include <string>
#include <vector>

namespace melcheck {

// A control made for one child of an array element, e.g.
//   attrColorSliderGrp -label "Mask Color" -attribute ($element + ".aspectMaskColor");
struct ElementControl {
    std::string command; // "attrColorSliderGrp"
    std::string child;   // "aspectMaskColor"
};

// An attribute path added to a variable: ($reticle + ".text[0].textType").
struct AttributeSuffix {
    std::string variable; // "reticle"
    std::string suffix;   // ".text[0].textType"
};

struct MelFacts {
    std::set<std::string> procedures;          // every proc and global proc defined
    std::vector<std::string> added;            // editorTemplate -addControl "attr"
    std::vector<std::string> changeCommands;   // editorTemplate -addControl "attr" "proc"
    std::vector<std::string> suppressed;       // editorTemplate -suppress "attr"
    std::vector<std::string> dimmed;           // editorTemplate -dimControl $node "attr"
    std::vector<std::string> customAttributes; // editorTemplate -callCustom "new" "replace" "attr"
    std::vector<std::string> customProcedures; // the "new" and "replace" of every -callCustom
    std::vector<ElementControl> elementControls;
    std::vector<AttributeSuffix> attributeSuffixes; // every ($x + ".name") and ($x[0] + ".a[1].b")
    std::vector<std::string> createdTypes;          // createNode TYPE, deformer -type TYPE
    std::vector<std::string> images;                // "name.png"
    // Structure: unbalanced braces or layouts, statements that do not end, as messages.
    std::vector<std::string> structureErrors;
};

// Comments are removed first; string literals are kept whole.
MelFacts readMel(const std::string& text);
MelFacts readMelFile(const std::string& path);

} // namespace melcheck
