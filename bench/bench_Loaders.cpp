// Loads 200 000 message conversations (5 000 contacts), 100 000 calls and 50 000 photos and
// videos through the loaders into CGlobalData, and prints records per second and peak
// memory. Then it times the two rules that are quadratic when written literally (naming
// numbers from the contacts, placing photos in order) against the loaders' way, on the
// same data, after checking that both give the same results.
#include "CController.h"
#include "CGlobalData.h"
#include "CProcessLoadCallLogTask.h"
#include "CProcessLoadPhotoAndVideoTask.h"
#include "CProcessLoadSMSTask.h"
#include "ContactNameIndex.h"
#include "EngineTestSupport.h"
#include "LookupContactName.h"
#include "PhotoOrder.h"
#include "RecordConversions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int kContacts = 5000;
constexpr int kConversations = 200000;
constexpr int kCalls = 100000;
constexpr int kPhotos = 50000;
constexpr int kLiteralLookups = 4000;

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) { }

/// Peak resident memory of the process so far, in MiB.
double PeakMemoryMiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

std::string StoredNumber(int contact)
{
    return "555" + std::to_string(1000000 + contact * 37);
}

/// How the same number shows up in messages and calls: with a country prefix, spaces and
/// dashes, or not at all known.
std::string DialledNumber(QRandomGenerator& random)
{
    if (random.bounded(10) < 4)
        return "+44 20 " + std::to_string(10000000 + random.bounded(89999999));
    const std::string stored = StoredNumber(static_cast<int>(random.bounded(kContacts)));
    return "+1 " + stored.substr(0, 3) + "-" + stored.substr(3, 3) + "-" + stored.substr(6);
}

void Fill(FakeDevice& device)
{
    QRandomGenerator random(2024);
    FakePrivateData& data = *device.privateData;
    for (int c = 0; c < kContacts; ++c) {
        const OvContactPhone* phones
            = device.Keep<OvContactPhone>({ { device.Text(StoredNumber(c)), "mobile", 1, 0, 3 },
                                            { device.Text("0" + std::to_string(700000000 + c)), "home", 2, 0, 3 } });
        data.contacts->items.push_back(
            { device.Text("Contact" + std::to_string(c)), device.Text("Family"), nullptr, phones, 2, 0 });
    }
    data.messages->items.reserve(kConversations);
    for (int i = 0; i < kConversations; ++i) {
        std::string participants = DialledNumber(random);
        if (random.bounded(4) == 0)
            participants += "," + DialledNumber(random);
        const OvMessage* messages = device.Keep<OvMessage>(
            { { device.Text("See you at " + std::to_string(i % 24) + ":00"), 1, 600000000 + i, 1, nullptr, 0, 0 },
              { device.Text("OK"), 0, 600000060 + i, 1, nullptr, 0, 0 } });
        data.messages->items.push_back({ device.Text(participants), messages, 2, i % 10 == 0 });
    }
    data.callLog->items.reserve(kCalls);
    for (int i = 0; i < kCalls; ++i)
        data.callLog->items.push_back(
            { device.Text(DialledNumber(random)), 600000000 + i, static_cast<int>(random.bounded(4000)), 1, 0 });
    data.photos->items.reserve(kPhotos);
    for (int i = 0; i < kPhotos; ++i) {
        // Whole days, so that many photos share a time as camera bursts do.
        const std::int64_t time = 600000000 + 86400 * static_cast<std::int64_t>(random.bounded(3000));
        data.photos->items.push_back({ device.Text("IMG_" + std::to_string(i) + ".JPG"),
                                       device.Text("/DCIM/100APPLE/IMG_" + std::to_string(i) + ".JPG"), 2000000, time,
                                       i % 20 == 0, 0 });
    }
}

template<class Loader> void TimeLoader(const char* what, int records)
{
    Loader loader(nullptr);
    QElapsedTimer timer;
    timer.start();
    loader.Run();
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("%-34s %8d records %8.3f s %12.0f records/s   peak %7.1f MiB\n", what, records, seconds,
                records / seconds, PeakMemoryMiB());
}

double Seconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(Quiet); // the contacts loader traces every phone number
    std::printf("before loading                                                              peak %7.1f MiB\n",
                PeakMemoryMiB());
    FakeDeviceSession session;
    Fill(session.device);
    std::printf("fake device filled                                                          peak %7.1f MiB\n",
                PeakMemoryMiB());

    CGlobalData* store = CGlobalData::GetInstance();
    TimeLoader<CProcessLoadSMSTask>("messages (with 5 000 contacts)", kConversations);
    TimeLoader<CProcessLoadCallLogTask>("call log", kCalls);
    TimeLoader<CProcessLoadPhotoAndVideoTask>("photos and videos", kPhotos);
    if (store->m_obLSMSSession.size() != kConversations || store->m_obLCallLogSession.size() != kCalls
        || store->m_obLPhotoAndVideo.size() != kPhotos) {
        std::printf("a loader lost records\n");
        return 1;
    }

    // Naming numbers: the literal rule walks every contact for every number.
    std::vector<QString> numbers;
    for (int i = 0; i < kLiteralLookups; ++i)
        numbers.push_back(store->m_obLCallLogSession.at(i * (kCalls / kLiteralLookups)).m_strNumber);
    QStringList literalNames, indexedNames;
    const double literal = Seconds([&] {
        for (const QString& number : numbers)
            literalNames << LookupContactName(number, store->m_obLContact);
    });
    std::unique_ptr<ContactNameIndex> index;
    const double building = Seconds([&] { index.reset(new ContactNameIndex(store->m_obLContact)); });
    const double looking = Seconds([&] {
        for (const QString& number : numbers)
            indexedNames << index->Lookup(number);
    });
    const double indexed = building + looking;
    const int named = kLiteralLookups - literalNames.count(QString());
    std::printf("\ncontact names, %d numbers (%d named): literal %.3f s, indexed %.4f s (building the index "
                "%.4f s, lookups %.4f s): %.0fx faster (%.0fx per lookup), same names: %s\n",
                kLiteralLookups, named, literal, indexed, building, looking, literal / indexed, literal / looking,
                literalNames == indexedNames ? "yes" : "NO");
    std::printf("  at the full load's %d numbers the literal rule would take about %.0f s\n",
                kCalls + kConversations * 5 / 4, literal * (kCalls + kConversations * 5 / 4) / kLiteralLookups);

    // Placing photos: the literal rule inserts each one into the growing array.
    QVector<PhotoVideoInfo> loadOrder;
    for (const OvPhotoVideoItem& item : session.device.privateData->photos->items) {
        PhotoVideoInfo photo;
        photo.m_nHandle = ItemHandle(&item);
        photo.m_nSortKey = static_cast<qint32>(item.time);
        loadOrder.append(photo);
    }
    QVector<PhotoVideoInfo> inserted, sorted = loadOrder;
    const double insertion = Seconds([&] {
        for (const PhotoVideoInfo& photo : loadOrder)
            InsertPhotoByKey(inserted, photo);
    });
    const double sorting = Seconds([&] { SortPhotosByKey(sorted); });
    bool same = inserted.size() == sorted.size();
    for (int i = 0; same && i < sorted.size(); ++i)
        same = inserted.at(i).m_nHandle == sorted.at(i).m_nHandle;
    std::printf("photo order, %d photos: one-by-one insertion %.3f s, sort %.4f s: %.0fx faster, same order: %s\n",
                kPhotos, insertion, sorting, insertion / sorting, same ? "yes" : "NO");
    std::printf("\npeak memory %.1f MiB\n", PeakMemoryMiB());
    return literalNames == indexedNames && same ? 0 : 1;
}
