// Checks that a call raises UnreacheableCodeException at a code location and
// that the error reached the log before the exception left the call.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/Exception.h"
#include "platform/Log.h"

namespace lengths_test {

template <class Call>
void expectUnreacheable(Call&& call, const char* file, int line) {
    std::wstring logged;
    bool loggedBeforeThrow = false;
    const auto previous = Core::Log::setHandler(
        [&](Core::Log::Level, const Core::String& message) { logged.assign(message.view()); });
    try {
        std::forward<Call>(call)();
        ADD_FAILURE() << "expected Core::UnreacheableCodeException";
    } catch (const Core::UnreacheableCodeException& error) {
        loggedBeforeThrow = !logged.empty();
        EXPECT_STREQ(error.getFile(), file);
        EXPECT_EQ(error.getLine(), line);
    }
    Core::Log::setHandler(previous);
    EXPECT_TRUE(loggedBeforeThrow);
    const std::wstring location = std::wstring(file, file + std::char_traits<char>::length(file)) +
                                  L", line " + std::to_wstring(line);
    EXPECT_NE(logged.find(location), std::wstring::npos)
        << "log: " << std::string(logged.begin(), logged.end());
}

}  // namespace lengths_test
