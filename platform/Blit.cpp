#include "platform/Blit.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "platform/DrawObserver.h"

namespace platform {

namespace {

// Longest side a stretch accepts: keeps the source-position arithmetic inside 64 bits.
constexpr long long kMaxStretchSide = 1 << 24;

bool Usable(const Surface* s) { return s != nullptr && !s->Empty(); }

Rect Bounds(const Surface& s) { return {0, 0, s.Width(), s.Height()}; }

bool Proper(const Rect& r) { return r.left < r.right && r.top < r.bottom; }

// `r`'s size with its top-left corner at (x, y) (saturated, as a record of an unclipped call).
Rect Placed(const Rect& r, int x, int y) {
    auto at = [](long long v) {
        return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
    };
    return {x, y, at(static_cast<long long>(x) + r.right - r.left),
            at(static_cast<long long>(y) + r.bottom - r.top)};
}

bool Overlaps(const Rect& r, const Surface& s) {
    return r.left < s.Width() && r.right > 0 && r.top < s.Height() && r.bottom > 0;
}

// One axis of a same-size copy: where it starts in the source and the destination, and how
// many pixels it runs.
struct Run {
    long long src;
    long long dst;
    long long len;
};

// Cuts the run so that `pos` (its source or destination start) stays inside [0, limit),
// moving `other` (the opposite start) along.
void CutRun(long long& pos, long long& other, long long& len, long long limit) {
    if (pos < 0) {
        other -= pos;
        len += pos;
        pos = 0;
    }
    len = std::min(len, limit - pos);
}

// Clips one axis: first to the picture, then to the destination.  False when the source run
// lies wholly outside the picture.
bool ClipAxis(Run& run, int srcLimit, int dstLimit) {
    CutRun(run.src, run.dst, run.len, srcLimit);
    if (run.len <= 0) return false;
    CutRun(run.dst, run.src, run.len, dstLimit);
    return true;
}

// Eight pixels at a time, as GCC and Clang vector types (SSE2 on x86-64).
typedef std::uint16_t Pixels8 __attribute__((vector_size(16)));

// Copies n pixels, skipping key-coloured ones, without a branch per pixel: the scattered key
// pixels of a sprite would defeat branch prediction.  Eight pixels are blended at a time by a
// mask of the key's positions.
void CopyKeyedRow(std::uint16_t* d, const std::uint16_t* s, int n, std::uint16_t key) {
    const Pixels8 keys = {key, key, key, key, key, key, key, key};
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        Pixels8 in, out;
        std::memcpy(&in, s + i, sizeof in);
        std::memcpy(&out, d + i, sizeof out);
        const Pixels8 isKey = reinterpret_cast<Pixels8>(in == keys);
        out = (out & isKey) | (in & ~isKey);
        std::memcpy(d + i, &out, sizeof out);
    }
    for (; i < n; ++i) d[i] = s[i] == key ? d[i] : s[i];
}

void CopyRow(std::uint16_t* d, const std::uint16_t* s, int n, bool keyed, std::uint16_t key) {
    if (keyed)
        CopyKeyedRow(d, s, n, key);
    else
        std::memcpy(d, s, static_cast<std::size_t>(n) * sizeof *d);
}

// A copy of `r` (already inside `s`) as a surface of its own, with the same colour key: lets a
// surface be drawn onto itself when the two regions overlap.
Surface Extract(const Surface& s, const Rect& r) {
    Surface out(r.right - r.left, r.bottom - r.top);
    for (int y = r.top; y < r.bottom; ++y)
        std::memcpy(out.Row(y - r.top), s.Row(y) + r.left,
                    static_cast<std::size_t>(out.Width()) * sizeof(std::uint16_t));
    if (s.HasColorKey()) out.SetColorKey(s.ColorKey());
    return out;
}

// Clips a same-size copy of `srcRect` (proper) to (x, y): to the picture first, then to the
// destination.
BlitResult ClipArea(const Surface& dst, long long x, long long y, const Surface& src,
                    const Rect& srcRect, BlitArea* area) {
    *area = BlitArea{};
    Run h{srcRect.left, x, static_cast<long long>(srcRect.right) - srcRect.left};
    Run v{srcRect.top, y, static_cast<long long>(srcRect.bottom) - srcRect.top};
    if (!ClipAxis(h, src.Width(), dst.Width()) || !ClipAxis(v, src.Height(), dst.Height()))
        return BlitResult::InvalidRect;
    if (h.len > 0 && v.len > 0)
        *area = {static_cast<int>(h.src), static_cast<int>(v.src), static_cast<int>(h.dst),
                 static_cast<int>(v.dst), static_cast<int>(h.len), static_cast<int>(v.len)};
    return BlitResult::Ok;
}

// Same-size copy of `srcRect` (proper) to (x, y), clipped.
BlitResult Copy(Surface& dst, long long x, long long y, const Surface& src, const Rect& srcRect,
                bool keyed) {
    BlitArea a;
    const BlitResult result = ClipArea(dst, x, y, src, srcRect, &a);
    if (result != BlitResult::Ok || a.width == 0) return result;
    if (&dst == &src) {
        Surface copy = Extract(src, {a.srcX, a.srcY, a.srcX + a.width, a.srcY + a.height});
        return Copy(dst, a.dstX, a.dstY, copy, Bounds(copy), keyed);
    }
    const std::uint16_t key = src.ColorKey();
    for (int r = 0; r < a.height; ++r)
        CopyRow(dst.Row(a.dstY + r) + a.dstX, src.Row(a.srcY + r) + a.srcX, a.width, keyed, key);
    return BlitResult::Ok;
}

// For each destination position in [from, to) of a run starting at `dstStart` and `dstLen`
// long, the nearest source position of the run [srcStart, srcStart + srcLen) (pixel centres
// mapped onto each other), or -1 where that lies outside [0, srcLimit).
std::vector<int> StretchMap(long long from, long long to, long long dstStart, long long dstLen,
                            long long srcStart, long long srcLen, int srcLimit) {
    std::vector<int> map;
    map.reserve(static_cast<std::size_t>(std::max(0LL, to - from)));
    for (long long d = from; d < to; ++d) {
        long long s = srcStart + ((2 * (d - dstStart) + 1) * srcLen) / (2 * dstLen);
        map.push_back(s >= 0 && s < srcLimit ? static_cast<int>(s) : -1);
    }
    return map;
}

BlitResult Stretch(Surface& dst, const Rect& d, const Surface& src, const Rect& s, bool keyed) {
    const long long dw = static_cast<long long>(d.right) - d.left;
    const long long dh = static_cast<long long>(d.bottom) - d.top;
    const long long sw = static_cast<long long>(s.right) - s.left;
    const long long sh = static_cast<long long>(s.bottom) - s.top;
    if (std::max({dw, dh, sw, sh}) > kMaxStretchSide) return BlitResult::InvalidRect;
    if (&dst == &src) {
        Rect inside{std::max(s.left, 0), std::max(s.top, 0), std::min(s.right, src.Width()),
                    std::min(s.bottom, src.Height())};
        Surface copy = Extract(src, inside);
        Rect moved{s.left - inside.left, s.top - inside.top, s.right - inside.left,
                   s.bottom - inside.top};
        return Stretch(dst, d, copy, moved, keyed);
    }
    const int x0 = std::max(d.left, 0), x1 = std::min(d.right, dst.Width());
    const int y0 = std::max(d.top, 0), y1 = std::min(d.bottom, dst.Height());
    if (x0 >= x1 || y0 >= y1) return BlitResult::Ok;
    const std::vector<int> cols = StretchMap(x0, x1, d.left, dw, s.left, sw, src.Width());
    const std::vector<int> rows = StretchMap(y0, y1, d.top, dh, s.top, sh, src.Height());
    // Each row is gathered into a scratch row (columns outside the picture keep the pixel
    // already there) and then copied like a same-size row.
    std::vector<std::uint16_t> gathered(cols.size());
    for (int y = y0; y < y1; ++y) {
        const int sy = rows[y - y0];
        if (sy < 0) continue;
        const std::uint16_t* in = src.Row(sy);
        std::uint16_t* out = dst.Row(y) + x0;
        for (std::size_t i = 0; i < cols.size(); ++i)
            gathered[i] = cols[i] >= 0 ? in[cols[i]] : out[i];
        CopyRow(out, gathered.data(), x1 - x0, keyed, src.ColorKey());
    }
    return BlitResult::Ok;
}

}  // namespace

