#include "DeviceImageFixture.h"

#include "SimEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

DeviceImageFixture::DeviceImageFixture()
{
    QDir().mkpath(root());
    QDir().mkpath(backupRoot());
    setVariable("OVDRIVER_SIM_ROOT", root().toLocal8Bit());
    setVariable("OVDRIVER_BACKUP_DIR", backupRoot().toLocal8Bit());
    setVariable("OVDRIVER_EXPORT_DIR", QByteArray());
}

DeviceImageFixture::~DeviceImageFixture()
{
    for (auto it = m_saved.begin(); it != m_saved.end(); ++it) {
        if (m_wasSet.value(it.key()))
            qputenv(it.key().constData(), it.value());
        else
            qunsetenv(it.key().constData());
    }
}

void DeviceImageFixture::setVariable(const char* name, const QByteArray& value)
{
    m_wasSet.insert(name, qEnvironmentVariableIsSet(name));
    m_saved.insert(name, qgetenv(name));
    if (value.isEmpty())
        qunsetenv(name);
    else
        qputenv(name, value);
}

DeviceContent DeviceImageFixture::smallContent()
{
    DeviceContent content;
    content.photoSize = QSize(160, 120);
    content.videoBytes = 32 * 1024;
    content.largeFileBytes = 64ll << 20;
    content.junkFileBytes = 4096;
    return content;
}

QString DeviceImageFixture::create(const QString& name, const DeviceContent& content)
{
    const QString folder = root() + '/' + name;
    if (!ImageBuilder::create(folder, content, &m_error))
        return {};
    return folder;
}

QString DeviceImageFixture::createRaw(const QString& name, const QByteArray& json)
{
    const QString folder = root() + '/' + name;
    QDir().mkpath(folder);
    QFile file(folder + "/device.json");
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size()) {
        m_error = "cannot write " + file.fileName();
        return {};
    }
    return folder;
}

bool DeviceImageFixture::edit(const QString& folder, const std::function<void(DeviceImage&)>& change)
{
    DeviceImage image(folder);
    if (!image.load(&m_error))
        return false;
    change(image);
    return image.save(&m_error);
}

DeviceImage DeviceImageFixture::image(const QString& folder) const
{
    DeviceImage image(folder);
    image.load(nullptr);
    return image;
}

QString DeviceImageFixture::backupFolder(const QString& folder) const
{
    return SimEnvironment::backupFolder(uniqueId(folder));
}

QString DeviceImageFixture::deviceKey(const QString& folder) const
{
    return SimEnvironment::deviceKey(folder, uniqueId(folder));
}

bool DeviceImageFixture::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}
