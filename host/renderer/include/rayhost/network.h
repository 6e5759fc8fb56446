#pragma once
// Shader instances with their parameter blocks, filled with constants or attached to other
// instances' outputs, called the way the renderer calls them.
#include "rayhost/shader_library.h"

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace rayhost {

using InstanceId = std::size_t;

// Attached shaders run inside one another on the render thread's stack, so a network may chain
// at most this many attachments below any instance.
constexpr int kMostAttachmentDepth = 1000;
// Elements one array may be given.
constexpr int kMostArrayElements = 1000000;

struct NetworkError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Paths name a field of a parameter block: "baseColor", "colors[2]", "layers[0].mask".
class ShaderNetwork {
public:
    ShaderNetwork();
    ~ShaderNetwork();
    ShaderNetwork(const ShaderNetwork&) = delete;
    ShaderNetwork& operator=(const ShaderNetwork&) = delete;

    // A new instance with the declaration's defaults (zeros where none); names are unique.
    InstanceId add(const std::string& name, const ShaderKind& kind);
    InstanceId find(const std::string& name) const;
    const ShaderDeclaration& declaration(InstanceId instance) const;
    const ShaderKind& kind(InstanceId instance) const;

    // Gives an array its elements (once per array), set to the element defaults. The elements
    // are placed `startSlack` elements further than the first free position, so the array's
    // start index can be chosen larger than the smallest one. At most kMostArrayElements.
    void setArraySize(InstanceId instance, const std::string& path, int count, int startSlack = 0);
    // Boolean, integer, scalar: one value; vector: three; colour: three (alpha 1) or four.
    void set(InstanceId instance, const std::string& path, const std::vector<double>& values);
    // Overwrites the raw 32-bit words of a field (for tests that need exact bit patterns).
    void setWords(InstanceId instance, const std::string& path,
                  const std::vector<std::uint32_t>& words);
    // Attaches a field (a simple value, an array element or a struct field) to a source
    // instance's result or to one field of a struct result. The types must match; cycles are
    // refused (in time linear in the size of the network).
    void connect(InstanceId instance, const std::string& path, InstanceId source,
                 const std::string& sourceField = "");
    // Marks a field as detached (tag -2): read in place even though the flag byte is set.
    void detach(InstanceId instance, const std::string& path);

    // The type and byte offset of a result field ("" for the whole result).
    const Type& resultType(InstanceId instance, const std::string& field,
                           std::size_t* offset = nullptr) const;
    std::size_t resultSize(InstanceId instance) const;

    // Calls the instance as the renderer does for a sample: the state's shader record is the
    // instance's while it runs; memory of evaluated attachments lives until the outermost call
    // on this thread returns. `result` must hold resultSize bytes.
    miBoolean call(InstanceId instance, void* result, miState* state) const;

    // The instance's shader record and parameter block, as the shader sees them.
    const miFunction& record(InstanceId instance) const;

    // The longest chain of attachments below the instance (0 when nothing is attached).
    int attachmentDepth(InstanceId instance) const;
    // Throws NetworkError, naming an instance, when a chain is deeper than
    // kMostAttachmentDepth. The render loops check before they start.
    void checkAttachmentDepth() const;

    struct Instance;

private:
    std::vector<std::unique_ptr<Instance>> instances_;
    std::unordered_map<std::string, InstanceId> names_;
    unsigned searchMark_ = 0;
    Instance& at(InstanceId instance) const;
    bool dependsOn(Instance& instance, Instance& other);
    std::vector<int> depths() const;
};

namespace detail {
// The renderer's side of mi_phen_eval: the value of an attached field of the current shader.
void* evaluateAttachment(miState* state, void* field);
} // namespace detail

} // namespace rayhost
