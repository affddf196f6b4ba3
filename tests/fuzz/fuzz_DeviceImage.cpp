// Fuzz driver for the readers of a device image: device.json as a whole ("devicejson") and
// the manifest arrays inside it ("manifest", the input spliced into a valid device.json).
// Without libFuzzer it feeds the committed corpus and then seeded random mutations of it;
// built with clang -fsanitize=fuzzer (OVDRIVER_LIBFUZZER) the same target runs under libFuzzer.
//
//   ovdriver_fuzz [TARGET] [--seconds S] [--iterations N] [--seed X] [--corpus DIR]
//
// Every input must be read without a crash or a hang, and whatever load() accepts must
// survive a save and a second load unchanged, records set aside included.
#include "DeviceImage.h"
#include "ImageSummary.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QByteArray asDeviceJson(const QString& target, const QByteArray& input)
{
    if (target == "devicejson")
        return input;
    // The input takes the place of the manifest arrays of an otherwise valid device.json.
    return QByteArray(R"({"format":1,"name":"Fuzz","uniqueId":"fuzz","productType":"iPhone10,1",)"
                      R"("totalBytes":64000000000,"trusted":true,"media":)")
        + input + R"(,"junk":)" + input + R"(,"privateData":{"callLog":)" + input + "}}";
}

/// Reads one input; returns false when a property does not hold.
bool readOne(const QString& folder, const QString& target, const QByteArray& input, QString* why)
{
    const QString json = folder + "/device.json";
    {
        QFile file(json);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(asDeviceJson(target, input)) < 0)
            return true; // this computer's problem, not the reader's
    }
    DeviceImage image(folder);
    QString error;
    if (!image.load(&error)) {
        if (error.isEmpty()) {
            *why = "load failed without saying why";
            return false;
        }
        return true;
    }
    image.checkContent(&error);
    const quint64 used = image.usedBytes();
    if (used > image.totalBytes() || image.freeBytes() != image.totalBytes() - used) {
        *why = "used bytes exceed the capacity";
        return false;
    }
    image.weChatAccounts();
    ImageSummary::of(image);
    if (!image.save(&error))
        return true;
    DeviceImage again(folder);
    if (!again.load(&error)) {
        *why = "a saved image does not load again: " + error;
        return false;
    }
    // Compared as text: Qt may keep one number as an integer once and as a double after a
    // save, which QJsonValue tells apart although both mean the same.
    auto text = [](const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); };
    if (text(again.root()) != text(image.root()) || text(again.setAside()) != text(image.setAside())) {
        *why = "a saved image loads differently: " + QString::fromUtf8(text(image.root()).left(400)) + " then "
            + QString::fromUtf8(text(again.root()).left(400));
        return false;
    }
    return true;
}

QByteArray mutate(QByteArray data, const QList<QByteArray>& corpus, QRandomGenerator& random)
{
    static const QList<QByteArray> tokens { "{",    "}",       "[",        "]",         "\"",        ",",
                                            ":",    "null",    "-1",       "0",         "1e309",     "true",
                                            "\"\"", "\"id\":", "\"path\"", "\"../..\"", "\"size\":", "\\u0000" };
    const int rounds = 1 + int(random.bounded(4));
    for (int r = 0; r < rounds; ++r) {
        const int at = data.isEmpty() ? 0 : int(random.bounded(data.size()));
        switch (random.bounded(6)) {
        case 0:
            if (!data.isEmpty())
                data[at] = char(random.bounded(256));
            break;
        case 1:
            data.insert(at, tokens.at(int(random.bounded(tokens.size()))));
            break;
        case 2:
            data.remove(at, int(random.bounded(16)));
            break;
        case 3:
            data.insert(at, data.mid(int(random.bounded(qMax(1, data.size()))), int(random.bounded(64))));
            break;
        case 4: {
            const QByteArray& other = corpus.at(int(random.bounded(corpus.size())));
            data = data.left(at) + other.mid(int(random.bounded(qMax(1, other.size()))));
            break;
        }
        default:
            data.truncate(at);
        }
    }
    return data.left(1 << 20);
}

QTemporaryDir& scratch()
{
    static QTemporaryDir folder;
    return folder;
}

} // namespace

#if defined(OVDRIVER_LIBFUZZER)
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString target = qEnvironmentVariable("OVDRIVER_FUZZ_TARGET", "devicejson");
    QString why;
    if (!readOne(scratch().path(), target, QByteArray(reinterpret_cast<const char*>(data), int(size)), &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        std::abort();
    }
    return 0;
}
#else
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    auto option = [&arguments](const QString& name, const QString& fallback) {
        const int at = arguments.indexOf(name);
        if (at < 0 || at + 1 >= arguments.size())
            return fallback;
        const QString value = arguments.at(at + 1);
        arguments.removeAt(at + 1);
        arguments.removeAt(at);
        return value;
    };
    const double seconds = option("--seconds", "2").toDouble();
    const qint64 iterations = option("--iterations", "-1").toLongLong();
    const quint32 seed = option("--seed", "12").toUInt();
    const QString corpusRoot = option("--corpus", OVDRIVER_FUZZ_CORPUS);
    const QStringList targets = arguments.isEmpty() ? QStringList { "devicejson", "manifest" } : arguments;
    if (!scratch().isValid())
        return 2;

    for (const QString& target : targets) {
        QList<QByteArray> corpus;
        const QDir folder(corpusRoot + '/' + target);
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                corpus << file.readAll();
        }
        if (corpus.isEmpty()) {
            std::fprintf(stderr, "no corpus in %s\n", qPrintable(folder.path()));
            return 2;
        }
        QString why;
        for (const QByteArray& input : corpus) {
            if (!readOne(scratch().path(), target, input, &why)) {
                std::fprintf(stderr, "%s: a corpus input fails: %s\n", qPrintable(target), qPrintable(why));
                return 1;
            }
        }
        QRandomGenerator random(seed);
        QElapsedTimer clock;
        clock.start();
        qint64 done = 0;
        while (iterations >= 0 ? done < iterations : clock.elapsed() < qint64(seconds * 1000)) {
            const QByteArray input = mutate(corpus.at(int(random.bounded(corpus.size()))), corpus, random);
            if (!readOne(scratch().path(), target, input, &why)) {
                const QString kept = scratch().path() + "/failing-input";
                QFile file(kept);
                if (file.open(QIODevice::WriteOnly))
                    file.write(input);
                std::fprintf(stderr, "%s: %s (input: %s)\n", qPrintable(target), qPrintable(why), qPrintable(kept));
                scratch().setAutoRemove(false);
                return 1;
            }
            ++done;
        }
        std::printf("%s: %d corpus inputs, %lld mutations, seed %u\n", qPrintable(target), int(corpus.size()), done,
                    seed);
    }
    return 0;
}
#endif
