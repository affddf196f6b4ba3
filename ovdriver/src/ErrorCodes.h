#pragma once

// Error codes the simulated devices report (param1 of 11, 17, 23 and 24), besides the codes a
// device image asks for in its faults and those the program tells apart (-10, -19, -36, -38).
namespace OvSimError {
constexpr int BadArgument = -2;  ///< a null or unknown argument reached the library
constexpr int NoBackup = -3;     ///< the job needs the computer's backup copy and there is none
constexpr int DeviceGone = -4;   ///< the device left (unplugged) before or during the job
constexpr int NotFound = -5;     ///< the app to remove is not on the device
constexpr int BadImage = -6;     ///< device.json is malformed or content is missing or unreadable
constexpr int FileError = -7;    ///< a file on this computer could not be written
constexpr int NotConnected = -8; ///< the job needs a connected device (Connect answered 12)
constexpr int Encrypted = -9;    ///< the backup is encrypted and no correct password was given
constexpr int Unsupported = -11; ///< this category has no such job
constexpr int NotSetUp = -38;    ///< the device is not activated
constexpr int NotTrusted = -19;  ///< locked, or this computer is not trusted
} // namespace OvSimError
