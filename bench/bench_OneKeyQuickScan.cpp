// A quick scan of a simulated device with 20 000 photos, 2 000 large files and 300 apps, with
// the 1-Click Free Up Space tab on screen (offscreen platform). Prints how long the window
// thread needed from the last scan reply to the painted result page, from opening the photo
// browse page to its first paint, and the longest stall of the window thread during the
// whole scan. The goal for every figure is below 100 ms.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "MainWindowAccess.h"
#include "OneKeyPages.h"
#include "OvOneKeyClearModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QStackedWidget>
#include <QTimer>

#include <cstdio>

namespace {

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) { }

class NoWindow : public MainWindowAccess
{
public:
    int currentTabIndex() const override { return 0; }
    void enableTabs(bool) override { }
    bool deviceRestarting() const override { return false; }
    void setDeviceRestarting(bool) override { }
};

/// Notes when a widget is next painted.
class PaintWatch : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

/// The longest gap between ticks of a 5 ms timer on the window thread.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        m_clock.start();
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.elapsed();
            longest = qMax(longest, now - m_last);
            m_last = now;
        });
        m_timer.start();
    }
    qint64 longest = 0;

private:
    QElapsedTimer m_clock;
    QTimer m_timer;
    qint64 m_last = 0;
};

void DeviceArrived(IBaseDevice*, void*)
{
    CTaskCallback::Emit_singalDevConnToPC();
}

void DeviceLeft(IBaseDevice*, void*) { }

bool WaitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("OVDRIVER_SIM_DELAY_MS", "0");
    QApplication app(argc, argv);
    qInstallMessageHandler(Quiet);
    AppStyle::instance().initialise(applicationDirectory());

    DeviceImageFixture devices;
    DeviceContent content = DeviceImageFixture::smallContent();
    content.plugged = true;
    content.photos = 20000;
    content.deletedPhotos = 0;
    content.videos = 0;
    content.deletedVideos = 0;
    content.photoSize = QSize(16, 12); // the photo count matters here, not the pixels
    content.largeFiles = 2000;
    content.largeFileBytes = 110ll << 20;
    content.totalBytes = 1ull << 40; // room for 2 000 files of 110 MiB
    content.extraApps = 285;         // and the fifteen of the fragments feature
    QElapsedTimer clock;
    clock.start();
    const QString phone = devices.create("Bench iPhone", content);
    if (phone.isEmpty()) {
        std::fprintf(stderr, "cannot create the device: %s\n", qPrintable(devices.lastError()));
        return 1;
    }
    std::printf("device image created in %lld ms\n", static_cast<long long>(clock.elapsed()));

    NoWindow window;
    MainWindowAccess::registerInstance(&window);
    CController* controller = CController::GetInstance();
    bool arrived = false;
    QObject::connect(CTaskCallback::GetInstance(), &CTaskCallback::singalDevConnToPC, [&] { arrived = true; });
    controller->SetConnectHandler(DeviceArrived, nullptr);
    controller->SetDisconnectHandler(DeviceLeft, nullptr);
    controller->StartDeviceNotifications();
    int ready = 0;
    QObject::connect(CTaskCallback::GetInstance(), &CTaskCallback::signalConnToDev, [&](int state) { ready = state; });
    if (!WaitUntil([&] { return arrived; }, 10000) || !controller->PostConnectDevTask()
        || !WaitUntil([&] { return ready != 0; }, 60000) || ready != 3) {
        std::fprintf(stderr, "the device did not connect\n");
        return 1;
    }
    controller->LoadDeviceInfo();

    OvOneKeyClearModel model;
    model.resize(1000, 560);
    model.show();
    WaitUntil([] { return false; }, 200);

    int replies = 0;
    QElapsedTimer sinceLastReply;
    QObject::connect(&model, &OvOneKeyClearModel::signalScanReturn, [&] {
        if (++replies == 10)
            sinceLastReply.start();
    });
    PaintWatch resultPaint;
    model.page(OneKeyPage::QuickResult)->installEventFilter(&resultPaint);

    StallMeter stalls;
    clock.restart();
    QMetaObject::invokeMethod(&model, "SlotOneKeyScanAll");
    if (!WaitUntil([&] { return resultPaint.painted && model.currentPage() == OneKeyPage::QuickResult; }, 600000)) {
        std::fprintf(stderr, "the quick scan did not end\n");
        return 1;
    }
    const qint64 toResult = sinceLastReply.elapsed();
    std::printf("quick scan: %lld ms in all\n", static_cast<long long>(clock.elapsed()));
    std::printf("last reply to painted result page: %lld ms\n", static_cast<long long>(toResult));
    std::printf("longest window-thread stall during the scan: %lld ms\n", static_cast<long long>(stalls.longest));

    PaintWatch browsePaint;
    model.page(OneKeyPage::PhotoBrowse)->installEventFilter(&browsePaint);
    clock.restart();
    // The way the "Export & Delete" button opens it: the browser is filled, then shown.
    QMetaObject::invokeMethod(&model, "SlotInitExporeImage", Q_ARG(int, OneKeyPage::PhotoBrowse));
    WaitUntil([&] { return browsePaint.painted; }, 10000);
    std::printf("photo browse page to first paint: %lld ms\n", static_cast<long long>(clock.elapsed()));

    model.hide();
    CController::Release();
    MainWindowAccess::registerInstance(nullptr);
    return 0;
}
