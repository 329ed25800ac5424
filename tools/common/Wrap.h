// Filling words into lines for the terminal, the one way the tool's help and
// descriptions do it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace xmlattr_tool {

inline constexpr std::size_t kLineWidth = 79;

// Display width: code points, not bytes.
inline std::size_t displayWidth(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// words (split at blanks) filled greedily into lines of at most kLineWidth
// code points, each with its line end. Every line starts with indent blanks;
// the first starts with head instead, padded to indent. A word longer than a
// line stands alone on one. Nothing for no words.
inline std::string wrapWords(std::string_view words, std::size_t indent, std::string head = {}) {
    std::string out;
    std::string line;
    const auto flush = [&] {
        head.resize(std::max(head.size(), indent), ' ');
        out += head;
        out += line;
        out += '\n';
        head.clear();
        line.clear();
    };
    for (std::size_t start = 0; start < words.size();) {
        std::size_t end = words.find(' ', start);
        if (end == std::string_view::npos)
            end = words.size();
        const std::string_view word = words.substr(start, end - start);
        if (!line.empty() && indent + displayWidth(line) + 1 + displayWidth(word) > kLineWidth)
            flush();
        if (!word.empty()) {
            if (!line.empty())
                line += ' ';
            line += word;
        }
        start = end + 1;
    }
    if (!line.empty())
        flush();
    return out;
}

}  // namespace xmlattr_tool
