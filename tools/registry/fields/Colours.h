// Field printers of the colour types: the colour's class and its components.
#pragma once

#include "css/colours/BoxShadow.h"
#include "css/colours/ColorParse.h"
#include "css/colours/SColor.h"
#include "tools/registry/Fields.h"
#include "tools/registry/fields/Lengths.h"

namespace xmlattr_tool {

template <>
struct FieldPrinter<Core::SmartPtr<Drawing::Color>> {
    static void print(const Core::SmartPtr<Drawing::Color>& color, Fields& out) {
        const Drawing::Color* value = color.get();
        if (value == nullptr) {
            out.add("class", std::string("none"));
        } else if (const auto* rgb = dynamic_cast<const Drawing::RGBColor*>(value)) {
            out.add("class", std::string("RGBColor"))
                .add("r", static_cast<int>(rgb->getR()))
                .add("g", static_cast<int>(rgb->getG()))
                .add("b", static_cast<int>(rgb->getB()));
        } else if (const auto* cmyk = dynamic_cast<const Drawing::CMYKColor*>(value)) {
            out.add("class", std::string("CMYKColor"))
                .add("c", cmyk->getC())
                .add("m", cmyk->getM())
                .add("y", cmyk->getY())
                .add("k", cmyk->getK());
        } else if (const auto* icc = dynamic_cast<const Drawing::ICCColor*>(value)) {
            out.add("class", std::string("ICCColor"));
            const auto space = icc->getColorSpace();
            if (const auto* profile = dynamic_cast<const Drawing::ICCColorSpace*>(space.get())) {
                out.add("profile", profile->getProfileName());
            }
            out.add("count", icc->getColorCount());
            for (int i = 0; i < Drawing::ICCColor::kMaxComponents; ++i) {
                out.add("component" + std::to_string(i), icc->getColor(i));
            }
            out.add("fallBackR", static_cast<int>(icc->getFallBackR()))
                .add("fallBackG", static_cast<int>(icc->getFallBackG()))
                .add("fallBackB", static_cast<int>(icc->getFallBackB()));
        } else if (const auto* spot = dynamic_cast<const Drawing::SpotColor*>(value)) {
            const Drawing::ColorSubstitute& substitute = spot->getColorSubstitute();
            out.add("class", std::string("SpotColor"))
                .add("name", spot->getColorName())
                .add("tint", spot->getTint());
            if (substitute.hasCMYKSubstitute()) {
                out.add("c", substitute.getC())
                    .add("m", substitute.getM())
                    .add("y", substitute.getY())
                    .add("k", substitute.getK());
            }
            if (substitute.hasRGBSubstitute()) {
                out.add("r", static_cast<int>(substitute.getR()))
                    .add("g", static_cast<int>(substitute.getG()))
                    .add("b", static_cast<int>(substitute.getB()));
            }
        } else {
            out.add("class", std::string("other"));
        }
    }
};

template <>
struct FieldPrinter<Xml::SColor> {
    static void print(const Xml::SColor& value, Fields& out) {
        static const char* const kTypes[] = {"None", "Reference", "ColorValue"};
        out.add("type", std::string(kTypes[value.getType()]));
        if (value.getType() == Xml::SColor::Reference)
            out.add("url", value.getUrl());
        if (value.getType() == Xml::SColor::ColorValue) {
            FieldPrinter<Core::SmartPtr<Drawing::Color>>::print(value.getColor(), out);
        }
    }
};

template <>
struct FieldPrinter<Xml::SNullableColor> {
    static void print(const Xml::SNullableColor& value, Fields& out) {
        FieldPrinter<Xml::SColor>::print(value, out);
        out.add("null", value.isNull());
    }
};

template <>
struct FieldPrinter<Xml::BoxShadow> {
    static void print(const Xml::BoxShadow& value, Fields& out) {
        lengths::addLength(out, "dx.", value.getDx());
        lengths::addLength(out, "dy.", value.getDy());
        lengths::addLength(out, "blurRadius.", value.getBlurRadius());
        FieldPrinter<Core::SmartPtr<Drawing::Color>>::print(value.getColor(), out);
    }
};

}  // namespace xmlattr_tool
