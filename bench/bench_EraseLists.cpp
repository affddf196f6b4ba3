// Fills the store as a large phone would (100 000 messages in 5 000 conversations, 20 000
// calls, 5 000 contacts, 30 000 photos over 1 000 days, 10 000 Safari history entries),
// then opens the message, call-log and photo lists one after the other and prints the
// window-thread time from creating each list to its first painted screen, the time to
// scroll each to its end, and the memory the lists add against the bytes of the records. Each list opens in a window
// already on screen, hiding the one before, as the result tree does.
#include "CGlobalData.h"
#include "EraseListView.h"
#include "EraseTableView.h"
#include "PhotoView.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) { }

/// Resident or peak resident memory in KiB ("VmRSS" or "VmHWM").
qint64 MemoryKiB(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key)) + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

/// CPU time of the window thread in ms: the machine may be shared, wall time alone misleads.
double ThreadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

qint64 TextBytes(const QString& text)
{
    return text.size() * 2;
}

/// The records' own bytes: their structures and their texts, as if each were kept once.
qint64 FillStore()
{
    CGlobalData& store = *CGlobalData::GetInstance();
    qint64 bytes = 0;
    for (int c = 0; c < 5000; ++c) {
        SMSSessionInfo session;
        session.m_strNumbers = QStringLiteral("+44 7700 9%1").arg(c, 5, 10, QLatin1Char('0'));
        session.m_strNames = QStringLiteral("Contact number %1").arg(c);
        session.m_strLastTime = QStringLiteral("06/30/2024 18:%1:00").arg(c % 60, 2, 10, QLatin1Char('0'));
        session.m_obLMessages.resize(20);
        for (int m = 0; m < 20; ++m) {
            SMSInfo& message = session.m_obLMessages[m];
            message.m_strText = QStringLiteral("Message %1 of conversation %2, about the usual things").arg(m).arg(c);
            message.m_strTime = QStringLiteral("06/30/2024 18:%1:00").arg(m, 2, 10, QLatin1Char('0'));
            message.m_nIsFromMe = m % 2;
            bytes += qint64(sizeof(SMSInfo)) + QString(message.m_strText).toUtf8().size();
        }
        bytes += qint64(sizeof(SMSSessionInfo)) + 48;
        store.m_obLSMSSession.append(session);
    }
    for (int i = 0; i < 20000; ++i) {
        CallLogSessionInfo call;
        call.m_strNumber = QStringLiteral("+44 7700 9%1").arg(i % 5000, 5, 10, QLatin1Char('0'));
        call.m_strName = QStringLiteral("Contact number %1").arg(i % 5000);
        call.m_strTime = QStringLiteral("06/30/2024 18:00:00");
        call.m_strDuration = QStringLiteral("00:01:05");
        call.m_nCallKind = i % 3;
        bytes += qint64(sizeof(call)) + TextBytes(call.m_strNumber) + TextBytes(call.m_strName)
            + TextBytes(call.m_strTime) + TextBytes(call.m_strDuration);
        store.m_obLCallLogSession.append(call);
    }
    for (int i = 0; i < 5000; ++i) {
        ContactInfo contact;
        contact.m_strName = QStringLiteral("Contact number %1").arg(i);
        contact.m_obLPhones << QStringLiteral("+44 7700 9%1").arg(i, 5, 10, QLatin1Char('0'));
        bytes += qint64(sizeof(contact)) + TextBytes(contact.m_strName) + TextBytes(contact.m_obLPhones.first());
        store.m_obLContact.append(contact);
    }
    const QDate newest(2024, 6, 30);
    for (int i = 0; i < 30000; ++i) {
        PhotoVideoInfo photo;
        photo.m_strFileName = QStringLiteral("IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0'));
        photo.m_strPath = QStringLiteral("/var/mobile/Media/DCIM/100APPLE/") + photo.m_strFileName;
        photo.m_strDate = newest.addDays(-(i / 30)).toString(QStringLiteral("yyyy-MM-dd"));
        bytes += qint64(sizeof(photo)) + TextBytes(photo.m_strFileName) + TextBytes(photo.m_strPath)
            + TextBytes(photo.m_strDate);
        store.m_obLPhotoAndVideo.append(photo);
    }
    for (int i = 0; i < 10000; ++i) {
        SafariHistoryInfo page;
        page.m_strTitle = QStringLiteral("Page %1 of a site").arg(i);
        page.m_strUrl = QStringLiteral("https://www.example.org/section/%1/page.html").arg(i);
        bytes += qint64(sizeof(page)) + TextBytes(page.m_strTitle) + TextBytes(page.m_strUrl);
        store.m_obLSafariHistory.append(page);
    }
    return bytes;
}

QScrollBar* ScrollBarOf(EraseListView* view)
{
    if (auto* table = qobject_cast<EraseTableView*>(view))
        return table->Table()->verticalScrollBar();
    if (auto* photos = qobject_cast<PhotoView*>(view))
        return photos->Grid()->verticalScrollBar();
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(Quiet);
    const qint64 recordBytes = FillStore();
    const qint64 before = MemoryKiB("VmRSS:");
    std::printf("store: %.1f MiB of record bytes; process %.1f MiB resident before any list\n", recordBytes / 1048576.0,
                before / 1024.0);

    // The lists open inside a window that is already on screen, as in the program.
    QWidget window;
    window.resize(1000, 700);
    window.show();
    QCoreApplication::processEvents();
    std::vector<std::unique_ptr<EraseListView>> views;
    {
        // An empty list first: the toolkit's one-time costs (fonts, styles, glyphs) are not
        // what a list of records costs.
        const qint64 memoryBefore = MemoryKiB("VmRSS:");
        std::unique_ptr<EraseListView> warmUp(CreateEraseListView(QStringLiteral("Bookmark"), 1, 0, &window));
        warmUp->setGeometry(window.rect());
        warmUp->show();
        QCoreApplication::processEvents();
        warmUp->grab();
        std::printf("an empty list first (toolkit set-up): %+.1f MiB resident\n",
                    (MemoryKiB("VmRSS:") - memoryBefore) / 1024.0);
    }
    const qint64 listsBefore = MemoryKiB("VmRSS:");
    for (const char* name : { "Message", "Call History", "Photos & Videos", "Contact", "Safari History" }) {
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = ThreadCpuMs();
        const qint64 memoryBefore = MemoryKiB("VmRSS:");
        std::unique_ptr<EraseListView> view(CreateEraseListView(QString::fromLatin1(name), 1, 0, &window));
        const double created = clock.nsecsElapsed() / 1e6;
        if (!views.empty())
            views.back()->hide();
        view->setGeometry(window.rect());
        view->show();
        QCoreApplication::processEvents();
        const double shown = clock.nsecsElapsed() / 1e6;
        view->grab(); // paints the whole first screen now
        const double firstScreen = clock.nsecsElapsed() / 1e6;
        const double firstScreenCpu = ThreadCpuMs() - cpuStart;
        std::printf("%-16s created %.1f ms, laid out %.1f ms, painted %.1f ms; %+.1f MiB resident\n", name, created,
                    shown - created, firstScreen - shown, (MemoryKiB("VmRSS:") - memoryBefore) / 1024.0);

        clock.restart();
        int steps = 0;
        if (QScrollBar* bar = ScrollBarOf(view.get())) {
            while (bar->value() < bar->maximum() && steps < 100000) {
                bar->setValue(bar->value() + bar->pageStep());
                QCoreApplication::processEvents();
                ++steps;
            }
        }
        std::printf(
            "%-16s first screen %7.1f ms (%.1f ms CPU)   scrolled to the end in %5d pages, %8.1f ms (%.2f ms a page), "
            "%d child widgets\n",
            name, firstScreen, firstScreenCpu, steps, clock.nsecsElapsed() / 1e6,
            steps ? clock.nsecsElapsed() / 1e6 / steps : 0.0, int(view->findChildren<QWidget*>().size()));
        views.push_back(std::move(view));
    }
    const qint64 after = MemoryKiB("VmRSS:");
    std::printf("the five lists, scrolled through, add %.1f MiB resident (%.1f%% of the record bytes); "
                "peak resident %.1f MiB\n",
                (after - listsBefore) / 1024.0, 100.0 * (after - listsBefore) * 1024.0 / double(recordBytes),
                MemoryKiB("VmHWM:") / 1024.0);
    return 0;
}
