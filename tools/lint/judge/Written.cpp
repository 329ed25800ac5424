#include "tools/lint/judge/Written.h"

#include <algorithm>
#include <cstdlib>

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

std::optional<double> readWideNumber(Text text, std::size_t& pos) {
    const std::size_t start = pos;
    const std::optional<float> number = readNumber(text, pos);
    if (!number || std::fabs(*number) < FLT_MAX)
        return number;
    std::string narrow;
    for (std::size_t i = start; i < pos; ++i)
        narrow += static_cast<char>(text[i]);
    return std::strtod(narrow.c_str(), nullptr);
}

std::string numberShown(double value) {
    return Core::formatNumber(static_cast<float>(value)).toUtf8();
}

Verdict finding(Kind kind, std::string reason) {
    return Verdict{kind, {}, std::move(reason), {}};
}

std::optional<std::string> withoutExponent(Text number) {
    std::size_t pos = 0;
    std::string sign;
    if (pos < number.size() && (number[pos] == L'-' || number[pos] == L'+'))
        sign = number[pos++] == L'-' ? "-" : "";
    std::string digits;
    std::size_t integerDigits = 0;
    bool point = false;
    for (; pos < number.size() && (isDigit(number[pos]) || (number[pos] == L'.' && !point));
         ++pos) {
        if (number[pos] == L'.') {
            point = true;
            continue;
        }
        digits += static_cast<char>(number[pos]);
        integerDigits += point ? 0 : 1;
    }
    if (digits.empty() || pos == number.size() || lower(number[pos]) != L'e')
        return std::nullopt;
    ++pos;
    bool negative = false;
    if (pos < number.size() && (number[pos] == L'-' || number[pos] == L'+'))
        negative = number[pos++] == L'-';
    int exponent = 0;
    const std::size_t exponentAt = pos;
    for (; pos < number.size() && isDigit(number[pos]); ++pos) {
        exponent = exponent * 10 + static_cast<int>(number[pos] - L'0');
        if (exponent > 30)
            return std::nullopt;
    }
    if (pos == exponentAt || pos != number.size())
        return std::nullopt;
    // Where the point stands among the digits, which may lie outside them.
    const long at = static_cast<long>(integerDigits) + (negative ? -exponent : exponent);
    std::string whole;
    std::string fraction;
    if (at <= 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-at), '0') + digits;
    } else if (static_cast<std::size_t>(at) >= digits.size()) {
        whole = digits + std::string(static_cast<std::size_t>(at) - digits.size(), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(at));
        fraction = digits.substr(static_cast<std::size_t>(at));
    }
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string out = sign;
    out += whole;
    if (!fraction.empty()) {
        out += '.';
        out += fraction;
    }
    return out;
}

std::string Splices::appliedTo(Text text) const {
    std::string out;
    std::size_t copied = 0;
    for (const Splice& splice : splices_) {
        out += utf8(text.substr(copied, splice.begin - copied));
        out += splice.text;
        copied = splice.end;
    }
    out += utf8(text.substr(copied));
    return out;
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
