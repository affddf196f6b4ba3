// Removes the device backups the device library made on this computer, once the program that
// started us has ended: a backup holds a whole phone's private data and must not outlive the
// session. Only folders directly below the library's backup root that carry its marker are
// removed; anything else there is left alone.
#include "BackupFolders.h"
#include "ProcessList.h"
#include "SimEnvironment.h"

#include <QByteArray>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

#if defined(_WIN32)
const char* const kProgram = "VelmoraDravoFree.exe";
#else
const char* const kProgram = "VelmoraDravoFree";
#endif

} // namespace

int main()
{
    using namespace std::chrono;
    // A backup still being written when the program ends is left for the next run rather
    // than pulled from under the library.
    const auto deadline = steady_clock::now() + minutes(1);
    while (!FindProcessIdsByName(kProgram).empty()) {
        if (steady_clock::now() > deadline) {
            std::fprintf(stderr, "OvRemoveBack: %s is still running; nothing removed\n", kProgram);
            return 2;
        }
        std::this_thread::sleep_for(milliseconds(100));
    }
    const int removed = BackupFolders::removeAll();
    std::printf("OvRemoveBack: %d backups removed from %s\n", removed,
                SimEnvironment::backupRoot().toUtf8().constData());
    return 0;
}
