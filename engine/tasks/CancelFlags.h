#pragma once

#include <atomic>

// Cooperative cancelling. CController::StopTasks sets both; the window thread writes them
// and the control thread reads them, each access atomic.

/// Read by the record loaders before they start and before they emit; cleared by the
/// construction of every loader.
extern std::atomic<bool> loadCancel;

/// Read at every notification by the one-key, erase-all, app-size and erase callbacks,
/// which then return -1 to stop the library's job; cleared by their construction.
extern std::atomic<bool> callbackCancel;
