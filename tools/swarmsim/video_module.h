// The FFmpeg video writer lives in a module of its own (swarmsim-video.so),
// loaded only when a recording asks for a video: FFmpeg's libraries pull in
// a hundred more shared libraries, which would slow every start of swarmsim.
// The module hands out its functions in one table.
#pragma once
#include "tools/swarmsim/video_writer.h"

struct VideoWriterFunctions {
    VideoWriter* (*open)(const std::string& path, const VideoSettings& settings, std::string& error);
    bool (*write)(VideoWriter& video, const Picture& picture, std::string& error);
    bool (*finish)(VideoWriter* video, std::string& error);
    void (*abandon)(VideoWriter* video);
};

#define SWARMSIM_VIDEO_ENTRY "SwarmsimVideoWriterFunctions"
extern "C" __attribute__((visibility("default"))) const VideoWriterFunctions* SwarmsimVideoWriterFunctions();
