// Running the xmlattr tool's modes in-process, and a small JSON reader for
// reading their --json output back.
#pragma once

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/String.h"
#include "tools/cli/Modes.h"

namespace tool_test {

struct Run {
    int status;
    std::string out;
    std::string err;
};

inline Run runXmlattr(const std::vector<std::string>& args, const std::string& input = {}) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = xmlattr_tool::runTool(views, {in, out, err});
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    // An object's members in document order: keys[i] names values[i].
    std::vector<std::string> keys;
    std::vector<Json> values;

    bool has(std::string_view key) const {
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    }
    const Json& operator[](std::string_view key) const {
        const auto found = std::find(keys.begin(), keys.end(), key);
        if (found == keys.end())
            throw std::runtime_error("no member " + std::string(key));
        return values[static_cast<std::size_t>(found - keys.begin())];
    }
};

// Strict enough to catch what a writer gets wrong: raw control characters
// in strings, bad escapes, trailing text.
class JsonReader {
  public:
    static Json parse(std::string_view text) {
        JsonReader reader(text);
        Json value = reader.value();
        reader.space();
        if (reader.pos_ != text.size())
            reader.fail("text after the value");
        return value;
    }

  private:
    static constexpr auto npos = std::string_view::npos;

    explicit JsonReader(std::string_view text) : text_(text) {}

    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error(what + " at offset " + std::to_string(pos_));
    }
    void space() {
        while (pos_ < text_.size() && std::string_view(" \n\r\t").find(text_[pos_]) != npos)
            ++pos_;
    }
    // The text w next, stepped over; white space before it is skipped.
    bool take(std::string_view w) {
        space();
        const bool found = text_.substr(pos_, w.size()) == w;
        pos_ += found ? w.size() : 0;
        return found;
    }
    void expect(std::string_view w) {
        if (!take(w))
            fail("expected '" + std::string(w) + "'");
    }
    // A list up to close, each item read by item, comma-separated.
    template <class Item>
    void list(std::string_view close, Item&& item) {
        if (take(close))
            return;
        do {
            item();
        } while (take(","));
        expect(close);
    }
    Json value() {
        Json out;
        if (take("{")) {
            out.kind = Json::Object;
            list("}", [&] {
                space();
                out.keys.push_back(string());
                expect(":");
                out.values.push_back(value());
            });
        } else if (take("[")) {
            out.kind = Json::Array;
            list("]", [&] { out.items.push_back(value()); });
        } else if (pos_ < text_.size() && text_[pos_] == '"') {
            out.kind = Json::String;
            out.text = string();
        } else if (take("true")) {
            out.kind = Json::Bool;
            out.boolean = true;
        } else if (take("false")) {
            out.kind = Json::Bool;
        } else if (!take("null")) {
            const std::size_t start = pos_;
            while (pos_ < text_.size() &&
                   std::string_view("+-.0123456789eE").find(text_[pos_]) != npos)
                ++pos_;
            if (pos_ == start)
                fail(pos_ == text_.size() ? "missing value" : "unexpected character");
            out.kind = Json::Number;
            out.number = std::stod(std::string(text_.substr(start, pos_ - start)));
        }
        return out;
    }
    unsigned hex4() {
        if (pos_ + 4 > text_.size())
            fail("short \\u escape");
        pos_ += 4;
        return std::stoul(std::string(text_.substr(pos_ - 4, 4)), nullptr, 16);
    }
    std::string string() {
        if (pos_ >= text_.size() || text_[pos_++] != '"')
            fail("expected a string");
        std::string out;
        while (true) {
            if (pos_ >= text_.size())
                fail("unterminated string");
            const char c = text_[pos_++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                fail("raw control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size())
                fail("unterminated escape");
            const char e = text_[pos_++];
            if (const std::size_t k = std::string_view("\"\\/bfnrt").find(e); k != npos) {
                out += "\"\\/\b\f\n\r\t"[k];
            } else if (e == 'u') {
                // UTF-16 units; a surrogate pair is two escapes in a row.
                wchar_t units[2] = {static_cast<wchar_t>(hex4()), 0};
                const bool pair =
                    units[0] >= 0xD800 && units[0] < 0xDC00 && text_.substr(pos_, 2) == "\\u";
                if (pair) {
                    pos_ += 2;
                    units[1] = static_cast<wchar_t>(hex4());
                }
                out += Core::String(units, pair ? 2 : 1).toUtf8();
            } else {
                fail("bad escape");
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace tool_test
