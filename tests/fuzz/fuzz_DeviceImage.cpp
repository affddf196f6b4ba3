// The readers of a device image: device.json as a whole (fuzz_DeviceJson) and the manifest
// arrays inside it (fuzz_DeviceManifest: the input spliced into a valid device.json). Every
// input must be read without a crash or a hang, and whatever load() accepts must survive a
// save and a second load unchanged, records set aside included.
#include "DeviceImage.h"
#include "ImageSummary.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray asDeviceJson(const QByteArray& input)
{
#if DRAVO_FUZZ_MANIFEST
    return QByteArray(R"({"format":1,"name":"Fuzz","uniqueId":"fuzz","productType":"iPhone10,1",)"
                      R"("totalBytes":64000000000,"trusted":true,"media":)")
        + input + R"(,"junk":)" + input + R"(,"privateData":{"callLog":)" + input + "}}";
#else
    return input;
#endif
}

QByteArray g_input;

void check(bool condition, const QString& what)
{
    if (!condition) {
        QFile kept("failing-input");
        if (kept.open(QIODevice::WriteOnly))
            kept.write(g_input);
        std::fprintf(stderr, "fuzz_DeviceImage: %s (input kept in failing-input)\n", qPrintable(what));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString folder = QDir::current().absoluteFilePath("fuzz-image");
    QDir().mkpath(folder);
    {
        QFile file(folder + "/device.json");
        g_input = QByteArray(reinterpret_cast<const char*>(data), int(size));
        const QByteArray json = asDeviceJson(g_input);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(json) < 0)
            return 0; // this computer's problem, not the reader's
    }
    DeviceImage image(folder);
    QString error;
    if (!image.load(&error)) {
        check(!error.isEmpty(), "load failed without saying why");
        return 0;
    }
    image.checkContent(&error);
    const quint64 used = image.usedBytes();
    check(used <= image.totalBytes() && image.freeBytes() == image.totalBytes() - used,
          "used bytes exceed the capacity");
    image.weChatAccounts();
    ImageSummary::of(image);
    if (!image.save(&error))
        return 0;
    DeviceImage again(folder);
    check(again.load(&error), "a saved image does not load again: " + error);
    // Compared as text: Qt may keep one number as an integer once and as a double after a
    // save, which QJsonValue tells apart although both mean the same.
    auto text = [](const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); };
    const bool same = text(again.root()) == text(image.root()) && text(again.setAside()) == text(image.setAside());
    check(same,
          same ? QString() : "a saved image loads differently: " + QString::fromUtf8(text(image.root()).left(400)));
    return 0;
}
