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
    bool stock = false;  // shared, never destroyed
    // How many device contexts have this object selected. An object in use
    // cannot be deleted (DeleteObject fails), and a bitmap can be selected
    // into one memory DC at a time. Maintained under the layer lock.
    int32_t selections = 0;
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
    FontFace* face;  // null until the text layer resolves it (the stock system font starts so)
};

// Releases a font made by CreateFontIndirectA: its face and the record itself.
// DeleteObject calls it (lock held) for fonts that are not stock and not selected.
void DestroyFont(Font* font);

struct Window;  // the window layer's record (user/)

// A device context draws either into a bitmap (memory DC) or into a window's
// client-area surface (GetDC, BeginPaint). Coordinates are client/bitmap
// coordinates; clip limits drawing further (a paint's invalid area).
struct DeviceContext : GdiObject {
    Window* window;   // window DC, or null
    Bitmap* bitmap;   // selected bitmap of a memory DC, or null
    bool hasClip;
    bool paint;       // made by BeginPaint
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

// Window-layer hooks used by the above (implemented in user/). `byPaint`:
// drawn through the DC of a paint.
Surface* WindowSurface(Window* window);
void WindowSurfaceChanged(Window* window, const RECT& area, bool byPaint);

// The defaults of a fresh device context: a black pen, a white brush and the
// system font, all stock records; and the empty 0x0 bitmap a memory DC holds
// until a real bitmap is selected.
Pen* DefaultPen();
Brush* DefaultBrush();
Font* SystemFont();
Bitmap* DefaultBitmap();

// The handle's record when it is a live object of that kind, else null. A
// handle is the record's address; these check its kind, so a null handle or
// a handle of another kind is refused (a dangling pointer cannot be caught).
GdiObject* AsObject(HGDIOBJ object);
DeviceContext* AsDc(HDC dc);
Pen* AsPen(HGDIOBJ object);
Brush* AsBrush(HGDIOBJ object);
Bitmap* AsBitmap(HGDIOBJ object);
Font* AsFont(HGDIOBJ object);

// A device context with the default objects selected; window DCs draw into
// the window's client surface, memory DCs into the default (empty) bitmap
// until one is selected. Lock held.
DeviceContext* NewDeviceContext(Window* window);
// Releases a DC and its hold on the objects selected into it. Lock held.
void FreeDeviceContext(DeviceContext* dc);

}  // namespace posix
