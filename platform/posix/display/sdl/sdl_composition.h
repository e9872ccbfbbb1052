// The composition overlay of the SDL display: the input method's pre-edit
// text, followed through SDL's editing events and drawn over the window's
// picture at the composition point, like the caret never part of the
// window's pixels. Used on the display's own thread only.
#pragma once
#include "platform/posix/display/composition_picture.h"
#include "platform/posix/user/window.h"

#include <SDL.h>

namespace posix {

class SdlComposition {
public:
    // Sets the hints that make SDL hand the pre-edit to this overlay; before SDL_Init.
    static void ConfigureSdl();

    // Follows SDL_TEXTEDITING and SDL_TEXTEDITING_EXT; other events are ignored.
    void Follow(const SDL_Event& event);
    // Drops the pre-edit (the window lost the keyboard).
    void Clear();
    // Draws the picture again if the text, point, font or window size changed.
    // Returns true when what is shown changes. Lock held.
    bool Update(Window& window);
    // Shows the picture over the frame being rendered.
    void Draw(SDL_Renderer* renderer);
    // Gives back the texture and the face. Lock NOT held.
    void Release();

private:
    // Everything the picture is made from.
    struct Source {
        CompositionText text;
        POINT point{};
        LOGFONTA font{};
        int clientWidth = 0, clientHeight = 0;
        bool operator==(const Source& other) const;
    };

    FontFace* FaceFor(const LOGFONTA& font);  // lock held

    CompositionText text_;
    Source drawn_;
    FontFace* face_ = nullptr;
    LOGFONTA faceFont_{};
    CompositionPicture picture_;
    bool uploadPending_ = false;
    SDL_Texture* texture_ = nullptr;
    int textureWidth_ = 0, textureHeight_ = 0;
};

}  // namespace posix
