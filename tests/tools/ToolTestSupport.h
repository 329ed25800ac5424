// Running the xmlattr tool's modes in-process, and a small JSON reader for
// reading their --json output back.
#pragma once

#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/String.h"
#include "tools/Modes.h"

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
        for (const std::string& name : keys) {
            if (name == key)
                return true;
        }
        return false;
    }
    const Json& operator[](std::string_view key) const {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == key)
                return values[i];
        }
        throw std::runtime_error("no member " + std::string(key));
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
    explicit JsonReader(std::string_view text) : text_(text) {}

    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error(what + " at offset " + std::to_string(pos_));
    }
    void space() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\t'))
            ++pos_;
    }
    bool take(char c) {
        space();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    void expect(char c) {
        if (!take(c))
            fail(std::string("expected '") + c + "'");
    }
    bool word(std::string_view w) {
        if (text_.substr(pos_, w.size()) != w)
            return false;
        pos_ += w.size();
        return true;
    }
    Json value() {
        space();
        if (pos_ == text_.size())
            fail("missing value");
        Json out;
        const char c = text_[pos_];
        if (c == '{') {
            out.kind = Json::Object;
            ++pos_;
            if (take('}'))
                return out;
            do {
                space();
                out.keys.push_back(string());
                expect(':');
                out.values.push_back(value());
            } while (take(','));
            expect('}');
        } else if (c == '[') {
            out.kind = Json::Array;
            ++pos_;
            if (take(']'))
                return out;
            do {
                out.items.push_back(value());
            } while (take(','));
            expect(']');
        } else if (c == '"') {
            out.kind = Json::String;
            out.text = string();
        } else if (word("true")) {
            out.kind = Json::Bool;
            out.boolean = true;
        } else if (word("false")) {
            out.kind = Json::Bool;
        } else if (word("null")) {
            out.kind = Json::Null;
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() &&
                   std::string_view("+-.0123456789eE").find(text_[pos_]) != std::string_view::npos)
                ++pos_;
            if (pos_ == start)
                fail("unexpected character");
            out.kind = Json::Number;
            out.number = std::stod(std::string(text_.substr(start, pos_ - start)));
        }
        return out;
    }
    unsigned hex4() {
        if (pos_ + 4 > text_.size())
            fail("short \\u escape");
        const unsigned value = std::stoul(std::string(text_.substr(pos_, 4)), nullptr, 16);
        pos_ += 4;
        return value;
    }
    std::string string() {
        if (pos_ >= text_.size() || text_[pos_] != '"')
            fail("expected a string");
        ++pos_;
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
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    out += e;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    // UTF-16 units; a surrogate pair is two escapes in a row.
                    wchar_t units[2] = {static_cast<wchar_t>(hex4()), 0};
                    int count = 1;
                    if (units[0] >= 0xD800 && units[0] < 0xDC00 && word("\\u"))
                        units[count++] = static_cast<wchar_t>(hex4());
                    out += Core::String(units, count).toUtf8();
                    break;
                }
                default:
                    fail("bad escape");
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace tool_test
