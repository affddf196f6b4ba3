#include "CController.h"
#include "DeviceRestartView.h"
#include "EraseFlow.h"
#include "ErasePhone.h"
#include "EraseSafeConfirm.h"
#include "MainWindowAccess.h"
#include "MessageBoxAnswerer.h"
#include "OvMessageBox.h"
#include "PageWaiter.h"

#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <memory>

// Erase safety: many erase flows over random devices with random ticks. After each, every
// ticked record must be gone from the device, every other record there byte for byte, and
// in Erase Deleted Files every existing record untouched. This test must never be weakened.
class tst_EraseSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomFlowsEraseExactlyTheTicks();

private:
    QTemporaryDir m_app;
    std::unique_ptr<ErasePhone> m_phone;
};

namespace {

// How the user left a category: box off, every row by the header box, some rows one by
// one, every row and then some taken back, or the box on with every row taken back.
enum class Ticks { Off, All, Some, AllThenSomeOff, NoneLeft };

// Categories the library erases only all at once, in Erase Deleted Files (and the deleted
// messages of conversations that still exist).
const QStringList kWholeOnly { "Contact", "Calendar&Reminder", "Bookmark", "Voice" };

DeviceContent RandomContent(QRandomGenerator& random)
{
    DeviceContent content;
    content.photos = random.bounded(0, 5);
    content.deletedPhotos = random.bounded(0, 3);
    content.videos = random.bounded(0, 2);
    content.deletedVideos = random.bounded(0, 2);
    content.largeFiles = 0;
    content.junkFilesPerCode = 0;
    content.tempFiles = 0;
    content.extraApps = 0;
    content.weChatAccounts = random.bounded(1, 4);
    for (const QString& category : DeviceImage::privateCategories())
        content.recordCounts[category] = { random.bounded(0, 6), random.bounded(0, 4) };
    content.seed = random.generate();
    return content;
}

} // namespace

void tst_EraseSafety::initTestCase()
{
    QVERIFY(m_app.isValid());
    QFile::link(qEnvironmentVariable("DRAVO_APP_DIR") + "/skin", m_app.path() + "/skin");
    qputenv("DRAVO_APP_DIR", m_app.path().toLocal8Bit());
    m_phone = std::make_unique<ErasePhone>();
}

