#pragma once
// One report per frame of a range. On a terminal a bar is redrawn in place and left complete at
// the end; anywhere else (a log, a pipe) each frame gets a plain line.
#include <ostream>
#include <string>

namespace quillomar_tools {

class FrameProgress {
public:
    // `frames` is the number of frames the run will report; `terminal` picks the bar.
    FrameProgress(std::ostream& out, int frames, bool terminal);
    // Whether standard output is a terminal (and TERM is not "dumb").
    static bool stdoutIsTerminal();

    // A frame is done: its number, what it wrote and how long it took.
    void frameDone(int frame, const std::string& written, double seconds);

private:
    std::ostream& out_;
    int frames_;
    int done_ = 0;
    bool terminal_;
};

// "####----" of `width` characters for done/total.
std::string progressBar(int done, int total, int width);

} // namespace quillomar_tools
