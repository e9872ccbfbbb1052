// The video writer over FFmpeg's libraries: libavformat writes the container
// (MP4, WebM, GIF), libavcodec encodes (libx264, libvpx-vp9, gif) and
// libswscale converts the pictures' RGB to the encoder's pixel format. A GIF
// gets its indices from a fixed colour cube instead, which holds every
// console colour exactly. Built as the module swarmsim-video.so, which
// exports only SwarmsimVideoWriterFunctions.
#include "tools/swarmsim/video_module.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

struct VideoWriter {
    std::string path;
    std::string temporaryPath;
    VideoSettings settings;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    SwsContext* convert = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    int64_t nextPts = 0;
};

namespace {

// The temporary file, for the signal handler: an interrupted recording must
// not leave it behind. Written before the handler is installed.
char gTemporaryPath[4096];

void RemoveTemporaryAndDie(int signal) {
    if (gTemporaryPath[0] != '\0') unlink(gTemporaryPath);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void GuardTemporaryFile(const std::string& path) {
    if (path.size() >= sizeof gTemporaryPath) return;
    std::memcpy(gTemporaryPath, path.c_str(), path.size() + 1);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, RemoveTemporaryAndDie);
}

void ReleaseTemporaryFile() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, SIG_DFL);
    gTemporaryPath[0] = '\0';
}

