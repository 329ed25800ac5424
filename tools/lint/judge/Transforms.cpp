// Transform lists: the functions an author wrote, by name, against the
// transforms held; a transform the library cannot read falls back to
// translate(0,0).
#include "tools/lint/judge/Shapes.h"

namespace xmlattr::lint::judging {

namespace {

using Type = Xml::TransformType;

// Calls onName with each function name written ("rotate" of "rotate(45)"),
// in order; gives how many there are.
template <class OnName>
int forEachName(Text text, OnName onName) {
    int count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!isLetter(text[pos])) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        while (pos < text.size() && isLetter(text[pos]))
            ++pos;
        std::size_t open = pos;
        while (open < text.size() && isBlank(text[open]))
            ++open;
        if (open < text.size() && text[open] == L'(') {
            onName(count++, text.substr(start, pos - start));
            const std::size_t close = text.find(L')', open);
            pos = close == Text::npos ? text.size() : close + 1;
        }
    }
    return count;
}

bool isTranslate(Text name) {
    constexpr std::wstring_view kTranslate = L"translate";
    if (name.size() != kTranslate.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (lower(name[i]) != kTranslate[i])
            return false;
    }
    return true;
}

std::string lowered(Text name) {
    std::string out;
    for (const wchar_t c : name)
        out += static_cast<char>(lower(c));  // ASCII letters only
    return out;
}

// A transform that fell back: a translation by nothing.
bool isFallback(const Xml::Transform& transform) {
    return transform.type == Type::Translate && transform.translateX->getSize() == 0 &&
           transform.translateY->getSize() == 0;
}

std::string transformShown(const Xml::Transform& t) {
    std::string out;
    const auto number = [&](double value) {
        if (out.back() != '(')
            out += ',';
        out += numberShown(value);
    };
    switch (t.type) {
        case Type::Matrix:
            out = "matrix(";
            for (const double value : t.matrix)
                number(value);
            break;
        case Type::Translate:
            out = "translate(";
            number(t.translateX->getSize());
            number(t.translateY->getSize());
            break;
        case Type::Scale:
            out = "scale(";
            number(t.scaleX);
            number(t.scaleY);
            break;
        case Type::Rotate:
            out = "rotate(";
            number(t.angle);
            number(t.centerX->getSize());
            number(t.centerY->getSize());
            break;
        case Type::SkewX:
            out = "skewX(";
            number(t.skewAngleX);
            break;
        case Type::SkewY:
            out = "skewY(";
            number(t.skewAngleY);
            break;
        default:
            out = "invalid(";
            break;
    }
    out += ')';
    return out;
}

}  // namespace

std::optional<Verdict> judgeTransforms(Text text, const Core::Vector<Xml::Transform>& held) {
    std::optional<Verdict> fallback;
    const int written = forEachName(text, [&](int i, Text name) {
        if (!fallback && i < held.size() && isFallback(held[i]) && !isTranslate(name))
            fallback = finding(
                Kind::TransformDefault,
                concat({lowered(name), "() cannot be read and falls back to translate(0,0)"}));
    });
    if (fallback)
        return fallback;
    if (written != held.size())
        return finding(Kind::ReadsDifferently,
                       concat({std::to_string(written), " transforms written, ",
                               std::to_string(held.size()), " read"}));
    return std::nullopt;
}

std::string transformsShown(const Core::Vector<Xml::Transform>& held) {
    ListShown shown(static_cast<std::size_t>(held.size()));
    for (int i = 0; i < held.size(); ++i) {
        if (!shown.add(transformShown(held[i])))
            break;
    }
    return std::move(shown).finish();
}

}  // namespace xmlattr::lint::judging
