// The pieces of a report that the parse and check modes both print: the
// written-back text, the field lines, their JSON forms, and the library's log
// messages captured while a text is parsed.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/Log.h"
#include "tools/registry/Json.h"
#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

// getValueAsString as UTF-8, or "<raised at FILE:LINE>" where it raised.
std::string writtenBack(const Report& report);
// The same for display: the text quoted, or the raise as above.
std::string writtenBackQuoted(const Report& report);

// "  name: value" per field; text values quoted.
void writeFieldLines(const Report& report, std::ostream& out);

// [["name","value"], ...] in field order; text values unquoted.
Json fieldsJson(const Report& report);

// "accepted", "written" (null where it raised) and "raised" (null, or
// {"file":..., "line":...}).
void addOutcome(Json& object, const Report& report);

using LogMessage = Core::Log::Message;

std::string_view levelName(Core::Log::Level level);
// [{"level":"warning","message":"..."}, ...]
Json logJson(const std::vector<LogMessage>& messages);

}  // namespace xmlattr_tool
