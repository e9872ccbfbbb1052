// TextOutA: code-page-932 text in the device context's font and colours.
#include "platform/posix/text/text_dc.h"
#include "platform/posix/text/text_draw.h"

#include <mutex>

BOOL TextOutA(HDC handle, int x, int y, LPCSTR text, int length) {
    if (length < 0 || (text == nullptr && length > 0)) return FALSE;
    std::lock_guard lock(posix::LayerLock());
    posix::DeviceContext* dc = posix::AsDc(handle);
    posix::FontFace* face = posix::SelectedFace(dc);
    if (face == nullptr) return FALSE;
    posix::Surface* surface = posix::TargetSurface(dc);
    if (surface == nullptr || length == 0) return TRUE;
    const posix::TextPaint paint{dc->textColour, dc->backMode == OPAQUE, dc->backColour};
    const RECT touched = posix::DrawCp932Text(*surface, posix::DrawableArea(dc), *face, x, y, text,
                                              static_cast<size_t>(length), paint);
    if (touched.left < touched.right && touched.top < touched.bottom) posix::NoteDrawn(dc, touched);
    return TRUE;
}
