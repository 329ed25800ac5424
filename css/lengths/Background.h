/// @file
/// Background positions and sizes, tab stops, and the keyword-finding rule.
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

/// The keywords of a background position by the fraction of the free space
/// they stand for, in halves: the value times 0.5 is the fraction.
enum class XMLATTR_API BackgroundEdge : std::int32_t { Left = 0, Center = 1, Right = 2 };

/// Keywords of BackgroundEdge: exact case. "top" and "bottom" read as left
/// and right, which are the names written back.
template <>
struct KeywordsOf<BackgroundEdge> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<BackgroundEdge>(
        {}, {keyword(L"left", BackgroundEdge::Left), keywordAlias(L"top", BackgroundEdge::Left),
             keyword(L"center", BackgroundEdge::Center), keyword(L"right", BackgroundEdge::Right),
             keywordAlias(L"bottom", BackgroundEdge::Right)});
};

/// One axis of a background position: a length, or a fraction of the free
/// space. The keywords (BackgroundEdge) are fractions: left and top 0,
/// center 0.5, right and bottom 1; those fractions are written back as the
/// horizontal keywords.
class XMLATTR_API BackgroundPosition : public LengthOrPercent {
  public:
    /// The length 0px.
    constexpr BackgroundPosition() = default;
    /// The given measure.
    constexpr BackgroundPosition(
        const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : LengthOrPercent(value) {}

    /// The keywords only (exact case); any other text gives false and leaves target.
    static bool readStringBackgroundPosition(BackgroundPosition& target, const Core::String& text);
};

/// The kind of a background size: a keyword, or an explicit measure.
enum class XMLATTR_API BackgroundSizeType : std::int32_t {
    Cover = 0,
    Contain = 1,
    Stretch = 2,
    Auto = 3,
    Explicit = 4,
};

/// Keywords of BackgroundSizeType: exact case, written back by name.
/// "fill" is another name for "stretch"; Stretch is written as "stretch".
template <>
struct KeywordsOf<BackgroundSizeType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<BackgroundSizeType>({}, {keyword(L"cover", BackgroundSizeType::Cover),
                                              keyword(L"contain", BackgroundSizeType::Contain),
                                              keyword(L"stretch", BackgroundSizeType::Stretch),
                                              keywordAlias(L"fill", BackgroundSizeType::Stretch),
                                              keyword(L"auto", BackgroundSizeType::Auto)});
};

/// A background size: a keyword with the default measure, or an explicit
/// measure. Equality is the measure's (inherited): the type is not compared,
/// so any two keyword sizes are equal.
class XMLATTR_API BackgroundSize : public LengthOrPercent {
  public:
    /// Auto.
    constexpr BackgroundSize() = default;
    /// A keyword size (or Explicit with the default measure).
    constexpr BackgroundSize(BackgroundSizeType type)  // NOLINT(google-explicit-constructor)
        : type_(type) {}
    /// An explicit measure.
    constexpr BackgroundSize(const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : LengthOrPercent(value), type_(BackgroundSizeType::Explicit) {}

    /// The keyword, or Explicit.
    constexpr BackgroundSizeType getType() const { return type_; }

    /// The keywords only (exact case); any other text gives false and leaves target.
    static bool readStringBackgroundSize(BackgroundSize& target, const Core::String& text);

  private:
    BackgroundSizeType type_ = BackgroundSizeType::Auto;
};

/// A tab stop: where it stands, how text aligns at it and the leader drawn up
/// to it. Stops are ordered by position in pixels only.
class XMLATTR_API TabStop {
  public:
    /// The stop at position, with its alignment and leader.
    constexpr TabStop(Length position, TabStopType type, TabPattern pattern)
        : position_(position), type_(type), pattern_(pattern) {}

    /// Where the stop stands.
    constexpr const Length& getPosition() const { return position_; }
    /// How text aligns at the stop.
    constexpr TabStopType getType() const { return type_; }
    /// The leader drawn up to the stop.
    constexpr TabPattern getPattern() const { return pattern_; }

    /// Raises for a position in ex, which has no pixel size.
    bool operator<(const TabStop& other) const;

  private:
    Length position_;
    TabStopType type_;
    TabPattern pattern_;
};

/// The kind of a TPRule.
enum class XMLATTR_API TPRuleType : std::int32_t { FindKeyword = 0, None = 1 };

/// A rule naming a keyword to find: FIND_KEYWORD(word), or no rule.
class XMLATTR_API TPRule {
  public:
    /// No rule.
    TPRule() = default;

    /// FindKeyword, or None.
    TPRuleType getType() const { return type_; }
    /// The keyword to find; also kept by a rule of type None.
    Core::String getKeyword() const { return keyword_; }

    /// Equal types, and for FindKeyword equal keywords (exact case). A type
    /// outside the enumeration equals nothing.
    bool operator==(const TPRule& other) const;
    /// The negation of operator==.
    bool operator!=(const TPRule& other) const { return !(*this == other); }

    /// "FIND_KEYWORD(" then the keyword up to the first ")"; what follows is
    /// ignored. Any other text sets type None, keeps the keyword and gives false.
    static bool parseRule(TPRule& target, const Core::String& text);

  private:
    TPRuleType type_ = TPRuleType::None;
    Core::String keyword_;
};

/// Background-position attributes.
template <>
struct XMLATTR_API AttributeTraits<BackgroundPosition> {
    /// A keyword (exact case), else a length or percentage.
    static bool parse(BackgroundPosition& value, const Core::String& text);
    /// The horizontal keyword of a fraction 0, 0.5 or 1 (also when read as
    /// 0%, 50% or 100%), else the measure's text.
    static Core::String format(const BackgroundPosition& value);
};

/// Background-size attributes.
template <>
struct XMLATTR_API AttributeTraits<BackgroundSize> {
    /// A keyword (exact case), else an explicit length or percentage.
    static bool parse(BackgroundSize& value, const Core::String& text);
    /// The keyword's name, else the measure's text.
    static Core::String format(const BackgroundSize& value);
};

/// Keyword-rule attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<TPRule> : NoTextFormat {
    /// TPRule::parseRule.
    static bool parse(TPRule& value, const Core::String& text) {
        return TPRule::parseRule(value, text);
    }
};

extern template class TXmlAttribute<BackgroundPosition>;
extern template class TXmlAttribute<BackgroundSize>;
extern template class TXmlAttribute<TPRule>;

}  // namespace Xml
