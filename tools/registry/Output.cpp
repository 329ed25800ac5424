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

Json fieldsJson(const Report& report) {
    Json json = Json::array();
    for (const Field& field : report.fields)
        json.push_back({field.name, field.value});
    return json;
}

void addOutcome(Json& object, const Report& report) {
    object["accepted"] = report.accepted;
    if (report.raisedFile == nullptr) {
        object["written"] = report.text.toUtf8();
        object["raised"] = nullptr;
    } else {
        object["written"] = nullptr;
        object["raised"] = {{"file", report.raisedFile}, {"line", report.raisedLine}};
    }
}

std::string_view levelName(Core::Log::Level level) {
    return level == Core::Log::Level::Error ? "error" : "warning";
}

Json logJson(const std::vector<LogMessage>& messages) {
    Json json = Json::array();
    for (const LogMessage& message : messages)
        json.push_back({{"level", levelName(message.level)}, {"message", message.text}});
    return json;
}

}  // namespace xmlattr_tool
