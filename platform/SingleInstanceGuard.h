#pragma once

#include <string>

/// Refuses a second running instance of the program.
///
/// Windows: a named mutex created owned. POSIX: an exclusive lock on a file of the same
/// name in the user's runtime directory; the kernel drops it however the process ends.
/// The guard is never released explicitly: the end of the process releases it.
class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(std::string name);

    /// Takes the name for this process. False when another process already holds it.
    bool acquire();

    const std::string& name() const { return m_name; }

private:
    std::string m_name;
};
