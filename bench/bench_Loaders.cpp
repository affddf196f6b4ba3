// Loads 200 000 message conversations (5 000 contacts), 100 000 calls and 50 000 photos and
// videos through the loaders into CGlobalData, and the same work through a plain C++17 program
// (PlainLoaders) on the same items; prints the medians of both, their ratio and whether their
// outputs agree, and what the stored messages take against their own bytes. Then it times the
// two rules that are quadratic when written literally (naming numbers from the contacts,
// placing photos in order) against the loaders' way, after checking that both agree.
//
// bench_Loaders [runs]: each loader runs `runs` times (5 by default) after one warm-up run.
#include "CController.h"
#include "CGlobalData.h"
#include "CProcessLoadCallLogTask.h"
#include "CProcessLoadPhotoAndVideoTask.h"
#include "CProcessLoadSMSTask.h"
#include "ContactNameIndex.h"
#include "EngineTestSupport.h"
#include "FakeDevice.h"
#include "LookupContactName.h"
#include "PhotoOrder.h"
#include "PlainLoaders.h"
#include "RecordConversions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#ifdef __GLIBC__
#include <malloc.h>
#endif
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

/// FNV-1a over the fields of records, so that two loads can be compared without keeping both.
class Checksum
{
public:
    void Add(const std::string& text) { Bytes(text.data(), text.size()); }
    void Add(const QString& text) { Add(text.toStdString()); }
    void Add(std::int64_t value) { Bytes(&value, sizeof value); }
    std::uint64_t Value() const { return m_hash; }

private:
    void Bytes(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i)
            m_hash = (m_hash ^ bytes[i]) * 1099511628211ULL;
        m_hash = (m_hash ^ 0xFF) * 1099511628211ULL; // ends a field
    }
    std::uint64_t m_hash = 1469598103934665603ULL;
};

std::uint64_t Sum(const QVector<SMSSessionInfo>& sessions)
{
    Checksum sum;
    for (const SMSSessionInfo& session : sessions) {
        sum.Add(session.m_nHandle);
        sum.Add(QString(session.m_strNumbers));
        sum.Add(QString(session.m_strNames));
        for (const SMSInfo& sms : session.m_obLMessages) {
            sum.Add(QString(sms.m_strText));
            sum.Add(sms.m_nIsFromMe);
            sum.Add(QString(sms.m_strTime));
            sum.Add(sms.m_nIsRead);
            sum.Add(sms.m_bDeleted);
            for (const auto& attachment : sms.m_obLAttachments) {
                sum.Add(attachment.first);
                sum.Add(attachment.second);
            }
        }
        sum.Add(QString(session.m_strLastTime));
        sum.Add(session.m_bDeleted);
        sum.Add(session.m_bSelected);
    }
    return sum.Value();
}

std::uint64_t Sum(const std::vector<plain::Conversation>& conversations)
{
    Checksum sum;
    for (const plain::Conversation& conversation : conversations) {
        sum.Add(conversation.handle);
        sum.Add(conversation.numbers);
        sum.Add(conversation.names);
        for (const plain::Message& message : conversation.messages) {
            sum.Add(message.text);
            sum.Add(message.isFromMe);
            sum.Add(message.time);
            sum.Add(message.isRead);
            sum.Add(message.deleted);
            for (const auto& attachment : message.attachments) {
                sum.Add(attachment.first);
                sum.Add(attachment.second);
            }
        }
        sum.Add(conversation.lastTime);
        sum.Add(conversation.deleted);
        sum.Add(conversation.selected);
    }
    return sum.Value();
}

std::uint64_t Sum(const QVector<CallLogSessionInfo>& calls)
{
    Checksum sum;
    for (const CallLogSessionInfo& call : calls) {
        for (const std::int64_t value : { call.m_nHandle, call.m_nTime, qint64(call.m_nCallKind),
                                          qint64(call.m_bDeleted), qint64(call.m_bSelected) })
            sum.Add(value);
        for (const QString& text : { call.m_strNumber, call.m_strName, call.m_strTime, call.m_strDuration })
            sum.Add(text);
    }
    return sum.Value();
}

std::uint64_t Sum(const std::vector<plain::Call>& calls)
{
    Checksum sum;
    for (const plain::Call& call : calls) {
        for (const std::int64_t value : { call.handle, call.rawTime, std::int64_t(call.callKind),
                                          std::int64_t(call.deleted), std::int64_t(call.selected) })
            sum.Add(value);
        for (const std::string* text : { &call.number, &call.name, &call.time, &call.duration })
            sum.Add(*text);
    }
    return sum.Value();
}

std::uint64_t Sum(const QVector<PhotoVideoInfo>& photos)
{
    Checksum sum;
    for (const PhotoVideoInfo& photo : photos) {
        for (const std::int64_t value :
             { photo.m_nHandle, qint64(photo.m_nSize), qint64(photo.m_bDeleted), qint64(photo.m_bSelected),
               photo.m_nTime, qint64(photo.m_nSortKey), qint64(photo.m_nMediaKind) })
            sum.Add(value);
        for (const QString& text : { photo.m_strFileName, photo.m_strPath, photo.m_strDate })
            sum.Add(text);
    }
    return sum.Value();
}

