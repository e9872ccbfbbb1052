// The video writer's functions, taken from swarmsim-video.so on first use:
// beside the executable (the build tree) or where it is installed.
#include "tools/swarmsim/video_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path ExecutableDirectory() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

const VideoWriterFunctions* LoadFunctions(std::string& error) {
    static const VideoWriterFunctions* functions = nullptr;
    if (functions != nullptr) return functions;
    const std::filesystem::path directory = ExecutableDirectory();
    std::string reasons;
    for (const char* relative : {SWARMSIM_VIDEO_MODULE, SWARMSIM_VIDEO_INSTALLED}) {
        const std::string path = (directory / relative).lexically_normal().string();
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            reasons += std::string(reasons.empty() ? "" : "; ") + dlerror();
            continue;
        }
        auto entry = reinterpret_cast<decltype(&SwarmsimVideoWriterFunctions)>(dlsym(module, SWARMSIM_VIDEO_ENTRY));
        if (entry != nullptr) return functions = entry();
        reasons += std::string(reasons.empty() ? "" : "; ") + path + " has no " SWARMSIM_VIDEO_ENTRY;
    }
    error = "cannot load the video writer: " + reasons;
    return nullptr;
}

}  // namespace

VideoWriter* OpenVideo(const std::string& path, const VideoSettings& settings, std::string& error) {
    const VideoWriterFunctions* functions = LoadFunctions(error);
    return functions != nullptr ? functions->open(path, settings, error) : nullptr;
}

// The rest are called only with a writer that OpenVideo made, so the module
// is loaded.
bool WriteVideoFrame(VideoWriter& video, const Picture& picture, std::string& error) {
    std::string ignored;
    return LoadFunctions(ignored)->write(video, picture, error);
}

bool FinishVideo(VideoWriter* video, std::string& error) {
    std::string ignored;
    return LoadFunctions(ignored)->finish(video, error);
}

void AbandonVideo(VideoWriter* video) {
    std::string ignored;
    LoadFunctions(ignored)->abandon(video);
}
