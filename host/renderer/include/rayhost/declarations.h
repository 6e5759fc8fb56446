#pragma once
// Shader declarations as read from `declare shader` blocks of a .mi file, with the layout the
// renderer gives their parameter blocks and results.
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace rayhost {

enum class ValueKind { Boolean, Integer, Scalar, Color, Vector, Struct, Array };

struct Field;

// A declared type with its layout: natural alignment, structs field after field, arrays as a
// 32-bit start index, a 32-bit count and storage for one element (the elements proper are
// placed past the end of the block, at storage + start).
struct Type {
    ValueKind kind = ValueKind::Scalar;
    std::vector<Field> fields;           // Struct
    std::shared_ptr<const Type> element; // Array
    std::size_t size = 0;
    std::size_t align = 1;
    std::size_t storageOffset = 0; // Array: offset of the element storage from the start index
};

struct Field {
    std::string name;
    Type type;
    std::vector<double> defaults; // empty: zero
    std::size_t offset = 0;
};

struct ShaderDeclaration {
    std::string name;
    bool hasResult = false;
    Type result;     // a simple type or a struct
    Type parameters; // a struct of the parameters, laid out
    int version = 0;
    std::vector<std::string> apply;
};

struct DeclarationError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads every `declare shader ... end declare` block; other statements are skipped. Throws
// DeclarationError naming the line of the first fault.
std::vector<ShaderDeclaration> parseDeclarations(const std::string& text,
                                                 const std::string& origin = "<text>");
// A file that cannot be read or declares no shader is refused with a DeclarationError too.
std::vector<ShaderDeclaration> readDeclarations(const std::string& path);

// Lays out a type in place (sizes, alignments, field offsets), innermost first.
void layOut(Type& type);

const char* kindName(ValueKind kind);

// The field of a struct type with that name, or null.
const Field* findField(const Type& type, const std::string& name);

} // namespace rayhost
