#pragma once

#include "FakeMainWindow.h"
#include "OvModel.h"

#include <QMap>
#include <QObject>
#include <QString>

class CompleteEraseView;
class DeviceRestartView;
class EraseSafeConfirm;

/// The pages of the erase sequence in a model of their own, numbered as the erase features
/// number them, with the main window's part in the restart played as MainView plays it:
/// the restore page's timer follows the device, and when the restarted device is ready the
/// flow goes on by the confirmed level. The other pages are placeholders.
class EraseFlow : public QObject
{
    Q_OBJECT

public:
    enum Page {
        Start = 0,
        Result = 2,
        Confirm = 3,
        Erase = 4,
        Restore = 5,
        Fill = 6,
        Stopped = 7,
        Failure = 8,
        Finished = 9
    };

    explicit EraseFlow(int feature);
    ~EraseFlow() override;

    OvModel model;
    FakeMainWindow window;
    EraseSafeConfirm* confirm = nullptr;
    DeviceRestartView* erase = nullptr;
    DeviceRestartView* restore = nullptr;
    CompleteEraseView* fill = nullptr;
    /// The result view's category boxes, by erase key; absent keys are unchecked.
    QMap<QString, Qt::CheckState> boxes;
    /// Times the device left while no restart was expected (the window then resets).
    int resets = 0;

    int page() const;
    /// Types the word into the confirmation page and confirms with Return.
    void typeAndConfirm(const QString& word);
};
