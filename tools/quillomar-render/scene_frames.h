#pragma once
// Scenes rendered over a frame range: the word $frame in a scene stands for the frame number.
#include <string>

namespace quillomar_render {

// The scene text with every whole word "$frame" replaced by `frame`; lines keep their numbers.
std::string sceneAtFrame(const std::string& text, int frame);

} // namespace quillomar_render
