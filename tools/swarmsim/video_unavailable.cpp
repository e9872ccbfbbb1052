// The video writer where FFmpeg's libraries are missing (the Windows build).
#include "tools/swarmsim/video_writer.h"

struct VideoWriter {};

VideoWriter* OpenVideo(const std::string& path, const VideoSettings&, std::string& error) {
    error = "cannot write " + path + ": this build of swarmsim writes no video files; " +
            "record PNG frames into a directory instead";
    return nullptr;
}

bool WriteVideoFrame(VideoWriter&, const Picture&, std::string& error) {
    error = "no video writer in this build";
    return false;
}

bool FinishVideo(VideoWriter* video, std::string& error) {
    delete video;
    error = "no video writer in this build";
    return false;
}

void AbandonVideo(VideoWriter* video) { delete video; }
