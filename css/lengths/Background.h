// Background positions and sizes, tab stops, and the keyword-finding rule.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "css/attributes/XmlAttribute.h"
#include "css/keywords/FontKeywords.h"
#include "css/keywords/Keyword.h"
#include "css/lengths/Length.h"
#include "css/lengths/LengthOrPercent.h"
#include "platform/String.h"

namespace Xml {

// One axis of a background position: a length, or a fraction of the free
// space. The keywords are fractions: left and top 0, center 0.5, right and
// bottom 1; those fractions are written back as the horizontal keywords.
class XMLATTR_API BackgroundPosition : public LengthOrPercent {
  public:
    constexpr BackgroundPosition() = default;
    constexpr BackgroundPosition(
        const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : LengthOrPercent(value) {}

    // The keywords only (exact case); any other text gives false and leaves target.
    static bool readStringBackgroundPosition(BackgroundPosition& target, const Core::String& text);
};

enum class BackgroundSizeType : std::int32_t {
    Cover = 0,
    Contain = 1,
    Stretch = 2,
    Auto = 3,
    Explicit = 4,
};

// "fill" is another name for "stretch"; Stretch is written as "stretch".
template <>
struct KeywordsOf<BackgroundSizeType> {
    static constexpr auto table =
        keywordTable<BackgroundSizeType>({}, {keyword(L"cover", BackgroundSizeType::Cover),
                                              keyword(L"contain", BackgroundSizeType::Contain),
                                              keyword(L"stretch", BackgroundSizeType::Stretch),
                                              keywordAlias(L"fill", BackgroundSizeType::Stretch),
                                              keyword(L"auto", BackgroundSizeType::Auto)});
};

// A background size: a keyword with the default measure, or an explicit
// measure. Equality is the measure's (inherited): the type is not compared,
// so any two keyword sizes are equal.
class XMLATTR_API BackgroundSize : public LengthOrPercent {
  public:
    constexpr BackgroundSize() = default;
    constexpr BackgroundSize(BackgroundSizeType type)  // NOLINT(google-explicit-constructor)
        : type_(type) {}
    constexpr BackgroundSize(const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : LengthOrPercent(value), type_(BackgroundSizeType::Explicit) {}

    constexpr BackgroundSizeType getType() const { return type_; }

    // The keywords only (exact case); any other text gives false and leaves target.
    static bool readStringBackgroundSize(BackgroundSize& target, const Core::String& text);

  private:
    BackgroundSizeType type_ = BackgroundSizeType::Auto;
};

// A tab stop: where it stands, how text aligns at it and the leader drawn up
// to it. Stops are ordered by position in pixels only.
class XMLATTR_API TabStop {
  public:
    constexpr TabStop(Length position, TabStopType type, TabPattern pattern)
        : position_(position), type_(type), pattern_(pattern) {}

    constexpr const Length& getPosition() const { return position_; }
    constexpr TabStopType getType() const { return type_; }
    constexpr TabPattern getPattern() const { return pattern_; }

    // Raises for a position in ex, which has no pixel size.
    bool operator<(const TabStop& other) const;

  private:
    Length position_;
    TabStopType type_;
    TabPattern pattern_;
};

enum class TPRuleType : std::int32_t { FindKeyword = 0, None = 1 };

// A rule naming a keyword to find: FIND_KEYWORD(word), or no rule.
class XMLATTR_API TPRule {
  public:
    TPRule() = default;

    TPRuleType getType() const { return type_; }
    Core::String getKeyword() const { return keyword_; }

    // Equal types, and for FindKeyword equal keywords (exact case). A type
    // outside the enumeration equals nothing.
    bool operator==(const TPRule& other) const;
    bool operator!=(const TPRule& other) const { return !(*this == other); }

    // "FIND_KEYWORD(" then the keyword up to the first ")"; what follows is
    // ignored. Any other text sets type None, keeps the keyword and gives false.
    static bool parseRule(TPRule& target, const Core::String& text);

  private:
    TPRuleType type_ = TPRuleType::None;
    Core::String keyword_;
};

template <>
struct XMLATTR_API AttributeTraits<BackgroundPosition> {
    static bool parse(BackgroundPosition& value, const Core::String& text);
    static Core::String format(const BackgroundPosition& value);
};

template <>
struct XMLATTR_API AttributeTraits<BackgroundSize> {
    static bool parse(BackgroundSize& value, const Core::String& text);
    static Core::String format(const BackgroundSize& value);
};

template <>
struct XMLATTR_API AttributeTraits<TPRule> : NoTextFormat {
    static bool parse(TPRule& value, const Core::String& text) {
        return TPRule::parseRule(value, text);
    }
};

extern template class TXmlAttribute<BackgroundPosition>;
extern template class TXmlAttribute<BackgroundSize>;
extern template class TXmlAttribute<TPRule>;

}  // namespace Xml
