#include "EraseFlow.h"

#include "CController.h"
#include "CTaskCallback.h"
#include "CompleteEraseView.h"
#include "DeviceRestartView.h"
#include "EraseSafeConfirm.h"

#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

EraseFlow::EraseFlow(int feature)
{
    window.tabIndex = feature;
    confirm = new EraseSafeConfirm(feature, &model);
    erase = new DeviceRestartView(feature, DeviceRestartView::EraseMode);
    restore = new DeviceRestartView(feature, DeviceRestartView::RestoreMode);
    fill = new CompleteEraseView(feature, confirm);
    confirm->SetEraseTargets([this](const QString& key) { return boxes.value(key, Qt::Unchecked); }, erase);
    QWidget* pages[]
        = { new QLabel("start"),   new QLabel("analysis"), new QLabel("result"),  confirm, erase, restore, fill,
            new QLabel("stopped"), new QLabel("failure"),  new QLabel("finished") };
    for (int index = 0; index < 10; ++index) {
        model.AddPage(index, pages[index]);
        if (pages[index]->metaObject()->indexOfSignal("SignalSwitchPage(int)") >= 0)
            connect(pages[index], SIGNAL(SignalSwitchPage(int)), &model, SLOT(SwitchPage(int)));
    }
    model.SwitchPage(Confirm);
    model.resize(1000, 640);
    model.show();

    CTaskCallback* callback = CTaskCallback::GetInstance();
    CController* controller = CController::GetInstance();
    connect(callback, &CTaskCallback::singalDevConnToPC, this, [this, controller] {
        if (!window.restarting)
            return;
        DeviceRestartView::DeviceSeenAgain();
        restore->StopRestartTimer();
        controller->PostConnectDevTask();
    });
    connect(callback, &CTaskCallback::singalDevDisconnFromPC, this, [this, controller] {
        DeviceRestartView::DeviceLost();
        if (window.restarting) {
            if (restore->IsRestartTimerActive())
                restore->RestartRestartTimer();
            return;
        }
        // As the main window: the connection page, whose tab is not this feature's.
        ++resets;
        controller->StopTasks();
        window.enableTabs(false);
        window.tabIndex = 0;
        model.SwitchPage(Start);
    });
    connect(callback, &CTaskCallback::signalConnToDev, this, [this](int state, void*) {
        if (state == 3 && window.restarting)
            model.SwitchPage(DeviceRestartView::ContinueAfterRestart(confirm));
    });
}

EraseFlow::~EraseFlow()
{
    // Nothing of this flow may act on the next one.
    disconnect(CTaskCallback::GetInstance(), nullptr, this, nullptr);
}

int EraseFlow::page() const
{
    return model.pages()->currentIndex();
}

void EraseFlow::typeAndConfirm(const QString& word)
{
    auto* edit = confirm->findChild<QLineEdit*>("confirmWordEdit");
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, word);
    QTest::keyClick(edit, Qt::Key_Return);
}
