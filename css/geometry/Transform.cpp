#include "css/geometry/Transform.h"

#include "css/attributes/ParseUtil.h"
#include "css/geometry/GeometryScan.h"
#include "platform/Exception.h"
#include "platform/Format.h"

namespace Xml {

namespace {

using View = std::wstring_view;

// The type named by a transform keyword (exact case); false for any other name.
bool typeOfName(View name, TransformType& type) {
    switch (name.size()) {
        case 5:
            if (name == L"scale") {
                type = TransformType::Scale;
            } else if (name == L"skewX") {
                type = TransformType::SkewX;
            } else if (name == L"skewY") {
                type = TransformType::SkewY;
            } else {
                return false;
            }
            return true;
        case 6:
            if (name == L"matrix") {
                type = TransformType::Matrix;
            } else if (name == L"rotate") {
                type = TransformType::Rotate;
            } else {
                return false;
            }
            return true;
        case 9:
            if (name != L"translate")
                return false;
            type = TransformType::Translate;
            return true;
        default:
            return false;
    }
}

int maxArguments(TransformType type) {
    switch (type) {
        case TransformType::Matrix:
            return 6;
        case TransformType::Translate:
        case TransformType::Scale:
            return 2;
        case TransformType::Rotate:
            return 3;
        default:  // skews
            return 1;
    }
}

bool endsArgument(wchar_t c) {
    return c == L')' || c == L',' || Core::String::isSpace(c);
}

// What the arguments read so far hold: numbers and the two lengths (the
// translation, or the centre of a rotation).
struct Arguments {
    double numbers[6] = {0, 0, 0, 0, 0, 0};
    SLength lengths[2];
    int count = 0;

    void read(TransformType type, View text) {
        const int index = count++;
        // Lengths are read straight into their working value; a text that is
        // not a length leaves it as it was.
        if (type == TransformType::Translate) {
            detail::parseSLength(lengths[index], text);
        } else if (type == TransformType::Rotate && index > 0) {
            detail::parseSLength(lengths[index - 1], text);
        } else {
            numbers[index] = static_cast<double>(Core::Format::parseFloat(text));
        }
    }
};

}  // namespace

Transform::Transform(double a, double b, double c, double d, double e, double f)
    : type(TransformType::Matrix), matrix{a, b, c, d, e, f} {}

Transform::Transform(const SLength& tx, const SLength& ty)
    : type(TransformType::Translate), translateX(tx), translateY(ty) {}

Transform::Transform(double sx, double sy) : type(TransformType::Scale), scaleX(sx), scaleY(sy) {}

Transform::Transform(double angle_, const SLength& cx, const SLength& cy)
    : type(TransformType::Rotate), angle(angle_), centerX(cx), centerY(cy) {}

Transform::Transform(TransformType type_, double angle_)
    : type(type_), skewAngleX(angle_), skewAngleY(angle_) {}

bool Transform::operator==(const Transform& other) const {
    if (type != other.type)
        return false;
    switch (type) {
        case TransformType::Matrix:
            for (int i = 0; i < 6; ++i) {
                if (!(matrix[i] == other.matrix[i]))
                    return false;
            }
            return true;
        case TransformType::Translate:
            return translateX == *other.translateX && translateY == *other.translateY;
        case TransformType::Scale:
            return scaleX == other.scaleX && scaleY == other.scaleY;
        case TransformType::Rotate:
            return angle == other.angle && centerX == *other.centerX && centerY == *other.centerY;
        case TransformType::SkewX:
            return skewAngleX == other.skewAngleX;
        case TransformType::SkewY:
            return skewAngleY == other.skewAngleY;
        default:
            return false;
    }
}

Transform Transform::readTransform(const Core::String& text) {
    return detail::readTransform(text.view());
}

Transform detail::readTransform(View text) {
    const std::size_t n = text.size();
    std::size_t pos = detail::skipSpace(text, 0);
    const std::size_t nameStart = pos;
    while (pos < n && !Core::String::isSpace(text[pos]) && text[pos] != L'(')
        ++pos;
    TransformType type;
    if (!typeOfName(text.substr(nameStart, pos - nameStart), type))
        return Transform();
    pos = detail::skipSpace(text, pos);
    if (pos >= n || text[pos] != L'(')
        return Transform();

    // Each argument ends at ")", "," or one white-space unit; the unit that
    // ends it is stepped over and white space after it skipped, so "10 ,20"
    // has an empty second argument.
    Arguments args;
    const int limit = maxArguments(type);
    try {
        for (;;) {
            ++pos;  // past "(" or the unit that ended the previous argument
            if (pos >= n)
                break;
            pos = detail::skipSpace(text, pos);
            if (pos >= n)
                return Transform();
            std::size_t end = pos;
            while (end < n && !endsArgument(text[end]))
                ++end;
            if (args.count == limit)
                return Transform();
            args.read(type, text.substr(pos, end - pos));
            pos = end;
        }
    } catch (const Core::Exception&) {
        return Transform(1, 0, 0, 1, 0, 0);
    }

    if (args.count == 0)
        return Transform();
    const double* numbers = args.numbers;
    switch (type) {
        case TransformType::Matrix:
            if (args.count != 6)
                return Transform();
            return Transform(numbers[0], numbers[1], numbers[2], numbers[3], numbers[4],
                             numbers[5]);
        case TransformType::Translate:
            // A single argument leaves ty a zero length.
            return Transform(args.lengths[0], args.lengths[1]);
        case TransformType::Scale:
            return Transform(numbers[0], args.count == 1 ? numbers[0] : numbers[1]);
        case TransformType::Rotate:
            return Transform(numbers[0], args.lengths[0], args.lengths[1]);
        default:
            return Transform(type, numbers[0]);
    }
}

bool AttributeTraits<Core::Vector<Transform>>::parse(Core::Vector<Transform>& value,
                                                     const Core::String& text) {
    // Items run from the next non-blank unit to the next ")"; an item without
    // its ")" is dropped. The list is appended to, not replaced.
    const View view = text.view();
    int pos = 0;
    while (pos < text.length()) {
        ParseUtil::skipWhiteSpace(text, pos);
        if (pos == text.length())
            break;
        const std::size_t close = view.find(L')', static_cast<std::size_t>(pos));
        if (close == View::npos)
            break;
        value.push_back(detail::readTransform(view.substr(pos, close - pos)));
        pos = static_cast<int>(close) + 1;
    }
    return true;
}

template class TXmlAttribute<Core::Vector<Transform>>;

}  // namespace Xml
