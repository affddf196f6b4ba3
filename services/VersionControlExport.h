#pragma once

// The version-control interface is exported from the executable itself, for the installer
// and the updater that load it.
#if defined(_WIN32)
#define LL_VERSIONCONTROL_EXPORT __declspec(dllexport)
#else
#define LL_VERSIONCONTROL_EXPORT __attribute__((visibility("default")))
#endif
