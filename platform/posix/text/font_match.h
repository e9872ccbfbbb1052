// Finding font files for a font description, through fontconfig.
#pragma once
#include "platform/posix/win32_gdi.h"

#include <fontconfig/fontconfig.h>
#include <string>
#include <vector>

namespace posix {

struct FontCandidate {
    std::string file;
    int index;         // face within the file
    bool japanese;     // covers the Japanese language
    bool fixedPitch;   // fontconfig spacing mono or dual
};

// The system's fonts and configuration plus the layer's own rules mapping the
// Windows Japanese face names to the IPA faces. Made on first use; null when
// fontconfig fails or the process is exiting. Call with the layer's lock held.
FcConfig* TextFontConfig();

// Fonts for `description`, best match first: the face name (converted from
// code page 932), Japanese coverage for SHIFTJIS_CHARSET, mono spacing for
// FIXED_PITCH, weight and slant. Empty when `config` has no font at all.
std::vector<FontCandidate> FontCandidates(FcConfig* config, const LOGFONTA& description);

// The face name of a description as UTF-8 (the name is at most LF_FACESIZE
// bytes and need not be terminated).
std::string FaceNameUtf8(const LOGFONTA& description);

}  // namespace posix
