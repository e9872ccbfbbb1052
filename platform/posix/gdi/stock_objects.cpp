// Stock objects: static records shared by every DC, which DeleteObject ignores.
#include "platform/posix/gdi/objects.h"

namespace posix {
namespace {

Pen blackPen{{ObjectKind::Pen, true}, RGB(0, 0, 0)};
Pen whitePen{{ObjectKind::Pen, true}, RGB(255, 255, 255)};
Brush whiteBrush{{ObjectKind::Brush, true}, RGB(255, 255, 255), false};
Brush blackBrush{{ObjectKind::Brush, true}, RGB(0, 0, 0), false};
Brush nullBrush{{ObjectKind::Brush, true}, RGB(0, 0, 0), true};
Bitmap emptyBitmap{{ObjectKind::Bitmap, true}, Surface{}};

// The system font: 16 pixels high, no face name; the text layer resolves its
// face on first use.
Font systemFont{{ObjectKind::Font, true},
                LOGFONTA{16, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, FIXED_PITCH, {}},
                nullptr};

}  // namespace

Pen* DefaultPen() { return &blackPen; }
Brush* DefaultBrush() { return &whiteBrush; }
Font* SystemFont() { return &systemFont; }
Bitmap* DefaultBitmap() { return &emptyBitmap; }

}  // namespace posix

HGDIOBJ GetStockObject(int object) {
    using namespace posix;
    switch (object) {
        case WHITE_BRUSH: return &whiteBrush;
        case BLACK_BRUSH: return &blackBrush;
        case NULL_BRUSH: return &nullBrush;
        case WHITE_PEN: return &whitePen;
        case BLACK_PEN: return &blackPen;
        case SYSTEM_FONT: return &systemFont;
        default: return nullptr;
    }
}
