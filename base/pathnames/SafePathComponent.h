#pragma once

#include <QString>

/// Names that come from a device (a unique id, a file name, an icon path) decide where files
/// go on this computer; these functions make sure they can only ever name something inside
/// the folder they are appended to. The device library and the program share them.

/// `name` as one harmless path component: separators, a leading dot (so "." and ".."),
/// characters that Windows refuses or treats specially, and its reserved device names are
/// escaped as %XX (UTF-8 bytes), so distinct names stay distinct and readable names stay as
/// they are. Overlong names are shortened with a hash of the whole name. Never empty.
QString SafePathComponent(const QString& name);

/// `relative` ("thumbs/12.jpg") below `root`, each of its components made safe: the result
/// is always inside `root`, whatever `relative` holds. Empty components are dropped; an empty
/// `relative` gives an empty result, so that no caller acts on `root` itself by mistake.
QString SafePathBelow(const QString& root, const QString& relative);

/// True when `path` lies strictly below `root` (not `root` itself), judged on the cleaned
/// absolute paths and, for what exists, on the paths with symbolic links resolved.
bool IsPathBelow(const QString& path, const QString& root);
