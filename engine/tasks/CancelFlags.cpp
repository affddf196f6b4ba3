#include "CancelFlags.h"

std::atomic<bool> loadCancel { false };
std::atomic<bool> callbackCancel { false };
