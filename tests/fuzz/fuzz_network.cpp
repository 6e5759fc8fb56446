#include "fuzz_network.h"

#include <string>
#include <vector>

namespace fuzz {

namespace {

class Filler {
public:
    Filler(rayhost::ShaderNetwork& network, rayhost::InstanceId instance, Bytes& in,
           const FillLimits& limits)
        : network_(network), instance_(instance), in_(in), limits_(limits) {}

    void fields(const rayhost::Type& type, const std::string& prefix) {
        for (const rayhost::Field& field : type.fields)
            value(field.type, prefix + field.name);
    }

private:
    void value(const rayhost::Type& type, const std::string& path) {
        switch (type.kind) {
        case rayhost::ValueKind::Struct:
            fields(type, path + ".");
            return;
        case rayhost::ValueKind::Array: {
            const unsigned count = in_.upTo(limits_.mostElements);
            network_.setArraySize(instance_, path, static_cast<int>(count),
                                  static_cast<int>(in_.upTo(3)));
            for (unsigned k = 0; k < count; ++k)
                value(*type.element, path + "[" + std::to_string(k) + "]");
            return;
        }
        default:
            break;
        }
        if (type.kind == rayhost::ValueKind::Color && limits_.colorSource && in_.byte() % 8 == 0) {
            network_.connect(instance_, path, *limits_.colorSource);
            return;
        }
        std::vector<std::uint32_t> words(type.size / sizeof(std::uint32_t));
        for (std::uint32_t& word : words)
            word = in_.take<std::uint32_t>();
        network_.setWords(instance_, path, words);
    }

    rayhost::ShaderNetwork& network_;
    rayhost::InstanceId instance_;
    Bytes& in_;
    const FillLimits& limits_;
};

} // namespace

void fillParameters(rayhost::ShaderNetwork& network, rayhost::InstanceId instance, Bytes& in,
                    const FillLimits& limits) {
    Filler(network, instance, in, limits).fields(network.declaration(instance).parameters, "");
}

} // namespace fuzz
