#pragma once

/// Sends one finished line to the platform's debugger channel
/// (Windows: the debugger output; POSIX: standard error).
void DebugChannelWrite(const char* line);
