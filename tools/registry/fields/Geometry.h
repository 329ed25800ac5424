// Field printers of the vector geometry types: each transform, path command
// and point of a list on its own lines, and the view box, aspect ratio and
// rectangle values.
#pragma once

#include <type_traits>

#include <string>

#include "css/geometry/PathData.h"
#include "css/geometry/Point.h"
#include "css/geometry/Transform.h"
#include "css/geometry/ViewBox.h"
#include "platform/RectF.h"
#include "tools/registry/Fields.h"
#include "tools/registry/fields/Lengths.h"

namespace xmlattr_tool {

namespace geometry {

inline std::string number(double value) {
    return Core::formatNumber(value).toUtf8();
}

inline std::string number(float value) {
    return Core::formatNumber(value).toUtf8();
}

// One SVG length on one line: its size, then its unit.
inline std::string lengthText(const Xml::SLength& length) {
    return number(length.getSize()) + " " + lengths::unitName(length.getUnit());
}

inline std::string measureText(const Xml::SLengthOrPercent& measure) {
    return measure.isPercent() ? "fraction " + number(measure.getPercent())
                               : lengthText(measure.getLength());
}

inline std::string typeText(const char* name, int number) {
    return std::string(name) + " (" + std::to_string(number) + ")";
}

inline void addTransform(Fields& out, const std::string& at, const Xml::Transform& t) {
    using Type = Xml::TransformType;
    static const char* const kNames[] = {"Matrix", "Translate", "Scale",
                                         "Rotate", "SkewX",     "SkewY"};
    const int type = static_cast<int>(t.type);
    out.add(at + "type", typeText(type >= 1 && type <= 6 ? kNames[type - 1] : "invalid", type));
    switch (t.type) {
        case Type::Matrix: {
            std::string numbers;
            for (double v : t.matrix) {
                if (!numbers.empty())
                    numbers += ' ';
                numbers += number(v);
            }
            out.add(at + "matrix", numbers);
            break;
        }
        case Type::Translate:
            out.add(at + "tx", lengthText(t.translateX)).add(at + "ty", lengthText(t.translateY));
            break;
        case Type::Scale:
            out.add(at + "sx", t.scaleX).add(at + "sy", t.scaleY);
            break;
        case Type::Rotate:
            out.add(at + "angle", t.angle)
                .add(at + "cx", lengthText(t.centerX))
                .add(at + "cy", lengthText(t.centerY));
            break;
        case Type::SkewX:
            out.add(at + "angle", t.skewAngleX);
            break;
        case Type::SkewY:
            out.add(at + "angle", t.skewAngleY);
            break;
    }
}

inline void addCommand(Fields& out, const std::string& at, const Xml::PathDataCommand& c) {
    static const char* const kNames[] = {"reserved",
                                         "MoveTo",
                                         "ClosePath",
                                         "LineTo",
                                         "HorizontalLineTo",
                                         "VerticalLineTo",
                                         "CurveTo",
                                         "SmoothCurveTo",
                                         "QuadraticCurveTo",
                                         "SmoothQuadraticCurveTo",
                                         "Arc"};
    const int type = static_cast<int>(c.type);
    out.add(at + "type", typeText(type >= 1 && type <= 11 ? kNames[type - 1] : "invalid", type))
        .add(at + "relative", c.relative);
    Xml::forEachArgument(c, [&](const char* name, const auto& argument) {
        if constexpr (std::is_same_v<std::decay_t<decltype(argument)>, Xml::SLength>)
            out.add(at + name, lengthText(argument));
        else
            out.add(at + name, argument);
    });
}

}  // namespace geometry

template <>
struct FieldPrinter<Core::Vector<Xml::Transform>> {
    static void print(const Core::Vector<Xml::Transform>& value, Fields& out) {
        out.add("count", value.size());
        for (int i = 0; i < value.size(); ++i)
            geometry::addTransform(out, itemPrefix(i), value[i]);
    }
};

template <>
struct FieldPrinter<Core::Vector<Xml::PathDataCommand>> {
    static void print(const Core::Vector<Xml::PathDataCommand>& value, Fields& out) {
        out.add("count", value.size());
        for (int i = 0; i < value.size(); ++i)
            geometry::addCommand(out, itemPrefix(i), value[i]);
    }
};

template <>
struct FieldPrinter<Core::Vector<Xml::Point>> {
    static void print(const Core::Vector<Xml::Point>& value, Fields& out) {
        out.add("count", value.size());
        for (int i = 0; i < value.size(); ++i) {
            out.add(itemPrefix(i) + "x", geometry::lengthText(value[i].getX()))
                .add(itemPrefix(i) + "y", geometry::lengthText(value[i].getY()));
        }
    }
};

template <>
struct FieldPrinter<Xml::ViewBox> {
    static void print(const Xml::ViewBox& value, Fields& out) {
        out.add("x", geometry::measureText(value.getX()))
            .add("y", geometry::measureText(value.getY()))
            .add("width", geometry::measureText(value.getWidth()))
            .add("height", geometry::measureText(value.getHeight()));
    }
};

template <>
struct FieldPrinter<Xml::SPreserveAspectRatio> {
    static void print(const Xml::SPreserveAspectRatio& value, Fields& out) {
        using Bits = Xml::SPreserveAspectRatio;
        const int bits = value.getAspectRatio();
        std::string align = "none";
        if ((bits & Bits::None) == 0) {
            align = std::string(bits & Bits::XMin   ? "xMin"
                                : bits & Bits::XMax ? "xMax"
                                                    : "xMid") +
                    (bits & Bits::YMin   ? "YMin"
                     : bits & Bits::YMax ? "YMax"
                                         : "YMid");
        }
        const char* meetOrSlice = bits & Bits::Slice ? "slice" : bits & Bits::Meet ? "meet" : "";
        out.add("value", bits).add("align", align).add("meetOrSlice", std::string(meetOrSlice));
    }
};

template <>
struct FieldPrinter<Drawing::RectF> {
    static void print(const Drawing::RectF& value, Fields& out) {
        out.add("x", value.x)
            .add("y", value.y)
            .add("width", value.width)
            .add("height", value.height);
    }
};

}  // namespace xmlattr_tool
