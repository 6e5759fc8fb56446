#include "scene/mel_script.h"

#include <cctype>
#include <cstring>

namespace scene {

bool MelWord::isFlag() const {
    return kind == Bare && text.size() > 1 && text[0] == '-' &&
           std::isalpha(static_cast<unsigned char>(text[1]));
}

namespace {

// Characters that start MEL constructs the host does not evaluate (expressions, variables,
// blocks, command substitution). Rejecting them keeps "setAttr a.b (1+2)" from storing nonsense.
bool isUnsupported(char c) {
    return std::strchr("(){}`$=<>", c) != nullptr;
}

class Reader {
public:
    explicit Reader(const std::string& source) : src_(source) {}

    MelScript run() {
        while (pos_ < src_.size()) {
            char c = src_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (startsWith("//")) {
                skipToLineEnd();
            } else if (startsWith("/*")) {
                skipBlockComment();
            } else if (c == ';') {
                ++pos_;
                finishCommand();
            } else if (c == '"') {
                readQuoted();
            } else if (c == '(' && readConcatenation()) {
                continue;
            } else {
                readBare();
            }
        }
        finishCommand();
        return std::move(script_);
    }

private:
    bool startsWith(const char* s) const { return src_.compare(pos_, std::strlen(s), s) == 0; }

    void skipToLineEnd() {
        while (pos_ < src_.size() && src_[pos_] != '\n')
            ++pos_;
    }

    void skipBlockComment() {
        int startLine = line_;
        pos_ += 2;
        while (pos_ < src_.size() && !startsWith("*/")) {
            if (src_[pos_] == '\n')
                ++line_;
            ++pos_;
        }
        if (pos_ >= src_.size()) {
            fail(startLine, "unterminated comment");
            return;
        }
        pos_ += 2;
    }

    void addWord(MelWord word) {
        if (current_.words.empty())
            current_.line = word.line;
        current_.words.push_back(std::move(word));
    }

    void finishCommand() {
        if (!discarding_ && !current_.words.empty())
            script_.commands.push_back(std::move(current_));
        current_ = MelCommand();
        discarding_ = false;
    }

    // Drops the command being read; the rest of it is skipped up to its ';'.
    void fail(int line, const std::string& message) {
        if (!discarding_)
            script_.errors.push_back({line, message});
        discarding_ = true;
    }

    // A quoted string at pos_, unescaped; false (pos_ at the break) when it is not closed on
    // its line.
    bool scanQuoted(MelWord& word) {
        word.kind = MelWord::Quoted;
        word.line = line_;
        ++pos_;
        while (pos_ < src_.size() && src_[pos_] != '"') {
            char c = src_[pos_];
            if (c == '\n')
                return false;
            if (c == '\\' && pos_ + 1 < src_.size() && src_[pos_ + 1] != '\n') {
                char e = src_[++pos_];
                word.text += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;
            } else {
                word.text += c;
            }
            ++pos_;
        }
        if (pos_ >= src_.size())
            return false;
        ++pos_;
        return true;
    }

    void unterminated(int line) {
        // The closing quote (and likely the ';') is missing: resume on the next line.
        fail(line, "unterminated string");
        current_ = MelCommand();
        discarding_ = false;
    }

    void readQuoted() {
        MelWord word;
        if (scanQuoted(word))
            addWord(std::move(word));
        else
            unterminated(word.line);
    }

    // ( "a" + "b" ... ): how scene files split a long string over lines; one quoted word.
    // False, with nothing read, for any other parenthesised expression.
    bool readConcatenation() {
        const size_t start = pos_;
        const int startLine = line_;
        MelWord word;
        word.kind = MelWord::Quoted;
        word.line = line_;
        ++pos_;
        bool expectString = true;
        while (pos_ < src_.size()) {
            const char c = src_[pos_];
            if (std::isspace(static_cast<unsigned char>(c))) {
                line_ += c == '\n';
                ++pos_;
            } else if (expectString && c == '"') {
                MelWord piece;
                if (!scanQuoted(piece)) {
                    unterminated(piece.line);
                    return true;
                }
                word.text += piece.text;
                expectString = false;
            } else if (!expectString && c == '+') {
                expectString = true;
                ++pos_;
            } else if (!expectString && c == ')') {
                ++pos_;
                addWord(std::move(word));
                return true;
            } else {
                break;
            }
        }
        pos_ = start;
        line_ = startLine;
        return false;
    }

    void readBare() {
        MelWord word;
        word.line = line_;
        while (pos_ < src_.size()) {
            char c = src_[pos_];
            if (std::isspace(static_cast<unsigned char>(c)) || c == ';' || c == '"')
                break;
            if (isUnsupported(c)) {
                fail(line_, std::string("unsupported MEL syntax '") + c + "'");
                ++pos_;
                return;
            }
            word.text += c;
            ++pos_;
        }
        addWord(std::move(word));
    }

    const std::string& src_;
    size_t pos_ = 0;
    int line_ = 1;
    MelScript script_;
    MelCommand current_;
    bool discarding_ = false;
};

} // namespace

MelScript parseMel(const std::string& source) {
    return Reader(source).run();
}

} // namespace scene
