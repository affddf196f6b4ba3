#include "CController.h"
#include "CGlobalData.h"
#include "DeviceImageFixture.h"
#include "ErasePhone.h"
#include "EraseSafeConfirm.h"
#include "EraseTabPage.h"
#include "MainView.h"
#include "MessageBoxAnswerer.h"
#include "OvEraseDeletedFilesModel.h"
#include "OvErasePrivateDataModel.h"
#include "OvMessageBox.h"
#include "OvScanResultView.h"
#include "OvTabControlWidget.h"
#include "PageWaiter.h"
#include "ScanCategory.h"

#include "AppFolder.h"

#include <QAbstractButton>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItem>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

// Erase safety: many erase flows through the real window and pages, over random devices with
// random ticks. After each, every ticked record must be gone from the device, every other
// record there byte for byte, and in Erase Deleted Files every existing record untouched.
// This test must never be weakened.
class tst_EraseSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomFlowsEraseExactlyTheTicks();

private:
    QTemporaryDir m_app;
    std::unique_ptr<ErasePhone> m_phone;
    MainView* m_view = nullptr;
};

namespace {

// How the user left a category: box off, the tree box ticked, some rows ticked one by one
// in its list, the tree box ticked and then some rows taken back, or (WeChat) one account.
enum class Ticks { Off, All, Some, AllThenSomeOff, OneAccount };

// What a list view calls on the result view after the user ticked rows of it.
const QHash<QString, const char*> kListReports {
    { "Message", "synchronizeMsgCheckSlot" },
    { "Photo&Videos", "synchronizePhotoCheckSlot" },
    { "Contact", "synchronizeContactCheckSlot" },
    { "Bookmark", "synchronizeBookmarkCheckSlot" },
    { "Call History", "synchronizeCallHistoryCheckSlot" },
    { "SafariHistory", "synchronizeSafariHistoryCheckSlot" },
    { "Calendar&Reminder", "synchronizeCalendarCheckSlot" },
    { "Note", "synchronizeNotesCheckSlot" },
    { "SafariCookie", "synchronizeSafariCookieCheckSlot" },
    { "SafariCache", "synchronizeSafariCacheCheckSlot" },
    { "Voice", "synchronizeVoiceMemoCheckSlot" },
    { "NoteAttach", "synchronizeNoteAttachmentCheckSlot" },
    { "WhatsApp", "synchronizeWhatsAppCheckSlot" },
    { "Viber", "synchronizeViberCheckSlot" },
    { "Kik", "synchronizeKikCheckSlot" },
    { "KikAttachment", "synchronizeKikAttachmentsCheckSlot" },
    { "WhatsAppAttach", "synchronizeWhatsAppAttachmentCheckSlot" },
    { "WeChat", "synchronizeWechatCheckSlot" },
};

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
    UseAsAppFolder(m_app.path());
    m_phone = std::make_unique<ErasePhone>();
    // The window connects the devices: it registers with the library after the fixture.
    m_view = new MainView;
    m_view->show();
}

