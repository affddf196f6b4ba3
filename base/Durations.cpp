#include "Durations.h"

#include <QString>

#include <climits>
#include <cmath>

double timeScale()
{
    static const double scale = [] {
        bool ok = false;
        const double value = qEnvironmentVariable("DRAVO_TIME_SCALE").toDouble(&ok);
        return ok && value > 0 && std::isfinite(value) ? value : 1.0;
    }();
    return scale;
}

int scaledMs(int ms)
{
    if (ms <= 0)
        return ms;
    const double scaled = std::round(ms * timeScale());
    if (scaled < 1)
        return 1;
    return scaled > INT_MAX ? INT_MAX : static_cast<int>(scaled);
}
