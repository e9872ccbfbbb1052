// The face a device context draws text in. Call with the layer's lock held.
#pragma once
#include "platform/posix/gdi/objects.h"
#include "platform/posix/text/font_face.h"

namespace posix {

// The face of the DC's selected font. A font without a face yet (the stock
// system font) gets one here, matched from its description and kept for the
// font's life. Null when `dc` is null or no font file opens.
FontFace* SelectedFace(DeviceContext* dc);

}  // namespace posix
