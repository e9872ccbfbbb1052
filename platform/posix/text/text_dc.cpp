// Device contexts as the text operations see them.
#include "platform/posix/text/text_dc.h"

namespace posix {

FontFace* SelectedFace(DeviceContext* dc) {
    if (dc == nullptr || dc->font == nullptr) return nullptr;
    Font* font = dc->font;
    if (font->face == nullptr) font->face = AcquireFaceFor(font->description);
    return font->face;
}

}  // namespace posix
