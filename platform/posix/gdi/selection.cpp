// SelectObject and DeleteObject: which objects a DC uses, and their release.
#include "platform/posix/gdi/objects.h"

namespace posix {
namespace {

// Moves the DC's slot from its current object to `next`, keeping the
// selection counts, and returns the previous object.
template <typename Record>
HGDIOBJ Replace(Record*& slot, Record* next) {
    Record* previous = slot;
    ++next->selections;
    --previous->selections;
    slot = next;
    return static_cast<GdiObject*>(previous);
}

HGDIOBJ SelectBitmap(DeviceContext* dc, Bitmap* bitmap) {
    if (dc->window != nullptr) return nullptr;  // only memory DCs hold bitmaps
    if (bitmap == dc->bitmap) return static_cast<GdiObject*>(bitmap);
    // A bitmap belongs to one memory DC at a time; the stock empty bitmap is shared.
    if (!bitmap->stock && bitmap->selections > 0) return nullptr;
    return Replace(dc->bitmap, bitmap);
}

void FreeObject(GdiObject* object) {
    switch (object->kind) {
        case ObjectKind::Pen: delete static_cast<Pen*>(object); break;
        case ObjectKind::Brush: delete static_cast<Brush*>(object); break;
        case ObjectKind::Font: DestroyFont(static_cast<Font*>(object)); break;
        case ObjectKind::Bitmap: {
            auto* bitmap = static_cast<Bitmap*>(object);
            delete[] bitmap->surface.pixels;
            delete bitmap;
            break;
        }
        case ObjectKind::DeviceContext: break;  // DeleteDC's business
    }
}

}  // namespace
}  // namespace posix

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    using namespace posix;
    std::lock_guard lock(LayerLock());
    DeviceContext* context = AsDc(dc);
    GdiObject* record = AsObject(object);
    if (context == nullptr || record == nullptr) return nullptr;
    switch (record->kind) {
        case ObjectKind::Pen: return Replace(context->pen, static_cast<Pen*>(record));
        case ObjectKind::Brush: return Replace(context->brush, static_cast<Brush*>(record));
        case ObjectKind::Font: return Replace(context->font, static_cast<Font*>(record));
        case ObjectKind::Bitmap: return SelectBitmap(context, static_cast<Bitmap*>(record));
        case ObjectKind::DeviceContext: return nullptr;
    }
    return nullptr;
}

// Stock objects are never destroyed (success, nothing happens). An object
// still selected into a DC is refused, as the DC would otherwise draw with
// freed memory; DCs are released with DeleteDC, not here.
BOOL DeleteObject(HGDIOBJ object) {
    using namespace posix;
    std::lock_guard lock(LayerLock());
    GdiObject* record = AsObject(object);
    if (record == nullptr || record->kind == ObjectKind::DeviceContext) return FALSE;
    if (record->stock) return TRUE;
    if (record->selections > 0) return FALSE;
    FreeObject(record);
    return TRUE;
}
