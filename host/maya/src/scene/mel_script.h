#pragma once
// Splits MEL source (a command line or a whole .ma file) into commands made of words. The scene
// files the host reads and the commands nodes run use only flat command syntax: a command name,
// flags, quoted strings and bare words up to a ';'. Expressions, procedures and control flow are
// not MEL we need to run.
#include <string>
#include <vector>

namespace scene {

struct MelWord {
    enum Kind { Bare, Quoted };
    Kind kind = Bare;
    std::string text; // quoted words are stored unescaped
    int line = 0;

    // A flag is a bare word "-name"; "-1.5" and "-.5" are numbers, not flags.
    bool isFlag() const;
};

struct MelCommand {
    std::vector<MelWord> words; // words[0] is the command name
    int line = 0;               // line of the command name
};

struct MelSyntaxError {
    int line = 0;
    std::string message;
};

struct MelScript {
    std::vector<MelCommand> commands;
    std::vector<MelSyntaxError> errors;
};

// Never throws; a malformed command is dropped, reported in errors, and reading resumes at the
// next line so one bad line cannot swallow the rest of a file.
MelScript parseMel(const std::string& source);

} // namespace scene
