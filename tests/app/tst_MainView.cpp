#include "AppFolder.h"
#include "CController.h"
#include "CTaskCallback.h"
#include "DeviceConnectModel.h"
#include "DeviceImageFixture.h"
#include "DeviceInfoWidget.h"
#include "EraseTipDialog.h"
#include "LanguageSelectView.h"
#include "LanguageTable.h"
#include "MainView.h"
#include "MessageBoxAnswerer.h"
#include "OvMessageBox.h"
#include "OvOneKeyClearModel.h"
#include "OvTabControlWidget.h"
#include "Translation.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A stand-in for a program the window starts: it only leaves `ran` behind.
bool plantProgram(const QString& path, const QString& ran)
{
    QFile::remove(ran);
    return writeFile(path, QString("#!/bin/sh\ntouch \"%1\"\n").arg(ran).toUtf8())
        && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList menuTexts(QMenu* menu)
{
    QStringList names;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            names << action->text();
    }
    return names;
}

} // namespace

// The main window against simulated devices: what a person sees while a device arrives,
// becomes ready and leaves, the Tools menu, and leaving the program.
class tst_MainView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void untrustedDeviceArrivesAndLeaves();
    void lockedDeviceWaitsForUnlock();
    void toolsMenuFollowsTheVersionFile();
    void closingAsksFirst();
    void newerVersionStartsTheUpdater();
    void languageChoiceRestartsInThatLanguage();

private:
    bool tabsEnabled(bool enabled) const;
    QString m_appDir;
    QTemporaryDir m_app;
    DeviceImageFixture* m_devices = nullptr;
    MainView* m_view = nullptr;
};

void tst_MainView::initTestCase()
{
    // The program's own folder is a fresh one, so the version files and companions are ours.
    QVERIFY(m_app.isValid());
    m_appDir = m_app.path();
    UseAsAppFolder(m_appDir);
    m_devices = new DeviceImageFixture;
    QVERIFY(m_devices->isValid());
    // Devices register with the library when the window starts notifications.
    m_view = new MainView;
    m_view->show();
}

void tst_MainView::cleanupTestCase()
{
    // The window first: it lets go of the devices before their folder goes.
    delete m_view;
    delete m_devices;
}

bool tst_MainView::tabsEnabled(bool enabled) const
{
    for (int i = 0; i < 5; ++i) {
        if (m_view->tabBar()->IsTabEnabled(i) != enabled)
            return false;
    }
    return true;
}

void tst_MainView::untrustedDeviceArrivesAndLeaves()
{
    MainView& view = *m_view;
    auto* connection = qobject_cast<DeviceConnectModel*>(view.page(MainView::ConnectionPage));
    QCOMPARE(view.currentPageIndex(), int(MainView::ConnectionPage));
    QCOMPARE(connection->pages()->currentIndex(), int(DeviceConnectModel::NoDevicePage));
    QVERIFY(tabsEnabled(false));

    DeviceContent content = DeviceImageFixture::smallContent();
    content.name = "Test iPhone";
    content.trusted = false;
    const QString phone = m_devices->create("Test iPhone", content);
    QVERIFY2(!phone.isEmpty(), qPrintable(m_devices->lastError()));

    // The person trusts the computer on the device, then presses the box's button.
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QVERIFY(m_devices->plug(phone));
    QTRY_VERIFY_WITH_TIMEOUT(!answerer.questions().isEmpty(), 10000);
    QCOMPARE(answerer.questions().first().title, QStringLiteral("Notice"));
    QCOMPARE(answerer.questions().first().text,
             QStringLiteral("Please unlock the device and trust the connection if needed. Then click Continue."));
    QVERIFY(m_devices->trust(phone));
    QTRY_COMPARE_WITH_TIMEOUT(view.currentPageIndex(), int(MainView::OneKeyPage), 10000);
    QVERIFY(tabsEnabled(true));
    QCOMPARE(view.tabBar()->CurrentIndex(), 0);
    auto* info = view.page(MainView::OneKeyPage)->findChild<DeviceInfoWidget*>();
    // The name, then the model in brackets.
    QVERIFY(info->findChild<QLabel*>("deviceName")->text().startsWith(QStringLiteral("Test iPhone (")));
    QVERIFY(info->totalBytes() > 0);

    // A device that leaves while a result is open resets the pages without asking.
    auto* oneKey = qobject_cast<OvOneKeyClearModel*>(view.page(MainView::OneKeyPage));
    oneKey->SwitchPage(2);
    QVERIFY(oneKey->IsOnResultPage());
    const int asked = answerer.questions().size();
    QVERIFY(m_devices->unplug(phone));
    QTRY_COMPARE_WITH_TIMEOUT(view.currentPageIndex(), int(MainView::ConnectionPage), 10000);
    QCOMPARE(answerer.questions().size(), asked);
    QCOMPARE(oneKey->currentPage(), 0);
    QCOMPARE(connection->pages()->currentIndex(), int(DeviceConnectModel::NoDevicePage));
    QCOMPARE(view.tabBar()->CurrentIndex(), 0);
    QVERIFY(tabsEnabled(false));
    // A ready report that arrives after the device left changes nothing.
    emit CTaskCallback::GetInstance()->signalConnToDev(3, nullptr);
    QCOMPARE(view.currentPageIndex(), int(MainView::ConnectionPage));
    QVERIFY(tabsEnabled(false));
}

