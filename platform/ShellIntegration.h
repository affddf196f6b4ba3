#pragma once

#include <string>

// What the desktop shell offers: the start menu, shortcuts and opening documents.

/// The folder of the programs menu for all users (Windows: the common "Programs" folder of
/// the start menu; POSIX: the user's XDG applications menu folder). No trailing separator.
std::string StartMenuProgramsPath();

/// The file extension of a program shortcut in that menu (".lnk" on Windows, ".desktop" on POSIX).
std::string ShortcutFileExtension();

/// The file a program shortcut points to: Windows resolves a shell link; POSIX follows a
/// symbolic link or reads the program of a desktop entry ("Exec="). Empty when unresolvable.
std::string ShortcutTargetPath(const std::string& shortcut);

/// Writes an Internet shortcut: "[InternetShortcut]" and "URL=" + `url`, each ended by CR LF.
bool WriteInternetShortcut(const std::string& file, const std::string& url);

/// Opens `target` (an address or a file) with the shell's "open" verb, without waiting.
/// False when nothing could be started.
bool ShellOpen(const std::string& target);

/// Starts the signing script on `file` without waiting for it: Windows runs
/// cmd.exe /C signtool.bat "file" with its window shown; POSIX runs "./signtool.sh" with `file`
/// as its argument. Both look for the script in the working directory.
bool RunSignTool(const std::string& file);