void tst_EraseSafety::cleanupTestCase()
{
    delete m_view;
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
        MainWindowAccess::setSecurityLevel(random.bounded(0, 3));

        // A fresh device, connected and made ready by the window.
        if (!m_phone->folder().isEmpty()) {
            m_phone->devices().unplug(m_phone->folder());
            QVERIFY2(QTest::qWaitFor([&] { return m_view->currentPageIndex() == MainView::ConnectionPage; }, 20000),
                     qPrintable(where + ": the window did not see the last device go"));
        }
        QVERIFY2(m_phone->plugFresh(QStringLiteral("Random"), RandomContent(random)), qPrintable(where));
        QVERIFY2(QTest::qWaitFor([&] { return m_view->currentPageIndex() == MainView::OneKeyPage; }, 20000),
                 qPrintable(where + ": the window did not make the device ready"));
        emit m_view->tabBar()->signalTabButtonSwitch(feature);
        EraseModelBase* model = feature == 2 ? static_cast<EraseModelBase*>(OvEraseDeletedFilesModel::GetInstance())
                                             : static_cast<EraseModelBase*>(OvErasePrivateDataModel::GetInstance());
        OvScanResultView* view = feature == 2 ? OvEraseDeletedFilesModel::GetInstance()->resultView()
                                              : OvErasePrivateDataModel::GetInstance()->resultView();
        EraseSafeConfirm* confirm = feature == 2 ? OvEraseDeletedFilesModel::GetInstance()->confirmPage()
                                                 : OvErasePrivateDataModel::GetInstance()->confirmPage();
        QTest::mouseClick(model->startPage()->startButton(), Qt::LeftButton);
        auto* tree = view->findChild<QTreeWidget*>("scanResultTree");
        QVERIFY2(QTest::qWaitFor([&] { return view->scanEnded() && tree->isEnabled(); }, 30000),
                 qPrintable(where + ": the scan did not end"));
        const QMap<QString, QJsonArray> before = m_phone->snapshot();

        // The user's ticks, made the way the pages take them.
        QMap<QString, Ticks> ticks;
        QHash<QString, bool> rowTicks;
        for (const QString& key : ErasePhone::keysOf(feature)) {
            const ScanCategory::Id id = ScanCategory::ByEraseKey(key);
            QTreeWidgetItem* item = view->categoryItem(id);
            if (!item || !(item->flags() & Qt::ItemIsEnabled))
                continue;
            Ticks chosen = static_cast<Ticks>(random.bounded(0, key == "WeChat" ? 5 : 4));
            if (chosen == Ticks::All || chosen == Ticks::AllThenSomeOff)
                item->setCheckState(0, Qt::Checked);
            if (chosen == Ticks::OneAccount) {
                QTreeWidgetItem* account = view->weChatItem(random.bounded(0, 3));
                if (account && (account->flags() & Qt::ItemIsEnabled))
                    account->setCheckState(0, Qt::Checked);
            }
            ticks[key] = chosen;
        }
        // Single rows as a list sets them, then the list's report to the tree.
        auto decide = [&](const QString& key, int row, bool) -> std::optional<bool> {
            const Ticks chosen = ticks.value(key, Ticks::Off);
            if (chosen != Ticks::Some && chosen != Ticks::AllThenSomeOff)
                return std::nullopt;
            const QString id = key + QString::number(row);
            if (!rowTicks.contains(id))
                rowTicks.insert(id, random.bounded(chosen == Ticks::AllThenSomeOff ? 4 : 2) != 0);
            return rowTicks.value(id);
        };
        QString problem;
        m_phone->tickSome(feature, decide, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(where + ": " + problem));
        for (auto it = ticks.begin(); it != ticks.end(); ++it) {
            if ((it.value() == Ticks::Some || it.value() == Ticks::AllThenSomeOff) && kListReports.contains(it.key()))
                QMetaObject::invokeMethod(view, kListReports.value(it.key()), Q_ARG(int, 1));
        }

        QMap<QString, Qt::CheckState> boxes;
        for (const QString& key : ErasePhone::keysOf(feature))
            boxes[key] = view->CategoryCheckState(key);
        QMap<QString, QSet<qint64>> erased = m_phone->expected(feature, boxes, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(where + ": " + problem));

        auto* eraseNow = view->findChild<QAbstractButton*>("eraseNowButton");
        if (!eraseNow->isEnabled()) {
            // Nothing ticked at all: nothing can start.
            QVERIFY2(std::all_of(erased.begin(), erased.end(), [](const QSet<qint64>& ids) { return ids.isEmpty(); }),
                     qPrintable(where + ": ticks without Erase Now"));
        } else {
            eraseNow->click();
            QVERIFY_PAGE(model, 3, 5000);
            auto* word = confirm->findChild<QLineEdit*>("confirmWordEdit");
            QTest::keyClicks(word, "delete");
            QTest::keyClick(word, Qt::Key_Return);
            const QString said = answers.texts().isEmpty() ? QString() : answers.texts().last();
            if (erased.contains("refused") || model->pages()->currentIndex() == 3) {
                // A part of what goes only all at once: refused, nothing touched.
                QVERIFY2(erased.contains("refused") && said.startsWith("Deleted "), qPrintable(where + ": " + said));
                erased.clear();
                model->SwitchPage(0);
            } else {
                const QString failure = WaitForPage(model, 9, 40000);
                QVERIFY2(failure.isEmpty(), qPrintable(where + ": " + failure));
                QVERIFY2(m_view->tabBar()->IsTabEnabled(0), qPrintable(where + ": the tabs stay locked"));
            }
        }
        const ErasePhone::Outcome outcome = m_phone->compare(before, erased);
        total.erased += outcome.erased;
        total.kept += outcome.kept;
        total.wronglyErased += outcome.wronglyErased;
        total.wronglyKept += outcome.wronglyKept;
        ++run;
        QVERIFY2(outcome.ok(), qPrintable(where + ": " + outcome.firstProblem));
        model->SwitchPage(0);
    }
    QCOMPARE(run, flows);
    QVERIFY(total.erased > 0);
    QCOMPARE(total.wronglyErased, 0);
    QCOMPARE(total.wronglyKept, 0);
}

QTEST_MAIN(tst_EraseSafety)
#include "tst_EraseSafety.moc"
