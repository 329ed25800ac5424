/// @file
/// Chart values and axis units.
///
/// A Value is one data value of a chart: a number, a date or a text, with the
/// text it was read from and an ordinal its user may set. AxisUnits is the unit
/// of a chart axis: automatic, a calendar unit, or a number.
#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <utility>

#include "css/attributes/XmlAttribute.h"
#include "platform/DateTime.h"
#include "platform/String.h"

namespace Xml {

/// What a chart value holds.
enum class XMLATTR_API ValueType : std::int32_t {
    NoValue = 0,  ///< a default-constructed value
    FloatValue = 1,
    DateTimeValue = 2,
    StringValue = 3,
};

/// One data value of a chart.
class XMLATTR_API Value {
  public:
    /// A value of no type, with the empty string and ordinal -1.
    Value() = default;
    /// A number; the string stays empty.
    explicit Value(float number) : type_(ValueType::FloatValue), number_(number) {}
    /// A date; the string stays empty.
    explicit Value(const Core::DateTime& date) : type_(ValueType::DateTimeValue), date_(date) {}
    /// A text, held as the string.
    explicit Value(const Core::String& text) : type_(ValueType::StringValue), string_(text) {}

    /// A copy takes the type, the string and the ordinal, and the number or
    /// the date only from a value of that type; what the target held in the
    /// other field stays.
    ///@{
    Value(const Value& other) { *this = other; }
    Value(Value&& other) noexcept { *this = std::move(other); }
    Value& operator=(const Value& other);
    Value& operator=(Value&& other) noexcept;
    ///@}
    ~Value() = default;

    /// What the value holds.
    ValueType getType() const { return type_; }
    /// The number; meaningful for a FloatValue.
    float getFloatValue() const { return number_; }
    /// The date; meaningful for a DateTimeValue.
    const Core::DateTime& getDateTimeValue() const { return date_; }
    /// The string: the text read, or the text of a StringValue.
    Core::String getStringValue() const { return string_; }
    /// The ordinal its user set; -1 when none was.
    int getOrdinal() const { return ordinal_; }
    /// Sets the ordinal.
    void setOrdinal(int ordinal) { ordinal_ = ordinal; }
    /// Replaces the string only; the type and the other fields stay.
    void setValue(const Core::String& text) { string_ = text; }

    /// The value as text: the formatted number, the date as "MM/DD/YYYY", the
    /// text, or the empty text for a value of no type.
    Core::String getValue() const;

    /// Values of different types are unequal, and so are two values of no type.
    bool operator==(const Value& other) const;
    /// The negation of operator==.
    bool operator!=(const Value& other) const { return !(*this == other); }
    /// Ordered within a type only: numbers and dates in their own order, texts
    /// by length alone. Values of different types, or of no type, are unordered.
    bool operator<(const Value& other) const;
    /// The reverse of operator<: other < *this.
    bool operator>(const Value& other) const { return other < *this; }

    /// Reads a date, else a number, else takes the text; the string becomes
    /// the whole text and the ordinal -1. Only the empty text is refused (out
    /// left as it was).
    static bool parseValue(Value& out, const Core::String& text);

  private:
    void assignFrom(const Value& other);  // all but the string

    ValueType type_ = ValueType::NoValue;
    Core::String string_;
    Core::DateTime date_;
    float number_ = 0.0f;
    int ordinal_ = -1;
};

/// The unit of a chart axis.
struct XMLATTR_API AxisUnits {
    /// Automatic, a calendar unit, or a number.
    enum Type : std::int32_t {
        Auto = 0,
        Days = 1,
        Months = 2,
        Years = 3,
        Numeric = 4,
    };

    /// Auto.
    AxisUnits() = default;
    /// The unit of the given type, numeric value 0.
    explicit AxisUnits(Type unitType) : type(unitType) {}
    /// A Numeric unit of value.
    explicit AxisUnits(float value) : type(Numeric), numericValue(value) {}

    /// The unit's type.
    Type getType() const { return type; }
    /// The numeric value; meaningful for Numeric.
    float getNumericVal() const { return numericValue; }

    /// The numeric value counts only for Numeric units.
    bool operator==(const AxisUnits& other) const {
        return type == other.type && (type != Numeric || numericValue == other.numericValue);
    }
    /// The negation of operator==.
    bool operator!=(const AxisUnits& other) const { return !(*this == other); }

    /// "auto", "days", "months", "years" (exact case) or a number other than
    /// zero; anything else is refused and out left as it was.
    static bool parseAxisUnits(AxisUnits& out, const Core::String& text);

    Type type = Auto;           ///< the unit's type
    float numericValue = 0.0f;  ///< the number of a Numeric unit
};

/// Chart-value attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<Value> : NoTextFormat {
    /// Value::parseValue.
    static bool parse(Value& value, const Core::String& text) {
        return Value::parseValue(value, text);
    }
};

/// Axis-unit attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<AxisUnits> : NoTextFormat {
    /// AxisUnits::parseAxisUnits.
    static bool parse(AxisUnits& value, const Core::String& text) {
        return AxisUnits::parseAxisUnits(value, text);
    }
};

extern template class TXmlAttribute<Value>;
extern template class TXmlAttribute<AxisUnits>;

}  // namespace Xml
