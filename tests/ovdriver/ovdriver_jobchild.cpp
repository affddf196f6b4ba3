// A second process that runs one job of the library on a device image, for tests that kill
// a process in the middle of a job: ovdriver_jobchild UNIQUE_ID clean CODE
#include "LibrarySession.h"
#include "NotificationRecorder.h"

#include <ovdriver.h>

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4 || arguments[2] != "clean")
        return 1;
    LibrarySession session;
    IPrivacyCleanDevice* device = session.connect(arguments[1]);
    IOneKeyCategory* category = device ? OvOneKeyCategoryOf(device, arguments[3].toInt()) : nullptr;
    if (!category)
        return 2;
    NotificationRecorder recorder;
    LibrarySession::run(category->CreateClean(&recorder));
    return recorder.types().contains(OV_NOTIFY_ONEKEY_END) ? 0 : 3;
}
