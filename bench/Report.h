// The XSL-FO report the lint and language server benchmarks read.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace xmlattr_bench {

// Appends the parts in place: g++ 12 at -O3 misreads chains of
// "literal" + std::string as overlapping copies (-Wrestrict).
inline void append(std::string& out, std::initializer_list<std::string_view> parts) {
    for (const std::string_view part : parts)
        out += part;
}

// One numbered section of the report: a few styled blocks, a table row and a
// small chart. One section in a hundred draws two warnings, as real
// documents do.
inline void appendSection(std::string& document, int section) {
    const std::string n = std::to_string(section % 97);
    append(document, {"<fo:block font-size=\"1", n.substr(0, 1),
                      "pt\" font-weight=\"bold\" space-before=\"12pt\" keep-with-next=\"always\" "
                      "color=\"#1f3864\">Section ",
                      n,
                      "</fo:block>\n<fo:block font-family=\"Helvetica\" line-height=\"1.3\" "
                      "text-align=\"justify\" margin-left=\"",
                      n,
                      "mm\" start-indent=\"1.5cm\" space-after=\"6pt\">Text of the section, long "
                      "enough to stand for a paragraph of a real report.</fo:block>\n"
                      "<fo:table-row background-color=\"rgb(238,238,238)\"><fo:table-cell "
                      "padding=\"4pt\" border-bottom-width=\"0.5pt\" border-bottom-style=\"solid\">"
                      "<fo:block text-align=\"end\">",
                      n,
                      "</fo:block></fo:table-cell></fo:table-row>\n"
                      "<fo:instream-foreign-object content-width=\"8cm\"><svg:svg width=\"200\" "
                      "height=\"100\" viewBox=\"0 0 200 100\"><svg:g transform=\"translate(10,10) "
                      "scale(0.5)\"><svg:rect x=\"",
                      n,
                      "\" y=\"20\" width=\"30\" height=\"60\" fill=\"#8faadc\" "
                      "stroke-width=\"0.5\"/><svg:path d=\"M0,0 L",
                      n, ",40 C10,10 20,20 30,", n,
                      " Z\" style=\"fill: none; stroke: #333333\"/></svg:g></svg:svg>"
                      "</fo:instream-foreign-object>\n"});
    if (section % 100 == 0)
        document += "<fo:block margin=\"2em \" font-size=\"12ptt\">typo</fo:block>\n";
}

// A report of numbered sections until the document reaches about size bytes.
inline std::string makeReport(std::size_t size = 10'000'000) {
    std::string document =
        "<?xml version=\"1.0\"?>\n"
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
        "xmlns:svg=\"http://www.w3.org/2000/svg\"><fo:page-sequence master-reference=\"A4\">"
        "<fo:flow flow-name=\"xsl-region-body\">\n";
    for (int section = 0; document.size() < size; ++section)
        appendSection(document, section);
    document += "</fo:flow></fo:page-sequence></fo:root>\n";
    return document;
}

// A stylesheet that writes such sections, one template each, with what
// stylesheets hold besides: values computed from parameters, xsl:attribute
// text, an attribute set used by every template.
inline std::string makeStylesheet(std::size_t size = 10'000'000) {
    std::string stylesheet =
        "<?xml version=\"1.0\"?>\n"
        "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
        "xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
        "xmlns:svg=\"http://www.w3.org/2000/svg\">\n"
        "<xsl:attribute-set name=\"title\"><xsl:attribute name=\"font-weight\">bold"
        "</xsl:attribute><xsl:attribute name=\"space-before\">12pt</xsl:attribute>"
        "</xsl:attribute-set>\n";
    for (int section = 0; stylesheet.size() < size; ++section) {
        append(stylesheet, {"<xsl:template match=\"section[", std::to_string(section),
                            "]\">\n<fo:block xsl:use-attribute-sets=\"title\" "
                            "font-size=\"{$body.size * 1.2}pt\"><xsl:attribute "
                            "name=\"start-indent\">\n  <xsl:text>1.5cm</xsl:text>\n"
                            "</xsl:attribute><xsl:attribute name=\"color\"><xsl:value-of "
                            "select=\"$title.colour\"/></xsl:attribute><xsl:value-of "
                            "select=\"title\"/></fo:block>\n"});
        appendSection(stylesheet, section);
        stylesheet += "</xsl:template>\n";
    }
    stylesheet += "</xsl:stylesheet>\n";
    return stylesheet;
}

}  // namespace xmlattr_bench
