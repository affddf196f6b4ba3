// Erase Private Data on a large simulated device: 100 000 messages in 5 000 conversations,
// 20 000 call-log entries, 5 000 contacts, 30 000 photos and 10 000 Safari history entries,
// with the feature's pages on screen (offscreen platform). Prints the time from the backup's
// end to the final tree, the longest stall of the window thread while the loads come in,
// and the process's peak memory against the size of the device's records.
// Goal: no stall over 50 ms besides the settling second before the tree is final.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CTaskCallback.h"
#include "DeviceImage.h"
#include "DeviceImageFixture.h"
#include "EraseTabPage.h"
#include "MainWindowAccess.h"
#include "OvErasePrivateDataModel.h"
#include "OvScanResultView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>

namespace {

constexpr int kConversations = 5000;
constexpr int kMessagesEach = 20;

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) { }

class PrivateDataTab : public MainWindowAccess
{
public:
    int currentTabIndex() const override { return 3; }
    void enableTabs(bool) override { }
    bool deviceRestarting() const override { return false; }
    void setDeviceRestarting(bool) override { }
};

/// The longest gap between ticks of a 5 ms timer on the window thread, from start().
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.elapsed();
            longest = qMax(longest, now - m_last);
            ++ticks;
            m_last = now;
        });
    }
    void start()
    {
        m_clock.start();
        m_last = 0;
        longest = 0;
        ticks = 0;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    qint64 longest = 0;
    int ticks = 0; // none would mean the meter never ran

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

/// Each conversation the builder made gets kMessagesEach messages, repeating its own.
bool GrowConversations(const QString& folder)
{
    DeviceImage image(folder);
    QString error;
    if (!image.load(&error))
        return false;
    QJsonArray conversations = image.privateArray("messages");
    for (int c = 0; c < conversations.size(); ++c) {
        QJsonObject conversation = conversations.at(c).toObject();
        const QJsonArray three = conversation.value("messages").toArray();
        QJsonArray grown;
        for (int m = 0; m < kMessagesEach && !three.isEmpty(); ++m) {
            QJsonObject message = three.at(m % three.size()).toObject();
            message.insert("id", static_cast<double>(image.takeId()));
            message.insert("attachments", QJsonArray());
            grown.append(message);
        }
        conversation.insert("messages", grown);
        conversations.replace(c, conversation);
    }
    image.setPrivateArray("messages", conversations);
    return image.save(&error);
}

qint64 PeakKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
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
    content.photos = 30000;
    content.deletedPhotos = 0;
    content.videos = 0;
    content.deletedVideos = 0;
    content.photoSize = QSize(16, 12); // the count matters here, not the pixels
    content.largeFiles = 0;
    content.recordCounts.insert("messages", { kConversations - 250, 250 });
    content.recordCounts.insert("callLog", { 19000, 1000 });
    content.recordCounts.insert("contacts", { 4800, 200 });
    content.recordCounts.insert("safariHistory", { 9500, 500 });
    QElapsedTimer clock;
    clock.start();
    const QString phone = devices.create("Bench iPhone", content);
    if (phone.isEmpty() || !GrowConversations(phone)) {
        std::fprintf(stderr, "cannot create the device: %s\n", qPrintable(devices.lastError()));
        return 1;
    }
    const qint64 recordBytes = QFileInfo(phone + "/device.json").size();
    std::printf("device image created in %lld ms, %lld bytes of records\n", static_cast<long long>(clock.elapsed()),
                static_cast<long long>(recordBytes));

    PrivateDataTab window;
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

    OvErasePrivateDataModel model;
    model.resize(1000, 600);
    model.show();
    WaitUntil([] { return false; }, 200);
    OvScanResultView* result = model.resultView();
    auto* tree = result->findChild<QTreeWidget*>("scanResultTree");

    StallMeter stalls;
    QElapsedTimer sinceBackup;
    qint64 toScanOver = -1;
    // The callback emits on the control thread: the context object brings the lambda to the
    // window thread, where the meter's timer lives.
    QObject::connect(CTaskCallback::GetInstance(), &CTaskCallback::signalBackupDevData, &stalls, [&](int type, int) {
        if (type == 20) {
            sinceBackup.start();
            stalls.start();
        }
    });
    QObject::connect(result, &OvScanResultView::SignalScanOver, &stalls, [&] {
        toScanOver = sinceBackup.elapsed();
        stalls.stop(); // the settling second that follows is a timer, not a stall
    });

    clock.restart();
    model.startPage()->startButton()->click();
    if (!WaitUntil([&] { return result->scanEnded() && tree->isEnabled(); }, 1200000)) {
        std::fprintf(stderr, "the scan did not end\n");
        return 1;
    }
    const qint64 toTree = sinceBackup.elapsed();
    std::printf("backup and loads: %lld ms in all, %d records kept\n", static_cast<long long>(clock.elapsed()),
                result->total());
    std::printf("backup end to the last load's tree: %lld ms\n", static_cast<long long>(toScanOver));
    std::printf("backup end to the final tree (with the settling second): %lld ms\n", static_cast<long long>(toTree));
    std::printf("longest window-thread stall during the loads: %lld ms (%d ticks)\n",
                static_cast<long long>(stalls.longest), stalls.ticks);
    const qint64 peak = PeakKiB();
    std::printf("peak memory: %lld KiB (%.1f times the device's record bytes)\n", static_cast<long long>(peak),
                recordBytes > 0 ? peak * 1024.0 / recordBytes : 0.0);

    model.hide();
    CController::Release();
    MainWindowAccess::registerInstance(nullptr);
    return 0;
}
