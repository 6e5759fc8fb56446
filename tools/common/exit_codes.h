#pragma once
// Exit codes of every quillomar tool.
namespace quillomar_tools {

constexpr int kExitOk = 0; // everything asked for was written
constexpr int kExitBadInput =
    1;                        // a file could not be read, loaded or written; the message says which
constexpr int kExitUsage = 2; // the command line itself is wrong; the usage follows the message

} // namespace quillomar_tools
