#include "ImageBuilder.h"

#include "DeviceImage.h"
#include "JpegTools.h"
#include "SparseFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>

#include <random>

namespace {

// Seconds from 2001-01-01; the generated content spreads over 2021 to 2023.
constexpr qint64 kFirstTime = 631152000;
constexpr qint64 kDay = 86400;

const char* const kFirstNames[] = { "Anna", "Ben",   "Clara", "David", "Elif", "Farid", "Greta", "Hugo",
                                    "Ines", "Jonas", "Kira",  "Luca",  "Mina", "Noah",  "Olga",  "Pavel" };
const char* const kLastNames[] = { "Berg",   "Costa", "Dahl",  "Engel", "Fischer", "Garcia", "Holm",  "Ivanova",
                                   "Jensen", "Klein", "Lopez", "Meyer", "Novak",   "Olsen",  "Petit", "Quinn" };
const char* const kTexts[]
    = { "See you at eight?",          "Running ten minutes late", "Can you send me the file?", "Happy birthday!",
        "The keys are under the mat", "Call me when you land",    "Dinner on Friday?",         "Thanks for yesterday",
        "Meeting moved to 3 pm",      "Did you see the game?",    "Bring an umbrella",         "Good night" };
const char* const kWeChatTexts[]
    = { "你好", "晚上一起吃饭吗？", "收到，谢谢", "明天见", "文件已经发给你了", "路上小心" };
const char* const kSites[] = { "news.example.com", "shop.example.org",   "maps.example.net",    "video.example.com",
                               "mail.example.org", "travel.example.net", "recipes.example.com", "docs.example.org" };
const char* const kEvents[]
    = { "Dentist", "Team meeting", "Flight to Lisbon", "Gym", "Parents' evening", "Car service", "Yoga", "Book club" };
const char* const kPlaces[]
    = { "Main Street 4", "Office, room 2.14", "Terminal 2", "City gym", "School hall", "Garage", "Studio", "Library" };

struct AppSeed
{
    const char* name;
    const char* bundleId;
};

const AppSeed kFragmentApps[] = {
    { "WhatsApp", "net.whatsapp.WhatsApp" },
    { "\u5fae\u4fe1", "com.tencent.xin" },
    { "Snapchat", "com.toyopagroup.picaboo" },
    { "Kik", "com.kik.chat" },
    { "Spotify", "com.spotify.client" },
    { "Instagram", "com.burbn.instagram" },
    { "Facebook", "com.facebook.Facebook" },
    { "Twitter", "com.atebits.Tweetie2" },
    { "YouTube", "com.google.ios.youtube" },
    { "Telegram", "ph.telegra.Telegraph" },
    { "Viber", "com.viber" },
    { "Skype", "com.skype.skype" },
    { "Chrome", "com.google.chrome.ios" },
    { "LINE", "jp.naver.line" },
    { "Firefox", "org.mozilla.ios.Firefox" },
};

const AppSeed kOtherApps[] = {
    { "Trail Maps", "com.example.trailmaps" },   { "Pocket Budget", "com.example.budget" },
    { "Sky Weather", "com.example.weather" },    { "Quick Scan PDF", "com.example.pdfscan" },
    { "Word Garden", "com.example.wordgarden" }, { "Metro Transit", "com.example.transit" },
    { "Daily Yoga", "com.example.yoga" },        { "Piano Lessons", "com.example.piano" },
};

struct LargeSeed
{
    const char* name;
    const char* magic; ///< the first bytes of such a file
    int magicLength;
};

const LargeSeed kLargeFiles[] = {
    { "Holiday 4K.mp4",
      "\0\0\0\x20"
      "ftypisom",
      12 },
    { "Concert.mov",
      "\0\0\0\x14"
      "ftypqt  ",
      12 },
    { "Podcast Archive.m4a",
      "\0\0\0\x20"
      "ftypM4A ",
      12 },
    { "Panorama.tiff", "II*\0", 4 },
    { "Service Manual.pdf", "%PDF-1.7\n", 9 },
    { "Project Backup.zip", "PK\x03\x04", 4 },
    { "Lecture Recording.mp3", "ID3\x04", 4 },
    { "Offline Maps.dat", "MAPDATA1", 8 },
};

const char* const kJunkPattern[] = {
    "/var/mobile/Containers/Data/Application/4F3A9C12-7E21-4B8A-9D55-0C6E1B2A7F10/Library/Caches/cache_%1.db",
    "/var/mobile/Media/PhotoData/Caches/GraphService/thumb_%1.ithmb",
    "/var/mobile/Media/Downloads/download_%1.tmp",
    "/var/mobile/Library/Logs/CrashReporter/App-2023-05-01-1010%1.ips",
    "/var/mobile/Media/iTunes_Control/Cache/item_%1.cache",
};

class Generator
{
public:
    Generator(const QString& folder, const DeviceContent& content)
        : m_image(folder)
        , m_content(content)
        , m_random(content.seed)
    { }

