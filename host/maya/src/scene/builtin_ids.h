#pragma once
// Type ids of the host's built-in node types, from a block plug-ins never use.

namespace scene {

constexpr unsigned int kTransformId = 0x54524e53; // "TRNS"
constexpr unsigned int kCameraId = 0x4443414d;    // "DCAM"
constexpr unsigned int kMeshId = 0x444d5348;      // "DMSH"
constexpr unsigned int kCurveId = 0x4e435256;     // "NCRV"
constexpr unsigned int kTimeId = 0x54494d45;      // "TIME"
constexpr unsigned int kCheckerId = 0x52544843;   // "RTHC"
constexpr unsigned int kRampId = 0x524d5052;      // "RMPR"
constexpr unsigned int kNoiseId = 0x52534e4f;     // "RSNO"
// Poly creation nodes and the history nodes the host knows, each numbered on from here.
constexpr unsigned int kPolyCreatorIds = 0x50435230;  // "PCR0"
constexpr unsigned int kPolyModifierIds = 0x504d4430; // "PMD0"
constexpr unsigned int kJointId = 0x4a4f4e54;         // "JONT"
constexpr unsigned int kConstraintId = 0x50434e53;    // "PCNS"
constexpr unsigned int kUnknownId = 0x554e4b4e;       // "UNKN"
constexpr unsigned int kUnknownDagId = 0x554e4b44;    // "UNKD"

} // namespace scene
