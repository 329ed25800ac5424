// Log capture and raise checks shared by the tests.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/Exception.h"
#include "platform/Log.h"

namespace test_support {

// Collects the log lines written while it lives; restores the previous handler.
class LogCapture {
  public:
    LogCapture()
        : previous_(Core::Log::setHandler([this](Core::Log::Level level, const Core::String& text) {
              (level == Core::Log::Level::Warning ? warnings : errors).push_back(text);
          })) {}
    ~LogCapture() { Core::Log::setHandler(std::move(previous_)); }
    std::vector<Core::String> warnings, errors;

  private:
    Core::Log::Handler previous_;
};

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
    const std::wstring location =
        std::wstring(file, file + std::strlen(file)) + L", line " + std::to_wstring(line);
    ASSERT_EQ(log.errors.size(), 1u);
    EXPECT_NE(std::wstring(log.errors[0].view()).find(location), std::wstring::npos);
}

}  // namespace test_support