    bool run(QString* error);

private:
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    qint64 between64(qint64 low, qint64 high) { return std::uniform_int_distribution<qint64>(low, high)(m_random); }
    template<class T, size_t N> const T& pick(const T (&list)[N])
    {
        return list[static_cast<size_t>(between(0, static_cast<int>(N) - 1))];
    }
    QString hex(int digits);
    QString generatedUniqueId() const;
    qint64 time() { return kFirstTime + between64(0, 3 * 365 * kDay); }
    QString decimalTime(qint64 seconds) { return QString::number(seconds + between(0, 99) / 100.0, 'f', 2); }
    QString phone() { return QString("+1 555-%1").arg(between(100, 9999), 4, 10, QChar('0')); }
    QString person() { return QString("%1 %2").arg(pick(kFirstNames), pick(kLastNames)); }

    bool writeRandomFile(const QString& path, qint64 size, const QByteArray& header = {});
    bool addMedia(QJsonArray& media, bool video, bool deleted, int number, QString* error);
    bool addLargeFiles(QJsonArray& large, QString* error);
    bool addJunk(QJsonArray& junk, QString* error);
    bool addApps(QJsonArray& apps, QString* error);
    void addPrivateData();
    QJsonArray records(const QString& category, const std::function<QJsonObject(bool deleted)>& make);
    QJsonObject record(bool deleted)
    {
        QJsonObject object;
        object.insert("id", m_image.takeId());
        object.insert("deleted", deleted);
        return object;
    }

    DeviceImage m_image;
    const DeviceContent& m_content;
    std::mt19937 m_random;
};

QString Generator::generatedUniqueId() const
{
    // Images made with the same seed in different folders must not share an id (backups are
    // kept by id), yet the id stays reproducible.
    std::mt19937 random(qHash(QFileInfo(m_image.folder()).fileName(), m_content.seed));
    const quint64 value = (quint64(random()) << 32) | random();
    return QString("00008110-%1").arg(value, 16, 16, QChar('0')).toUpper();
}

QString Generator::hex(int digits)
{
    QString text;
    for (int i = 0; i < digits; ++i)
        text += QString::number(between(0, 15), 16).toUpper();
    return text;
}

bool Generator::writeRandomFile(const QString& path, qint64 size, const QByteArray& header)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes = header.left(static_cast<int>(size));
    bytes.reserve(static_cast<int>(size));
    while (bytes.size() < size)
        bytes.append(static_cast<char>(between(0, 255)));
    return file.write(bytes) == bytes.size();
}

