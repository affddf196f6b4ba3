#include "FormatSize.h"

#include <limits>

QString FormatSize(quint64 bytes, int decimals)
{
    static const char* const kUnits[] = { "Byte", "KB", "MB", "GB" };
    constexpr int kLastUnit = 3;
    double value = static_cast<double>(bytes);
    int divisions = 0;
    // Past "GB" the figure keeps growing in GB: 2 TiB reads "2048.00GB", never "2.00GB".
    while (value > 1024.0 && divisions < kLastUnit) {
        value /= 1024.0;
        ++divisions;
    }
    return QString::number(value, 'f', qMax(0, decimals)) + QLatin1String(kUnits[divisions]);
}

int WholePercent(quint64 part, quint64 whole)
{
    if (whole == 0)
        return 0;
    if (part >= whole)
        return 100;
    return int(part > std::numeric_limits<quint64>::max() / 100 ? part / (whole / 100) : part * 100 / whole);
}
