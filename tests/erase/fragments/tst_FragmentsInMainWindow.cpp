// The main window's part of Erase Private Fragments: when the device comes back from the
// restart that ends an erase, the window keeps the erase's figures, lets the picker measure
// the apps again and shows the finished page with every tab free.
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "EraseSafeConfirm.h"
#include "EraseTabPage.h"
#include "LocalConfig.h"
#include "MainView.h"
#include "MainWindowAccess.h"
#include "OvEraseFragmentDataModel.h"
#include "OvFragmentAppItem.h"
#include "OvFragmentAppView.h"
#include "OvTabControlWidget.h"
#include "PageWaiter.h"
#include "ovdriver.h"

#include "AppFolder.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using Page = OvEraseFragmentDataModel::Page;

class tst_FragmentsInMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void deviceBackAfterTheEraseEndsOnTheFinishedPage();
};

void tst_FragmentsInMainWindow::deviceBackAfterTheEraseEndsOnTheFinishedPage()
{
    QTemporaryDir appDir;
    QVERIFY(appDir.isValid());
    UseAsAppFolder(appDir.path());
    DeviceImageFixture devices;
    const QString phone = devices.create("Fragments iPhone");
    QVERIFY2(!phone.isEmpty(), qPrintable(devices.lastError()));
    auto whatsApp = [&] {
        for (const QJsonValue& app : devices.image(phone).array("apps")) {
            if (app.toObject().value("name").toString() == "WhatsApp")
                return app.toObject();
        }
        return QJsonObject();
    };
    const QJsonObject before = whatsApp();
    QVERIFY(before.value("fragmentBytes").toDouble() > 0);

    MainView view;
    view.show();
    QVERIFY(devices.plug(phone));
    QTRY_COMPARE_WITH_TIMEOUT(view.currentPageIndex(), int(MainView::OneKeyPage), 10000);
    emit view.tabBar()->signalTabButtonSwitch(MainView::FragmentsPage);
    auto* model = qobject_cast<OvEraseFragmentDataModel*>(view.page(MainView::FragmentsPage));
    QVERIFY(model);

    emit model->startPage()->SignalSwitchPage(Page::AnalysisPage);
    QVERIFY_PAGE(model, Page::AppListPage);
    QTest::mouseClick(model->appView()->item("WhatsApp"), Qt::LeftButton);
    QTest::mouseClick(model->appView()->eraseButton(), Qt::LeftButton);
    MainWindowAccess::setSecurityLevel(2);
    // What the restore page does when the restore reports the restart: the window then
    // routes the device's leaving and coming back to the restart handling.
    connect(CTaskCallback::GetInstance(), &CTaskCallback::signalRestoreDevData, this, [](int type, int) {
        if (type == OV_NOTIFY_RESTORE_END)
            MainWindowAccess::instance()->setDeviceRestarting(true);
    });
    emit model->confirmPage()->SignalSwitchPage(Page::FillPage);
    QVERIFY(!view.tabBar()->IsTabEnabled(0));

    QVERIFY_PAGE(model, Page::FinishedPage, 60000);
    for (int tab = 0; tab < 5; ++tab)
        QVERIFY(view.tabBar()->IsTabEnabled(tab));
    const qint64 left = qint64(whatsApp().value("dataSize").toDouble());
    QCOMPARE(left, qint64(before.value("dataSize").toDouble() - before.value("fragmentBytes").toDouble()));
    const LocalConfig::GroupValues figures
        = LocalConfig::ReadFragmentSizes().value(CGlobalData::GetInstance()->m_strDeviceKey);
    QCOMPARE(figures.value("WhatsAppSpaceSize"), QString::number(qint64(before.value("dataSize").toDouble())));
    QVERIFY(figures.value("LastDevUsedSpaceSize").toULongLong() > 0);
    // The picker measures again: what it shows now is what is left, and the analysis backup goes.
    QTRY_COMPARE(model->appView()->item("WhatsApp")->size(), left);
    QTRY_VERIFY(!devices.hasBackup(phone));
    MainWindowAccess::instance()->setDeviceRestarting(false);
    QVERIFY(devices.unplug(phone));
    QTRY_COMPARE_WITH_TIMEOUT(view.currentPageIndex(), int(MainView::ConnectionPage), 10000);
}

QTEST_MAIN(tst_FragmentsInMainWindow)
#include "tst_FragmentsInMainWindow.moc"
