// Pens and brushes: plain colour records.
#include "platform/posix/gdi/objects.h"

#include <new>

// Every pen is drawn solid and one pixel wide: that is the only pen the
// runtime uses. Other styles and widths are accepted and drawn the same way.
HPEN CreatePen(int, int, COLORREF colour) {
    auto* pen = new (std::nothrow) posix::Pen{{posix::ObjectKind::Pen}, colour & 0x00FFFFFFu};
    return reinterpret_cast<HPEN>(static_cast<posix::GdiObject*>(pen));
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    auto* brush =
        new (std::nothrow) posix::Brush{{posix::ObjectKind::Brush}, colour & 0x00FFFFFFu, false};
    return reinterpret_cast<HBRUSH>(static_cast<posix::GdiObject*>(brush));
}
