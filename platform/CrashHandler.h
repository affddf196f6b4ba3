#pragma once

/// Installs the process-wide crash hook that writes "crashcore.dmp" into the current
/// working directory when the process fails, then lets the process end.
///
/// Windows: the unhandled-exception filter (locked against replacement) and a mini-dump.
/// POSIX: SIGSEGV, SIGBUS, SIGILL, SIGFPE and SIGABRT write a text dump (signal, faulting
/// address, thread, backtrace) with async-signal-safe calls only; the process then dies of
/// the same signal.
void installCrashHandler();

/// Writes "crashcore.dmp" for the failure described by `exceptionInfo`
/// (Windows: EXCEPTION_POINTERS*, may be null; POSIX: siginfo_t*, may be null).
void writeCrashDump(void* exceptionInfo);
