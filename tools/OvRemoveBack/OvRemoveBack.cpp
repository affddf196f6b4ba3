// Removes the device backups the device library made on this computer, once the program that
// started us has ended: a backup holds a whole phone's private data and must not outlive the
// session. Only folders directly below the library's backup root that carry its marker are
// removed; anything else there is left alone.
#include "BackupFolders.h"
#include "ProcessList.h"
#include "SimEnvironment.h"

#include <QByteArray>

#include <cstdio>

namespace {

#if defined(_WIN32)
const char* const kProgram = "VelmoraDravoFree.exe";
#else
const char* const kProgram = "VelmoraDravoFree";
#endif

} // namespace

int main()
{
    // A backup still being written when the program ends is left for the next run rather
    // than pulled from under the library.
    if (!WaitUntilNoProcessNamed(kProgram, 60000)) {
        std::fprintf(stderr, "OvRemoveBack: %s is still running; nothing removed\n", kProgram);
        return 2;
    }
    const int removed = BackupFolders::removeAll();
    std::printf("OvRemoveBack: %d backups removed from %s\n", removed,
                SimEnvironment::backupRoot().toUtf8().constData());
    return 0;
}
