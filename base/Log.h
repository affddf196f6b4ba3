#pragma once

#include <QtGlobal>

#include <string>

class QTime;

#if defined(__GNUC__)
#define DRAVO_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define DRAVO_PRINTF_FORMAT(fmt, args)
#endif

/// One log line to the platform's debugger channel; nothing is written to disk.
void DebugLog(const char* format, ...) DRAVO_PRINTF_FORMAT(1, 2);

/// One log line appended to "./dravo.log" in the working directory. Safe from any thread:
/// one process-wide lock covers the open, the writes and the close, so lines never mix.
/// A file that cannot be opened loses the line silently.
void FileLog(const char* format, ...) DRAVO_PRINTF_FORMAT(1, 2);

/// The low 32 bits of a pointer, as the log lines print device addresses with "%08x".
unsigned int PointerLogValue(const void* pointer);

/// The header both routines put before the message:
/// "*******[hh:mm:ss:ms threadid:0x%08x]" (two digits at least for each time field).
std::string LogLineHeader(const QTime& time, quint32 threadId);
