#include "tools/registry/Output.h"

#include <ostream>
#include <utility>

#include "tools/registry/Text.h"

namespace xmlattr_tool {

namespace {

std::string raisedAt(const Report& report) {
    return "<raised at " + std::string(report.raisedFile) + ':' +
           std::to_string(report.raisedLine) + '>';
}

}  // namespace

std::string writtenBack(const Report& report) {
    return report.raisedFile == nullptr ? report.text.toUtf8() : raisedAt(report);
}

std::string writtenBackQuoted(const Report& report) {
    return report.raisedFile == nullptr ? quoted(report.text) : raisedAt(report);
}

void writeFieldLines(const Report& report, std::ostream& out) {
    for (const Field& field : report.fields)
        out << "  " << field.name << ": " << (field.text ? quoted(field.value) : field.value)
            << '\n';
}

std::string fieldsJson(const Report& report) {
    std::string json = "[";
    for (const Field& field : report.fields) {
        if (json.size() > 1)
            json += ',';
        json += '[' + jsonString(field.name) + ',' + jsonString(field.value) + ']';
    }
    return json + ']';
}

void addOutcome(JsonObject& object, const Report& report) {
    object.add("accepted", report.accepted);
    if (report.raisedFile == nullptr) {
        object.add("written", report.text.toUtf8()).addNull("raised");
    } else {
        JsonObject raised;
        raised.add("file", report.raisedFile).add("line", report.raisedLine);
        object.addNull("written").addRaw("raised", raised.str());
    }
}

std::string_view levelName(Core::Log::Level level) {
    return level == Core::Log::Level::Error ? "error" : "warning";
}

std::string logJson(const std::vector<LogMessage>& messages) {
    std::string json = "[";
    for (const LogMessage& message : messages) {
        if (json.size() > 1)
            json += ',';
        json +=
            JsonObject().add("level", levelName(message.level)).add("message", message.text).str();
    }
    return json + ']';
}

}  // namespace xmlattr_tool
