// Reading source files: the bytes, their encoding and their lines.
#include "basic/source.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "basic/text_encoding.h"

namespace basic {

std::vector<std::string> DecodeSourceText(const std::string& bytes) {
    std::string text = IsValidUtf8(bytes) ? bytes : ShiftJisToUtf8(bytes);
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);  // a byte-order mark
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

int SourceSet::Load(const std::string& name, const std::string& path, int parent, int parentLine) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return -1;
    std::ifstream in(path, std::ios::binary);
    if (!in) return -1;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return -1;
    files_.push_back(SourceFile{name, path, DecodeSourceText(bytes.str()), parent, parentLine});
    return Count() - 1;
}

int SourceSet::Add(const std::string& name, const std::string& path, const std::string& bytes) {
    files_.push_back(SourceFile{name, path, DecodeSourceText(bytes), -1, 0});
    return Count() - 1;
}

std::string SourceSet::Line(int file, int line) const {
    if (file < 0 || file >= Count()) return "";
    const auto& lines = files_[file].lines;
    if (line < 1 || line > static_cast<int>(lines.size())) return "";
    return lines[line - 1];
}

}  // namespace basic

namespace basic {

std::vector<std::pair<int, int>> SourceSet::ReadingOrder(int file, int line, int column) const {
    std::vector<std::pair<int, int>> order{{line, column}};
    for (int at = file; at >= 0 && at < Count() && files_[at].parent >= 0; at = files_[at].parent)
        order.insert(order.begin(), {files_[at].parentLine, 0});
    return order;
}

}  // namespace basic
