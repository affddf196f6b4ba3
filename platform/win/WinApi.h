#pragma once

// The one place that includes <windows.h>.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

std::wstring WidenUtf8(const std::string& text);
std::string NarrowUtf8(const std::wstring& text);
