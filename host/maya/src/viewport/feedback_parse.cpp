#include <hostkit/feedback.h>

#include <GL/gl.h>

#include <stdexcept>

namespace hostkit {
namespace {

constexpr std::size_t kFloatsPerVertex = 7; // x, y, z, r, g, b, a

class FeedbackReader {
public:
    FeedbackReader(const float* data, std::size_t count) : data_(data), count_(count) {}

    bool atEnd() const { return pos_ >= count_; }

    float next() {
        if (pos_ >= count_)
            throw std::runtime_error("feedback buffer ends inside a record");
        return data_[pos_++];
    }

    FeedbackVertex vertex() {
        FeedbackVertex v;
        v.x = next();
        v.y = next();
        v.z = next();
        v.r = next();
        v.g = next();
        v.b = next();
        v.a = next();
        return v;
    }

    void readVertices(FeedbackRecord& record, std::size_t n) {
        if (n > (count_ - pos_) / kFloatsPerVertex)
            throw std::runtime_error("feedback polygon claims more vertices than the buffer holds");
        for (std::size_t i = 0; i < n; ++i)
            record.vertices.push_back(vertex());
    }

private:
    const float* data_;
    std::size_t count_;
    std::size_t pos_ = 0;
};

FeedbackRecord readRecord(FeedbackReader& in) {
    const float tokenValue = in.next();
    const auto token = static_cast<GLenum>(tokenValue);
    FeedbackRecord record;
    switch (token) {
    case GL_POINT_TOKEN:
        record.kind = FeedbackRecord::kPoint;
        in.readVertices(record, 1);
        break;
    case GL_LINE_TOKEN:
    case GL_LINE_RESET_TOKEN:
        record.kind = FeedbackRecord::kLine;
        record.lineReset = token == GL_LINE_RESET_TOKEN;
        in.readVertices(record, 2);
        break;
    case GL_POLYGON_TOKEN: {
        record.kind = FeedbackRecord::kPolygon;
        const float n = in.next();
        if (!(n >= 0))
            throw std::runtime_error("feedback polygon with a negative vertex count");
        in.readVertices(record, static_cast<std::size_t>(n));
        break;
    }
    case GL_BITMAP_TOKEN:
        record.kind = FeedbackRecord::kBitmap;
        in.readVertices(record, 1);
        break;
    case GL_DRAW_PIXEL_TOKEN:
        record.kind = FeedbackRecord::kDrawPixel;
        in.readVertices(record, 1);
        break;
    case GL_COPY_PIXEL_TOKEN:
        record.kind = FeedbackRecord::kCopyPixel;
        in.readVertices(record, 1);
        break;
    case GL_PASS_THROUGH_TOKEN:
        record.kind = FeedbackRecord::kPassThrough;
        record.passThrough = in.next();
        break;
    default:
        throw std::runtime_error("unknown feedback token " + std::to_string(tokenValue));
    }
    return record;
}

} // namespace

std::vector<FeedbackRecord> parseFeedback(const float* data, std::size_t count) {
    std::vector<FeedbackRecord> records;
    FeedbackReader in(data, count);
    while (!in.atEnd())
        records.push_back(readRecord(in));
    return records;
}

const char* feedbackKindName(FeedbackRecord::Kind kind) {
    switch (kind) {
    case FeedbackRecord::kPoint:
        return "point";
    case FeedbackRecord::kLine:
        return "line";
    case FeedbackRecord::kPolygon:
        return "polygon";
    case FeedbackRecord::kBitmap:
        return "bitmap";
    case FeedbackRecord::kDrawPixel:
        return "draw-pixel";
    case FeedbackRecord::kCopyPixel:
        return "copy-pixel";
    case FeedbackRecord::kPassThrough:
        return "pass-through";
    }
    return "unknown";
}

} // namespace hostkit