void tst_EraseSafety::randomFlowsEraseExactlyTheTicks()
{
    bool ok = false;
    const quint32 fixedSeed = 20261206;
    const quint32 seed = qEnvironmentVariableIntValue("ERASE_SAFETY_SEED", &ok);
    const quint32 used = ok ? seed : fixedSeed;
    const int wanted = qEnvironmentVariableIntValue("ERASE_SAFETY_FLOWS", &ok);
    const int flows = ok && wanted > 0 ? wanted : 50;
    QRandomGenerator random(used);
    MessageBoxAnswerer answers(OvMessageBox::Yes);

    int run = 0;
    ErasePhone::Outcome total;
    // The counts are printed however the loop ends.
    struct Report
    {
        const quint32& seed;
        const int& run;
        const ErasePhone::Outcome& total;
        ~Report()
        {
            // Straight to stdout: the test log stops taking messages after a few thousand.
            std::printf("erase safety (seed %u): %d flows run, %d records erased, %d records kept, %d wrongly erased, "
                        "%d wrongly kept\n",
                        seed, run, total.erased, total.kept, total.wronglyErased, total.wronglyKept);
            std::fflush(stdout);
        }
    } report { used, run, total };
    for (int index = 0; index < flows; ++index) {
        const QString where = QStringLiteral("seed %1, flow %2").arg(used).arg(index);
        const int feature = random.bounded(2) ? 2 : 3;
        QVERIFY2(m_phone->fresh(QStringLiteral("Random"), RandomContent(random)), qPrintable(where));
        QVERIFY2(m_phone->analyse(feature), qPrintable(where));
        MainWindowAccess::setSecurityLevel(random.bounded(0, 3));

        QMap<QString, Ticks> ticks;
        QMap<QString, Qt::CheckState> boxes;
        QHash<QString, bool> rowTicks;
        for (const QString& key : ErasePhone::keysOf(feature)) {
            ticks[key] = static_cast<Ticks>(random.bounded(0, 5));
            boxes[key] = ticks[key] == Ticks::Off ? Qt::Unchecked
                : ticks[key] == Ticks::All        ? Qt::Checked
                                                  : Qt::PartiallyChecked;
        }
        auto decide = [&](const QString& key, int row, bool) {
            switch (ticks.value(key)) {
            case Ticks::All:
                return true;
            case Ticks::NoneLeft:
                return false;
            case Ticks::Off:
            case Ticks::Some:
            case Ticks::AllThenSomeOff: {
                // A row's tick stays what it was first drawn, across a retry.
                const QString id = key + QString::number(row);
                if (!rowTicks.contains(id))
                    rowTicks.insert(id,
                                    ticks.value(key) == Ticks::AllThenSomeOff ? random.bounded(4) != 0
                                                                              : random.bounded(2) != 0);
                return rowTicks.value(id);
            }
            }
            return false;
        };

        EraseFlow flow(feature);
        const QMap<QString, QJsonArray> before = m_phone->snapshot();
        QString problem;
        QMap<QString, QSet<qint64>> erased = m_phone->tick(feature, boxes, decide, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(where + ": " + problem));
        flow.boxes = boxes;
        flow.confirm->Prepare();
        flow.typeAndConfirm("delete");

        const QString said = answers.texts().isEmpty() ? QString() : answers.texts().last();
        if (erased.contains("refused"))
            QVERIFY2(flow.page() == EraseFlow::Confirm && said.startsWith("Deleted "), qPrintable(where));
        if (flow.page() == EraseFlow::Confirm && said.startsWith("Deleted ")) {
            // Partly ticked categories that go only all at once: refused, nothing touched.
            const ErasePhone::Outcome untouched = m_phone->compare(before, {});
            QVERIFY2(untouched.ok(), qPrintable(where + ": " + untouched.firstProblem));
            for (const QString& key : kWholeOnly + QStringList { "Message" }) {
                if (ticks.contains(key) && ticks[key] != Ticks::Off)
                    ticks[key] = random.bounded(2) ? Ticks::All : Ticks::Off;
                if (ticks.contains(key))
                    boxes[key] = ticks[key] == Ticks::Off ? Qt::Unchecked : Qt::Checked;
            }
            erased = m_phone->tick(feature, boxes, decide, &problem);
            QVERIFY2(problem.isEmpty(), qPrintable(where + ": " + problem));
            flow.boxes = boxes;
            flow.typeAndConfirm("delete");
        }
        if (flow.page() == EraseFlow::Confirm) {
            // Nothing ticked in any checked box: said, and nothing touched.
            QVERIFY2(answers.texts().last().startsWith("Nothing is ticked"), qPrintable(where));
            QVERIFY2(
                erased.isEmpty()
                    || std::all_of(erased.begin(), erased.end(), [](const QSet<qint64>& ids) { return ids.isEmpty(); }),
                qPrintable(where + ": ticks were left unerased"));
        } else {
            const QString failure = WaitForPage(&flow.model, EraseFlow::Finished, 30000);
            QVERIFY2(failure.isEmpty(), qPrintable(where + ": " + failure));
            QVERIFY2(flow.window.tabsEnabled, qPrintable(where));
        }
        const ErasePhone::Outcome outcome = m_phone->compare(before, erased);
        total.erased += outcome.erased;
        total.kept += outcome.kept;
        total.wronglyErased += outcome.wronglyErased;
        total.wronglyKept += outcome.wronglyKept;
        ++run;
        QVERIFY2(outcome.ok(), qPrintable(where + ": " + outcome.firstProblem));
    }
    QCOMPARE(run, flows);
    QVERIFY(total.erased > 0);
    QCOMPARE(total.wronglyErased, 0);
    QCOMPARE(total.wronglyKept, 0);
}

QTEST_MAIN(tst_EraseSafety)
#include "tst_EraseSafety.moc"
