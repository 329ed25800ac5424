#include "platform/Exception.h"

#include <string>

#include "platform/Log.h"

namespace Core {

void Exception::logError() const {
    std::string text = name();
    text += " at ";
    text += file_;
    text += ", line ";
    text += std::to_string(line_);
    Log::error(String(text));
}

}  // namespace Core
