// Records the drawing calls made on the surfaces it watches, for tests that check what was
// drawn where: which picture, which part of it, at which rectangle, with which flags, and the
// fills and texts.  It stops watching when it is destroyed.
//
//     Surface frame(800, 600);
//     DrawRecorder drawn(frame);
//     ...draw the table...
//     EXPECT_EQ(drawn.From("Graphic\\chouma.bmp").size(), 4u);
#pragma once

#include <string_view>
#include <vector>

#include "platform/DrawObserver.h"

namespace platform::testing {

class DrawRecorder : public DrawObserver {
public:
    DrawRecorder() = default;
    explicit DrawRecorder(Surface& surface) { Watch(surface); }
    ~DrawRecorder() override;
    DrawRecorder(const DrawRecorder&) = delete;
    DrawRecorder& operator=(const DrawRecorder&) = delete;

    // Records the calls made on `surface` from now on, besides those of the surfaces watched
    // already.  The surface must outlive the recorder.
    void Watch(Surface& surface);

    void OnDraw(const DrawCall& call) override { calls_.push_back(call); }

    const std::vector<DrawCall>& Calls() const { return calls_; }
    // The calls of one kind; the copies of one picture, by its name or by the surface itself.
    std::vector<DrawCall> Of(DrawKind kind) const;
    std::vector<DrawCall> From(std::string_view sourceName) const;
    std::vector<DrawCall> From(const Surface* source) const;
    void Clear() { calls_.clear(); }

private:
    template <typename Keep>
    std::vector<DrawCall> Select(Keep keep) const {
        std::vector<DrawCall> out;
        for (const DrawCall& call : calls_)
            if (keep(call)) out.push_back(call);
        return out;
    }

    std::vector<DrawCall> calls_;
    std::vector<Surface*> watched_;
};

}  // namespace platform::testing
