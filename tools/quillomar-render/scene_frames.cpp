#include "scene_frames.h"

#include <cctype>

namespace quillomar_render {
namespace {

const std::string kWord = "$frame";

bool endsWord(const std::string& text, std::size_t at) {
    return at >= text.size() || std::isspace(static_cast<unsigned char>(text[at])) ||
           text[at] == '#';
}

} // namespace

std::string sceneAtFrame(const std::string& text, int frame) {
    const std::string number = std::to_string(frame);
    std::string out;
    std::size_t at = 0;
    bool inComment = false;
    while (at < text.size()) {
        const bool startsWord = at == 0 || std::isspace(static_cast<unsigned char>(text[at - 1]));
        if (!inComment && startsWord && text.compare(at, kWord.size(), kWord) == 0 &&
            endsWord(text, at + kWord.size())) {
            out += number;
            at += kWord.size();
            continue;
        }
        inComment = text[at] == '#' ? true : text[at] == '\n' ? false : inComment;
        out += text[at++];
    }
    return out;
}

} // namespace quillomar_render