std::string Reason(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

// ".NAME.PID.part" beside the video: hidden, and not named like a video.
std::string TemporaryPathFor(const std::string& path) {
    const std::filesystem::path target(path);
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%ld.part", static_cast<long>(getpid()));
    std::string name(1, '.');
    name.append(target.filename().string()).append(suffix);
    return (target.parent_path() / name).string();
}

const char* MuxerName(VideoFormat format) {
    switch (format) {
        case VideoFormat::kWebm: return "webm";
        case VideoFormat::kGif: return "gif";
        default: return "mp4";
    }
}

const char* EncoderName(const VideoSettings& settings) {
    switch (settings.format) {
        case VideoFormat::kWebm: return "libvpx-vp9";
        case VideoFormat::kGif: return "gif";
        default: return settings.lossless ? "libx264rgb" : "libx264";
    }
}

// Lossy video takes 4:2:0, which players expect, where both sides are even;
// lossless video stays RGB, so its pixels come back exactly.
AVPixelFormat PixelFormatFor(const VideoSettings& settings, int width, int height) {
    if (settings.format == VideoFormat::kGif) return AV_PIX_FMT_PAL8;
    if (settings.lossless) return settings.format == VideoFormat::kWebm ? AV_PIX_FMT_GBRP : AV_PIX_FMT_BGR0;
    return width % 2 == 0 && height % 2 == 0 ? AV_PIX_FMT_YUV420P : AV_PIX_FMT_YUV444P;
}

void SetEncoderOptions(const VideoSettings& settings, AVDictionary*& options) {
    if (settings.format == VideoFormat::kMp4) {
        av_dict_set(&options, "preset", settings.lossless ? "veryfast" : "medium", 0);
        av_dict_set(&options, settings.lossless ? "qp" : "crf", settings.lossless ? "0" : "18", 0);
    } else if (settings.format == VideoFormat::kWebm) {
        av_dict_set(&options, "deadline", "good", 0);
        av_dict_set(&options, "cpu-used", "4", 0);
        av_dict_set(&options, "row-mt", "1", 0);
        if (settings.lossless) {
            av_dict_set(&options, "lossless", "1", 0);
        } else {
            av_dict_set(&options, "crf", "30", 0);
            av_dict_set(&options, "b", "0", 0);
        }
    }
}

// 6 levels a channel (0, 51, ..., 255) at index 36r + 6g + b; the last entry
// is transparent, which lets the GIF encoder skip unchanged pixels.
void FillColourCube(uint32_t* palette) {
    for (int i = 0; i < 256; ++i) palette[i] = 0xFF000000u;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette[36 * r + 6 * g + b] = 0xFF000000u | (51u * r) << 16 | (51u * g) << 8 | (51u * b);
    palette[255] = 0;
}

uint8_t CubeIndex(uint32_t colour) {
    const uint32_t r = ((colour & 0xFF) + 25) / 51, g = (((colour >> 8) & 0xFF) + 25) / 51,
                   b = (((colour >> 16) & 0xFF) + 25) / 51;
    return static_cast<uint8_t>(36 * r + 6 * g + b);
}

bool Failed(VideoWriter& video, const std::string& what, int code, std::string& error) {
    error = "cannot " + what + " " + video.path + ": " + Reason(code);
    return false;
}

// The encoder's context, the stream, a frame and a packet.
bool Allocate(VideoWriter& video, const AVCodec*& encoder, std::string& error) {
    encoder = avcodec_find_encoder_by_name(EncoderName(video.settings));
    if (encoder == nullptr) {
        error = "cannot write " + video.path + ": FFmpeg has no " + EncoderName(video.settings) + " encoder";
        return false;
    }
    video.codec = avcodec_alloc_context3(encoder);
    video.stream = avformat_new_stream(video.format, nullptr);
    video.frame = av_frame_alloc();
    video.packet = av_packet_alloc();
    return (video.codec && video.stream && video.frame && video.packet) ||
           Failed(video, "encode", AVERROR(ENOMEM), error);
}

bool OpenCodec(VideoWriter& video, const AVCodec* encoder, int width, int height, std::string& error) {
    AVCodecContext& codec = *video.codec;
    codec.width = width;
    codec.height = height;
    codec.pix_fmt = PixelFormatFor(video.settings, width, height);
    codec.framerate = av_d2q(video.settings.framesPerSecond, 100000);
    codec.time_base = av_inv_q(codec.framerate);
    if (video.format->oformat->flags & AVFMT_GLOBALHEADER) codec.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    SetEncoderOptions(video.settings, options);
    int code = avcodec_open2(video.codec, encoder, &options);
    av_dict_free(&options);
    if (code < 0) return Failed(video, "encode", code, error);
    video.stream->time_base = codec.time_base;
    video.stream->avg_frame_rate = codec.framerate;
    code = avcodec_parameters_from_context(video.stream->codecpar, video.codec);
    return code >= 0 || Failed(video, "encode", code, error);
}

// Starts the encoder for frames of the first one's size and writes the
// container's header.
bool OpenEncoder(VideoWriter& video, int width, int height, std::string& error) {
    const AVCodec* encoder = nullptr;
    if (!Allocate(video, encoder, error) || !OpenCodec(video, encoder, width, height, error)) return false;
    video.frame->format = video.codec->pix_fmt;
    video.frame->width = width;
    video.frame->height = height;
    int code = av_frame_get_buffer(video.frame, 0);
    if (code < 0) return Failed(video, "encode", code, error);
    if ((code = avformat_write_header(video.format, nullptr)) < 0) return Failed(video, "write", code, error);
    if (video.codec->pix_fmt == AV_PIX_FMT_PAL8) return true;
    video.convert = sws_getContext(width, height, AV_PIX_FMT_RGB0, width, height, video.codec->pix_fmt,
                                   SWS_BILINEAR | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
    return video.convert != nullptr || Failed(video, "encode", AVERROR(EINVAL), error);
}

// The picture into the frame: converted by libswscale, or (GIF) indexed.
bool FillFrame(VideoWriter& video, const Picture& picture, std::string& error) {
    const int code = av_frame_make_writable(video.frame);
    if (code < 0) return Failed(video, "encode", code, error);
    AVFrame& frame = *video.frame;
    if (frame.format != AV_PIX_FMT_PAL8) {
        const uint8_t* source[1] = {reinterpret_cast<const uint8_t*>(picture.pixels.data())};
        const int stride[1] = {picture.width * 4};
        sws_scale(video.convert, source, stride, 0, picture.height, frame.data, frame.linesize);
        return true;
    }
    FillColourCube(reinterpret_cast<uint32_t*>(frame.data[1]));
    for (int32_t y = 0; y < picture.height; ++y) {
        uint8_t* row = frame.data[0] + static_cast<std::ptrdiff_t>(y) * frame.linesize[0];
        for (int32_t x = 0; x < picture.width; ++x) row[x] = CubeIndex(picture.At(x, y));
    }
    return true;
}

// Sends a frame (null: the end) and writes every packet the encoder has ready.
bool Encode(VideoWriter& video, const AVFrame* frame, std::string& error) {
    int code = avcodec_send_frame(video.codec, frame);
    if (code < 0) return Failed(video, "encode", code, error);
    for (;;) {
        code = avcodec_receive_packet(video.codec, video.packet);
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF) return true;
        if (code < 0) return Failed(video, "encode", code, error);
        av_packet_rescale_ts(video.packet, video.codec->time_base, video.stream->time_base);
        video.packet->stream_index = video.stream->index;
        code = av_interleaved_write_frame(video.format, video.packet);
        if (code < 0) return Failed(video, "write", code, error);
    }
}

void Free(VideoWriter* video) {
    sws_freeContext(video->convert);
    av_packet_free(&video->packet);
    av_frame_free(&video->frame);
    avcodec_free_context(&video->codec);
    if (video->format != nullptr) avio_closep(&video->format->pb);
    avformat_free_context(video->format);
    delete video;
}

bool IsDirectory(const std::string& path) {
    std::error_code code;
    return std::filesystem::is_directory(path, code);
}

}  // namespace

