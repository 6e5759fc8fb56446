#pragma once
// Basic types, version and helper typedefs shared by the whole API.
#include <cstddef>

#define MAYA_API_VERSION 20190000

// Deprecated members still compile, but warn where the real devkit warns.
#define OPENMAYA_DEPRECATED(version, message) [[deprecated(message)]]

class MStatus;

typedef long long MInt64;
typedef unsigned long long MUint64;

typedef float float2[2];
typedef float float3[3];
typedef double double2[2];
typedef double double3[3];
typedef double double4[4];
typedef int int2[2];
typedef int int3[3];
typedef short short2[2];
typedef short short3[3];

typedef void* (*MCreatorFunction)();
typedef MStatus (*MInitializeFunction)();

class MSpace {
public:
    enum Space {
        kInvalid = 0,
        kTransform = 1,
        kPreTransform = 2,
        kPostTransform = 3,
        kWorld = 4,
        kObject = kPreTransform,
        kLast = 5
    };
};
