#include "rayhost/declarations.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace rayhost {

namespace {

struct Token {
    enum Kind { Word, String, Number, Punct, End } kind = End;
    std::string text;
    int line = 0;
};

std::vector<Token> tokenize(const std::string& text, const std::string& origin) {
    std::vector<Token> tokens;
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '#') {
            while (i < text.size() && text[i] != '\n') {
                ++i;
            }
        } else if (c == '"') {
            const std::size_t close = text.find('"', i + 1);
            if (close == std::string::npos || text.find('\n', i + 1) < close) {
                throw DeclarationError(origin + ":" + std::to_string(line) +
                                       ": unterminated string");
            }
            tokens.push_back({Token::String, text.substr(i + 1, close - i - 1), line});
            i = close + 1;
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' ||
                   c == '.') {
            std::size_t end = i + 1;
            while (end < text.size() &&
                   (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '.' ||
                    text[end] == '-' || text[end] == '+')) {
                ++end;
            }
            tokens.push_back({Token::Number, text.substr(i, end - i), line});
            i = end;
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '$') {
            std::size_t end = i + 1;
            while (end < text.size() &&
                   (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_')) {
                ++end;
            }
            tokens.push_back({Token::Word, text.substr(i, end - i), line});
            i = end;
        } else {
            tokens.push_back({Token::Punct, std::string(1, c), line});
            ++i;
        }
    }
    tokens.push_back({Token::End, "", line});
    return tokens;
}

class Parser {
public:
    Parser(std::vector<Token> tokens, std::string origin)
        : tokens_(std::move(tokens)), origin_(std::move(origin)) {}

    std::vector<ShaderDeclaration> declarations() {
        std::vector<ShaderDeclaration> result;
        while (peek().kind != Token::End) {
            if (isWord("declare") && tokens_[position_ + 1].text == "shader") {
                position_ += 2;
                result.push_back(shader());
            } else {
                ++position_; // statements other than shader declarations are not ours
            }
        }
        return result;
    }

private:
    std::vector<Token> tokens_;
    std::string origin_;
    std::size_t position_ = 0;

    const Token& peek() const { return tokens_[position_]; }
    bool isWord(const char* word) const {
        return peek().kind == Token::Word && peek().text == word;
    }
    bool isPunct(char c) const { return peek().kind == Token::Punct && peek().text[0] == c; }

    [[noreturn]] void fail(const std::string& what, int line = 0) const {
        throw DeclarationError(origin_ + ":" + std::to_string(line > 0 ? line : peek().line) +
                               ": " + what);
    }
    void expectPunct(char c) {
        if (!isPunct(c)) {
            fail(std::string("expected '") + c + "' before '" + peek().text + "'");
        }
        ++position_;
    }
    std::string expectString(const char* what) {
        if (peek().kind != Token::String) {
            fail(std::string("expected ") + what + " in quotes before '" + peek().text + "'");
        }
        return tokens_[position_++].text;
    }

    ShaderDeclaration shader() {
        ShaderDeclaration declaration;
        if (peek().kind != Token::String) {
            declaration.hasResult = true;
            declaration.result = type();
        }
        declaration.name = expectString("shader name");
        declaration.parameters.kind = ValueKind::Struct;
        declaration.parameters.fields = fieldList('(', ')');
        options(declaration);
        layOut(declaration.parameters);
        if (declaration.hasResult) {
            layOut(declaration.result);
        }
        return declaration;
    }

    void options(ShaderDeclaration& declaration) {
        while (!isWord("end")) {
            if (peek().kind == Token::End) {
                fail("missing 'end declare' for shader \"" + declaration.name + "\"");
            }
            if (isWord("version")) {
                ++position_;
                declaration.version = integer("version number");
            } else if (isWord("apply")) {
                ++position_;
                do {
                    if (isPunct(',')) {
                        ++position_;
                    }
                    declaration.apply.push_back(tokens_[position_++].text);
                } while (isPunct(','));
            } else {
                ++position_; // options of other renderers' interest
            }
        }
        ++position_;
        if (!isWord("declare")) {
            fail("expected 'declare' after 'end'");
        }
        ++position_;
    }

    int integer(const char* what) {
        if (peek().kind != Token::Number) {
            fail(std::string("expected ") + what);
        }
        std::size_t used = 0;
        const std::string& text = peek().text;
        int value = 0;
        try {
            value = std::stoi(text, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != text.size()) {
            fail(std::string("bad ") + what + " '" + text + "'");
        }
        ++position_;
        return value;
    }

    std::vector<Field> fieldList(char open, char close) {
        expectPunct(open);
        std::vector<Field> fields;
        while (!isPunct(close)) {
            if (!fields.empty()) {
                expectPunct(',');
            }
            fields.push_back(field());
            for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
                if (fields[i].name == fields.back().name) {
                    fail("parameter \"" + fields.back().name + "\" declared twice");
                }
            }
        }
        ++position_;
        return fields;
    }

