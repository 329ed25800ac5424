#include "css/lengths/KeywordLengths.h"

#include <algorithm>

#include "platform/Format.h"

namespace Xml {

namespace {

// Instantiating the traits runs the compile-time checks of each table.
template <KeywordEnum... E>
constexpr bool tablesChecked = ((sizeof(AttributeTraits<E>) > 0) && ...);
static_assert(tablesChecked<RelativeFontSize, IndentFunction, BaselineShiftMode, ContentScaleMode,
                            SpacingType, PageDimensionType, InitialPageNumberType,
                            InitialSheetNumberType, AbsoluteFontSize, BorderWidthKeyword>);

Length points(std::int32_t size) {
    return Length(static_cast<float>(size), Length::Pt);
}

Core::String formatMeasure(const LengthOrPercent& value) {
    return LengthOrPercent::getValueAsString(value);
}

// The page and sheet number of a text that is no keyword: the converter's
// number (0 for no number), at least 1.
int clampedNumber(const Core::String& text) {
    return std::max(Core::Format::parseInt(text.view()), 1);
}

}  // namespace

bool AttributeTraits<FontSize>::parse(FontSize& value, const Core::String& text) {
    // An absolute keyword or a measure keeps the relative size; a relative
    // keyword replaces the whole value.
    AbsoluteFontSize absolute{};
    if (parseKeyword(absolute, text)) {
        value = LengthOrPercent(points(static_cast<std::int32_t>(absolute)));
        return true;
    }
    RelativeFontSize relative{};
    if (parseKeyword(relative, text)) {
        value = FontSize(relative);
        return true;
    }
    LengthOrPercent measure;
    if (!detail::parseLengthOrPercent(measure, text.view()))
        return false;
    value = measure;
    return true;
}

Core::String AttributeTraits<FontSize>::format(const FontSize& value) {
    if (value.isAbsoluteSize())
        return formatMeasure(value.getAbsoluteSize());
    return formatKeyword(value.getRelativeSize());  // raises outside larger and smaller
}

bool AttributeTraits<Indent>::parse(Indent& value, const Core::String& text) {
    return parseKeywordOrMeasure<IndentFunction>(value, text, &detail::parseLengthOrPercent);
}

Core::String AttributeTraits<Indent>::format(const Indent& value) {
    switch (value.getFunction()) {
        case IndentFunction::None:
            return Core::String();
        case IndentFunction::Explicit:
            return formatMeasure(value.getLengthOrPercent());
        default:
            return formatKeyword(value.getFunction());  // raises outside the functions
    }
}

bool AttributeTraits<BaselineShift>::parse(BaselineShift& value, const Core::String& text) {
    return parseKeywordOrMeasure<BaselineShiftMode>(value, text, &detail::parseLengthOrPercent);
}

Core::String AttributeTraits<BaselineShift>::format(const BaselineShift& value) {
    if (value.getMode() == BaselineShiftMode::Explicit)
        return formatMeasure(value.getLengthOrPercent());
    return formatKeyword(value.getMode());  // raises outside the modes
}

bool AttributeTraits<SBaselineShift>::parse(SBaselineShift& value, const Core::String& text) {
    return parseKeywordOrMeasure<BaselineShiftMode>(value, text, &detail::parseSLengthOrPercent);
}

bool AttributeTraits<AlignmentAdjust>::parse(AlignmentAdjust& value, const Core::String& text) {
    return parseKeywordOrMeasure<AlignmentBaseline>(value, text, &detail::parseLengthOrPercent);
}

Core::String AttributeTraits<AlignmentAdjust>::format(const AlignmentAdjust& value) {
    if (!value.isBaseline())
        return formatMeasure(value.getLengthOrPercent());
    return formatKeyword(value.getBaseline());  // empty outside the table
}

bool AttributeTraits<ContentLength>::parse(ContentLength& value, const Core::String& text) {
    ContentScaleMode mode{};
    if (parseKeyword(mode, text)) {
        value = ContentLength(mode);
        value.setNull(false);
        return true;
    }
    LengthOrPercent measure;
    if (!detail::parseLengthOrPercent(measure, text.view())) {
        value.setNull(true);
        return false;
    }
    value = ContentLength(measure);
    return true;
}

Core::String AttributeTraits<ContentLength>::format(const ContentLength& value) {
    if (value.isLengthOrPercent())
        return formatMeasure(value.getLength());
    return formatKeyword(value.getScaleMode());  // empty outside the modes
}

bool AttributeTraits<LetterSpacing>::parse(LetterSpacing& value, const Core::String& text) {
    if (text.compareNoCase(L"normal") == 0) {
        value = LetterSpacing();
        return true;
    }
    Length length;
    if (!detail::parseLength(length, text.view()))
        return false;
    value = LetterSpacing(length);
    return true;
}

Core::String AttributeTraits<LetterSpacing>::format(const LetterSpacing& value) {
    if (value.isNormal())
        return formatKeyword(SpacingType::Normal);
    return Length::getValueAsString(value.getLength());
}

bool AttributeTraits<SSpacing>::parse(SSpacing& value, const Core::String& text) {
    SpacingType type{};
    if (parseKeyword(type, text)) {
        value = SSpacing();
        return true;
    }
    SLength length;
    if (!detail::parseSLength(length, text.view()))
        return false;
    value = SSpacing(length);
    return true;
}

bool PageDimension::readStringPageDimension(Core::String text, PageDimensionType& type) {
    return parseKeyword(type, text);
}

bool AttributeTraits<PageDimension>::parse(PageDimension& value, const Core::String& text) {
    return parseKeywordOrMeasure<PageDimensionType>(value, text, &detail::parseLength);
}

bool AttributeTraits<BorderWidth>::parse(BorderWidth& value, const Core::String& text) {
    BorderWidthKeyword width{};
    if (parseKeyword(width, text)) {
        value = points(static_cast<std::int32_t>(width));
        return true;
    }
    Length length;
    if (!detail::parseLength(length, text.view()))
        return false;
    value = length;
    return true;
}

Core::String AttributeTraits<BorderWidth>::format(const BorderWidth& value) {
    // Whatever text it came from, a width equal to a keyword's writes the keyword.
    for (const auto width :
         {BorderWidthKeyword::Thin, BorderWidthKeyword::Medium, BorderWidthKeyword::Thick}) {
        if (value == points(static_cast<std::int32_t>(width)))
            return formatKeyword(width);
    }
    return Length::getValueAsString(value);
}

bool AttributeTraits<InitialPageNumber>::parse(InitialPageNumber& value, const Core::String& text) {
    InitialPageNumberType type{};
    value =
        parseKeyword(type, text) ? InitialPageNumber(type) : InitialPageNumber(clampedNumber(text));
    return true;
}

bool AttributeTraits<InitialSheetNumber>::parse(InitialSheetNumber& value,
                                                const Core::String& text) {
    InitialSheetNumberType type{};
    value = parseKeyword(type, text) ? InitialSheetNumber(type)
                                     : InitialSheetNumber(clampedNumber(text));
    return true;
}

template class TXmlAttribute<FontSize>;
template class TXmlAttribute<Indent>;
template class TXmlAttribute<BaselineShift>;
template class TXmlAttribute<SBaselineShift>;
template class TXmlAttribute<AlignmentAdjust>;
template class TXmlAttribute<ContentLength>;
template class TXmlAttribute<LetterSpacing>;
template class TXmlAttribute<SSpacing>;
template class TXmlAttribute<PageDimension>;
template class TXmlAttribute<BorderWidth>;
template class TXmlAttribute<InitialPageNumber>;
template class TXmlAttribute<InitialSheetNumber>;

}  // namespace Xml
