#include "progress.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <sstream>
#include <unistd.h>

namespace quillomar_tools {

FrameProgress::FrameProgress(std::ostream& out, int frames, bool terminal)
    : out_(out), frames_(frames < 1 ? 1 : frames), terminal_(terminal) {}

bool FrameProgress::stdoutIsTerminal() {
    const char* term = std::getenv("TERM");
    return isatty(STDOUT_FILENO) && !(term && std::strcmp(term, "dumb") == 0);
}

std::string progressBar(int done, int total, int width) {
    if (total < 1)
        total = 1;
    const int filled = static_cast<int>(static_cast<long long>(width) * done / total);
    return std::string(filled, '#') + std::string(width - filled, '-');
}

void FrameProgress::frameDone(int frame, const std::string& written, double seconds) {
    ++done_;
    std::ostringstream line;
    const int width = static_cast<int>(std::to_string(frames_).size());
    line << "frame " << frame << " (" << std::setw(width) << done_ << "/" << frames_ << ") "
         << std::fixed << std::setprecision(2) << seconds << " s  " << written;
    if (!terminal_) {
        out_ << line.str() << "\n" << std::flush;
        return;
    }
    // Clear the rest of the line (ESC [K) so that a shorter text leaves nothing behind.
    out_ << "\r[" << progressBar(done_, frames_, 24) << "] " << line.str() << "\033[K";
    if (done_ >= frames_)
        out_ << "\n";
    out_ << std::flush;
}

} // namespace quillomar_tools
