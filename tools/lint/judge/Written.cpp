#include "tools/lint/judge/Written.h"

#include <algorithm>
#include <cmath>

#include "css/lengths/Length.h"
#include "platform/Format.h"
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

Text trim(Text text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<float> readNumber(Text text, std::size_t& pos) {
    const wchar_t* first = text.data() + pos;
    const Core::Format::ScannedFloat number =
        Core::Format::scanFloat(first, text.data() + text.size());
    if (number.end == first)
        return std::nullopt;
    pos = static_cast<std::size_t>(number.end - text.data());
    return number.value;
}

bool hasExponent(Text text, std::size_t start, std::size_t end) {
    const Text number = text.substr(start, end - start);
    return number.find_first_of(L"eE") != Text::npos;
}

bool knownUnit(Text unit) {
    if (unit == L"%")
        return true;
    return unit.size() == 2 && Xml::detail::lengthUnitOfSuffix(unit[0], unit[1]) >= 0;
}

void skipUnit(Text text, std::size_t& pos) {
    if (pos < text.size() && text[pos] == L'%') {
        ++pos;
        return;
    }
    if (pos + 2 <= text.size() && knownUnit(text.substr(pos, 2)) &&
        (pos + 2 == text.size() || !isLetter(text[pos + 2]))) {
        pos += 2;
    }
}

bool sameNumber(double a, double b) {
    return std::fabs(a - b) <= 1e-5 * std::max(1.0, std::fabs(a));
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
