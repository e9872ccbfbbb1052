// Font matching with fontconfig. The description's face name, language and
// pitch become a pattern; fontconfig's sorted list of fonts for it gives the
// candidates, which the caller tries in order until one opens.
#include "platform/posix/text/font_match.h"
#include "platform/posix/gdi/objects.h"
#include "platform/posix/text/text_characters.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unicode/utf8.h>

namespace posix {
namespace {

// The Windows Japanese faces have no alias in the system's configuration; the
// IPA faces have the same design roles. Binding "same" keeps the alias as
// strong as the requested name, so the family outranks language and spacing
// (both IPA faces are "dual" spaced, which a mono request would otherwise
// trade for another face).
constexpr char kFaceAliases[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <alias binding="same"><family>ＭＳ 明朝</family><accept><family>IPAMincho</family></accept></alias>
  <alias binding="same"><family>MS Mincho</family><accept><family>IPAMincho</family></accept></alias>
</fontconfig>
)";

FcConfig* LoadTextFontConfig() {
    FcConfig* config = FcInitLoadConfigAndFonts();
    // Should the rules fail to load, the system's fonts still serve.
    if (config != nullptr)
        FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kFaceAliases), FcTrue);
    return config;
}

// Made on first use, released when the process exits normally, so that no
// allocation of fontconfig's outlives it (ExitProcess skips this).
FcConfig* textFontConfig = nullptr;  // guarded by the layer lock
bool configLoaded = false;           // guarded by the layer lock

void ReleaseTextFontConfig() {
    std::lock_guard lock(LayerLock());
    if (textFontConfig != nullptr) FcConfigDestroy(textFontConfig);
    textFontConfig = nullptr;
}

FcPattern* PatternFor(const LOGFONTA& description) {
    FcPattern* pattern = FcPatternCreate();
    const std::string family = FaceNameUtf8(description);
    if (!family.empty())
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    if (description.lfCharSet == SHIFTJIS_CHARSET)
        FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    if ((description.lfPitchAndFamily & 3) == FIXED_PITCH)
        FcPatternAddInteger(pattern, FC_SPACING, FC_MONO);
    if (description.lfWeight > 0)
        FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(description.lfWeight));
    if (description.lfItalic)
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ITALIC);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    return pattern;
}

FontCandidate CandidateOf(FcPattern* font) {
    FontCandidate candidate{{}, 0, false, false};
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch)
        candidate.file = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(font, FC_INDEX, 0, &candidate.index);
    FcLangSet* languages = nullptr;
    if (FcPatternGetLangSet(font, FC_LANG, 0, &languages) == FcResultMatch)
        candidate.japanese = FcLangSetHasLang(languages, reinterpret_cast<const FcChar8*>("ja")) == FcLangEqual;
    int spacing = FC_PROPORTIONAL;
    FcPatternGetInteger(font, FC_SPACING, 0, &spacing);
    candidate.fixedPitch = spacing == FC_MONO || spacing == FC_DUAL;
    return candidate;
}

}  // namespace

FcConfig* TextFontConfig() {
    if (!configLoaded) {
        configLoaded = true;
        textFontConfig = LoadTextFontConfig();
        std::atexit(ReleaseTextFontConfig);
    }
    return textFontConfig;
}

std::string FaceNameUtf8(const LOGFONTA& description) {
    const size_t length = strnlen(description.lfFaceName, LF_FACESIZE);
    std::string name;
    ForEachCp932Character(description.lfFaceName, length, [&](const TextCharacter& character) {
        if (character.codePoint == kNoCodePoint) return true;  // undecodable bytes are left out
        uint8_t utf8[U8_MAX_LENGTH];
        int32_t utf8Length = 0;
        U8_APPEND_UNSAFE(utf8, utf8Length, character.codePoint);
        name.append(reinterpret_cast<const char*>(utf8), static_cast<size_t>(utf8Length));
        return true;
    });
    return name;
}

std::vector<FontCandidate> FontCandidates(FcConfig* config, const LOGFONTA& description) {
    std::vector<FontCandidate> candidates;
    if (config == nullptr) return candidates;
    FcPattern* pattern = PatternFor(description);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(config, pattern, FcTrue, nullptr, &result);
    if (fonts != nullptr) {
        for (int i = 0; i < fonts->nfont; ++i) {
            FontCandidate candidate = CandidateOf(fonts->fonts[i]);
            if (!candidate.file.empty()) candidates.push_back(std::move(candidate));
        }
        FcFontSetDestroy(fonts);
    }
    FcPatternDestroy(pattern);
    return candidates;
}

}  // namespace posix

