#pragma once
// Every scene test starts from a new scene with the test node types loaded.
#include <hostkit/host.h>
#include <hostkit/scene.h>
#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>

#include <gtest/gtest.h>

#include <string>

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Runs MEL and expects it to succeed.
    static void mel(const std::string& commands);
    static MObject node(const std::string& name);
    static MPlug plug(const std::string& path);
    static double number(const std::string& path);
    // A file name of this process's own in the test temporary directory.
    static std::string tempPath(const std::string& name);
};

// A path to a DAG node (invalid for any other node).
MDagPath pathTo(const MObject& node);