bool Generator::addMedia(QJsonArray& media, bool video, bool deleted, int number, QString* error)
{
    const QString folder = deleted ? "/var/mobile/Media/PhotoData/Deleted/" : "/var/mobile/Media/DCIM/100APPLE/";
    const QString devicePath = folder + QString("IMG_%1.%2").arg(number, 4, 10, QChar('0')).arg(video ? "MOV" : "JPG");
    const QString local = m_image.localPath(devicePath);
    QImage picture = JpegTools::generatePhoto(m_content.photoSize, m_random);
    bool written = false;
    if (video) {
        written = writeRandomFile(local, qMax<qint64>(64, m_content.videoBytes),
                                  QByteArray("\0\0\0\x14"
                                             "ftypqt  ",
                                             12));
    } else {
        written = JpegTools::writeJpeg(picture, local, 92);
    }
    if (!written) {
        *error = QString("cannot write %1").arg(local);
        return false;
    }
    QJsonObject item = record(deleted);
    const qint64 id = DeviceImage::idOf(item);
    // Photos come in shoots of a few a day, as a camera roll does.
    item.insert("path", devicePath);
    item.insert("kind", video ? "video" : "photo");
    item.insert("time", kFirstTime + (number / 6) * 3 * kDay + between64(8 * 3600, 20 * 3600));
    item.insert("width", m_content.photoSize.width());
    item.insert("height", m_content.photoSize.height());
    item.insert("size", static_cast<double>(QFileInfo(local).size()));
    if (video)
        item.insert("duration", between(3, 90));
    item.insert("compressed", false);
    const QString thumbnail = QString("thumbs/%1.jpg").arg(id);
    if (JpegTools::writeThumbnail(picture, m_image.folder() + '/' + thumbnail))
        item.insert("thumbnail", thumbnail);
    media.append(item);
    return true;
}

bool Generator::addLargeFiles(QJsonArray& large, QString* error)
{
    constexpr int kinds = static_cast<int>(sizeof(kLargeFiles) / sizeof(kLargeFiles[0]));
    for (int i = 0; i < m_content.largeFiles; ++i) {
        const LargeSeed& seed = kLargeFiles[i % kinds];
        QString name = seed.name;
        if (i >= kinds)
            name.insert(name.lastIndexOf('.'), QString(" %1").arg(i / kinds + 1));
        const QString devicePath = "/var/mobile/Documents/" + name;
        const qint64 size = m_content.largeFileBytes + between64(0, m_content.largeFileBytes / 2);
        QByteArray header(seed.magic, seed.magicLength);
        for (int b = 0; b < 4096; ++b)
            header.append(static_cast<char>(between(0, 255)));
        if (!SparseFile::create(m_image.localPath(devicePath), header, size)) {
            *error = QString("cannot write %1").arg(m_image.localPath(devicePath));
            return false;
        }
        QJsonObject item = record(false);
        item.remove("deleted");
        item.insert("path", devicePath);
        item.insert("size", static_cast<double>(size));
        item.insert("time", time());
        large.append(item);
    }
    return true;
}

bool Generator::addJunk(QJsonArray& junk, QString* error)
{
    for (int c = 0; c < DeviceImage::junkCodes().size(); ++c) {
        for (int i = 0; i < m_content.junkFilesPerCode; ++i) {
            const QString devicePath = QString(kJunkPattern[c]).arg(i + 1);
            const qint64 size = qMax<qint64>(1, m_content.junkFileBytes / 2 + between64(0, m_content.junkFileBytes));
            if (!writeRandomFile(m_image.localPath(devicePath), size)) {
                *error = QString("cannot write %1").arg(m_image.localPath(devicePath));
                return false;
            }
            QJsonObject item = record(false);
            item.remove("deleted");
            item.insert("code", DeviceImage::junkCodes().at(c));
            item.insert("path", devicePath);
            item.insert("size", static_cast<double>(size));
            item.insert("time", time());
            junk.append(item);
        }
    }
    return true;
}

