// The layer's GDI records. Every handle the layer gives out is a pointer to
// one of these records; its first member says which kind it is. Stock objects
// are static records that DeleteObject ignores.
#pragma once
#include "platform/posix/win32.h"

#include <cstdint>
#include <mutex>

namespace posix {

// A 32-bit pixel buffer of 0x00BBGGRR values, rows packed (stride = width).
struct Surface {
    uint32_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};

enum class ObjectKind : uint8_t { Pen, Brush, Font, Bitmap, DeviceContext };

struct GdiObject {
    ObjectKind kind;
    bool stock;  // shared, never destroyed
};

struct Pen : GdiObject {
    COLORREF colour;
};

struct Brush : GdiObject {
    COLORREF colour;
    bool hollow;  // NULL_BRUSH: leaves the interior as it was
};

struct Bitmap : GdiObject {
    Surface surface;
};

struct FontFace;  // the text layer's rendered face (text/)

struct Font : GdiObject {
    LOGFONTA description;
    FontFace* face;
};

struct Window;  // the window layer's record (user/)

// A device context draws either into a bitmap (memory DC) or into a window's
// client-area surface (GetDC, BeginPaint). Coordinates are client/bitmap
// coordinates; clip limits drawing further (a paint's invalid area).
struct DeviceContext : GdiObject {
    Window* window;   // window DC, or null
    Bitmap* bitmap;   // selected bitmap of a memory DC, or null
    bool hasClip;
    RECT clip;
    Pen* pen;
    Brush* brush;
    Font* font;
    COLORREF textColour;
    COLORREF backColour;
    int backMode;
};

// The layer's one lock. Every call that touches a surface, a DC or the window
// list takes it, as a display driver would; it is never held while a window
// procedure runs.
std::mutex& LayerLock();

// The surface a DC draws into (null when there is none), and the rectangle it
// may draw in: the surface's bounds intersected with the DC's clip. Call with
// the lock held.
Surface* TargetSurface(DeviceContext* dc);
RECT DrawableArea(DeviceContext* dc);

// Tells the window layer that pixels inside `area` of a window DC's surface
// changed, so the display presents them. Call with the lock held; does
// nothing for memory DCs.
void NoteDrawn(DeviceContext* dc, const RECT& area);

// Window-layer hooks used by the above (implemented in user/).
Surface* WindowSurface(Window* window);
void WindowSurfaceChanged(Window* window, const RECT& area);

inline DeviceContext* AsDc(HDC dc) { return reinterpret_cast<DeviceContext*>(dc); }

}  // namespace posix
