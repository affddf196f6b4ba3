#pragma once

#include <QString>

/// A byte count for people: divided by 1024 while above 1024, then printed with
/// `decimals` decimals and the unit glued on ("1.50KB"). Units end at "GB".
QString FormatSize(quint64 bytes, int decimals = 2);

/// Whole percent of `part` in `whole` (0 when `whole` is 0, at most 100), exact for every
/// 64-bit amount.
int WholePercent(quint64 part, quint64 whole);
