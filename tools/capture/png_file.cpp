// Writing PNG files: open early, write whole, remove on failure.
#include "tools/capture/png.h"

#include <cerrno>
#include <cstring>

namespace {

std::string Reason(int error) { return error != 0 ? std::strerror(error) : "unknown error"; }

}  // namespace

std::FILE* OpenPngFile(const std::string& path, std::string& error) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) error = "cannot write " + path + ": " + Reason(errno);
    return file;
}

bool WritePngAndClose(std::FILE* file, const std::string& path, const Picture& picture,
                      std::string& error) {
    std::vector<unsigned char> png;
    if (!EncodePng(picture, png)) {
        std::fclose(file);
        std::remove(path.c_str());
        error = "cannot encode the picture for " + path;
        return false;
    }
    return WriteBytesAndClose(file, path, png, error);
}

bool WritePngBytes(const std::string& path, const std::vector<unsigned char>& png, std::string& error) {
    std::FILE* file = OpenPngFile(path, error);
    return file != nullptr && WriteBytesAndClose(file, path, png, error);
}

bool WriteBytesAndClose(std::FILE* file, const std::string& path, const std::vector<unsigned char>& png,
                        std::string& error) {
    errno = 0;
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return true;
    const int closeErrno = errno;
    std::remove(path.c_str());
    error = "cannot write " + path + ": " + Reason(written ? closeErrno : writeErrno);
    return false;
}

bool WritePngFile(const std::string& path, const Picture& picture, std::string& error) {
    std::FILE* file = OpenPngFile(path, error);
    return file != nullptr && WritePngAndClose(file, path, picture, error);
}
