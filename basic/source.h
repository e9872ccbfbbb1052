// The program's source files as text: each read once, decoded from UTF-8 (or
// from Shift-JIS when the bytes are not valid UTF-8) and split into lines.
#pragma once
#include <string>
#include <vector>

namespace basic {

struct SourceFile {
    std::string name;                // as the user or the include line named it
    std::string path;                // where it was read from
    std::vector<std::string> lines;  // UTF-8, without line breaks
    int parent = -1;                 // the including file, -1 for the program
    int parentLine = 0;              // the line of the include in it
};

class SourceSet {
public:
    // Reads a file; returns its index, or -1 when it cannot be read.
    int Load(const std::string& name, const std::string& path, int parent = -1, int parentLine = 0);
    // A file given by its bytes (tests); includes are read beside path.
    int Add(const std::string& name, const std::string& path, const std::string& bytes);
    const SourceFile& File(int index) const { return files_[index]; }
    int Count() const { return static_cast<int>(files_.size()); }
    // The text of a line (empty outside the file).
    std::string Line(int file, int line) const;
    // Where a position stands in the program as read: the include lines that
    // lead to it, then the position itself; ordering these orders positions.
    std::vector<std::pair<int, int>> ReadingOrder(int file, int line, int column) const;

private:
    std::vector<SourceFile> files_;
};

// Splits a file's bytes into lines (LF, CRLF or CR), converting them to UTF-8.
std::vector<std::string> DecodeSourceText(const std::string& bytes);

}  // namespace basic
