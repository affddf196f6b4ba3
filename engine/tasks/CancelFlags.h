#pragma once

#include <atomic>

// Cooperative cancelling of the job the control thread runs. CCtrlThread::Cancel (through
// CController::StopTasks) raises both, and the control thread lowers both before each job
// it starts; tasks posted before a cancel never start. Each access is atomic.

/// Read by the record loaders before they start and before they emit.
extern std::atomic<bool> loadCancel;

/// Read at every notification by the one-key, erase-all, app-size and erase callbacks,
/// which then return -1 to stop the library's job.
extern std::atomic<bool> callbackCancel;
