// How the tool shows a held value field by field. A value family gives its
// types a FieldPrinter specialisation; the registry uses it for every entry.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/StringFormatStream.h"
#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

class Fields {
  public:
    Fields& add(std::string name, std::string value) {
        list_.push_back(Field{std::move(name), std::move(value), false});
        return *this;
    }
    // A text field: shown quoted in the plain report.
    Fields& add(std::string name, const Core::String& value) {
        list_.push_back(Field{std::move(name), value.toUtf8(), true});
        return *this;
    }
    Fields& add(std::string name, int value) {
        return add(std::move(name), Core::formatNumber(value).toUtf8());
    }
    Fields& add(std::string name, float value) {
        return add(std::move(name), Core::formatNumber(value).toUtf8());
    }
    Fields& add(std::string name, double value) {
        return add(std::move(name), Core::formatNumber(value).toUtf8());
    }
    Fields& add(std::string name, bool value) {
        return add(std::move(name), std::string(value ? "true" : "false"));
    }

    std::vector<Field> take() { return std::move(list_); }

  private:
    std::vector<Field> list_;
};

// "[index]." before the fields of a list's item. Appended in place: g++ 12
// at -O3 misreads "[" + std::to_string(index) as an overlapping copy
// (-Wrestrict).
inline std::string itemPrefix(int index) {
    std::string prefix = "[";
    prefix += std::to_string(index);
    prefix += "].";
    return prefix;
}

template <class T>
struct FieldPrinter;  // static void print(const T& value, Fields& out);

}  // namespace xmlattr_tool
