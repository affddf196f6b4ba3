#include "DevConnectNullView.h"
#include "DeviceConnectNullTipDialog.h"
#include "DeviceInfoWidget.h"
#include "OvAbout.h"

#include "FileVersion.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

class tst_ConnectionScreens : public QObject
{
    Q_OBJECT

private slots:
    void deviceSummaryInGigabytes();
    void helpLinkOnlyFromAShownPage();
    void aboutShowsTheRunningVersion();
};

void tst_ConnectionScreens::deviceSummaryInGigabytes()
{
    DeviceInfoWidget info;
    const quint64 gib = 1024ull * 1024 * 1024;
    info.SetDeviceInfo("Anna's iPhone", 64 * gib, gib * 3 / 2);
    QCOMPARE(info.findChild<QLabel*>("deviceName")->text(), QStringLiteral("Anna's iPhone"));
    QCOMPARE(info.findChild<QLabel*>("deviceTotal")->text(), QStringLiteral("Total 64.00GB "));
    QCOMPARE(info.findChild<QLabel*>("deviceFree")->text(), QStringLiteral("Free 1.50GB "));
    QCOMPARE(info.findChild<QLabel*>("deviceUsed")->text(), QStringLiteral("Used 62.50GB "));
    // A free figure above the total (no device) never shows a negative used part.
    info.SetDeviceInfo(QString(), 0, ~0ull);
    QCOMPARE(info.findChild<QLabel*>("deviceUsed")->text(), QStringLiteral("Used 0.00GB "));
}

void tst_ConnectionScreens::helpLinkOnlyFromAShownPage()
{
    DevConnectNullView view;
    auto* link = view.findChild<QLabel*>("notRecognizedLink");
    QVERIFY(link);
    // Hidden: the link means nothing and no dialog opens (a modal one would block here).
    emit link->linkActivated("11");

    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    bool dialogSeen = false;
    QTimer::singleShot(50, [&] {
        if (auto* dialog = qobject_cast<DeviceConnectNullTipDialog*>(QApplication::activeModalWidget())) {
            dialogSeen = true;
            dialog->reject();
        }
    });
    emit link->linkActivated("11");
    QVERIFY(dialogSeen);
}

void tst_ConnectionScreens::aboutShowsTheRunningVersion()
{
    OvAbout about;
    QCOMPARE(about.findChild<QLabel*>("aboutVersion")->text(),
             QStringLiteral("Version ") + QString::fromStdString(RunningExecutableFileVersion()));
}

QTEST_MAIN(tst_ConnectionScreens)
#include "tst_ConnectionScreens.moc"
