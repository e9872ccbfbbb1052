// Which kind of recording a --record path asks for: a video file by its
// extension (any case), or a folder of PNG frames.
#pragma once
#include <string_view>

enum class VideoFormat {
    kNone,  // not a video: a folder of PNG frames
    kMp4,   // H.264 in MP4
    kWebm,  // VP9 in WebM
    kGif,   // a palette GIF
};

VideoFormat VideoFormatOf(std::string_view path);
