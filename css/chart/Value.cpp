#include "css/chart/Value.h"

#include "platform/Format.h"
#include "platform/StringFormatStream.h"

namespace Xml {

// The fields every assignment copies, and the number or the date only from a
// value of that type.
void Value::assignFrom(const Value& other) {
    type_ = other.type_;
    ordinal_ = other.ordinal_;
    if (other.type_ == ValueType::FloatValue)
        number_ = other.number_;
    if (other.type_ == ValueType::DateTimeValue)
        date_ = other.date_;
}

Value& Value::operator=(const Value& other) {
    if (this != &other) {
        string_ = other.string_;
        assignFrom(other);
    }
    return *this;
}

Value& Value::operator=(Value&& other) noexcept {
    if (this != &other) {
        string_ = std::move(other.string_);
        assignFrom(other);
    }
    return *this;
}

Core::String Value::getValue() const {
    switch (type_) {
        case ValueType::FloatValue:
            return (Core::StringFormatStream(L"{0}") << number_).getString();
        case ValueType::DateTimeValue:
            return date_.toDateString(Core::DateFormat::MonthDayYear);
        case ValueType::StringValue:
            return string_;
        case ValueType::NoValue:
            break;
    }
    return Core::String();
}

bool Value::operator==(const Value& other) const {
    if (type_ != other.type_)
        return false;
    switch (type_) {
        case ValueType::FloatValue:
            return number_ == other.number_;
        case ValueType::DateTimeValue:
            return date_ == other.date_;
        case ValueType::StringValue:
            return string_.compare(other.string_) == 0;
        case ValueType::NoValue:
            break;
    }
    return false;
}

bool Value::operator<(const Value& other) const {
    if (type_ != other.type_)
        return false;
    switch (type_) {
        case ValueType::FloatValue:
            return number_ < other.number_;
        case ValueType::DateTimeValue:
            return date_ < other.date_;
        case ValueType::StringValue:
            return string_.length() < other.string_.length();
        case ValueType::NoValue:
            break;
    }
    return false;
}

bool Value::parseValue(Value& out, const Core::String& text) {
    if (text.empty())
        return false;
    // A date first: "3/7/2026" must not be read as anything else.
    Core::DateTime date;
    float number = 0.0f;
    Value result;
    if (Core::DateTime::parseMDYDate(text, date)) {
        result = Value(date);
    } else if (Core::Format::parseFloat(text, number)) {
        result = Value(number);
    } else {
        result.type_ = ValueType::StringValue;
    }
    result.string_ = text;
    out = std::move(result);
    return true;
}

bool AxisUnits::parseAxisUnits(AxisUnits& out, const Core::String& text) {
    const std::wstring_view view = text.view();
    if (view == L"auto") {
        out = AxisUnits(Auto);
    } else if (view == L"days") {
        out = AxisUnits(Days);
    } else if (view == L"months") {
        out = AxisUnits(Months);
    } else if (view == L"years") {
        out = AxisUnits(Years);
    } else {
        float number = 0.0f;
        if (!Core::Format::parseFloat(view, number) || number == 0.0f)
            return false;
        out = AxisUnits(number);
    }
    return true;
}

template class TXmlAttribute<Value>;
template class TXmlAttribute<AxisUnits>;

}  // namespace Xml
