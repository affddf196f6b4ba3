#pragma once

class IBaseDevice;

// The plain functions through which tasks, callbacks and the watcher report. Each is one
// of CTaskCallback's emitters (or, for the device handlers, a function of the main window).

using VoidResultFunc = void (*)();
using IntIntResultFunc = void (*)(int, int);
using IntPointerResultFunc = void (*)(int, void*);
using IntIntPointerResultFunc = void (*)(int, int, void*);
using DeviceHandlerFunc = void (*)(IBaseDevice*, void*);
