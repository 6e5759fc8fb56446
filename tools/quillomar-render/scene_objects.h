#pragma once
// The statements of a ray-cast scene: camera, objects, materials, instances, contour functions,
// background and render options. Names refer to items defined on earlier lines.
#include "scene_words.h"

#include <rayhost/network.h>
#include <rayhost/render.h>
#include <rayhost/scene.h>

#include <map>
#include <string>

namespace quillomar {

class ObjectStatements {
public:
    ObjectStatements(const rayhost::ShaderNetwork& network, rayhost::Scene& scene,
                     rayhost::RenderSettings& options)
        : network_(network), scene_(scene), options_(options) {}

    // Runs the statement when its verb is one of these and says whether it was. Throws
    // SceneError.
    bool statement(const Words& words, int line);
    // What can be checked only once every line is read; throws LineError.
    void finish() const;
    bool hasInstances() const { return !scene_.instances.empty(); }

private:
    const rayhost::ShaderNetwork& network_;
    rayhost::Scene& scene_;
    rayhost::RenderSettings& options_;
    std::map<std::string, std::size_t> objects_, materials_, instances_;
    int storeLine_ = 0, contrastLine_ = 0;

    void camera(const Words& words);
    void object(const Words& words);
    void meshStatement(const Words& words);
    void material(const Words& words);
    void instance(const Words& words);
    void placement(const Words& words);
    void contour(const Words& words, int line);
    void option(const Words& words);

    rayhost::Mesh& mesh(const std::string& name);
    rayhost::ObjectInstance& placed(const std::string& name);
    rayhost::InstanceId shader(const std::string& name) const;
};

} // namespace quillomar
