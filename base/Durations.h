#pragma once

/// Every fixed waiting time of the program goes through here, so that tests can run the
/// real flows fast: the result is `ms` times DRAVO_TIME_SCALE (default 1), never below 1
/// for a positive `ms`, so the order of timers survives scaling.
int scaledMs(int ms);

/// The scale factor in force (DRAVO_TIME_SCALE; 1 when unset or not a positive number).
double timeScale();
