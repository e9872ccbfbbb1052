// Writing recorded frames into one video file. The file is written under a
// temporary name in the same folder and renamed when it is complete, so a
// failed or interrupted recording leaves no file that looks finished. Only
// the Linux build has FFmpeg; elsewhere OpenVideo fails with a message.
#pragma once
#include "tools/capture/picture.h"
#include "tools/swarmsim/video_format.h"

#include <string>

struct VideoSettings {
    VideoFormat format = VideoFormat::kMp4;
    double framesPerSecond = 60.0;
    bool lossless = false;
};

struct VideoWriter;  // the open file and its encoder, for one recording

// Creates the temporary file at once, so an unwritable path is reported
// before any frame is run; the encoder starts with the first frame, which
// sets the video's size. Null with error set on failure.
VideoWriter* OpenVideo(const std::string& path, const VideoSettings& settings, std::string& error);
// Encodes the next frame; every frame must have the first one's size.
bool WriteVideoFrame(VideoWriter& video, const Picture& picture, std::string& error);
// Flushes the encoder, ends the file and gives it its name; frees the writer
// either way (on failure the temporary file is removed).
bool FinishVideo(VideoWriter* video, std::string& error);
// Removes the temporary file and frees the writer.
void AbandonVideo(VideoWriter* video);
