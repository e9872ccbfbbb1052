// Timing of TextOutA as the text grid calls it: one character per call, in
// the console font, onto a screen-sized memory bitmap. Glyphs come from the
// face's cache after the first call.
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

class ConsoleTarget {
public:
    ConsoleTarget() {
        LOGFONTA description{};
        description.lfHeight = -16;
        description.lfCharSet = SHIFTJIS_CHARSET;
        description.lfPitchAndFamily = FIXED_PITCH;
        std::memcpy(description.lfFaceName, "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9", 10);
        font_ = CreateFontIndirectA(&description);
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(dc_, 800, 600);
        previousBitmap_ = SelectObject(dc_, bitmap_);
        previousFont_ = SelectObject(dc_, font_);
        SetTextColor(dc_, RGB(255, 255, 255));
        SetBkColor(dc_, RGB(0, 0, 0));
    }
    ~ConsoleTarget() {
        SelectObject(dc_, previousFont_);
        SelectObject(dc_, previousBitmap_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
        DeleteObject(font_);
    }
    HDC Dc() const { return dc_; }
    bool Ready() const { return font_ != nullptr && bitmap_ != nullptr; }

private:
    HFONT font_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previousBitmap_;
    HGDIOBJ previousFont_;
};

void DrawOneCharacter(benchmark::State& state, const char* glyph, int mode) {
    ConsoleTarget target;
    if (!target.Ready()) {
        state.SkipWithError("console font or bitmap unavailable");
        return;
    }
    SetBkMode(target.Dc(), mode);
    const int length = static_cast<int>(std::strlen(glyph));
    int column = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextOutA(target.Dc(), column * 8, 160, glyph, length));
        column = (column + 1) % 90;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_TextOutHalfWidthOpaque(benchmark::State& state) { DrawOneCharacter(state, "A", OPAQUE); }
void BM_TextOutHalfWidthTransparent(benchmark::State& state) { DrawOneCharacter(state, "A", TRANSPARENT); }
void BM_TextOutFullWidthOpaque(benchmark::State& state) { DrawOneCharacter(state, "\x82\xA0", OPAQUE); }

BENCHMARK(BM_TextOutHalfWidthOpaque);
BENCHMARK(BM_TextOutHalfWidthTransparent);
BENCHMARK(BM_TextOutFullWidthOpaque);

}  // namespace
