#include "Log.h"

#include "ThreadId.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>

#include <unistd.h>

class tst_Log : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove("dravo.log"); }

    void fileLogAppendsWholeLines();
    void linesFromManyThreadsNeverInterleave();
    void debugLogGoesToTheDebugChannelOnly();
    void unwritableLogLosesTheLineQuietly();

private:
    static QStringList logLines();
};

QStringList tst_Log::logLines()
{
    QFile file("dravo.log");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromLocal8Bit(file.readAll());
    if (text.endsWith('\n'))
        text.chop(1);
    return text.split('\n');
}

void tst_Log::fileLogAppendsWholeLines()
{
    QCOMPARE(LogLineHeader(QTime(9, 5, 3, 7), 0x1a2b), std::string("*******[09:05:03:07 threadid:0x00001a2b]"));
    QCOMPARE(LogLineHeader(QTime(12, 0, 0, 123), 0xdeadbeef), std::string("*******[12:00:00:123 threadid:0xdeadbeef]"));
    {
        QFile existing("dravo.log");
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("earlier line\n");
    }
    FileLog("back up data end. Notify_Type:%d param1:%d.", 20, 0);
    FileLog("%s", "second");

    const QStringList lines = logLines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("earlier line"));
    const QString thread = QStringLiteral("%1").arg(CurrentThreadId(), 8, 16, QChar('0'));
    const QRegularExpression first("^\\*{7}\\[\\d{2}:\\d{2}:\\d{2}:\\d{2,3} threadid:0x" + thread
                                   + "\\]back up data end\\. Notify_Type:20 param1:0\\.$");
    QVERIFY2(first.match(lines[1]).hasMatch(), qPrintable(lines[1]));
    QVERIFY2(lines[2].endsWith("]second"), qPrintable(lines[2]));
}

void tst_Log::linesFromManyThreadsNeverInterleave()
{
    constexpr int kThreads = 8;
    constexpr int kLinesEach = 400;
    // Long messages make a torn write likely if the lock did not cover all three writes.
    QList<QThread*> threads;
    for (int t = 0; t < kThreads; ++t) {
        const QByteArray payload(700, char('a' + t));
        threads << QThread::create([payload, t] {
            for (int i = 0; i < kLinesEach; ++i)
                FileLog("T%d %s", t, payload.constData());
        });
    }
    for (QThread* thread : threads)
        thread->start();
    for (QThread* thread : threads) {
        QVERIFY(thread->wait(60000));
        delete thread;
    }

    const QStringList lines = logLines();
    QCOMPARE(lines.size(), kThreads * kLinesEach);
    const QRegularExpression whole("^\\*{7}\\[[0-9:]+ threadid:0x[0-9a-f]{8}\\]T(\\d) ([a-z])\\2{699}$");
    int perThread[kThreads] = {};
    for (const QString& line : lines) {
        const auto match = whole.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line.left(120)));
        const int t = match.captured(1).toInt();
        QCOMPARE(match.captured(2).at(0).toLatin1(), char('a' + t));
        ++perThread[t];
    }
    for (int count : perThread)
        QCOMPARE(count, kLinesEach);
}

void tst_Log::debugLogGoesToTheDebugChannelOnly()
{
    QTemporaryFile capture;
    QVERIFY(capture.open());
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    DebugLog("LockState:%d", 1);
    dup2(saved, STDERR_FILENO);
    close(saved);

    capture.seek(0);
    const QString written = QString::fromLocal8Bit(capture.readAll());
    QVERIFY2(QRegularExpression("^\\*{7}\\[[0-9:]+ threadid:0x[0-9a-f]{8}\\]LockState:1\\n$").match(written).hasMatch(),
             qPrintable(written));
    QVERIFY(!QFile::exists("dravo.log"));
}

void tst_Log::unwritableLogLosesTheLineQuietly()
{
    // A folder where the file should be: every open fails.
    QVERIFY(QDir().mkdir("dravo.log"));
    FileLog("lost %d", 1);
    QVERIFY(QFileInfo("dravo.log").isDir());
    QVERIFY(QDir().rmdir("dravo.log"));
    FileLog("kept %d", 2);
    QCOMPARE(logLines().size(), 1);
}

QTEST_GUILESS_MAIN(tst_Log)
#include "tst_Log.moc"
