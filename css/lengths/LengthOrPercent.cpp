#include "css/lengths/LengthOrPercent.h"

#include <utility>

#include "platform/Format.h"
#include "platform/StringFormatStream.h"

namespace Xml {

namespace {

// Percentages become fractions through the single-precision hundredth; the
// product is formed in double and narrowed once.
constexpr double kHundredth = static_cast<double>(0.01f);

float percentToFraction(float value) {
    return static_cast<float>(kHundredth * value);
}

// The column-width rule: the whole text as a measure, else the measure in the
// first parentheses, whatever name stands before them.
bool parseColumnWidthText(LengthOrPercent& target, std::wstring_view text) {
    if (detail::parseLengthOrPercent(target, text))
        return true;
    const std::size_t open = text.find(L'(');
    if (open == std::wstring_view::npos || open + 1 == text.size())
        return false;
    std::wstring_view inner = text.substr(open + 1);
    inner = inner.substr(0, inner.find(L')'));
    if (inner.empty())
        return false;
    return detail::parseLengthOrPercent(target, inner);
}

// The separators of a length pair: the white space of the document model,
// no-break space included.
bool isPairSeparator(wchar_t c) {
    return c == L' ' || c == L'\f' || c == L'\n' || c == L'\r' || c == L'\t' || c == L'\v' ||
           c == L'\u00A0';
}

Core::String formatMeasure(const LengthOrPercent& value) {
    return LengthOrPercent::getValueAsString(value);
}

}  // namespace

namespace detail {

bool parseLengthOrPercent(LengthOrPercent& target, std::wstring_view text) {
    const std::size_t n = text.size();
    if (n == 0 || !startsNumber(text[0]))
        return false;
    const wchar_t last = text[n - 1];
    if (last == L'%') {
        target =
            LengthOrPercent(percentToFraction(Core::Format::parseFloat(text.substr(0, n - 1))));
        return true;
    }
    // A bare number is a ratio, not a length.
    if (last == L'.' || Core::String::isDigit(last)) {
        target = LengthOrPercent(Core::Format::parseFloat(text));
        return true;
    }
    // The suffix is the last two characters (the whole of a two-character
    // text); a lone sign has no suffix to match and reads as 0px.
    const std::size_t suffix = n < 2 ? n : 2;
    const int unit = n < 2 ? -1 : lengthUnitOfSuffix(text[n - 2], last);
    const float size = Core::Format::parseFloat(text.substr(0, n - suffix));
    target = LengthOrPercent(Length(size, unit < 0 ? Length::Px : static_cast<Length::Unit>(unit)));
    return true;
}

bool parseSLengthOrPercent(SLengthOrPercent& target, std::wstring_view text) {
    const std::size_t n = text.size();
    if (n == 0 || !startsNumber(text[0]))
        return false;
    const wchar_t last = text[n - 1];
    if (Core::String::isDigit(last)) {
        target = SLengthOrPercent(Core::Format::parseFloat(text), SLength::Px);
    } else if (n > 1 && last == L'%') {
        target =
            SLengthOrPercent(percentToFraction(Core::Format::parseFloat(text.substr(0, n - 1))));
    } else if (n > 2) {
        target = SLengthOrPercent(Core::Format::parseFloat(text.substr(0, n - 2)),
                                  sLengthUnitOfSuffix(text[n - 2], last));
    } else {
        // Too short for a suffix and not a number: one user-space unit.
        target = SLengthOrPercent(1, SLength::Px);
    }
    return true;
}

}  // namespace detail

bool LengthOrPercent::parseLengthOrPercent(LengthOrPercent& target, const Core::String& text) {
    return detail::parseLengthOrPercent(target, text.view());
}

Core::String LengthOrPercent::getValueAsString(const LengthOrPercent& value) {
    if (value.isPercent()) {
        const float percent = static_cast<float>(static_cast<double>(value.percent_) * 100);
        return (Core::StringFormatStream(L"{0}%") << percent).getString();
    }
    return Length::getValueAsString(value.length_);
}

bool SLength::parseSLengthOrPercent(SLengthOrPercent& target, const Core::String& text) {
    return detail::parseSLengthOrPercent(target, text.view());
}

bool Margin::parseMargin(Margin& target, const Core::String& text) {
    LengthOrPercent value;
    if (!detail::parseLengthOrPercent(value, text.view()))
        return false;
    target = Margin(value);
    return true;
}

bool ColumnWidth::parseColumnWidth(ColumnWidth& target, const Core::String& text) {
    LengthOrPercent value;
    if (!parseColumnWidthText(value, text.view()))
        return false;
    target = ColumnWidth(value);
    return true;
}

bool TableWidth::parseTableWidth(TableWidth& target, const Core::String& text) {
    LengthOrPercent value;
    if (!parseColumnWidthText(value, text.view()))
        return false;
    target = TableWidth(value);
    return true;
}

bool LengthOrPercentAuto::parseLengthOrPercentAuto(LengthOrPercentAuto& target,
                                                   const Core::String& text) {
    if (text.compareNoCase(L"auto") == 0) {
        target.auto_ = true;  // the measure held before stays
        return true;
    }
    LengthOrPercent value;
    if (!detail::parseLengthOrPercent(value, text.view()))
        return false;
    target = LengthOrPercentAuto(value);
    return true;
}

Core::String AttributeTraits<Margin>::format(const Margin& value) {
    return value.isAuto() ? Core::String() : formatMeasure(value.getLengthOrPercent());
}

Core::String AttributeTraits<ColumnWidth>::format(const ColumnWidth& value) {
    return value.isAuto() ? Core::String() : formatMeasure(value.getLengthOrPercent());
}

bool AttributeTraits<LeaderPatternWidth>::parse(LeaderPatternWidth& value,
                                                const Core::String& text) {
    // The keyword is what the default value stands for; it changes nothing.
    if (text.compare(L"use-font-metrics") == 0)
        return true;
    LengthOrPercent measure;
    if (!detail::parseLengthOrPercent(measure, text.view()))
        return false;
    value = LeaderPatternWidth(measure);
    return true;
}

Core::String AttributeTraits<LeaderPatternWidth>::format(const LeaderPatternWidth& value) {
    return value.isAuto() ? Core::String() : formatMeasure(value.getLengthOrPercent());
}

Core::String AttributeTraits<LengthOrPercentAuto>::format(const LengthOrPercentAuto& value) {
    return value.isAuto() ? Core::String(L"auto") : formatMeasure(value.getLengthOrPercent());
}

bool AttributeTraits<FloatOrPercent>::parse(FloatOrPercent& value, const Core::String& text) {
    const std::wstring_view view = text.view();
    const std::size_t n = view.size();
    if (n > 0 && view[n - 1] == L'%') {
        const double number = Core::Format::parseFloat(view.substr(0, n - 1));
        value = FloatOrPercent(static_cast<float>(number / 100));
    } else {
        value = FloatOrPercent(Core::Format::parseFloat(view));
    }
    return true;
}

bool AttributeTraits<SNullableLength>::parse(SNullableLength& value, const Core::String& text) {
    SLength& length = value;
    if (!detail::parseSLength(length, text.view()))
        return false;
    value.setNull(false);
    return true;
}

bool AttributeTraits<DLength>::parse(DLength& value, const Core::String& text) {
    // Splitting at every separator must give one or two pieces; the pieces
    // are read in place.
    const std::wstring_view view = text.view();
    std::size_t separator = std::wstring_view::npos;
    for (std::size_t i = 0; i < view.size(); ++i) {
        if (!isPairSeparator(view[i]))
            continue;
        if (separator != std::wstring_view::npos)
            return false;  // three or more pieces
        separator = i;
    }
    if (separator == std::wstring_view::npos) {
        if (!detail::parseLength(value.first_, view))
            return false;
        value.second_ = value.first_;
        return true;
    }
    // The first length is replaced even when the second one then fails.
    return detail::parseLength(value.first_, view.substr(0, separator)) &&
           detail::parseLength(value.second_, view.substr(separator + 1));
}

Core::String AttributeTraits<DLength>::format(const DLength& value) {
    Core::String text = Length::getValueAsString(value.first_);
    text += L' ';
    text += Length::getValueAsString(value.second_);
    return text.trim();
}

bool AttributeTraits<Core::Vector<SLength>>::parse(Core::Vector<SLength>& value,
                                                   const Core::String& text) {
    const std::wstring_view view = text.view();
    if (view.empty() || view == L"none") {
        value.clear();
        return true;
    }
    // Entries end at commas only: blanks before a comma belong to the entry,
    // blanks between numbers without a comma do not split them.
    Core::Vector<SLength> list;
    std::size_t pos = 0;
    while (true) {
        while (pos < view.size() && (Core::String::isSpace(view[pos]) || view[pos] == L','))
            ++pos;
        if (pos == view.size())
            break;
        const std::size_t comma = view.find(L',', pos);
        SLength entry;
        if (!detail::parseSLength(entry, view.substr(pos, comma - pos)))
            return false;
        list.push_back(entry);
        if (comma == std::wstring_view::npos)
            break;
        pos = comma + 1;
    }
    value = std::move(list);
    return true;
}

bool AttributeTraits<Core::Vector<SLength>>::equal(const Core::Vector<SLength>& held,
                                                   const Core::Vector<SLength>& other) {
    if (held.size() != other.size())
        return false;
    for (int i = 0; i < held.size(); ++i) {
        if (held[i] != other[i])
            return false;
    }
    return true;
}

template class TXmlAttribute<LengthOrPercent>;
template class TXmlAttribute<SLengthOrPercent>;
template class TXmlAttribute<Margin>;
template class TXmlAttribute<ColumnWidth>;
template class TXmlAttribute<TableWidth>;
template class TXmlAttribute<LeaderPatternWidth>;
template class TXmlAttribute<LengthOrPercentAuto>;
template class TXmlAttribute<FloatOrPercent>;
template class TXmlAttribute<SNullableLength>;
template class TXmlAttribute<DLength>;
template class TXmlAttribute<Core::Vector<SLength>>;

}  // namespace Xml