BlitResult BltFast(Surface* dst, int x, int y, const Surface* src, const Rect* srcRect,
                   unsigned flags) {
    if (DrawObserver* observer = ObserverOf(dst)) {
        const Rect s = srcRect ? *srcRect : src ? Bounds(*src) : Rect{};
        observer->OnDraw(CopyCall(DrawKind::BltFast, src, srcRect, Placed(s, x, y), flags));
    }
    if (!Usable(dst) || !Usable(src)) return BlitResult::NoSurface;
    const Rect s = srcRect ? *srcRect : Bounds(*src);
    if (!Proper(s)) return BlitResult::InvalidRect;
    const bool keyed = (flags & kBltFastSrcColorKey) != 0 && src->HasColorKey();
    return Copy(*dst, x, y, *src, s, keyed);
}

BlitResult ClipBlit(const Surface* dst, int x, int y, const Surface* src, const Rect* srcRect,
                    BlitArea* area) {
    *area = BlitArea{};
    if (!Usable(dst) || !Usable(src)) return BlitResult::NoSurface;
    const Rect s = srcRect ? *srcRect : Bounds(*src);
    if (!Proper(s)) return BlitResult::InvalidRect;
    return ClipArea(*dst, x, y, *src, s, area);
}

BlitResult Blt(Surface* dst, const Rect* dstRect, const Surface* src, const Rect* srcRect,
               unsigned flags) {
    if (DrawObserver* observer = ObserverOf(dst))
        observer->OnDraw(CopyCall(DrawKind::Blt, src, srcRect, dstRect ? *dstRect : Bounds(*dst), flags));
    if (!Usable(dst) || !Usable(src)) return BlitResult::NoSurface;
    const Rect d = dstRect ? *dstRect : Bounds(*dst);
    const Rect s = srcRect ? *srcRect : Bounds(*src);
    if (!Proper(d) || !Proper(s) || !Overlaps(s, *src)) return BlitResult::InvalidRect;
    const bool keyed = (flags & kBltKeySrc) != 0 && src->HasColorKey();
    const bool sameSize = static_cast<long long>(d.right) - d.left ==
                              static_cast<long long>(s.right) - s.left &&
                          static_cast<long long>(d.bottom) - d.top ==
                              static_cast<long long>(s.bottom) - s.top;
    if (sameSize) return Copy(*dst, d.left, d.top, *src, s, keyed);
    return Stretch(*dst, d, *src, s, keyed);
}

