// PatBlt and BitBlt: rectangle fills and copies, clipped to the surfaces.
#include "platform/posix/gdi/objects.h"
#include "platform/posix/gdi/rects.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace posix {
namespace {

// Fills of at least this many pixels (4 MiB, more than a core's own caches)
// bypass the caches. The back buffer is read by the console thread's paints,
// so its lines sit in another core's caches; an ordinary store must fetch
// each line from there first, and measured several times slower than a
// streaming store that just replaces it.
constexpr size_t kStreamingFillPixels = size_t{1} << 20;

bool StreamFill(uint32_t* first, size_t count, uint32_t colour) {
#if defined(__SSE2__)
    if (count < kStreamingFillPixels) return false;
    while (count > 0 && reinterpret_cast<uintptr_t>(first) % 16 != 0) {
        *first++ = colour;
        --count;
    }
    const __m128i four = _mm_set1_epi32(static_cast<int>(colour));
    for (; count >= 4; count -= 4, first += 4) _mm_stream_si128(reinterpret_cast<__m128i*>(first), four);
    _mm_sfence();  // the streamed stores are seen by other threads before the fill returns
    std::fill(first, first + count, colour);
    return true;
#else
    (void)first, (void)count, (void)colour;
    return false;
#endif
}

// `count` pixels from `first`. A colour of four equal bytes (black, white)
// goes through memset, the C library's fastest fill for cached memory.
void FillPixels(uint32_t* first, size_t count, uint32_t colour) {
    if (StreamFill(first, count, colour)) return;
    if (colour == (colour & 0xFFu) * 0x01010101u) {
        std::memset(first, static_cast<int>(colour & 0xFFu), count * sizeof(uint32_t));
    } else {
        std::fill(first, first + count, colour);
    }
}

// Rows that span the whole surface are one block of memory, filled at once.
void FillRect(Surface& surface, const RECT& area, uint32_t colour) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    const size_t width = static_cast<size_t>(area.right - area.left);
    uint32_t* top = surface.pixels + static_cast<size_t>(area.top) * surface.width + area.left;
    if (area.left == 0 && area.right == surface.width) {
        FillPixels(top, width * static_cast<size_t>(area.bottom - area.top), colour);
        return;
    }
    for (LONG y = area.top; y < area.bottom; ++y) {
        FillPixels(top + static_cast<size_t>(y - area.top) * surface.width, width, colour);
    }
}

// Copies rows of `area` (target coordinates) from the source offset by
// (dx, dy). memmove and the row order keep an overlapping copy within one
// surface correct.
void CopyRect(Surface& target, const RECT& area, const Surface& source, LONG dx, LONG dy) {
    const size_t bytes = static_cast<size_t>(area.right - area.left) * sizeof(uint32_t);
    auto copyRow = [&](LONG y) {
        uint32_t* to = target.pixels + static_cast<size_t>(y) * target.width + area.left;
        const uint32_t* from =
            source.pixels + static_cast<size_t>(y + dy) * source.width + (area.left + dx);
        std::memmove(to, from, bytes);
    };
    if (target.pixels == source.pixels && dy < 0) {
        for (LONG y = area.bottom - 1; y >= area.top; --y) copyRow(y);
    } else {
        for (LONG y = area.top; y < area.bottom; ++y) copyRow(y);
    }
}

}  // namespace
}  // namespace posix

// PATCOPY only: the runtime never uses another raster operation. A hollow
// brush paints nothing (and succeeds).
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    using namespace posix;
    std::lock_guard lock(LayerLock());
    DeviceContext* context = AsDc(dc);
    if (context == nullptr || rop != PATCOPY) return FALSE;
    Surface* surface = TargetSurface(context);
    if (surface == nullptr) return FALSE;
    if (context->brush->hollow) return TRUE;
    RECT area = IntersectRects(BoxRect(x, y, width, height), DrawableArea(context));
    if (IsEmptyRect(area)) return TRUE;
    FillRect(*surface, area, context->brush->colour);
    NoteDrawn(context, area);
    return TRUE;
}

// SRCCOPY only. The copy is clipped to the source surface and to the target's
// drawable area (surface and clip); pixels outside either stay untouched.
// A zero or negative extent copies nothing.
BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop) {
    using namespace posix;
    std::lock_guard lock(LayerLock());
    DeviceContext* to = AsDc(target);
    DeviceContext* from = AsDc(source);
    if (to == nullptr || from == nullptr || rop != SRCCOPY) return FALSE;
    Surface* targetSurface = TargetSurface(to);
    Surface* sourceSurface = TargetSurface(from);
    if (targetSurface == nullptr || sourceSurface == nullptr) return FALSE;
    if (width <= 0 || height <= 0) return TRUE;

    const long long dx = static_cast<long long>(sourceX) - x;
    const long long dy = static_cast<long long>(sourceY) - y;
    // The source's bounds, moved into target coordinates.
    RECT sourceInTarget = BoxRect(static_cast<int>(std::clamp<long long>(-dx, INT32_MIN, INT32_MAX)),
                                  static_cast<int>(std::clamp<long long>(-dy, INT32_MIN, INT32_MAX)),
                                  sourceSurface->width, sourceSurface->height);
    RECT area = IntersectRects(IntersectRects(BoxRect(x, y, width, height), DrawableArea(to)),
                               sourceInTarget);
    if (IsEmptyRect(area)) return TRUE;
    CopyRect(*targetSurface, area, *sourceSurface, static_cast<LONG>(dx), static_cast<LONG>(dy));
    NoteDrawn(to, area);
    return TRUE;
}
