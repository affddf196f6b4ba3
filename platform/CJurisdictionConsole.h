#pragma once

/// Process privileges. Windows: enables "SeDebugPrivilege" in the process token.
/// POSIX has nothing to enable: it reports whether the process may signal processes of
/// other users (effective uid 0 or CAP_KILL).
class CJurisdictionConsole
{
public:
    virtual ~CJurisdictionConsole() = default;
    virtual bool EnableDebugPrivilege();
};
