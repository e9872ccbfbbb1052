// Font metrics and text extents of a device context's font.
#include "platform/posix/text/text_dc.h"
#include "platform/posix/text/text_draw.h"

#include <algorithm>
#include <limits>
#include <mutex>

namespace {

// Bits of tmPitchAndFamily. TMPF_FIXED_PITCH set means variable pitch, the
// reverse of what its name says.
constexpr BYTE kVariablePitch = 0x01;
constexpr BYTE kVector = 0x02;
constexpr BYTE kTrueType = 0x04;
constexpr BYTE kAnsiCharset = 0;

void FillMetrics(const posix::FontFace& face, TEXTMETRICA& metrics) {
    metrics = TEXTMETRICA{};
    metrics.tmHeight = posix::CellHeight(face);
    metrics.tmAscent = face.ascent;
    metrics.tmDescent = face.descent;
    metrics.tmInternalLeading = std::max(0, metrics.tmHeight - face.pixelSize);
    metrics.tmAveCharWidth = face.halfWidth;
    metrics.tmMaxCharWidth = face.halfWidth * 2;
    metrics.tmWeight = face.weight;
    metrics.tmDigitizedAspectX = 96;
    metrics.tmDigitizedAspectY = 96;
    // Every byte value draws something (a glyph or a box); there is no single
    // substitute character, as missing ones draw as boxes.
    metrics.tmFirstChar = 0x00;
    metrics.tmLastChar = 0xFF;
    metrics.tmDefaultChar = 0x00;
    metrics.tmBreakChar = ' ';
    metrics.tmItalic = face.italic;
    metrics.tmPitchAndFamily = (face.fixedPitch ? 0 : kVariablePitch) | kVector | kTrueType;
    metrics.tmCharSet = face.japanese ? SHIFTJIS_CHARSET : kAnsiCharset;
}

}  // namespace

BOOL GetTextMetricsA(HDC handle, LPTEXTMETRICA metrics) {
    if (metrics == nullptr) return FALSE;
    std::lock_guard lock(posix::LayerLock());
    posix::DeviceContext* dc = posix::AsDc(handle);
    posix::FontFace* face = posix::SelectedFace(dc);
    if (face == nullptr) return FALSE;
    FillMetrics(*face, *metrics);
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC handle, LPCSTR text, int length, LPSIZE size) {
    if (size == nullptr || length < 0 || (text == nullptr && length > 0)) return FALSE;
    std::lock_guard lock(posix::LayerLock());
    posix::DeviceContext* dc = posix::AsDc(handle);
    posix::FontFace* face = posix::SelectedFace(dc);
    if (face == nullptr) return FALSE;
    const int64_t width = posix::Cp932TextWidth(*face, text, static_cast<size_t>(length));
    size->cx = static_cast<LONG>(std::min<int64_t>(width, std::numeric_limits<LONG>::max()));
    size->cy = posix::CellHeight(*face);
    return TRUE;
}
