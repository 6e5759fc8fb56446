#pragma once
// A scene for viewport tests: the test plug-in loaded once, a camera at the origin looking down
// -Z whose film is 1 inch square behind a 12.7 mm lens (a 90 degree view, fitted horizontally),
// and one fixtureLine locator 10 units in front of it, 5 long along +X. In a 200 x 200 port the
// line runs from window (100, 100) to (150, 100).
#include <string>

namespace viewtest {

constexpr int kPort = 200;

// Loads the test plug-in (once per process) and opens a fresh scene made from `extra` appended to
// the camera-and-locator scene above. Fails the current test on error.
void openFixtureScene(const std::string& extra = "");

// A path in the temporary folder that belongs to this test process.
std::string tempPath(const std::string& name);

// Writes `text` to a new file in the test's temporary folder and returns its path.
std::string writeTempFile(const std::string& name, const std::string& text);

extern const char* const kFixtureSceneText;

} // namespace viewtest
