#include "EngineTestSupport.h"

#include "CController.h"
#include "CCtrlThread.h"
#include "CProcessTask.h"
#include "CTask.h"
#include "CTaskCallback.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <atomic>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <unistd.h>

namespace {
class SignalProcess : public CProcessTask
{
public:
    explicit SignalProcess(std::shared_ptr<std::atomic<bool>> done)
        : m_done(std::move(done))
    { }
    void Run() override { *m_done = true; }

private:
    std::shared_ptr<std::atomic<bool>> m_done;
};

std::mutex g_traceMutex;
QStringList g_traces;
QtMessageHandler g_previousHandler = nullptr;

void CollectTrace(QtMsgType, const QMessageLogContext&, const QString& message)
{
    std::lock_guard<std::mutex> lock(g_traceMutex);
    g_traces.append(message);
}
} // namespace

bool WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    if (!QTest::qWaitFor(done, timeoutMs))
        return false;
    QCoreApplication::processEvents();
    return true;
}

bool DrainControlThread(int timeoutMs)
{
    auto done = std::make_shared<std::atomic<bool>>(false);
    CController::GetInstance()->GetCtrlThread()->Post(new CTask(new SignalProcess(done)));
    return WaitFor([&] { return done->load(); }, timeoutMs);
}

QStringList FileLogLines()
{
    QFile file("dravo.log");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

bool BackUpDevice(int timeoutMs)
{
    SignalRecorder backup(CTaskCallback::GetInstance(), &CTaskCallback::signalBackupDevData);
    return CController::GetInstance()->PostBackupDevDataTask()
        && WaitFor([&] { return !backup.isEmpty() && backup.last().at(0).toInt() != OV_NOTIFY_BACKUP_PROGRESS; },
                   timeoutMs)
        && backup.last().at(0).toInt() == OV_NOTIFY_BACKUP_END;
}

bool LoadPrivateData(int timeoutMs)
{
    CTaskCallback* callback = CTaskCallback::GetInstance();
    CController* controller = CController::GetInstance();
    SignalRecorder last(callback, &CTaskCallback::signalLoadVoiceMemosData);
    SignalRecorder contacts(callback, &CTaskCallback::signalLoadAddressBookData);
    for (auto post : { &CController::PostLoadSMSDataTask, &CController::PostLoadPhotoAndVideoDataTask,
                       &CController::PostLoadNoteDataTask, &CController::PostLoadCallLogDataTask,
                       &CController::PostLoadWhatsAppDataTask, &CController::PostLoadSafariHistoryDataTask,
                       &CController::PostLoadSafariCookieDataTask, &CController::PostLoadSafariCacheDataTask,
                       &CController::PostLoadViberDataTask, &CController::PostLoadKikDataTask,
                       &CController::PostLoadWeChatDataTask, &CController::PostLoadCallendarDataTask,
                       &CController::PostLoadBookMarkDataTask, &CController::PostLoadVoiceMemosDataTask }) {
        if (!(controller->*post)())
            return false;
    }
    return WaitFor([&] { return last.count() == 1; }, timeoutMs) && contacts.count() == 1;
}

DebugTraceCapture::DebugTraceCapture()
{
    std::lock_guard<std::mutex> lock(g_traceMutex);
    g_traces.clear();
    g_previousHandler = qInstallMessageHandler(CollectTrace);
}

DebugTraceCapture::~DebugTraceCapture()
{
    qInstallMessageHandler(g_previousHandler);
}

QStringList DebugTraceCapture::Lines() const
{
    std::lock_guard<std::mutex> lock(g_traceMutex);
    return g_traces;
}

StderrCapture::StderrCapture()
{
    m_path = QDir::temp().filePath(QStringLiteral("stderr-%1.txt").arg(QCoreApplication::applicationPid()));
    m_file = ::open(QFile::encodeName(m_path).constData(), O_CREAT | O_TRUNC | O_RDWR, 0600);
    m_saved = dup(STDERR_FILENO);
    dup2(m_file, STDERR_FILENO);
}

StderrCapture::~StderrCapture()
{
    Finish();
}

QString StderrCapture::Finish()
{
    if (m_saved >= 0) {
        dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        ::close(m_file);
        m_saved = -1;
        QFile file(m_path);
        if (file.open(QIODevice::ReadOnly))
            m_text = QString::fromLocal8Bit(file.readAll());
        file.remove();
    }
    return m_text;
}
