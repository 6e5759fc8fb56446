#include "rayhost/network.h"
#include "rayhost/call_memory.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <sstream>

namespace rayhost {

namespace {

constexpr std::uint32_t kRecordMagic = 0x51524543; // tells our records from foreign ones
constexpr miTag kDetached = static_cast<miTag>(-2);
constexpr std::size_t kGhostAlign = 16;

std::size_t alignUp(std::size_t offset, std::size_t align) {
    return (offset + align - 1) / align * align;
}

struct Location {
    std::size_t offset = 0;
    const Type* type = nullptr;
    const Field* field = nullptr; // the last field named on the path
};

struct Attachment {
    const ShaderNetwork::Instance* source = nullptr;
    std::size_t offset = 0; // of the field within the source's result
};

// The shader record leads the renderer back from state->shader to its instance.
struct RecordHeader {
    miFunction function{};
    std::uint32_t magic = kRecordMagic;
    ShaderNetwork::Instance* owner = nullptr;
};

bool sameShape(const Type& a, const Type& b) {
    if (a.kind != b.kind || a.size != b.size || a.fields.size() != b.fields.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.fields.size(); ++i) {
        if (a.fields[i].offset != b.fields[i].offset ||
            !sameShape(a.fields[i].type, b.fields[i].type)) {
            return false;
        }
    }
    return a.kind != ValueKind::Array || sameShape(*a.element, *b.element);
}

} // namespace

struct ShaderNetwork::Instance {
    RecordHeader header;
    InstanceId id = 0;
    std::string name;
    ShaderKind kind;
    std::vector<char> memory; // parameter values, then their attachment words at ghost_offs
    std::size_t valuesSize = 0;
    std::vector<Attachment> attachments; // tag t is attachments[t - 1]
    std::vector<Instance*> dependents;   // instances with an attachment to this one
    unsigned downMark = 0, upMark = 0;   // visited by a cycle search

    char* values() { return memory.data(); }
    miTag* ghostOf(std::size_t offset) {
        return reinterpret_cast<miTag*>(memory.data() + header.function.ghost_offs + offset);
    }

    // Grows the block, keeping values and attachment words where they were relative to it.
    void resize(std::size_t newValuesSize) {
        const std::size_t oldGhost = header.function.ghost_offs;
        const std::size_t ghost = alignUp(std::max<std::size_t>(newValuesSize, 1), kGhostAlign);
        std::vector<char> grown(2 * ghost, 0);
        if (!memory.empty()) {
            std::memcpy(grown.data(), memory.data(), valuesSize);
            std::memcpy(grown.data() + ghost, memory.data() + oldGhost, valuesSize);
        }
        memory.swap(grown);
        valuesSize = newValuesSize;
        header.function.ghost_offs = static_cast<miUint>(ghost);
        header.function.parameter_size = static_cast<miInteger>(newValuesSize);
        header.function.parameters = memory.data();
    }

