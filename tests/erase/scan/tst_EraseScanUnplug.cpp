// A device that leaves in the middle of Erase Private Data's loads or Erase Deleted Files'
// backup, with the real main window: the feature returns home, nothing of the cut-off scan
// survives, and once the device is back every tab works again.
#include "DeviceImageFixture.h"
#include "EraseTabPage.h"
#include "ImageSummary.h"
#include "MainView.h"
#include "MessageBoxAnswerer.h"
#include "OvEraseDeletedFilesModel.h"
#include "OvErasePrivateDataModel.h"
#include "OvMessageBox.h"
#include "OvScanResultView.h"
#include "OvTabControlWidget.h"
#include "ScanCategory.h"

#include "AppFolder.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

class tst_EraseScanUnplug : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void unplugDuringTheLoadsThenScanAgain();
    void unplugDuringTheBackupSaysNothingOfIt();

private:
    bool allTabsEnabled() const;
    bool plugAndWait();

    QTemporaryDir m_app;
    DeviceImageFixture* m_devices = nullptr;
    MainView* m_view = nullptr;
    QString m_phone;
};

void tst_EraseScanUnplug::initTestCase()
{
    QVERIFY(m_app.isValid());
    UseAsAppFolder(m_app.path());
    m_devices = new DeviceImageFixture;
    QVERIFY(m_devices->isValid());
    m_view = new MainView;
    m_view->show();
    m_phone = m_devices->create("Leaving iPhone");
    QVERIFY2(!m_phone.isEmpty(), qPrintable(m_devices->lastError()));
    QVERIFY(plugAndWait());
}

void tst_EraseScanUnplug::cleanupTestCase()
{
    delete m_view;
    delete m_devices;
}

bool tst_EraseScanUnplug::allTabsEnabled() const
{
    for (int tab = 0; tab < 5; ++tab) {
        if (!m_view->tabBar()->IsTabEnabled(tab))
            return false;
    }
    return true;
}

bool tst_EraseScanUnplug::plugAndWait()
{
    return m_devices->plug(m_phone)
        && QTest::qWaitFor([&] { return m_view->currentPageIndex() == MainView::OneKeyPage && allTabsEnabled(); },
                           20000);
}

void tst_EraseScanUnplug::unplugDuringTheLoadsThenScanAgain()
{
    auto* model = qobject_cast<OvErasePrivateDataModel*>(m_view->page(MainView::PrivateDataPage));
    QVERIFY(model);
    OvScanResultView* result = model->resultView();
    emit m_view->tabBar()->signalTabButtonSwitch(3);
    QTest::mouseClick(model->startPage()->startButton(), Qt::LeftButton);
    // Some loads have ended, others are still to come.
    QVERIFY(QTest::qWaitFor([&] { return result->scanProgress() > 0; }, 20000));
    QVERIFY(!result->scanEnded());
    QVERIFY(!m_view->tabBar()->IsTabEnabled(0) && m_view->tabBar()->IsTabEnabled(3));

    QVERIFY(m_devices->unplug(m_phone));
    QVERIFY(QTest::qWaitFor([&] { return m_view->currentPageIndex() == MainView::ConnectionPage; }, 20000));
    QCOMPARE(model->pages()->currentIndex(), 0);
    QCOMPARE(result->total(), 0);
    QCOMPARE(result->scanProgress(), 0);

    QVERIFY(plugAndWait());
    emit m_view->tabBar()->signalTabButtonSwitch(3);
    QTest::mouseClick(model->startPage()->startButton(), Qt::LeftButton);
    auto* tree = result->findChild<QTreeWidget*>("scanResultTree");
    QVERIFY(QTest::qWaitFor([&] { return result->scanEnded() && tree->isEnabled(); }, 30000));
    // Every category counted once, from this scan alone.
    const ImageSummary device = m_devices->summary(m_phone);
    int existing
        = device.count("messageItems").existing + device.count("photos").existing + device.count("videos").existing;
    for (const char* key :
         { "messageAttachments", "notes", "noteAttachments", "callLog", "whatsApp", "whatsAppAttachments",
           "safariHistory", "safariCookies", "safariCache", "viber", "kik", "kikAttachments", "weChat" })
        existing += device.count(key).existing;
    QCOMPARE(result->total(), existing);
    QCOMPARE(result->scanProgress(), 99);
    QVERIFY(allTabsEnabled());
    model->SwitchPage(0);
}

void tst_EraseScanUnplug::unplugDuringTheBackupSaysNothingOfIt()
{
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    auto* model = qobject_cast<OvEraseDeletedFilesModel*>(m_view->page(MainView::DeletedFilesPage));
    QVERIFY(model);
    QVERIFY(m_devices->setFault(m_phone, "leave", "backup"));
    emit m_view->tabBar()->signalTabButtonSwitch(2);
    QTest::mouseClick(model->startPage()->startButton(), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return m_view->currentPageIndex() == MainView::ConnectionPage; }, 20000));
    QCOMPARE(model->pages()->currentIndex(), 0);
    QVERIFY(m_devices->setFault(m_phone, "leave", QString()));
    QVERIFY(plugAndWait());
    // The failed backup belonged to a tab no longer shown: no analysis failure was reported.
    for (const MessageBoxAnswerer::Question& question : answerer.questions())
        QVERIFY2(question.title != "Data Analysis Failed", qPrintable(question.text));
    QCOMPARE(model->pages()->currentIndex(), 0);
}

QTEST_MAIN(tst_EraseScanUnplug)
#include "tst_EraseScanUnplug.moc"
