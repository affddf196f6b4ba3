#include "DebugChannel.h"

#include "WinApi.h"

void DebugChannelWrite(const char* line)
{
    if (line)
        OutputDebugStringA(line);
}