    Field field() {
        Field result;
        const bool isArray = isWord("array");
        if (isArray) {
            ++position_;
        }
        Type declared;
        if (isWord("struct") && tokens_[position_ + 1].kind == Token::String) {
            // A struct parameter names itself before its fields: struct "name" { ... }.
            ++position_;
            result.name = expectString("parameter name");
            declared = structFields();
        } else {
            declared = type();
            result.name = expectString("parameter name");
        }
        if (isWord("default")) {
            ++position_;
            result.defaults = defaults(declared);
        }
        if (isArray) {
            result.type.kind = ValueKind::Array;
            result.type.element = std::make_shared<const Type>(std::move(declared));
        } else {
            result.type = std::move(declared);
        }
        return result;
    }

    Type type() {
        Type result;
        if (peek().kind != Token::Word) {
            fail("expected a type before '" + peek().text + "'");
        }
        const std::string word = tokens_[position_++].text;
        if (word == "boolean") {
            result.kind = ValueKind::Boolean;
        } else if (word == "integer") {
            result.kind = ValueKind::Integer;
        } else if (word == "scalar") {
            result.kind = ValueKind::Scalar;
        } else if (word == "color") {
            result.kind = ValueKind::Color;
        } else if (word == "vector") {
            result.kind = ValueKind::Vector;
        } else if (word == "struct") {
            result = structFields();
        } else {
            --position_;
            fail("type '" + word + "' is not supported by this renderer");
        }
        return result;
    }

    Type structFields() {
        Type result;
        result.kind = ValueKind::Struct;
        result.fields = fieldList('{', '}');
        if (result.fields.empty()) {
            fail("a struct needs at least one field");
        }
        return result;
    }

    std::vector<double> defaults(const Type& type) {
        std::size_t wanted = 1;
        if (type.kind == ValueKind::Struct) {
            fail("a struct takes no default");
        }
        if (type.kind == ValueKind::Color) {
            wanted = 4;
        } else if (type.kind == ValueKind::Vector) {
            wanted = 3;
        }
        const int line = tokens_[position_ - 1].line; // of the word "default"
        std::vector<double> values;
        while (values.size() < wanted) {
            if (peek().kind == Token::Word) {
                const std::string& word = peek().text;
                if (word == "on" || word == "true" || word == "yes") {
                    values.push_back(1);
                } else if (word == "off" || word == "false" || word == "no") {
                    values.push_back(0);
                } else {
                    break;
                }
            } else if (peek().kind == Token::Number) {
                try {
                    values.push_back(std::stod(peek().text));
                } catch (const std::exception&) {
                    fail("bad default value '" + peek().text + "'");
                }
            } else {
                break;
            }
            ++position_;
        }
        const bool colorWithoutAlpha = type.kind == ValueKind::Color && values.size() == 3;
        if (values.size() != wanted && !colorWithoutAlpha) {
            fail("default of a " + std::string(kindName(type.kind)) + " needs " +
                     std::to_string(wanted) + " values",
                 line);
        }
        return values;
    }
};

} // namespace

std::vector<ShaderDeclaration> parseDeclarations(const std::string& text,
                                                 const std::string& origin) {
    return Parser(tokenize(text, origin), origin).declarations();
}

std::vector<ShaderDeclaration> readDeclarations(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        throw DeclarationError("cannot read shader declarations from " + path + ": it is a folder");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw DeclarationError("cannot read shader declarations from " + path + ": " +
                               std::strerror(errno));
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<ShaderDeclaration> declarations = parseDeclarations(text.str(), path);
    // Other statements are skipped, so a file of anything else would otherwise pass unnoticed.
    if (declarations.empty()) {
        throw DeclarationError(path + " declares no shaders (no 'declare shader' block)");
    }
    return declarations;
}

const char* kindName(ValueKind kind) {
    switch (kind) {
    case ValueKind::Boolean:
        return "boolean";
    case ValueKind::Integer:
        return "integer";
    case ValueKind::Scalar:
        return "scalar";
    case ValueKind::Color:
        return "color";
    case ValueKind::Vector:
        return "vector";
    case ValueKind::Struct:
        return "struct";
    case ValueKind::Array:
        return "array";
    }
    return "?";
}

const Field* findField(const Type& type, const std::string& name) {
    for (const Field& field : type.fields) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

} // namespace rayhost