    Location locate(const std::string& path) const;
    miBoolean invoke(void* result, miState* state);
};

namespace {

void writeDefaults(char* at, const Type& type, const std::vector<double>& defaults);

void writeValues(char* at, const Type& type, const std::vector<double>& values) {
    if (type.kind == ValueKind::Boolean || type.kind == ValueKind::Integer) {
        const auto value = static_cast<std::int32_t>(values.at(0));
        std::memcpy(at, &value, sizeof value);
        return;
    }
    for (std::size_t i = 0; i < type.size / sizeof(float); ++i) {
        const float value = i < values.size() ? static_cast<float>(values[i]) : 1.0f;
        std::memcpy(at + i * sizeof value, &value, sizeof value);
    }
}

void writeDefaults(char* at, const Type& type, const std::vector<double>& defaults) {
    if (type.kind == ValueKind::Struct) {
        for (const Field& field : type.fields) {
            writeDefaults(at + field.offset, field.type, field.defaults);
        }
    } else if (type.kind != ValueKind::Array && !defaults.empty()) {
        writeValues(at, type, defaults);
    }
}

std::int32_t readWord(const char* at) {
    std::int32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// Infinities and NaN are kept as given; a finite value a float cannot hold is refused.
void checkFloats(const std::string& path, const std::vector<double>& values) {
    for (const double value : values) {
        if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
            std::ostringstream text;
            text << value;
            throw NetworkError(path + ": " + text.str() + " is beyond the range of a 32-bit float");
        }
    }
}

void checkValues(const std::string& path, const Type& type, const std::vector<double>& values) {
    std::size_t wanted = 1;
    switch (type.kind) {
    case ValueKind::Color:
        if (values.size() == 3 || values.size() == 4) {
            checkFloats(path, values);
            return;
        }
        throw NetworkError(path + ": a color takes 3 or 4 values");
    case ValueKind::Vector:
        wanted = 3;
        break;
    case ValueKind::Struct:
    case ValueKind::Array:
        throw NetworkError(path + ": a " + kindName(type.kind) +
                           " is set field by field or element by element");
    default:
        break;
    }
    if (values.size() != wanted) {
        throw NetworkError(path + ": a " + std::string(kindName(type.kind)) + " takes " +
                           std::to_string(wanted) + (wanted == 1 ? " value" : " values"));
    }
    const double value = values[0];
    if (type.kind == ValueKind::Scalar || type.kind == ValueKind::Vector) {
        checkFloats(path, values);
    }
    if (type.kind == ValueKind::Integer &&
        (value != std::floor(value) || value < std::numeric_limits<std::int32_t>::min() ||
         value > std::numeric_limits<std::int32_t>::max())) {
        throw NetworkError(path + ": not a 32-bit integer");
    }
    if (type.kind == ValueKind::Boolean && value != 0 && value != 1) {
        throw NetworkError(path + ": a boolean is 0 or 1");
    }
}

} // namespace

Location ShaderNetwork::Instance::locate(const std::string& path) const {
    const ShaderDeclaration& declaration = *kind.declaration;
    Location location{0, &declaration.parameters};
    std::size_t position = 0;
    const auto fail = [&](const std::string& what) -> NetworkError {
        return NetworkError(name + "." + path + ": " + what);
    };
    while (position <= path.size()) {
        const std::size_t end = path.find_first_of(".[", position);
        const std::string fieldName = path.substr(position, end - position);
        const Field* field = findField(*location.type, fieldName);
        if (location.type->kind != ValueKind::Struct || field == nullptr) {
            throw fail("no parameter or field \"" + fieldName + "\" in shader \"" +
                       declaration.name + "\"");
        }
        location.offset += field->offset;
        location.type = &field->type;
        location.field = field;
        position = end == std::string::npos ? path.size() + 1 : end;
        if (end != std::string::npos && path[end] == '[') {
            const std::size_t close = path.find(']', end);
            if (location.type->kind != ValueKind::Array || close == std::string::npos) {
                throw fail("\"" + fieldName + "\" is not an array");
            }
            const std::string indexText = path.substr(end + 1, close - end - 1);
            std::size_t used = 0;
            long index = -1;
            try {
                index = std::stol(indexText, &used);
            } catch (const std::exception&) {
                used = 0;
            }
            const std::int32_t start = readWord(memory.data() + location.offset);
            const std::int32_t count = readWord(memory.data() + location.offset + 4);
            if (used != indexText.size() || index < 0 || index >= count) {
                throw fail("index " + indexText + " outside the " + std::to_string(count) +
                           " elements of \"" + fieldName + "\"");
            }
            const Type& element = *location.type->element;
            location.offset += location.type->storageOffset + (start + index) * element.size;
            location.type = &element;
            position = close + 1;
            if (position < path.size() && path[position] != '.') {
                throw fail("expected '.' after ']'");
            }
            ++position;
        } else if (end != std::string::npos) {
            ++position;
        }
    }
    return location;
}

miBoolean ShaderNetwork::Instance::invoke(void* result, miState* state) {
    const miFunction* caller = state->shader;
    state->shader = &header.function;
    const miBoolean answer = kind.function(result, state, header.function.parameters);
    state->shader = caller;
    return answer;
}

ShaderNetwork::ShaderNetwork() = default;
ShaderNetwork::~ShaderNetwork() = default;

ShaderNetwork::Instance& ShaderNetwork::at(InstanceId instance) const {
    if (instance >= instances_.size()) {
        throw NetworkError("no shader instance " + std::to_string(instance));
    }
    return *instances_[instance];
}

InstanceId ShaderNetwork::add(const std::string& name, const ShaderKind& kind) {
    if (kind.declaration == nullptr || kind.function == nullptr) {
        throw NetworkError("shader instance \"" + name + "\" has no shader");
    }
    if (names_.count(name) != 0) {
        throw NetworkError("shader instance \"" + name + "\" exists already");
    }
    auto instance = std::make_unique<Instance>();
    instance->id = instances_.size();
    instance->name = name;
    instance->kind = kind;
    instance->header.owner = instance.get();
    instance->header.function.result_size =
        static_cast<miInteger>(kind.declaration->hasResult ? kind.declaration->result.size : 0);
    instance->resize(kind.declaration->parameters.size);
    writeDefaults(instance->values(), kind.declaration->parameters, {});
    instances_.push_back(std::move(instance));
    names_.emplace(name, instances_.size() - 1);
    return instances_.size() - 1;
}

InstanceId ShaderNetwork::find(const std::string& name) const {
    const auto found = names_.find(name);
    if (found == names_.end()) {
        throw NetworkError("no shader instance \"" + name + "\"");
    }
    return found->second;
}

const ShaderDeclaration& ShaderNetwork::declaration(InstanceId instance) const {
    return *at(instance).kind.declaration;
}

const ShaderKind& ShaderNetwork::kind(InstanceId instance) const {
    return at(instance).kind;
}

void ShaderNetwork::setArraySize(InstanceId id, const std::string& path, int count,
                                 int startSlack) {
    Instance& instance = at(id);
    const Location array = instance.locate(path);
    if (array.type->kind != ValueKind::Array) {
        throw NetworkError(instance.name + "." + path + ": not an array");
    }
    if (readWord(instance.values() + array.offset + 4) != 0) {
        throw NetworkError(instance.name + "." + path + ": the array has its elements already");
    }
    if (count < 0 || startSlack < 0) {
        throw NetworkError(instance.name + "." + path + ": negative element count or start");
    }
    if (count > kMostArrayElements || startSlack > kMostArrayElements) {
        throw NetworkError(instance.name + "." + path + ": more than " +
                           std::to_string(kMostArrayElements) + " elements");
    }
    if (count == 0) {
        return;
    }
    const Type& element = *array.type->element;
    const std::size_t storage = array.offset + array.type->storageOffset;
    const std::size_t firstFree = std::max(instance.valuesSize, storage);
    const std::size_t start =
        (firstFree - storage + element.size - 1) / element.size + std::size_t(startSlack);
    instance.resize(storage + (start + count) * element.size);
    const std::int32_t words[2] = {static_cast<std::int32_t>(start), count};
    std::memcpy(instance.values() + array.offset, words, sizeof words);
    // Element defaults come with the array's field (simple elements) or the element's fields.
    for (int k = 0; k < count; ++k) {
        writeDefaults(instance.values() + storage + (start + k) * element.size, element,
                      array.field->defaults);
    }
}

void ShaderNetwork::set(InstanceId id, const std::string& path, const std::vector<double>& values) {
    Instance& instance = at(id);
    const Location location = instance.locate(path);
    checkValues(instance.name + "." + path, *location.type, values);
    writeValues(instance.values() + location.offset, *location.type, values);
}

void ShaderNetwork::setWords(InstanceId id, const std::string& path,
                             const std::vector<std::uint32_t>& words) {
    Instance& instance = at(id);
    const Location location = instance.locate(path);
    if (location.type->kind == ValueKind::Array ||
        words.size() * sizeof(std::uint32_t) != location.type->size) {
        throw NetworkError(instance.name + "." + path + ": needs " +
                           std::to_string(location.type->size / 4) + " words");
    }
    std::memcpy(instance.values() + location.offset, words.data(), location.type->size);
}

void ShaderNetwork::connect(InstanceId id, const std::string& path, InstanceId sourceId,
                            const std::string& sourceField) {
    Instance& instance = at(id);
    Instance& source = at(sourceId);
    const Location target = instance.locate(path);
    const std::string where = instance.name + "." + path;
    if (target.type->kind == ValueKind::Array) {
        throw NetworkError(where + ": an array is attached element by element");
    }
    std::size_t offset = 0;
    const Type& output = resultType(sourceId, sourceField, &offset);
    if (!sameShape(output, *target.type)) {
        throw NetworkError(where + ": cannot attach a " + kindName(output.kind) + " output of \"" +
                           source.name + "\" to a " + kindName(target.type->kind));
    }
    if (&source == &instance || dependsOn(source, instance)) {
        throw NetworkError(where + ": attaching \"" + source.name + "\" would make a cycle");
    }
    miTag* ghost = instance.ghostOf(target.offset);
    if (*ghost != miNULLTAG && *ghost != kDetached) {
        throw NetworkError(where + ": attached already");
    }
    instance.attachments.push_back({&source, offset});
    source.dependents.push_back(&instance);
    *ghost = static_cast<miTag>(instance.attachments.size());
    instance.header.function.ghost_used = 1;
}

void ShaderNetwork::detach(InstanceId id, const std::string& path) {
    Instance& instance = at(id);
    *instance.ghostOf(instance.locate(path).offset) = kDetached;
    instance.header.function.ghost_used = 1;
}

const Type& ShaderNetwork::resultType(InstanceId id, const std::string& field,
                                      std::size_t* offset) const {
    const Instance& instance = at(id);
    const ShaderDeclaration& declaration = *instance.kind.declaration;
    if (!declaration.hasResult) {
        throw NetworkError("shader \"" + declaration.name + "\" has no result");
    }
    if (field.empty()) {
        if (offset != nullptr) {
            *offset = 0;
        }
        return declaration.result;
    }
    const Field* found = findField(declaration.result, field);
    if (declaration.result.kind != ValueKind::Struct || found == nullptr) {
        throw NetworkError("shader \"" + declaration.name + "\" has no result field \"" + field +
                           "\"");
    }
    if (offset != nullptr) {
        *offset = found->offset;
    }
    return found->type;
}

std::size_t ShaderNetwork::resultSize(InstanceId id) const {
    return static_cast<std::size_t>(at(id).header.function.result_size);
}

miBoolean ShaderNetwork::call(InstanceId id, void* result, miState* state) const {
    CallScope scope;
    return at(id).invoke(result, state);
}

const miFunction& ShaderNetwork::record(InstanceId id) const {
    return at(id).header.function;
}

// Whether `instance` reaches `other` through attachments. Two searches run in turn, down from
// `instance` through attachments and up from `other` through dependents, and the first to run
// out decides; they meet where a path exists. So a chain built in either direction is checked
// in constant time per connection, and any network in time linear in its size.
bool ShaderNetwork::dependsOn(Instance& instance, Instance& other) {
    const unsigned mark = ++searchMark_;
    std::vector<Instance*> down{&instance}, up{&other};
    instance.downMark = mark;
    other.upMark = mark;
    while (!down.empty() && !up.empty()) {
        Instance* below = down.back();
        down.pop_back();
        for (const Attachment& attachment : below->attachments) {
            Instance* next = attachment.source->header.owner;
            if (next->upMark == mark) {
                return true;
            }
            if (next->downMark != mark) {
                next->downMark = mark;
                down.push_back(next);
            }
        }
        Instance* above = up.back();
        up.pop_back();
        for (Instance* next : above->dependents) {
            if (next->downMark == mark) {
                return true;
            }
            if (next->upMark != mark) {
                next->upMark = mark;
                up.push_back(next);
            }
        }
    }
    return false;
}

// The longest attachment chain below every instance, found without recursion.
std::vector<int> ShaderNetwork::depths() const {
    std::vector<int> depth(instances_.size(), -1);
    std::vector<std::pair<const Instance*, std::size_t>> stack;
    for (const auto& start : instances_) {
        if (depth[start->id] >= 0) {
            continue;
        }
        stack.emplace_back(start.get(), 0);
        while (!stack.empty()) {
            auto& [instance, next] = stack.back();
            if (next < instance->attachments.size()) {
                const Instance* source = instance->attachments[next++].source;
                if (depth[source->id] < 0) {
                    stack.emplace_back(source, 0);
                }
                continue;
            }
            int deepest = 0;
            for (const Attachment& attachment : instance->attachments) {
                deepest = std::max(deepest, depth[attachment.source->id] + 1);
            }
            depth[instance->id] = deepest;
            stack.pop_back();
        }
    }
    return depth;
}

int ShaderNetwork::attachmentDepth(InstanceId id) const {
    return depths()[at(id).id];
}

void ShaderNetwork::checkAttachmentDepth() const {
    const std::vector<int> depth = depths();
    for (std::size_t i = 0; i < depth.size(); ++i) {
        if (depth[i] > kMostAttachmentDepth) {
            throw NetworkError("shader instance \"" + instances_[i]->name + "\" has a chain of " +
                               std::to_string(depth[i]) + " attached shaders below it; at most " +
                               std::to_string(kMostAttachmentDepth) + " are rendered");
        }
    }
}

namespace detail {

void* evaluateAttachment(miState* state, void* field) {
    auto* header =
        reinterpret_cast<const RecordHeader*>(state != nullptr ? state->shader : nullptr);
    if (header == nullptr || header->magic != kRecordMagic) {
        std::fputs("mi_phen_eval: the state's shader record is not one of this renderer's\n",
                   stderr);
        return nullptr;
    }
    ShaderNetwork::Instance& caller = *header->owner;
    miTag tag;
    std::memcpy(&tag, static_cast<char*>(field) + header->function.ghost_offs, sizeof tag);
    if (tag == miNULLTAG || tag > caller.attachments.size()) {
        std::fputs("mi_phen_eval: the parameter is not attached\n", stderr);
        return nullptr;
    }
    const Attachment& attachment = caller.attachments[tag - 1];
    ShaderNetwork::Instance& source = *attachment.source->header.owner;
    // The value is followed by zeroed attachment words at the caller's offset, so fields read
    // from it through the evaluation rule are read in place.
    const std::size_t resultSize = static_cast<std::size_t>(source.header.function.result_size);
    char* result =
        static_cast<char*>(callMemory(resultSize + header->function.ghost_offs + kGhostAlign));
    source.invoke(result, state);
    return result + attachment.offset;
}

} // namespace detail

} // namespace rayhost
