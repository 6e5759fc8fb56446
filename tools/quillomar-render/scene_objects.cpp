#include "scene_objects.h"

#include <limits>

namespace quillomar {

namespace {

rayhost::Vec3 vectorOf(const Words& words, std::size_t first) {
    const std::vector<double> v = triple(words, first);
    return {v[0], v[1], v[2]};
}

// Adds a name to a table of unique names; returns its index.
std::size_t define(std::map<std::string, std::size_t>& table, const std::string& name,
                   std::size_t index, const char* what) {
    if (!table.emplace(name, index).second) {
        throw SceneError(std::string(what) + " \"" + name + "\" exists already");
    }
    return index;
}

std::size_t lookUp(const std::map<std::string, std::size_t>& table, const std::string& name,
                   const char* what) {
    const auto found = table.find(name);
    if (found == table.end()) {
        throw SceneError(std::string("no ") + what + " \"" + name + "\"");
    }
    return found->second;
}

} // namespace

bool ObjectStatements::statement(const Words& words, int line) {
    const std::string& verb = words[0];
    if (verb == "camera") {
        camera(words);
    } else if (verb == "object") {
        object(words);
    } else if (verb == "vertex" || verb == "triangle") {
        meshStatement(words);
    } else if (verb == "material") {
        material(words);
    } else if (verb == "instance") {
        instance(words);
    } else if (verb == "label" || verb == "translate" || verb == "rotate" || verb == "scale") {
        placement(words);
    } else if (verb == "contour") {
        contour(words, line);
    } else if (verb == "option") {
        option(words);
    } else if (verb == "background") {
        if (words.size() != 4 && words.size() != 5) {
            throw SceneError("usage: background R G B [A]");
        }
        scene_.background = {scalar(words[1]), scalar(words[2]), scalar(words[3]),
                             words.size() == 5 ? scalar(words[4]) : 1.0f};
    } else {
        return false;
    }
    return true;
}

void ObjectStatements::finish() const {
    if (storeLine_ != 0 && contrastLine_ == 0) {
        throw LineError(storeLine_, "a contour store needs a contour contrast too");
    }
    if (contrastLine_ != 0 && storeLine_ == 0) {
        throw LineError(contrastLine_, "a contour contrast needs a contour store too");
    }
}

void ObjectStatements::camera(const Words& words) {
    const std::string what = words.size() > 1 ? words[1] : "";
    rayhost::Camera& camera = scene_.camera;
    if (what == "fov") {
        expectCount(words, 3, "camera fov DEGREES");
        const double degrees = number(words[2]);
        if (!(degrees > 0 && degrees < 180)) {
            throw SceneError("a field of view lies between 0 and 180 degrees");
        }
        camera.fieldOfView = degrees;
        return;
    }
    expectCount(words, 5, "camera position|aim|up X Y Z, or camera fov DEGREES");
    if (what == "position") {
        camera.position = vectorOf(words, 2);
    } else if (what == "aim") {
        camera.aim = vectorOf(words, 2);
    } else if (what == "up") {
        camera.up = vectorOf(words, 2);
    } else {
        throw SceneError("usage: camera position|aim|up X Y Z, or camera fov DEGREES");
    }
}

void ObjectStatements::object(const Words& words) {
    const char* usage = "object NAME sphere RADIUS | plane | mesh [smooth]";
    if (words.size() < 3) {
        throw SceneError(std::string("usage: ") + usage);
    }
    rayhost::Shape shape;
    const std::string& kind = words[2];
    if (kind == "sphere") {
        expectCount(words, 4, usage);
        const double radius = number(words[3]);
        if (!(radius > 0)) {
            throw SceneError("a sphere's radius must be positive");
        }
        shape = rayhost::Sphere{radius};
    } else if (kind == "plane") {
        expectCount(words, 3, usage);
        shape = rayhost::Plane{};
    } else if (kind == "mesh" &&
               (words.size() == 3 || (words.size() == 4 && words[3] == "smooth"))) {
        rayhost::Mesh mesh;
        mesh.smooth = words.size() == 4;
        shape = mesh;
    } else {
        throw SceneError(std::string("usage: ") + usage);
    }
    define(objects_, words[1], scene_.objects.size(), "object");
    scene_.objects.push_back({words[1], shape});
}

rayhost::Mesh& ObjectStatements::mesh(const std::string& name) {
    rayhost::Object& object = scene_.objects[lookUp(objects_, name, "object")];
    auto* mesh = std::get_if<rayhost::Mesh>(&object.shape);
    if (mesh == nullptr) {
        throw SceneError("object \"" + name + "\" is not a mesh");
    }
    return *mesh;
}

void ObjectStatements::meshStatement(const Words& words) {
    if (words[0] == "vertex") {
        expectCount(words, 5, "vertex MESH X Y Z");
        mesh(words[1]).vertices.push_back(vectorOf(words, 2));
        return;
    }
    expectCount(words, 5, "triangle MESH A B C");
    rayhost::Mesh& target = mesh(words[1]);
    const int last = static_cast<int>(target.vertices.size()) - 1;
    if (last < 0) {
        throw SceneError("mesh \"" + words[1] + "\" has no vertices yet");
    }
    target.triangles.push_back(
        {integer(words[2], 0, last), integer(words[3], 0, last), integer(words[4], 0, last)});
}

rayhost::InstanceId ObjectStatements::shader(const std::string& name) const {
    return network_.find(name);
}

void ObjectStatements::material(const Words& words) {
    if (words.size() != 3 && words.size() != 4) {
        throw SceneError("usage: material NAME SHADER [CONTOURSHADER]");
    }
    rayhost::Material material{words[1], shader(words[2]), {}};
    if (!rayhost::isMaterialShader(network_, material.shader)) {
        throw SceneError("shader instance \"" + words[2] + "\" is not a material shader");
    }
    if (words.size() == 4) {
        material.contourShader = shader(words[3]);
        if (!rayhost::appliesToContours(network_, *material.contourShader)) {
            throw SceneError("shader instance \"" + words[3] + "\" is not a contour shader");
        }
    }
    define(materials_, words[1], scene_.materials.size(), "material");
    scene_.materials.push_back(material);
}

void ObjectStatements::instance(const Words& words) {
    expectCount(words, 4, "instance NAME OBJECT MATERIAL");
    rayhost::ObjectInstance instance;
    instance.name = words[1];
    instance.object = lookUp(objects_, words[2], "object");
    instance.material = lookUp(materials_, words[3], "material");
    define(instances_, words[1], scene_.instances.size(), "instance");
    scene_.instances.push_back(instance);
}

rayhost::ObjectInstance& ObjectStatements::placed(const std::string& name) {
    return scene_.instances[lookUp(instances_, name, "instance")];
}

void ObjectStatements::placement(const Words& words) {
    const std::string& verb = words[0];
    if (verb == "label") {
        expectCount(words, 3, "label INSTANCE N");
        placed(words[1]).label =
            static_cast<miUint>(integer(words[2], 0, std::numeric_limits<int>::max()));
    } else if (verb == "scale") {
        expectCount(words, 3, "scale INSTANCE S");
        const double scale = number(words[2]);
        if (!(scale > 0)) {
            throw SceneError("a scale must be positive");
        }
        placed(words[1]).transform.scale = scale;
    } else {
        expectCount(words, 5,
                    verb == "translate" ? "translate INSTANCE X Y Z"
                                        : "rotate INSTANCE X Y Z (degrees)");
        rayhost::Transform& transform = placed(words[1]).transform;
        (verb == "translate" ? transform.translate : transform.rotate) = vectorOf(words, 2);
    }
}

void ObjectStatements::contour(const Words& words, int line) {
    expectCount(words, 3, "contour store|contrast NAME");
    const rayhost::InstanceId function = shader(words[2]);
    if (!rayhost::appliesToContours(network_, function)) {
        throw SceneError("shader instance \"" + words[2] + "\" is not a contour function");
    }
    if (words[1] == "store") {
        scene_.contourStore = function;
        storeLine_ = line;
    } else if (words[1] == "contrast") {
        scene_.contourContrast = function;
        contrastLine_ = line;
    } else {
        throw SceneError("usage: contour store|contrast NAME");
    }
}

void ObjectStatements::option(const Words& words) {
    const std::string what = words.size() > 1 ? words[1] : "";
    if (what == "contrast") {
        expectCount(words, 5, "option contrast R G B");
        options_.contrast = {scalar(words[2]), scalar(words[3]), scalar(words[4]),
                             options_.contrast.a};
    } else if (what == "samples") {
        expectCount(words, 3, "option samples N");
        options_.samples = integer(words[2], 0, 3);
    } else if (what == "depth") {
        expectCount(words, 3, "option depth N");
        options_.traceDepth = integer(words[2], 0, 16);
    } else {
        throw SceneError("usage: option contrast R G B | samples N | depth N");
    }
}

} // namespace quillomar
