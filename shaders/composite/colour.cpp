#include "colour.h"

namespace quillomar::composite {

float luminance(const Rgba& c) {
    const double sum = (0.587 * double(c.g) + 0.299 * double(c.r)) + 0.114 * double(c.b);
    return static_cast<float>(sum);
}

} // namespace quillomar::composite
