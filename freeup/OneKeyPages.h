#pragma once

#include <QString>

class QWidget;

/// Set when the user reached a category page from the quick-scan result page: Back and
/// "Done" then return there instead of going home. Window thread only.
extern bool quickScanOrigin;

/// The fixed page indices of the 1-Click Free Up Space model.
namespace OneKeyPage {
enum : int {
    Home = 0,
    QuickScanning = 1,
    QuickResult = 2,
    JunkScanning = 3,
    JunkResult = 4,
    JunkCleaning = 5,
    JunkFinished = 6,
    JunkStopped = 7,
    TempCleaning = 8,
    TempFinished = 9,
    TempStopped = 10,
    PhotoScanning = 11,
    PhotoResult = 12,
    PhotoBackingUp = 13,
    PhotoCompressing = 14,
    CompressFinished = 15,
    CompressStopped = 16,
    PhotoBrowse = 17,
    PhotoExporting = 18,
    PhotoDeleting = 19,
    PhotoDeleteFinished = 20,
    PhotoExportFinished = 21,
    LargeScanning = 22,
    NoLargeFile = 23,
    LargeList = 24,
    LargeExporting = 25,
    LargeDeleting = 26,
    LargeExportFinished = 27,
    LargeDeleteFinished = 28,
    AppScanning = 29,
    AppList = 30,
    AppsRemoved = 31,
    Count = 32
};
}

/// Where the Back button of a category page leads: the quick result page (2) when
/// quickScanOrigin is set, which it clears; otherwise the home page (0) once the user
/// confirms leaving the result, or -1 when they decline.
int OneKeyBackTarget(QWidget* parent);

/// For a clean that `posted` tasks: true when any was queued. Otherwise no reply will ever
/// come, so the tabs are unlocked and the user is told the device is not connected; the
/// caller then returns to the page the user came from.
bool CleanPosted(int posted, QWidget* parent);

/// Texts that several pages of the feature show, in the one context "OneKeyCommon".
namespace OneKeyText {
QString NotConnected();
QString NothingToClean();
} // namespace OneKeyText

/// Enables or disables the other feature tabs while device work runs (no-op without a
/// main window).
void EnableOtherTabs(bool enable);