bool Generator::addApps(QJsonArray& apps, QString* error)
{
    auto add = [&](const AppSeed& seed, const QString& name, const QString& bundleId, bool fragments) {
        QJsonObject app = record(false);
        app.remove("deleted");
        app.insert("name", name);
        app.insert("bundleId", bundleId);
        app.insert("version", QString("%1.%2.%3").arg(between(1, 24)).arg(between(0, 9)).arg(between(0, 9)));
        app.insert("staticSize", static_cast<double>(between64(40ll << 20, 400ll << 20)));
        // Firefox has left nothing behind, so the fragments feature also shows an empty app.
        const bool empty = fragments && QString(seed.bundleId) == "org.mozilla.ios.Firefox";
        const qint64 data = empty ? 0 : between64(2ll << 20, 300ll << 20);
        app.insert("dataSize", static_cast<double>(data));
        app.insert("fragmentBytes", static_cast<double>(fragments ? data / 2 : 0));
        const QString icon = "icons/" + bundleId + ".png";
        QImage picture(64, 64, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromHsv(between(0, 359), 180, 220));
        painter.drawRoundedRect(QRectF(0, 0, 64, 64), 14, 14);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(32, 32), 14, 14);
        painter.end();
        QDir().mkpath(m_image.folder() + "/icons");
        if (!picture.save(m_image.folder() + '/' + icon, "PNG")) {
            *error = QString("cannot write %1").arg(m_image.folder() + '/' + icon);
            return false;
        }
        app.insert("icon", icon);
        apps.append(app);
        return true;
    };
    for (const AppSeed& seed : kFragmentApps) {
        if (!add(seed, QString::fromUtf8(seed.name), seed.bundleId, true))
            return false;
    }
    constexpr int others = static_cast<int>(sizeof(kOtherApps) / sizeof(kOtherApps[0]));
    for (int i = 0; i < m_content.extraApps; ++i) {
        const AppSeed& seed = kOtherApps[i % others];
        const QString suffix = i >= others ? QString(" %1").arg(i / others + 1) : QString();
        const QString idSuffix = i >= others ? QString::number(i / others + 1) : QString();
        if (!add(seed, seed.name + suffix, seed.bundleId + idSuffix, false))
            return false;
    }
    return true;
}

QJsonArray Generator::records(const QString& category, const std::function<QJsonObject(bool deleted)>& make)
{
    const QPair<int, int> counts = m_content.countsOf(category);
    QJsonArray list;
    for (int i = 0; i < counts.first + counts.second; ++i)
        list.append(make(i >= counts.first));
    return list;
}

