// The debugger output channel. Without a debugger to receive it, the text goes
// to stderr, converted from the ANSI code page (932) to UTF-8 so a terminal
// shows it; tests can capture the raw bytes instead (debug_output.h).
#include "platform/posix/kernel/debug_output.h"
#include "platform/posix/win32_kernel.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iconv.h>
#include <mutex>

namespace posix {
namespace {

std::mutex captureMutex;
DebugOutputCapture* activeCapture = nullptr;  // guarded by captureMutex

// Converts Shift-JIS bytes to UTF-8; a byte sequence that cannot be converted
// becomes one '?' per byte skipped.
std::string ConvertToUtf8(const char* text, std::size_t length) {
    std::string utf8;
    iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        for (std::size_t i = 0; i < length; ++i)
            utf8 += static_cast<unsigned char>(text[i]) < 0x80 ? text[i] : '?';
        return utf8;
    }
    char* in = const_cast<char*>(text);
    std::size_t inLeft = length;
    char buffer[256];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        utf8.append(buffer, out - buffer);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // EILSEQ or a truncated double-byte character at the end.
            utf8 += '?';
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    return utf8;
}

}  // namespace

void AppendToCapture(DebugOutputCapture& capture, const char* text) { capture.text_ += text; }

DebugOutputCapture::DebugOutputCapture() {
    std::lock_guard lock(captureMutex);
    previous_ = activeCapture;
    activeCapture = this;
}

// Captures are expected to end in the reverse order of their start; one that
// ends out of order is unlinked wherever it stands.
DebugOutputCapture::~DebugOutputCapture() {
    std::lock_guard lock(captureMutex);
    for (DebugOutputCapture** link = &activeCapture; *link != nullptr; link = &(*link)->previous_) {
        if (*link == this) {
            *link = previous_;
            break;
        }
    }
}

std::string DebugOutputCapture::Text() const {
    std::lock_guard lock(captureMutex);
    return text_;
}

}  // namespace posix

void OutputDebugStringA(LPCSTR text) {
    if (text == nullptr) return;
    {
        std::lock_guard lock(posix::captureMutex);
        if (posix::activeCapture != nullptr) {
            posix::AppendToCapture(*posix::activeCapture, text);
            return;
        }
    }
    std::string utf8 = posix::ConvertToUtf8(text, std::strlen(text));
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

BOOL IsDebuggerPresent() { return FALSE; }
