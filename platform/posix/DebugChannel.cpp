#include "DebugChannel.h"

#include <cstring>
#include <unistd.h>

void DebugChannelWrite(const char* line)
{
    if (!line)
        return;
    // One write per line keeps lines of different threads whole.
    size_t left = std::strlen(line);
    while (left > 0) {
        const ssize_t n = write(STDERR_FILENO, line, left);
        if (n <= 0)
            return;
        line += n;
        left -= static_cast<size_t>(n);
    }
}
