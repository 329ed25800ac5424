// The types lint judges, one judge per type instantiated from the tool's
// type list, and the steps every judgement takes: the library reads the text
// into a fresh attribute, the shape of the text decides how what the author
// wrote is compared with what is held, and the held value is shown as text
// only when there is something to say.
#include "tools/lint/Judge.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

#include "platform/Exception.h"
#include "platform/Log.h"
#include "tools/lint/judge/Measure.h"
#include "tools/lint/judge/Shapes.h"
#include "tools/registry/TypeList.h"

namespace xmlattr::lint {

using Judge = std::optional<Verdict> (*)(const Core::String& text, std::string_view utf8,
                                         Grammar grammar);

struct JudgedType {
    std::string_view name;
    Judge judge;
};

namespace {

using namespace judging;

// How a type's texts are judged: the shape of what its author writes.
enum class Shape : std::uint8_t {
    Plain,
    Measure,
    Number,
    Keyword,
    Url,
    Paint,
    LengthList,
    Colour,
    Path,
    Points,
    ViewBox,
    AspectRatio,
    Decoration,
    Transforms
};

// The number a number type holds.
inline double numberHeld(float held) {
    return held;
}
inline double numberHeld(int held) {
    return held;
}
inline double numberHeld(const Xml::FloatOrPercent& held) {
    return held.getValue();
}

// Each type says its shape by what it is: a keyword table, a number, a
// reference, a paint, a colour, a list or geometry, or a value that holds a
// measure; what is none of these (a pair of lengths read whole, a
// language tag read from a table) is only checked for rejection.
template <class T>
constexpr Shape shapeOf() {
    if constexpr (Xml::KeywordEnum<T>)
        return Shape::Keyword;
    else if constexpr (std::is_same_v<T, float> || std::is_same_v<T, int> ||
                       std::is_same_v<T, Xml::FloatOrPercent>)
        return Shape::Number;
    else if constexpr (std::is_same_v<T, Xml::Url>)
        return Shape::Url;
    else if constexpr (std::is_same_v<T, Xml::SColor> || std::is_same_v<T, Xml::SNullableColor>)
        return Shape::Paint;
    else if constexpr (std::is_same_v<T, Core::SmartPtr<Drawing::Color>>)
        return Shape::Colour;
    else if constexpr (std::is_same_v<T, Core::Vector<Xml::SLength>>)
        return Shape::LengthList;
    else if constexpr (std::is_same_v<T, Core::Vector<Xml::PathDataCommand>>)
        return Shape::Path;
    else if constexpr (std::is_same_v<T, Core::Vector<Xml::Point>>)
        return Shape::Points;
    else if constexpr (std::is_same_v<T, Core::Vector<Xml::Transform>>)
        return Shape::Transforms;
    else if constexpr (std::is_same_v<T, Xml::SPreserveAspectRatio>)
        return Shape::AspectRatio;
    else if constexpr (std::is_same_v<T, Xml::ViewBox>)
        return Shape::ViewBox;
    else if constexpr (std::is_same_v<T, Xml::STextDecoration>)
        return Shape::Decoration;
    else if constexpr (MeasureShaped<T> || std::is_same_v<T, Xml::InitialPageNumber> ||
                       std::is_same_v<T, Xml::InitialSheetNumber>)
        return Shape::Measure;  // a page number is read as a measure's number
    else
        return Shape::Plain;
}

template <class E>
constexpr Keywords keywordsOf() {
    Keywords table{Xml::KeywordsOf<E>::table.rows, Xml::keywordIndex<E>(), nullptr, {}};
    if constexpr (std::is_same_v<E, Xml::FontWeight>) {
        table.byNumber = &fontWeightOfNumber;
        table.numberRule = "the engine takes every weight above 400 as bold";
    }
    return table;
}

// Each keyword type's table as lint reads it, made at compile time.
template <class E>
inline constexpr Keywords kKeywords = keywordsOf<E>();

// The held value as the library writes it; empty where it has no text form.
// A point list in ex units cannot be written (it writes pixels, and ex has
// none), so it is shown from its numbers without asking; any other raise is
// the library's fault and the judgement's verdict (judgeText).
template <class T>
std::string writtenBack(Xml::TXmlAttribute<T>& attribute) {
    if constexpr (std::is_same_v<T, Core::Vector<Xml::Point>>)
        return pointsShown(attribute.getValue());
    else
        return attribute.getValueAsString().toUtf8();
}

// The held value shown by its shape, for a type without a text form.
template <Shape S, class T>
std::string shapeShown(const T& held) {
    if constexpr (std::is_same_v<T, Xml::InitialPageNumber>)
        return held.getType() == Xml::InitialPageNumberType::Explicit
                   ? std::to_string(held.getPageNumber())
                   : keywordShown(kKeywords<Xml::InitialPageNumberType>,
                                  static_cast<std::int32_t>(held.getType()));
    else if constexpr (S == Shape::Measure)
        return measureShown(heldMeasure(held));
    else if constexpr (S == Shape::LengthList)
        return lengthListShown(held);
    else if constexpr (S == Shape::Colour || S == Shape::Paint)
        return colourShown(held);
    else if constexpr (S == Shape::Keyword)
        return keywordShown(kKeywords<T>, static_cast<std::int32_t>(held));
    else if constexpr (S == Shape::Number)
        return numberShown(numberHeld(held));
    else if constexpr (S == Shape::Path)
        return pathShown(held);
    else if constexpr (S == Shape::Points)
        return pointsShown(held);
    else if constexpr (S == Shape::AspectRatio)
        return aspectRatioShown(held);
    else if constexpr (S == Shape::ViewBox)
        return viewBoxShown(held);
    else if constexpr (S == Shape::Decoration)
        return decorationShown(held);
    else if constexpr (S == Shape::Transforms)
        return transformsShown(held);
    else
        return "its default";
}

template <Shape S, class T>
std::string readsAs(Xml::TXmlAttribute<T>& attribute) {
    std::string shown = writtenBack(attribute);
    return shown.empty() ? shapeShown<S>(attribute.getValue()) : shown;
}

// Whether the type holds for a word what it holds for a word it does not
// know that ends alike: a word read as a number, whose last two characters
// may be taken as a unit ("thin" as 0in, " thin " as 0px).
template <class T>
bool readsLikeNonsense(const Xml::TXmlAttribute<T>& attribute, Text text) {
    std::wstring nonsense(text);
    bool replaced = false;
    for (std::size_t i = 0; i + 2 < nonsense.size(); ++i) {
        if (isLetter(nonsense[i]) || nonsense[i] == L'-') {
            nonsense[i] = L'q';
            replaced = true;
        }
    }
    if (!replaced)
        nonsense.insert(0, L"qq");
    Xml::TXmlAttribute<T> other;
    return other.parseValue(Core::String(std::wstring_view(nonsense))) &&
           attribute == other.getValue();
}

template <class T>
bool accepts(const Core::String& text) {
    Xml::TXmlAttribute<T> attribute;
    return attribute.parseValue(text);
}

template <class T, Shape S>
std::optional<Verdict> rejection(Text text) {
    Refusal refusal{&accepts<T>};
    refusal.colour = S == Shape::Colour || S == Shape::Paint;
    refusal.commas = std::is_same_v<T, Xml::ViewBox>;
    refusal.language = std::is_same_v<T, Xml::Language>;
    refusal.measure = MeasureShaped<T>;
    refusal.words = S == Shape::Decoration;
    if constexpr (S == Shape::Keyword) {
        refusal.keywords = &kKeywords<T>;
    }
    return whyRejected(text, refusal);
}

template <Shape S, class T>
std::optional<Verdict> judgeAccepted(Text text, const Xml::TXmlAttribute<T>& attribute,
                                     Grammar grammar) {
    const T& held = attribute.getValue();
    if constexpr (S == Shape::Measure)
        return judgeMeasure(text, heldMeasure(held), grammar.numberIsRatio,
                            [&] { return readsLikeNonsense(attribute, text); });
    else if constexpr (S == Shape::LengthList)
        return judgeLengthList(text, held);
    else if constexpr (S == Shape::Colour)
        return judgeColour(text);
    else if constexpr (S == Shape::Paint)
        return judgePaint(text, held);
    else if constexpr (S == Shape::Keyword)
        return judgeKeyword(text, kKeywords<T>, static_cast<std::int32_t>(held));
    else if constexpr (S == Shape::Number)
        return judgeNumber(text, numberHeld(held),
                           NumberGrammar{!std::is_same_v<T, int>, std::is_same_v<T, int>});
    else if constexpr (S == Shape::Url)
        return judgeUrl(text, held.getUrl());
    else if constexpr (S == Shape::Path)
        return judgePath(text, held);
    else if constexpr (S == Shape::Points)
        return judgePoints(text, held);
    else if constexpr (S == Shape::AspectRatio)
        return judgeAspectRatio(text, held);
    else if constexpr (S == Shape::ViewBox)
        return judgeViewBox(text, held);
    else if constexpr (S == Shape::Decoration)
        return judgeDecoration(text, held);
    else if constexpr (S == Shape::Transforms)
        return judgeTransforms(text, held);
    else
        return std::nullopt;
}

template <class T, Shape S>
std::optional<Verdict> judgeAs(const Core::String& text, std::string_view utf8, Grammar grammar) {
    Xml::TXmlAttribute<T> attribute;
    if (!attribute.parseValue(text)) {
        std::string kept = "the engine keeps the value it had (inherited or initial)";
        std::string shown;
        if constexpr (xmlattr_tool::storesOnRejection<T>()) {
            shown = readsAs<S>(attribute);
            kept = concat({"the engine stores ", shown, " instead"});
        }
        std::optional<Verdict> why = rejection<T, S>(text.view());
        if (!why)
            return Verdict{Kind::Rejected, std::move(shown), std::move(kept), {}};
        why->readsAs = std::move(shown);
        why->reason = concat({why->reason, "; ", kept});
        return why;
    }
    std::optional<Verdict> verdict = judgeAccepted<S>(text.view(), attribute, grammar);
    if (!verdict)
        return std::nullopt;
    std::string shown = writtenBack(attribute);
    if (!shown.empty() && shown == utf8)
        return std::nullopt;  // written back as written ("body-start()", "bold")
    verdict->readsAs = shown.empty() ? shapeShown<S>(attribute.getValue()) : std::move(shown);
    return verdict;
}

template <class Named>
constexpr JudgedType judged() {
    using T = typename Named::type;
    return {Named::name, &judgeAs<T, shapeOf<T>()>};
}

// Every type of the tool's list, sorted by name for lookups.
template <class... Types>
constexpr std::array<JudgedType, sizeof...(Types)> judgedTypes(xmlattr_tool::TypeList<Types...>) {
    std::array<JudgedType, sizeof...(Types)> types = {judged<Types>()...};
    std::sort(types.begin(), types.end(),
              [](const JudgedType& a, const JudgedType& b) { return a.name < b.name; });
    return types;
}

constexpr auto kTypes = judgedTypes(xmlattr_tool::AllTypes{});

static_assert(std::adjacent_find(kTypes.begin(), kTypes.end(),
                                 [](const JudgedType& a, const JudgedType& b) {
                                     return a.name == b.name;
                                 }) == kTypes.end(),
              "each type name once");

}  // namespace

const JudgedType* judgedType(std::string_view name) {
    const auto found = std::lower_bound(
        kTypes.begin(), kTypes.end(), name,
        [](const JudgedType& type, std::string_view key) { return type.name < key; });
    return found != kTypes.end() && found->name == name ? &*found : nullptr;
}

std::string_view typeName(const JudgedType& type) {
    return type.name;
}

std::optional<Verdict> judgeText(const JudgedType& type, std::string_view text, Grammar grammar) {
    // The library logs as it raises (a held value it cannot write); the
    // verdict says all there is to say, and other threads keep their log.
    static const Core::Log::Handler drop;
    const Core::Log::ThreadScope quiet(drop);
    try {
        return type.judge(Core::String::fromUtf8(text), text, grammar);
    } catch (const Core::Exception& error) {
        const char* file = error.getFile() != nullptr ? error.getFile() : "an unknown place";
        return Verdict{
            Kind::InternalError,
            {},
            concat({"the library raised at ", file, ":", std::to_string(error.getLine())}),
            {}};
    }
}

}  // namespace xmlattr::lint