std::uint64_t Sum(const std::vector<plain::Photo>& photos)
{
    Checksum sum;
    for (const plain::Photo& photo : photos) {
        for (const std::int64_t value :
             { photo.handle, std::int64_t(photo.size), std::int64_t(photo.deleted), std::int64_t(photo.selected),
               photo.time, std::int64_t(photo.sortKey), std::int64_t(photo.mediaKind) })
            sum.Add(value);
        for (const std::string* text : { &photo.fileName, &photo.path, &photo.date })
            sum.Add(*text);
    }
    return sum.Value();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Seconds(const std::function<void()>& work);

/// Median seconds of `runs` runs of the loader, after one that is not counted.
template<class Loader> double TimeLoader(int runs)
{
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        Loader loader(nullptr);
        const double seconds = Seconds([&] { loader.Run(); });
        if (run > 0)
            times.push_back(seconds);
    }
    return Median(times);
}

template<class Work> double TimePlain(int runs, Work work)
{
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        const double seconds = Seconds([&] { work(); });
        if (run > 0)
            times.push_back(seconds);
    }
    return Median(times);
}

/// The bytes of the conversations' own texts (UTF-8) and numbers.
std::size_t OwnBytes(const QVector<SMSSessionInfo>& sessions)
{
    const auto text = [](const QString& s) { return static_cast<std::size_t>(s.toUtf8().size()); };
    std::size_t bytes = 0;
    for (const SMSSessionInfo& session : sessions) {
        bytes += sizeof session.m_nHandle + 2 + text(session.m_strNumbers) + text(session.m_strNames)
            + text(session.m_strLastTime);
        for (const SMSInfo& sms : session.m_obLMessages) {
            bytes += text(sms.m_strText) + text(sms.m_strTime) + 2 * sizeof(int) + 1;
            for (const auto& attachment : sms.m_obLAttachments)
                bytes += text(attachment.first) + text(attachment.second);
        }
    }
    return bytes;
}

/// The bytes of the heap's blocks in use; 0 where the C library cannot tell.
std::size_t HeapInUse()
{
#ifdef __GLIBC__
    return mallinfo2().uordblks;
#else
    return 0;
#endif
}

void PrintKind(const char* what, int records, double loader, double bound, bool same)
{
    std::printf("%-32s %8d %10.3f s %10.3f s %7.2f   %s\n", what, records, loader, bound, loader / bound,
                same ? "yes" : "NO");
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
    qInstallMessageHandler(Quiet); // keeps progress traces out of the figures
    std::printf("before loading                                                              peak %7.1f MiB\n",
                PeakMemoryMiB());
    FakeDeviceSession session;
    Fill(session.device);
    std::printf("fake device filled                                                          peak %7.1f MiB\n",
                PeakMemoryMiB());

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    CGlobalData* store = CGlobalData::GetInstance();
    const double messages = TimeLoader<CProcessLoadSMSTask>(runs);
    const double calls = TimeLoader<CProcessLoadCallLogTask>(runs);
    const double photos = TimeLoader<CProcessLoadPhotoAndVideoTask>(runs);
    if (store->m_obLSMSSession.size() != kConversations || store->m_obLCallLogSession.size() != kCalls
        || store->m_obLPhotoAndVideo.size() != kPhotos) {
        std::printf("a loader lost records\n");
        return 1;
    }
    std::printf("loaded through the loaders                                                  peak %7.1f MiB\n",
                PeakMemoryMiB());

    const FakePrivateData& input = *session.device.privateData;
    const plain::NameIndex plainNames(input.contacts->items);
    std::vector<plain::Conversation> plainMessages;
    std::vector<plain::Call> plainCalls;
    std::vector<plain::Photo> plainPhotos;
    const double plainMessagesTime
        = TimePlain(runs, [&] { plainMessages = plain::LoadMessages(input.messages->items, plainNames); });
    const double plainCallsTime
        = TimePlain(runs, [&] { plainCalls = plain::LoadCalls(input.callLog->items, plainNames); });
    const double plainPhotosTime = TimePlain(runs, [&] { plainPhotos = plain::LoadPhotos(input.photos->items); });

    const bool sameMessages = Sum(store->m_obLSMSSession) == Sum(plainMessages);
    const bool sameCalls = Sum(store->m_obLCallLogSession) == Sum(plainCalls);
    const bool samePhotos = Sum(store->m_obLPhotoAndVideo) == Sum(plainPhotos);
    std::printf("\n%-32s %8s %12s %12s %7s   %s\n", "medians of runs", "records", "loaders", "plain C++", "ratio",
                "same output");
    PrintKind("messages (with 5 000 contacts)", kConversations, messages, plainMessagesTime, sameMessages);
    PrintKind("call log", kCalls, calls, plainCallsTime, sameCalls);
    PrintKind("photos and videos", kPhotos, photos, plainPhotosTime, samePhotos);
    std::printf("(%d runs each after a warm-up; the plain program's name index is built once, as the loaders' is)\n",
                runs);

    // What the stored messages take: the heap that one more load of them holds on to.
    store->m_obLSMSSession = QVector<SMSSessionInfo>();
    const std::size_t emptied = HeapInUse();
    CProcessLoadSMSTask(nullptr).Run();
    const std::size_t held = HeapInUse() - emptied;
    const std::size_t own = OwnBytes(store->m_obLSMSSession);
    std::printf("\nmessages store: %.1f MiB for %.1f MiB of their own texts and numbers: %.2fx (%.0f bytes a "
                "conversation)\n",
                held / 1048576.0, own / 1048576.0, double(held) / double(own), double(held) / kConversations);
    plainMessages.clear();
    plainCalls.clear();
    plainPhotos.clear();

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
    return literalNames == indexedNames && same && sameMessages && sameCalls && samePhotos ? 0 : 1;
}
