#include "OneKeyPages.h"

#include "MainWindowAccess.h"
#include "OvMessageBox.h"

#include <QCoreApplication>

bool quickScanOrigin = false;

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("OneKeyCommon", text);
}

// Marked for lupdate, which cannot see through Tr().
const char* const kBackQuestion = QT_TRANSLATE_NOOP(
    "OneKeyCommon", "If you go back, the scanning result won't be saved. Are you sure you want to go back?");
const char* const kWarning = QT_TRANSLATE_NOOP("OneKeyCommon", "Warning");
const char* const kNotConnected
    = QT_TRANSLATE_NOOP("OneKeyCommon", "The device is not connected. Please connect it and try again.");
const char* const kNothingToClean = QT_TRANSLATE_NOOP("OneKeyCommon", "Scan completed! No need for further cleaning.");

} // namespace

int OneKeyBackTarget(QWidget* parent)
{
    if (quickScanOrigin) {
        quickScanOrigin = false;
        return 2;
    }
    const int answer = OvMessageBox::Ask(parent, Tr(kBackQuestion), OvMessageBox::Yes | OvMessageBox::No,
                                         QStringLiteral("tip_warning.png"), Tr(kWarning));
    return answer == OvMessageBox::Yes ? 0 : -1;
}

QString OneKeyText::NotConnected()
{
    return Tr(kNotConnected);
}

QString OneKeyText::NothingToClean()
{
    return Tr(kNothingToClean);
}

bool CleanPosted(int posted, QWidget* parent)
{
    if (posted > 0)
        return true;
    EnableOtherTabs(true);
    OvMessageBox::Ask(parent, OneKeyText::NotConnected(), OvMessageBox::OK, QStringLiteral("tip_warning.png"));
    return false;
}

void EnableOtherTabs(bool enable)
{
    if (MainWindowAccess* window = MainWindowAccess::instance())
        window->enableTabs(enable);
}
