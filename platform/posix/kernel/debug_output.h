// Capturing the debugger output. While a DebugOutputCapture is alive, every
// OutputDebugStringA call appends its raw bytes (Shift-JIS, as passed) to the
// newest live capture instead of writing to stderr. Thread-safe.
#pragma once
#include <string>

namespace posix {

class DebugOutputCapture {
public:
    DebugOutputCapture();
    ~DebugOutputCapture();
    DebugOutputCapture(const DebugOutputCapture&) = delete;
    DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;

    std::string Text() const;

private:
    friend void AppendToCapture(DebugOutputCapture& capture, const char* text);
    std::string text_;
    DebugOutputCapture* previous_;
};

}  // namespace posix
