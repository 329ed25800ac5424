#include "platform/Log.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace Core {

namespace {

std::mutex& handlerMutex() {
    static std::mutex mutex;
    return mutex;
}

Log::Handler& currentHandler() {
    static Log::Handler handler;
    return handler;
}

void writeToStandardError(Log::Level level, const String& message) {
    std::fputs(level == Log::Level::Error ? "error: " : "warning: ", stderr);
    for (int i = 0; i < message.length(); ++i) {
        const wchar_t c = message[i];
        std::fputc(c < 0x80 ? static_cast<int>(c) : '?', stderr);
    }
    std::fputc('\n', stderr);
}

thread_local const Log::Handler* threadHandler = nullptr;

void dispatch(Log::Level level, const String& message) {
    if (threadHandler != nullptr) {
        if (*threadHandler)
            (*threadHandler)(level, message);
        return;
    }
    Log::Handler handler;
    {
        std::lock_guard<std::mutex> lock(handlerMutex());
        handler = currentHandler();
    }
    if (handler) {
        handler(level, message);
    } else {
        writeToStandardError(level, message);
    }
}

}  // namespace

void Log::warning(const String& message) {
    dispatch(Level::Warning, message);
}

void Log::error(const String& message) {
    dispatch(Level::Error, message);
}

Log::Handler Log::setHandler(Handler handler) {
    std::lock_guard<std::mutex> lock(handlerMutex());
    return std::exchange(currentHandler(), std::move(handler));
}

Log::ThreadScope::ThreadScope(const Handler& handler)
    : previous_(std::exchange(threadHandler, &handler)) {}

Log::ThreadScope::~ThreadScope() {
    threadHandler = previous_;
}

Log::Capture::Capture() {
    previous_ = setHandler([this](Level level, const String& text) {
        messages_.push_back({level, text.toUtf8()});
    });
}

Log::Capture::~Capture() {
    setHandler(std::move(previous_));
}

std::vector<Log::Message> Log::Capture::take() {
    return std::exchange(messages_, {});
}

}  // namespace Core
