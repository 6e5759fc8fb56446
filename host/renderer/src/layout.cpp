// Natural alignment, as the renderer lays out parameter blocks and results.
#include "rayhost/declarations.h"

namespace rayhost {

namespace {

std::size_t alignUp(std::size_t offset, std::size_t align) {
    return (offset + align - 1) / align * align;
}

constexpr std::size_t kWord = 4; // every simple type is made of 32-bit words

} // namespace

void layOut(Type& type) {
    switch (type.kind) {
    case ValueKind::Boolean:
    case ValueKind::Integer:
    case ValueKind::Scalar:
        type.size = kWord;
        type.align = kWord;
        break;
    case ValueKind::Color:
        type.size = 4 * kWord;
        type.align = kWord;
        break;
    case ValueKind::Vector:
        type.size = 3 * kWord;
        type.align = kWord;
        break;
    case ValueKind::Struct: {
        std::size_t offset = 0;
        type.align = 1;
        for (Field& field : type.fields) {
            layOut(field.type);
            offset = alignUp(offset, field.type.align);
            field.offset = offset;
            offset += field.type.size;
            type.align = std::max(type.align, field.type.align);
        }
        type.size = alignUp(offset, type.align);
        break;
    }
    case ValueKind::Array: {
        Type element = *type.element;
        layOut(element);
        type.element = std::make_shared<const Type>(std::move(element));
        type.storageOffset = alignUp(2 * kWord, type.element->align);
        type.align = std::max(kWord, type.element->align);
        type.size = alignUp(type.storageOffset + type.element->size, type.align);
        break;
    }
    }
}

} // namespace rayhost
