// Shared set-up of the text tests: the console's font description and a
// memory device context over a bitmap filled with a marker colour.
#pragma once
#include "platform/platform.h"
#include "platform/posix/gdi/objects.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace text_test {

// A colour no glyph or background of these tests uses.
constexpr uint32_t kUntouched = 0x00123456;

inline LOGFONTA ConsoleDescription() {
    LOGFONTA description{};
    description.lfHeight = -16;
    description.lfCharSet = SHIFTJIS_CHARSET;
    description.lfPitchAndFamily = FIXED_PITCH;
    std::memcpy(description.lfFaceName, "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9", 10);
    return description;
}

class Canvas {
public:
    Canvas(int width, int height, HFONT font) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(dc_, width, height);
        previousBitmap_ = SelectObject(dc_, bitmap_);
        if (font != nullptr) previousFont_ = SelectObject(dc_, font);
        Clear();
    }
    ~Canvas() {
        SelectObject(dc_, previousBitmap_);
        if (previousFont_ != nullptr) SelectObject(dc_, previousFont_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    uint32_t At(int x, int y) const { return Pixels()[static_cast<size_t>(y) * width_ + x]; }
    void Clear() {
        for (int i = 0; i < width_ * height_; ++i) Pixels()[i] = kUntouched;
    }
    // Draws `text` in the given colours; back colour -1 means transparent.
    BOOL Draw(int x, int y, const char* text, int length, COLORREF fore = 0x00FFFFFF,
              COLORREF back = 0) {
        SetTextColor(dc_, fore);
        if (back == CLR_INVALID) {
            SetBkMode(dc_, TRANSPARENT);
        } else {
            SetBkMode(dc_, OPAQUE);
            SetBkColor(dc_, back);
        }
        return TextOutA(dc_, x, y, text, length);
    }
    // Number of pixels of `colour` inside the rectangle (right, bottom exclusive).
    int Count(uint32_t colour, int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) count += At(x, y) == colour;
        return count;
    }

private:
    uint32_t* Pixels() const { return posix::AsBitmap(bitmap_)->surface.pixels; }

    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
    HGDIOBJ previousFont_ = nullptr;
};

// The console font, made once for all tests and never deleted (as the
// console keeps it).
inline HFONT ConsoleFont() {
    static const HFONT font = [] {
        const LOGFONTA description = ConsoleDescription();
        return CreateFontIndirectA(&description);
    }();
    return font;
}

}  // namespace text_test
