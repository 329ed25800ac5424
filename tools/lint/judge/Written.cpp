#include "tools/lint/judge/Written.h"

#include "platform/StringFormatStream.h"

namespace xmlattr::lint::judging {

std::string concat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const std::string_view part : parts)
        out += part;
    return out;
}

std::string utf8(Text text) {
    return Core::String(text).toUtf8();
}

std::string numberShown(double value) {
    return Core::formatNumber(static_cast<float>(value)).toUtf8();
}

Verdict finding(Kind kind, std::string reason) {
    return Verdict{kind, {}, std::move(reason)};
}

bool ListShown::add(const std::string& item) {
    constexpr std::size_t kLimit = 60;
    if (full_ || (!out_.empty() && out_.size() + item.size() > kLimit)) {
        full_ = true;
        return false;
    }
    if (!out_.empty())
        out_ += ' ';
    out_ += item;
    ++shown_;
    return true;
}

std::string ListShown::finish(std::string_view whenEmpty) && {
    if (shown_ < total_)
        out_ += concat({" ... (", std::to_string(total_), " in all)"});
    return out_.empty() ? std::string(whenEmpty) : std::move(out_);
}

}  // namespace xmlattr::lint::judging
