// The Maya stand-in's scene reader on any text, with the plug-in loaded so that scenes can make
// its nodes: the scene is read (bad lines reported and skipped), the meshes and locators a
// viewport would draw are gathered (which evaluates deformers), and the scene is written back
// out as text.
#include <hostkit/host.h>
#include <hostkit/scene.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string scenePath;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string error;
    if (!hostkit::loadPlugin(QUILLOMAR_PLUGIN_PATH, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::abort();
    }
    char name[] = "/tmp/quillomar-fuzz-XXXXXX.ma";
    const int file = mkstemps(name, 3);
    if (file < 0)
        std::abort();
    close(file);
    scenePath = name;
    std::atexit([] { std::remove(scenePath.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FILE* file = std::fopen(scenePath.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
    if (!hostkit::openScene(scenePath))
        return 0;
    hostkit::meshes();
    hostkit::locators();
    hostkit::sceneText();
    return 0;
}
