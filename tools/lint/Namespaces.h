// The namespaces lint tells apart, and the declarations in scope as a
// document is read: the XML reader runs without namespace processing, which
// makes it about a third faster; only these few are resolved.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/lint/Lint.h"
#include "tools/lint/Table.h"

namespace xmlattr::lint {

// What a namespace name stands for here: one of the vocabularies, no
// namespace at all, or another namespace.
enum class Space : std::uint8_t { Fo, Svg, Xml, Xslt, None, Other };

inline Space spaceOf(std::string_view uri) {
    if (uri == kFoNamespace)
        return Space::Fo;
    if (uri == kSvgNamespace)
        return Space::Svg;
    if (uri == kXmlNamespace)
        return Space::Xml;
    if (uri == kXsltNamespace)
        return Space::Xslt;
    return uri.empty() ? Space::None : Space::Other;
}

inline std::optional<Vocabulary> vocabularyOf(Space space) {
    switch (space) {
        case Space::Fo:
            return Vocabulary::Fo;
        case Space::Svg:
            return Vocabulary::Svg;
        case Space::Xml:
            return Vocabulary::Xml;
        default:
            return std::nullopt;
    }
}

// A name's prefix ("fo" of "fo:block"; empty without one) and local part.
inline std::pair<std::string_view, std::string_view> splitName(std::string_view name) {
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos)
        return {{}, name};
    return {name.substr(0, colon), name.substr(colon + 1)};
}

// The namespace declarations in scope: each element's xmlns attributes are
// pushed when it starts and popped when it ends.
class Scopes {
  public:
    Scopes() { bindings_.push_back({"xml", Space::Xml}); }

    void open(const char** attributes) {
        marks_.push_back(bindings_.size());
        for (const char** attribute = attributes; *attribute != nullptr; attribute += 2) {
            const std::string_view name = attribute[0];
            if (name == "xmlns")
                bindings_.push_back({{}, spaceOf(attribute[1])});
            else if (name.starts_with("xmlns:"))
                bindings_.push_back({std::string(name.substr(6)), spaceOf(attribute[1])});
        }
    }

    void close() {
        if (marks_.empty())
            return;
        bindings_.resize(marks_.back());
        marks_.pop_back();
    }

    // The namespace of prefix (the default namespace for an empty one);
    // none for an undeclared prefix.
    std::optional<Space> find(std::string_view prefix) const {
        for (auto binding = bindings_.rbegin(); binding != bindings_.rend(); ++binding) {
            if (binding->prefix == prefix)
                return binding->space;
        }
        return prefix.empty() ? std::optional(Space::None) : std::nullopt;
    }

    // Whether a declaration in scope binds space.
    bool binds(Space space) const {
        for (const Binding& binding : bindings_) {
            if (binding.space == space)
                return true;
        }
        return false;
    }

  private:
    struct Binding {
        std::string prefix;
        Space space;
    };
    std::vector<Binding> bindings_;
    std::vector<std::size_t> marks_;
};

}  // namespace xmlattr::lint