void Generator::addPrivateData()
{
    m_image.setPrivateArray(
        "messages", records("messages", [&](bool deleted) {
            QJsonObject conversation = record(deleted);
            const int people = between(1, 4) == 1 ? 2 : 1;
            QStringList numbers;
            for (int p = 0; p < people; ++p)
                numbers << phone();
            conversation.insert("participants", numbers.join(','));
            QJsonArray messages;
            const qint64 start = time();
            for (int m = 0; m < 3; ++m) {
                // The last message of a kept conversation was deleted on the device.
                QJsonObject message = record(deleted || (m == 2 && m_content.countsOf("messages").second > 0));
                message.insert("isFromMe", m % 2);
                message.insert("time", start + m * 90);
                message.insert("isRead", 1);
                QJsonArray attachments;
                if (m == 1) {
                    message.insert("text", QString(QChar(0xFFFC)));
                    QJsonObject attachment = record(deleted);
                    const QString name = QString("IMG_%1.HEIC").arg(between(1000, 9999));
                    attachment.insert("fileName", name);
                    attachment.insert("path", "/var/mobile/Library/SMS/Attachments/" + hex(2).toLower() + '/' + name);
                    attachment.insert("size", static_cast<double>(between64(40000, 2000000)));
                    attachments.append(attachment);
                } else {
                    message.insert("text", pick(kTexts));
                }
                message.insert("attachments", attachments);
                messages.append(message);
            }
            conversation.insert("messages", messages);
            return conversation;
        }));
    m_image.setPrivateArray("contacts", records("contacts", [&](bool deleted) {
                                QJsonObject contact = record(deleted);
                                contact.insert("firstName", pick(kFirstNames));
                                contact.insert("lastName", pick(kLastNames));
                                contact.insert("organization", between(0, 2) == 0 ? "Example Ltd" : "");
                                QJsonArray phones;
                                for (int p = 0; p < between(1, 2); ++p) {
                                    phones.append(QJsonObject { { "number", phone() },
                                                                { "label", p == 0 ? "mobile" : "home" },
                                                                { "labelType", p + 1 },
                                                                { "state", 0 },
                                                                { "propertyType", 3 } });
                                }
                                contact.insert("phones", phones);
                                return contact;
                            }));
    m_image.setPrivateArray("callLog", records("callLog", [&](bool deleted) {
                                QJsonObject call = record(deleted);
                                call.insert("number", phone());
                                call.insert("time", time());
                                call.insert("duration", between(0, 3800));
                                call.insert("kind", between(1, 3));
                                return call;
                            }));
    m_image.setPrivateArray("notes", records("notes", [&](bool deleted) {
                                QJsonObject note = record(deleted);
                                const qint64 created = time();
                                note.insert("title", QString("Note about %1").arg(pick(kEvents)));
                                note.insert("body", QString("%1. %2.").arg(pick(kTexts), pick(kTexts)));
                                note.insert("created", created);
                                note.insert("modified", created + between(0, 30) * kDay);
                                return note;
                            }));
    m_image.setPrivateArray(
        "noteAttachments", records("noteAttachments", [&](bool deleted) {
            QJsonObject attachment = record(deleted);
            const QString name = QString("sketch_%1.png").arg(between(100, 999));
            attachment.insert("fileName", name);
            attachment.insert("path", "/var/mobile/Containers/Shared/AppGroup/Notes/Media/" + hex(8) + '/' + name);
            attachment.insert("size", static_cast<double>(between64(20000, 900000)));
            return attachment;
        }));
    m_image.setPrivateArray("calendar", records("calendar", [&](bool deleted) {
                                QJsonObject event = record(deleted);
                                const qint64 start = time();
                                event.insert("title", pick(kEvents));
                                event.insert("location", pick(kPlaces));
                                event.insert("start", start);
                                event.insert("end", start + 3600 * between(1, 3));
                                return event;
                            }));
    m_image.setPrivateArray(
        "bookmarks", records("bookmarks", [&](bool deleted) {
            QJsonObject bookmark = record(deleted);
            const QString site = pick(kSites);
            bookmark.insert("title", site.section('.', 0, 0).toUpper().left(1) + site.section('.', 0, 0).mid(1));
            bookmark.insert("url", "https://" + site + "/");
            return bookmark;
        }));
    m_image.setPrivateArray(
        "voiceMemos", records("voiceMemos", [&](bool deleted) {
            QJsonObject memo = record(deleted);
            const int number = between(1, 99);
            memo.insert("title", QString("New Recording %1").arg(number));
            memo.insert("path", QString("/var/mobile/Media/Recordings/2023%1 %2.m4a").arg(hex(4)).arg(number));
            memo.insert("time", time());
            const int duration = between(5, 600);
            memo.insert("duration", duration);
            memo.insert("size", static_cast<double>(duration * 16000));
            return memo;
        }));
    m_image.setPrivateArray("safariHistory", records("safariHistory", [&](bool deleted) {
                                QJsonObject visit = record(deleted);
                                const QString site = pick(kSites);
                                visit.insert("title", site);
                                visit.insert("url", QString("https://%1/page/%2").arg(site).arg(between(1, 500)));
                                visit.insert("time", time());
                                visit.insert("visitCount", between(1, 40));
                                return visit;
                            }));
    m_image.setPrivateArray("safariCookies", records("safariCookies", [&](bool deleted) {
                                QJsonObject cookie = record(deleted);
                                cookie.insert("domain", QString(".") + pick(kSites));
                                cookie.insert("name", between(0, 1) ? "session" : "prefs");
                                cookie.insert("value", hex(24));
                                cookie.insert("path", "/");
                                cookie.insert("expires", time() + 365 * kDay);
                                return cookie;
                            }));
    m_image.setPrivateArray("safariCache", records("safariCache", [&](bool deleted) {
                                QJsonObject entry = record(deleted);
                                const QString file = hex(12).toLower() + ".cache";
                                entry.insert("url", QString("https://%1/static/%2").arg(pick(kSites), file));
                                entry.insert("fileName", file);
                                entry.insert("size", static_cast<double>(between64(2000, 400000)));
                                entry.insert("time", time());
                                return entry;
                            }));
    m_image.setPrivateArray("whatsApp", records("whatsApp", [&](bool deleted) {
                                QJsonObject message = record(deleted);
                                message.insert("chatName", person());
                                message.insert("number", phone());
                                message.insert("text", pick(kTexts));
                                message.insert("time", decimalTime(time()));
                                message.insert("isFromMe", between(0, 1));
                                return message;
                            }));
    m_image.setPrivateArray("whatsAppAttachments", records("whatsAppAttachments", [&](bool deleted) {
                                QJsonObject attachment = record(deleted);
                                const QString name = QString("%1-WA%2.jpg").arg(hex(8)).arg(between(1000, 9999));
                                attachment.insert("fileName", name);
                                attachment.insert(
                                    "path", "/var/mobile/Containers/Shared/AppGroup/WhatsApp/Message/Media/" + name);
                                attachment.insert("time", decimalTime(time()));
                                attachment.insert("size", static_cast<double>(between64(30000, 3000000)));
                                return attachment;
                            }));
    QJsonArray accounts;
    for (int a = 0; a < m_content.weChatAccounts; ++a)
        accounts.append(QString("wxid_%1").arg(hex(10).toLower()));
    m_image.setPrivateArray("weChatAccounts", accounts);
    int weChatIndex = 0;
    m_image.setPrivateArray("weChat", records("weChat", [&](bool deleted) {
                                QJsonObject message = record(deleted);
                                const QString account = accounts.isEmpty()
                                    ? QString("wxid_default")
                                    : accounts.at(weChatIndex++ % accounts.size()).toString();
                                message.insert("account", account);
                                message.insert("talker", QString("wxid_%1").arg(hex(8).toLower()));
                                message.insert("text", QString::fromUtf8(pick(kWeChatTexts)));
                                message.insert("time", time());
                                message.insert("isFromMe", between(0, 1));
                                message.insert("messageType", 1);
                                return message;
                            }));
    m_image.setPrivateArray("viber", records("viber", [&](bool deleted) {
                                QJsonObject message = record(deleted);
                                message.insert("number", phone());
                                message.insert("name", person());
                                message.insert("text", pick(kTexts));
                                message.insert("time", decimalTime(time()));
                                message.insert("isFromMe", between(0, 1));
                                return message;
                            }));
    m_image.setPrivateArray("kik", records("kik", [&](bool deleted) {
                                QJsonObject message = record(deleted);
                                const QString first = pick(kFirstNames);
                                message.insert("userName", first.toLower() + QString::number(between(10, 99)));
                                message.insert("displayName", first);
                                message.insert("text", pick(kTexts));
                                message.insert("time", decimalTime(time()));
                                message.insert("isFromMe", between(0, 1));
                                return message;
                            }));
    m_image.setPrivateArray(
        "kikAttachments", records("kikAttachments", [&](bool deleted) {
            QJsonObject attachment = record(deleted);
            const QString name = hex(8).toLower() + ".jpg";
            attachment.insert("fileName", name);
            attachment.insert("path", "/var/mobile/Containers/Data/Application/Kik/Documents/attachments/" + name);
            attachment.insert("time", decimalTime(time()));
            attachment.insert("size", static_cast<double>(between64(30000, 1500000)));
            return attachment;
        }));
}