BlitResult ColorFill(Surface* dst, const Rect* rect, std::uint32_t fillValue) {
    if (DrawObserver* observer = ObserverOf(dst)) {
        DrawCall call(DrawKind::ColorFill);
        call.dst = rect ? *rect : Bounds(*dst);
        call.color = fillValue;
        observer->OnDraw(call);
    }
    if (!Usable(dst)) return BlitResult::NoSurface;
    const Rect r = rect ? *rect : Bounds(*dst);
    if (!Proper(r)) return BlitResult::InvalidRect;
    const int x0 = std::max(r.left, 0), x1 = std::min(r.right, dst->Width());
    const int y0 = std::max(r.top, 0), y1 = std::min(r.bottom, dst->Height());
    const auto pixel = static_cast<std::uint16_t>(fillValue & 0xFFFF);
    for (int y = y0; y < y1; ++y) std::fill(dst->Row(y) + x0, dst->Row(y) + std::max(x0, x1), pixel);
    return BlitResult::Ok;
}

bool Lock(Surface* surface, SurfaceLock* lock) {
    if (lock == nullptr) return false;
    *lock = SurfaceLock{};
    if (!Usable(surface)) return false;
    *lock = {surface->Pixels(), surface->Pitch(), surface->Width(), surface->Height()};
    return true;
}

}  // namespace platform
