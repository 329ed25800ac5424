// Log capture and raise checks shared by the tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/Exception.h"
#include "platform/Log.h"

namespace test_support {

// What the library logs, captured.
using LogCapture = Core::Log::Capture;

// The call raises Exception at file, line, having logged that location as
// its one error before the exception left it.
template <class Exception = Core::UnreacheableCodeException, class Call>
void expectRaisedAt(Call&& call, const char* file, int line) {
    LogCapture log;
    try {
        std::forward<Call>(call)();
        ADD_FAILURE() << "expected an exception from " << file << ':' << line;
    } catch (const Exception& error) {
        EXPECT_STREQ(error.getFile(), file);
        EXPECT_EQ(error.getLine(), line);
    }
    std::string location = file;
    location += ", line ";
    location += std::to_string(line);
    const std::vector<Core::Log::Message> logged = log.take();
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].level, Core::Log::Level::Error);
    EXPECT_NE(logged[0].text.find(location), std::string::npos);
}

}  // namespace test_support