void tst_MainView::lockedDeviceWaitsForUnlock()
{
    DeviceContent content = DeviceImageFixture::smallContent();
    content.locked = true;
    const QString phone = m_devices->create("Locked", content);
    QVERIFY(!phone.isEmpty());
    QVERIFY(m_devices->plug(phone));
    QTRY_COMPARE_WITH_TIMEOUT(m_view->currentPageIndex(), int(MainView::OneKeyPage), 10000);
    QVERIFY(CController::GetInstance()->IsDeviceLocked());

    // The unlock dialog stays until the device is unlocked, however often it is closed.
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    int dialogsSeen = 0;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<EraseTipDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialogsSeen >= 2)
            return;
        // A rejected dialog is shown again at once while the device stays locked, so the
        // next tick already sees its second showing.
        if (++dialogsSeen == 1)
            dialog->reject();
        else
            m_devices->unlock(phone);
    });
    watcher.start(20);
    m_view->slotConnToDev(2, nullptr);
    watcher.stop();

    QCOMPARE(answerer.questions().first().text, QStringLiteral("you should trust the device!"));
    QCOMPARE(dialogsSeen, 2);
    QVERIFY(!CController::GetInstance()->IsDeviceLocked());
    QVERIFY(m_devices->unplug(phone));
    QTRY_COMPARE_WITH_TIMEOUT(m_view->currentPageIndex(), int(MainView::ConnectionPage), 10000);
}

void tst_MainView::toolsMenuFollowsTheVersionFile()
{
    // Without a version file every entry is shown.
    QStringList expected = menuTexts(m_view->toolsMenu());
    QCOMPARE(expected.size(), 11);
    QVERIFY(writeFile(m_appDir + "/Version.ini",
                      "[STATE]\nVELMORA_MENU_TUTORIAL=0\nVELMORA_MENU_VIEW_FACEBOOK_FAN_PAGE=2\n"
                      "VELMORA_MENU_CHECK_FOR_UPDATES=0\nVELMORA_MENU_CONTACT_US=1\n"));
    MainView other;
    for (const char* hidden : { "Tutorial", "View Facebook Fan Page", "Check for updates" })
        QVERIFY(expected.removeOne(hidden));
    QCOMPARE(menuTexts(other.toolsMenu()), expected);
    QFile::remove(m_appDir + "/Version.ini");
}

void tst_MainView::closingAsksFirst()
{
    MainView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    {
        MessageBoxAnswerer cancel(OvMessageBox::Cancel);
        QVERIFY(!view.close());
        QCOMPARE(cancel.questions().size(), 1);
        QCOMPARE(cancel.questions().first().text, QStringLiteral("Are you sure you want to exit the program?"));
        QCOMPARE(cancel.questions().first().title, QStringLiteral("Velmora Dravo Free"));
        QVERIFY(view.isVisible());
    }
    // The companion that removes the backups is started from the application folder, never
    // from the working folder, where anyone's program could wait under that name.
    const QString planted = QDir::current().absoluteFilePath("planted.ran");
    const QString ran = m_appDir + "/removeback.ran";
    QVERIFY(plantProgram("OvRemoveBack", planted));
    QVERIFY(plantProgram(m_appDir + "/OvRemoveBack", ran));
    MessageBoxAnswerer ok(OvMessageBox::OK);
    QVERIFY(view.close());
    QVERIFY(!view.isVisible());
    QTRY_VERIFY(QFile::exists(ran));
    QVERIFY(!QFile::exists(planted));
}

void tst_MainView::newerVersionStartsTheUpdater()
{
    const QString ran = m_appDir + "/updater.ran";
    QVERIFY(plantProgram(m_appDir + "/appAutoUpdate", ran));
    // Only a version answer newer than our own starts it (the comparison has its own test).
    m_view->SlotCheckUpdate(0, "0.9");
    m_view->SlotCheckUpdate(1, "99.0");
    QVERIFY(!QTest::qWaitFor([&] { return QFile::exists(ran); }, 300));
    m_view->SlotCheckUpdate(0, "9.0");
    QTRY_VERIFY(QFile::exists(ran));
}

void tst_MainView::languageChoiceRestartsInThatLanguage()
{
    // The last language: the keyboard has to go all the way down the list.
    const int target = LanguageTable::count() - 1;
    const QString language = QString::fromLatin1(LanguageTable::row(target).englishName);
    QVERIFY(QDir().mkpath(translationDirectory(m_appDir)));
    QVERIFY(writeFile(languageFilePath(m_appDir), "English"));
    const QString ran = m_appDir + "/restart.ran";
    QVERIFY(plantProgram(m_appDir + "/RestartApp", ran));

    // A person opens Tools > Language and picks the language with the keyboard alone.
    QTimer chooser;
    connect(&chooser, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<LanguageSelectView*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        chooser.stop();
        QTest::keyClick(dialog->combo(), Qt::Key_Home);
        for (int i = 0; i < target; ++i)
            QTest::keyClick(dialog->combo(), Qt::Key_Down);
        if (auto* ok = dialog->findChild<QPushButton*>("languageOkButton"))
            QTest::keyClick(ok, Qt::Key_Space);
        else
            dialog->close();
    });
    chooser.start(5);
    const QList<QAction*> actions = m_view->toolsMenu()->actions();
    const auto item = std::find_if(actions.begin(), actions.end(), [](QAction* a) { return a->text() == "Language"; });
    QVERIFY(item != actions.end());
    (*item)->trigger();
    // The program ends its event loop here to be restarted; this process lives on, so it lets
    // that quit request run out, or every later dialog would return before it is shown.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    QFile file(languageFilePath(m_appDir));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(file.readAll()), language);
    QTRY_VERIFY(QFile::exists(ran));

    // The dialog opens on the stored choice; confirming it unchanged restarts nothing.
    LanguageSelectView dialog;
    QCOMPARE(dialog.combo()->currentIndex(), target);
    QSignalSpy restart(&dialog, &LanguageSelectView::LanguageChangeCloseService);
    dialog.writeText();
    QCOMPARE(restart.count(), 0);
}

QTEST_MAIN(tst_MainView)
#include "tst_MainView.moc"