bool Generator::run(QString* error)
{
    if (m_image.exists()) {
        *error = QString("%1 already holds a device image").arg(m_image.folder());
        return false;
    }
    if (!QDir().mkpath(m_image.folder())) {
        *error = QString("cannot create %1").arg(m_image.folder());
        return false;
    }
    QJsonObject& root = m_image.root();
    root.insert("format", DeviceImage::kFormatVersion);
    root.insert("nextId", 1);
    root.insert("name", m_content.name);
    root.insert("productType", m_content.productType);
    root.insert("productVersion", m_content.productVersion);
    root.insert("serialNumber", QString("F%1").arg(hex(11)));
    root.insert("uniqueId", m_content.uniqueId.isEmpty() ? generatedUniqueId() : m_content.uniqueId);
    root.insert("activationState", m_content.activationState);
    root.insert("totalBytes", static_cast<double>(m_content.totalBytes));
    root.insert("systemBytes", static_cast<double>(m_content.systemBytes));
    root.insert("otherBytes", static_cast<double>(between64(600ll << 20, 1600ll << 20)));
    root.insert("trusted", m_content.trusted);
    root.insert("locked", m_content.locked);
    root.insert("findMyIPhone", m_content.findMyIPhone);
    root.insert("backupEncrypted", !m_content.backupPassword.isEmpty());
    root.insert("backupPassword", m_content.backupPassword);
    root.insert("faults", QJsonObject());

    QJsonArray media;
    int number = 1;
    for (int i = 0; i < m_content.photos; ++i) {
        if (!addMedia(media, false, false, number++, error))
            return false;
    }
    for (int i = 0; i < m_content.videos; ++i) {
        if (!addMedia(media, true, false, number++, error))
            return false;
    }
    for (int i = 0; i < m_content.deletedPhotos; ++i) {
        if (!addMedia(media, false, true, number++, error))
            return false;
    }
    for (int i = 0; i < m_content.deletedVideos; ++i) {
        if (!addMedia(media, true, true, number++, error))
            return false;
    }
    m_image.setArray("media", media);

    QJsonArray large;
    QJsonArray junk;
    QJsonArray apps;
    if (!addLargeFiles(large, error) || !addJunk(junk, error) || !addApps(apps, error))
        return false;
    m_image.setArray("largeFiles", large);
    m_image.setArray("junk", junk);
    m_image.setArray("apps", apps);

    QJsonArray temp;
    for (int i = 0; i < m_content.tempFiles; ++i) {
        QJsonObject item = record(false);
        item.remove("deleted");
        item.insert(
            "path",
            QString("/var/mobile/tmp/com.apple.%1/%2.tmp").arg(i % 2 ? "mobilesafari" : "nsurlsessiond").arg(hex(8)));
        item.insert("size", static_cast<double>(m_content.tempFileBytes / 2 + between64(0, m_content.tempFileBytes)));
        item.insert("time", time());
        temp.append(item);
    }
    m_image.setArray("tempFiles", temp);
    addPrivateData();

    if (m_image.usedBytes() >= m_image.totalBytes()) {
        *error = QString("the content does not fit into %1 bytes").arg(m_content.totalBytes);
        return false;
    }
    if (!m_image.save(error))
        return false;
    if (m_content.plugged && !m_image.setPlugged(true)) {
        *error = QString("cannot write %1").arg(m_image.markerPath());
        return false;
    }
    return true;
}

} // namespace

