// Parses a few attribute texts and checks what they read as: a length, a
// colour name, a keyword, path data and an exported default. Exits 1 on any
// surprise, so a build that links but misbehaves does not pass. With the lint
// engine, it also judges attributes through it (lint.cpp).
#include <cstdio>

#include "css/XmlAttributes.h"

#if CONSUMER_WITH_LINT
int checkLint();  // lint.cpp
#endif

namespace {

int failures = 0;

void expect(bool condition, const char* what) {
    if (!condition) {
        std::printf("unexpected: %s\n", what);
        ++failures;
    }
}

}  // namespace

int main() {
    Xml::TXmlAttribute<Xml::Length> indent(Xml::DefaultLength);
    expect(indent.parseValue(L"12pt"), "\"12pt\" is a length");
    expect(indent->pxSize() == 16.0f, "12pt is 16 pixels");
    expect(indent.getValueAsString() == L"12pt", "12pt writes back as itself");

    Xml::TXmlAttribute<Xml::SmartPtr<Drawing::Color>> colour;
    expect(colour.parseValue(L"yellowgreen"), "\"yellowgreen\" is a colour");
    expect(colour.getValueAsString() == L"rgb(154,205,50)", "yellowgreen is rgb(154,205,50)");

    Xml::TXmlAttribute<Xml::FontWeight> weight;
    expect(weight.parseValue(L"bold") && weight.getValueAsString() == L"bold", "bold weight");

    Xml::TXmlAttribute<Core::Vector<Xml::PathDataCommand>> path;
    path.parseValue(L"M 10 20 L 30 40 z");
    expect(path->size() == 3, "three path commands");

    const Xml::TXmlAttribute<Xml::BorderStyle> style(Xml::DefaultBorderStyle);
    expect(style == Xml::DefaultBorderStyle.getValue(), "a copy of a default constant");
#if CONSUMER_WITH_LINT
    failures += checkLint();
#endif
    std::printf("xmlattr consumer: %s\n", failures == 0 ? "ok" : "FAILED");
    return failures == 0 ? 0 : 1;
}
