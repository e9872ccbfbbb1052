// Handle checks: a handle is its record's address, and the record's first
// member says what kind of object it is.
#include "platform/posix/gdi/objects.h"

namespace posix {
namespace {

bool IsKnownKind(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Pen:
        case ObjectKind::Brush:
        case ObjectKind::Font:
        case ObjectKind::Bitmap:
        case ObjectKind::DeviceContext: return true;
    }
    return false;
}

template <typename Record>
Record* AsKind(HGDIOBJ object, ObjectKind kind) {
    GdiObject* record = AsObject(object);
    return record != nullptr && record->kind == kind ? static_cast<Record*>(record) : nullptr;
}

}  // namespace

GdiObject* AsObject(HGDIOBJ object) {
    auto* record = static_cast<GdiObject*>(object);
    return record != nullptr && IsKnownKind(record->kind) ? record : nullptr;
}

DeviceContext* AsDc(HDC dc) { return AsKind<DeviceContext>(dc, ObjectKind::DeviceContext); }
Pen* AsPen(HGDIOBJ object) { return AsKind<Pen>(object, ObjectKind::Pen); }
Brush* AsBrush(HGDIOBJ object) { return AsKind<Brush>(object, ObjectKind::Brush); }
Bitmap* AsBitmap(HGDIOBJ object) { return AsKind<Bitmap>(object, ObjectKind::Bitmap); }
Font* AsFont(HGDIOBJ object) { return AsKind<Font>(object, ObjectKind::Font); }

}  // namespace posix