QPair<int, int> DeviceContent::countsOf(const QString& category) const
{
    return recordCounts.value(category, qMakePair(records, deletedRecords));
}

DeviceContent DeviceContent::demo()
{
    DeviceContent content;
    content.name = "Demo iPhone";
    content.productType = "iPhone14,2";
    content.photos = 300;
    content.deletedPhotos = 24;
    content.videos = 8;
    content.deletedVideos = 3;
    content.photoSize = QSize(640, 480);
    content.videoBytes = 3 << 19;
    content.largeFiles = 8;
    content.largeFileBytes = 300ll << 20;
    content.junkFilesPerCode = 12;
    content.junkFileBytes = 96 * 1024;
    content.tempFiles = 10;
    content.tempFileBytes = 40ll << 20;
    content.extraApps = 8;
    content.records = 30;
    content.deletedRecords = 12;
    content.weChatAccounts = 2;
    content.plugged = true;
    content.seed = 2024;
    return content;
}

bool ImageBuilder::create(const QString& folder, const DeviceContent& content, QString* error)
{
    QString dummy;
    Generator generator(folder, content);
    return generator.run(error ? error : &dummy);
}

const QStringList& ImageBuilder::fragmentApps()
{
    static const QStringList names = [] {
        QStringList list;
        for (const AppSeed& seed : kFragmentApps)
            list << QString::fromUtf8(seed.name);
        return list;
    }();
    return names;
}
