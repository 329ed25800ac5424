#include "tools/registry/TypeRegistry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "css/XmlAttributes.h"
#include "platform/Exception.h"
#include "tools/registry/Fields.h"
#include "tools/registry/PropertyCheck.h"
#include "tools/registry/fields/Chart.h"
#include "tools/registry/fields/Colours.h"
#include "tools/registry/fields/Geometry.h"
#include "tools/registry/fields/Keywords.h"
#include "tools/registry/fields/Language.h"
#include "tools/registry/fields/Lengths.h"
#include "tools/registry/fields/Measures.h"
#include "tools/registry/fields/Scalars.h"
#include "tools/registry/fields/TextDecoration.h"

namespace xmlattr_tool {

namespace {

// Parses text with a fresh TXmlAttribute<T> and reports what it holds.
// Parsing never raises; writing back can, for values the library cannot
// write (the report then says where).
template <class T>
Report run(const Core::String& text, bool withFields) {
    Xml::TXmlAttribute<T> attribute;
    Report report;
    report.accepted = attribute.parseValue(text);
    if (withFields) {
        Fields fields;
        FieldPrinter<T>::print(attribute.getValue(), fields);
        report.fields = fields.take();
    }
    try {
        report.text = attribute.getValueAsString();
    } catch (const Core::Exception& error) {
        report.raisedFile = error.getFile();
        report.raisedLine = error.getLine();
    }
    return report;
}

template <class T>
constexpr TypeEntry entry(std::string_view name, Family family) {
    if constexpr (Xml::KeywordEnum<T>) {
        return TypeEntry{
            name, &run<T>, family, &keywordTableOf<T>, &checkProperties<T>, storesOnRejection<T>()};
    } else {
        return TypeEntry{
            name, &run<T>, family, nullptr, &checkProperties<T>, storesOnRejection<T>()};
    }
}

// Every type of the shared list, in its order.
template <class... Types>
constexpr std::array<TypeEntry, sizeof...(Types)> entries(TypeList<Types...>) {
    return {entry<typename Types::type>(Types::name, Types::family)...};
}

constexpr auto kTypes = entries(AllTypes{});

}  // namespace

std::string_view familyName(Family family) {
    static constexpr std::string_view kNames[kFamilyCount] = {
        "scalars",
        "colours",
        "lengths and measures",
        "language tags",
        "chart values",
        "keywords: text and fonts",
        "keywords: pages and flow",
        "keywords: areas",
        "keywords: SVG graphics",
        "keywords: charts",
        "keywords: barcodes",
        "keywords: output and forms",
        "geometry",
    };
    return kNames[static_cast<int>(family)];
}

std::span<const TypeEntry> registeredTypes() {
    return kTypes;
}

const TypeEntry* findType(std::string_view name) {
    const auto found = std::find_if(std::begin(kTypes), std::end(kTypes),
                                    [&](const TypeEntry& e) { return e.name == name; });
    return found == std::end(kTypes) ? nullptr : &*found;
}

}  // namespace xmlattr_tool

namespace xmlattr_tool {

namespace {

// Edits between a and b, ASCII case folded: changes, drops, additions and
// swaps of neighbours each count one.
std::size_t editDistance(std::string_view a, std::string_view b) {
    const auto same = [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    };
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (same(a[i - 1], b[j - 1]) ? 0 : 1)});
            if (i > 1 && j > 1 && same(a[i - 1], b[j - 2]) && same(a[i - 2], b[j - 1]))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace

const TypeEntry* closestType(std::string_view name) {
    const TypeEntry* best = nullptr;
    std::size_t bestDistance = 3;
    for (const TypeEntry& type : kTypes) {
        const std::size_t distance = editDistance(name, type.name);
        // Short names are near everything; ask for most of the name to stay.
        if (distance < bestDistance && distance * 2 < name.size()) {
            best = &type;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace xmlattr_tool
