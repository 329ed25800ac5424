#include "css/lengths/Background.h"

#include <string_view>

namespace Xml {

namespace {

// Instantiating the traits runs the compile-time checks of each table.
static_assert(sizeof(AttributeTraits<BackgroundEdge>) > 0 &&
              sizeof(AttributeTraits<BackgroundSizeType>) > 0);

LengthOrPercent fractionOf(BackgroundEdge edge) {
    return LengthOrPercent(static_cast<float>(static_cast<std::int32_t>(edge)) * 0.5f);
}

constexpr std::wstring_view kFindKeyword = L"FIND_KEYWORD(";

}  // namespace

bool BackgroundPosition::readStringBackgroundPosition(BackgroundPosition& target,
                                                      const Core::String& text) {
    BackgroundEdge edge{};
    if (!parseKeyword(edge, text))
        return false;
    target = fractionOf(edge);
    return true;
}

bool AttributeTraits<BackgroundPosition>::parse(BackgroundPosition& value,
                                                const Core::String& text) {
    if (BackgroundPosition::readStringBackgroundPosition(value, text))
        return true;
    LengthOrPercent measure;
    if (!detail::parseLengthOrPercent(measure, text.view()))
        return false;
    value = measure;
    return true;
}

Core::String AttributeTraits<BackgroundPosition>::format(const BackgroundPosition& value) {
    // The first keyword fraction the value equals, also for a parsed 0%, 50% or 100%.
    for (const auto edge : {BackgroundEdge::Left, BackgroundEdge::Center, BackgroundEdge::Right}) {
        if (value == fractionOf(edge))
            return formatKeyword(edge);
    }
    return LengthOrPercent::getValueAsString(value);
}

bool BackgroundSize::readStringBackgroundSize(BackgroundSize& target, const Core::String& text) {
    BackgroundSizeType type{};
    if (!parseKeyword(type, text))
        return false;
    target = BackgroundSize(type);
    return true;
}

bool AttributeTraits<BackgroundSize>::parse(BackgroundSize& value, const Core::String& text) {
    return parseKeywordOrMeasure<BackgroundSizeType>(value, text, &detail::parseLengthOrPercent);
}

Core::String AttributeTraits<BackgroundSize>::format(const BackgroundSize& value) {
    // Explicit, and any type without a keyword, writes the measure.
    const std::wstring_view name = keywordName(value.getType());
    if (!name.empty())
        return Core::String(name);
    return LengthOrPercent::getValueAsString(value);
}

bool TabStop::operator<(const TabStop& other) const {
    return static_cast<double>(position_.pxSize()) < static_cast<double>(other.position_.pxSize());
}

bool TPRule::operator==(const TPRule& other) const {
    if (type_ != other.type_)
        return false;
    switch (type_) {
        case TPRuleType::FindKeyword:
            return keyword_.compare(other.keyword_) == 0;
        case TPRuleType::None:
            return true;
        default:
            return false;
    }
}

bool TPRule::parseRule(TPRule& target, const Core::String& text) {
    const std::wstring_view view = text.view();
    const std::size_t close = view.starts_with(kFindKeyword) ? view.find(L')', kFindKeyword.size())
                                                             : std::wstring_view::npos;
    if (close == std::wstring_view::npos) {
        target.type_ = TPRuleType::None;  // the keyword held before stays
        return false;
    }
    const std::wstring_view keyword = view.substr(kFindKeyword.size(), close - kFindKeyword.size());
    target.keyword_ = Core::String(keyword);
    target.type_ = TPRuleType::FindKeyword;
    return true;
}

template class TXmlAttribute<BackgroundPosition>;
template class TXmlAttribute<BackgroundSize>;
template class TXmlAttribute<TPRule>;

}  // namespace Xml