VideoWriter* OpenVideo(const std::string& path, const VideoSettings& settings, std::string& error) {
    if (IsDirectory(path)) {
        error = "cannot write " + path + ": a directory of that name is in the way";
        return nullptr;
    }
    av_log_set_level(AV_LOG_ERROR);
    auto* video = new VideoWriter{path, TemporaryPathFor(path), settings};
    int code = avformat_alloc_output_context2(&video->format, nullptr, MuxerName(settings.format),
                                              video->temporaryPath.c_str());
    if (code >= 0) code = avio_open(&video->format->pb, video->temporaryPath.c_str(), AVIO_FLAG_WRITE);
    if (code < 0) {
        Failed(*video, "write", code, error);
        Free(video);
        return nullptr;
    }
    GuardTemporaryFile(video->temporaryPath);
    return video;
}

bool WriteVideoFrame(VideoWriter& video, const Picture& picture, std::string& error) {
    if (video.codec == nullptr && !OpenEncoder(video, picture.width, picture.height, error)) return false;
    if (picture.width != video.codec->width || picture.height != video.codec->height) {
        error = "cannot write " + video.path + ": the console window changed its size";
        return false;
    }
    if (!FillFrame(video, picture, error)) return false;
    video.frame->pts = video.nextPts++;
    return Encode(video, video.frame, error);
}

bool FinishVideo(VideoWriter* video, std::string& error) {
    bool done = video->codec != nullptr && Encode(*video, nullptr, error);
    if (video->codec == nullptr) error = "cannot write " + video->path + ": no frame was recorded";
    int code = done ? av_write_trailer(video->format) : 0;
    if (code < 0) done = Failed(*video, "write", code, error);
    if (done && (code = avio_closep(&video->format->pb)) < 0) done = Failed(*video, "write", code, error);
    std::error_code renamed;
    if (done) std::filesystem::rename(video->temporaryPath, video->path, renamed);
    if (done && renamed) {
        error = "cannot write " + video->path + ": " + renamed.message();
        done = false;
    }
    if (!done) std::filesystem::remove(video->temporaryPath, renamed);
    ReleaseTemporaryFile();
    Free(video);
    return done;
}

void AbandonVideo(VideoWriter* video) {
    std::error_code ignored;
    if (video->format != nullptr) avio_closep(&video->format->pb);
    std::filesystem::remove(video->temporaryPath, ignored);
    ReleaseTemporaryFile();
    Free(video);
}

const VideoWriterFunctions* SwarmsimVideoWriterFunctions() {
    static const VideoWriterFunctions functions{OpenVideo, WriteVideoFrame, FinishVideo, AbandonVideo};
    return &functions;
}
