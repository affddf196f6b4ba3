#include "Log.h"

#include "DebugChannel.h"
#include "ThreadId.h"

#include <QTime>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <mutex>

namespace {

std::string formatMessage(const char* format, va_list args)
{
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (length <= 0)
        return {};
    std::string message(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(message.data(), message.size(), format, args);
    message.resize(static_cast<size_t>(length));
    return message;
}

std::mutex& fileLogMutex()
{
    static std::mutex mutex;
    return mutex;
}

} // namespace

std::string LogLineHeader(const QTime& time, quint32 threadId)
{
    char header[64];
    std::snprintf(header, sizeof header, "*******[%02d:%02d:%02d:%02d threadid:0x%08x]", time.hour(), time.minute(),
                  time.second(), time.msec(), threadId);
    return header;
}

void DebugLog(const char* format, ...)
{
    if (!format)
        return;
    va_list args;
    va_start(args, format);
    const std::string line
        = LogLineHeader(QTime::currentTime(), CurrentThreadId()) + formatMessage(format, args) + "\n";
    va_end(args);
    DebugChannelWrite(line.c_str());
}

void FileLog(const char* format, ...)
{
    if (!format)
        return;
    const std::string header = LogLineHeader(QTime::currentTime(), CurrentThreadId());
    va_list args;
    va_start(args, format);
    const std::string message = formatMessage(format, args);
    va_end(args);

    std::lock_guard<std::mutex> lock(fileLogMutex());
    FILE* file = std::fopen("./dravo.log", "a");
    if (!file)
        return;
    std::fputs(header.c_str(), file);
    std::fputs(message.c_str(), file);
    std::fputs("\n", file);
    std::fclose(file);
}

unsigned int PointerLogValue(const void* pointer)
{
    return static_cast<unsigned int>(reinterpret_cast<std::uintptr_t>(pointer));
}
