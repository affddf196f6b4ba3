#include "CController.h"
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
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

// The main window against simulated devices: what a person sees while a device arrives,
// becomes ready and leaves, the Tools menu, and leaving the program.
class tst_MainView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void deviceArrivesBecomesReadyAndLeaves();
    void untrustedDeviceIsAskedToTrust();
    void lockedDeviceWaitsForUnlock();
    void leavingAResultAsksFirst();
    void toolsMenuFollowsTheVersionFile();
    void closingAsksFirst();
    void newerVersionStartsTheUpdater();
    void languageChoiceIsWrittenOnlyWhenChanged();
    void languageChoiceRestartsInThatLanguage_data();
    void languageChoiceRestartsInThatLanguage();

private:
    static bool tabsEnabled(MainView& view, int first, int last);
    QString m_appDir;
    QString m_builtAppDir;
    QTemporaryDir m_app;
    DeviceImageFixture* m_devices = nullptr;
    MainView* m_view = nullptr;
};

void tst_MainView::initTestCase()
{
    // The program's own folder is a fresh one, so the version files and companions are ours.
    QVERIFY(m_app.isValid());
    m_appDir = m_app.path();
    m_builtAppDir = qEnvironmentVariable("DRAVO_APP_DIR");
    // The built program's skin, so the window looks as it does for a person.
    QFile::link(m_builtAppDir + "/skin", m_appDir + "/skin");
    qputenv("DRAVO_APP_DIR", m_appDir.toLocal8Bit());
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
    m_view = nullptr;
    delete m_devices;
    m_devices = nullptr;
}

bool tst_MainView::tabsEnabled(MainView& view, int first, int last)
{
    for (int i = first; i <= last; ++i) {
        if (!view.tabBar()->IsTabEnabled(i))
            return false;
    }
    return true;
}

void tst_MainView::deviceArrivesBecomesReadyAndLeaves()
{
    MainView& view = *m_view;
    QCOMPARE(view.currentPageIndex(), int(MainView::ConnectionPage));
    auto* connection = qobject_cast<DeviceConnectModel*>(view.page(MainView::ConnectionPage));
    QCOMPARE(connection->pages()->currentIndex(), int(DeviceConnectModel::NoDevicePage));
    for (int i = 0; i < 5; ++i)
        QVERIFY(!view.tabBar()->IsTabEnabled(i));

    DeviceContent content = DeviceImageFixture::smallContent();
    content.name = "Test iPhone";
    const QString phone = m_devices->create("Test iPhone", content);
    QVERIFY2(!phone.isEmpty(), qPrintable(m_devices->lastError()));
    QVERIFY(m_devices->plug(phone));
    QTRY_COMPARE_WITH_TIMEOUT(view.currentPageIndex(), int(MainView::OneKeyPage), 10000);
    QVERIFY(tabsEnabled(view, 0, 4));
    QCOMPARE(view.tabBar()->CurrentIndex(), 0);
    auto* info = view.page(MainView::OneKeyPage)->findChild<DeviceInfoWidget*>();
    QVERIFY(info);
    // The name, then the model in brackets.
    QVERIFY(info->findChild<QLabel*>("deviceName")->text().startsWith(QStringLiteral("Test iPhone (")));
    QVERIFY(info->totalBytes() > 0);

    // A tab click shows its feature.
    emit view.tabBar()->signalTabButtonSwitch(3);
    QCOMPARE(view.currentPageIndex(), int(MainView::PrivateDataPage));

    QVERIFY(m_devices->unplug(phone));
    QTRY_COMPARE_WITH_TIMEOUT(view.currentPageIndex(), int(MainView::ConnectionPage), 10000);
    QCOMPARE(connection->pages()->currentIndex(), int(DeviceConnectModel::NoDevicePage));
    QCOMPARE(view.tabBar()->CurrentIndex(), 0);
    for (int i = 0; i < 5; ++i)
        QVERIFY(!view.tabBar()->IsTabEnabled(i));
}

void tst_MainView::untrustedDeviceIsAskedToTrust()
{
    DeviceContent content = DeviceImageFixture::smallContent();
    content.trusted = false;
    const QString phone = m_devices->create("Untrusted", content);
    QVERIFY(!phone.isEmpty());

    // The person trusts the computer on the device, then presses the box's button.
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QVERIFY(m_devices->plug(phone));
    QTRY_VERIFY_WITH_TIMEOUT(!answerer.questions().isEmpty(), 10000);
    QCOMPARE(answerer.questions().first().title, QStringLiteral("Notice"));
    QCOMPARE(answerer.questions().first().text,
             QStringLiteral("Please unlock the device and trust the connection if needed. Then click Continue."));
    QVERIFY(m_devices->trust(phone));
    QTRY_COMPARE_WITH_TIMEOUT(m_view->currentPageIndex(), int(MainView::OneKeyPage), 10000);

    QVERIFY(m_devices->unplug(phone));
    QTRY_COMPARE_WITH_TIMEOUT(m_view->currentPageIndex(), int(MainView::ConnectionPage), 10000);
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
    const auto texts = [](QMenu* menu) {
        QStringList names;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                names << action->text();
        }
        return names;
    };
    // Without a version file every entry is shown.
    QCOMPARE(texts(m_view->toolsMenu()),
             (QStringList { "Tutorial", "Frequently Asked Questions", "Write a Product Review", "Contact Us",
                            "View Facebook Fan Page", "Follow Us on Twitter", "Set Security Level", "Language",
                            "Check for updates", "About", "Exit" }));

    QFile version(m_appDir + "/Version.ini");
    QVERIFY(version.open(QIODevice::WriteOnly));
    version.write("[STATE]\nVELMORA_MENU_TUTORIAL=0\nVELMORA_MENU_VIEW_FACEBOOK_FAN_PAGE=2\n"
                  "VELMORA_MENU_CHECK_FOR_UPDATES=0\nVELMORA_MENU_CONTACT_US=1\n");
    version.close();
    MainView other;
    QCOMPARE(texts(other.toolsMenu()),
             (QStringList { "Frequently Asked Questions", "Write a Product Review", "Contact Us",
                            "Follow Us on Twitter", "Set Security Level", "Language", "About", "Exit" }));
    QFile::remove(m_appDir + "/Version.ini");
}

void tst_MainView::leavingAResultAsksFirst()
{
    MainView& view = *m_view;
    const QString phone = m_devices->create("Result iPhone");
    QVERIFY(!phone.isEmpty());
    QVERIFY(m_devices->plug(phone));
    QTRY_COMPARE_WITH_TIMEOUT(view.currentPageIndex(), int(MainView::OneKeyPage), 10000);
    auto* oneKey = qobject_cast<OvOneKeyClearModel*>(view.page(MainView::OneKeyPage));

    // A home page holds nothing to lose: no question.
    MessageBoxAnswerer answerer(OvMessageBox::No);
    emit view.tabBar()->signalTabButtonSwitch(3);
    QCOMPARE(view.currentPageIndex(), int(MainView::PrivateDataPage));
    QVERIFY(answerer.questions().isEmpty());
    emit view.tabBar()->signalTabButtonSwitch(0);

    // A result page does: "No" keeps the tab and the result, "Yes" leaves.
    oneKey->SwitchPage(2);
    QVERIFY(oneKey->IsOnResultPage());
    emit view.tabBar()->signalTabButtonSwitch(3);
    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(answerer.questions().first().text,
             QStringLiteral("If you leave, the scanning result won't be saved. Are you sure you want to leave?"));
    QCOMPARE(view.currentPageIndex(), int(MainView::OneKeyPage));
    QCOMPARE(view.tabBar()->CurrentIndex(), 0);
    QCOMPARE(oneKey->currentPage(), 2);
    answerer.setButton(OvMessageBox::Yes);
    emit view.tabBar()->signalTabButtonSwitch(3);
    QCOMPARE(view.currentPageIndex(), int(MainView::PrivateDataPage));
    QCOMPARE(view.tabBar()->CurrentIndex(), 3);

    QVERIFY(m_devices->unplug(phone));
    QTRY_COMPARE_WITH_TIMEOUT(view.currentPageIndex(), int(MainView::ConnectionPage), 10000);
    QCOMPARE(oneKey->currentPage(), 0);
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
    auto plant = [](const QString& path, const QString& ran) {
        QFile companion(path);
        QVERIFY(companion.open(QIODevice::WriteOnly));
        companion.write(QString("#!/bin/sh\ntouch \"%1\"\n").arg(ran).toUtf8());
        companion.close();
        companion.setPermissions(companion.permissions() | QFile::ExeOwner);
    };
    const QString planted = QDir::current().absoluteFilePath("planted.ran");
    const QString ran = m_appDir + "/removeback.ran";
    plant("OvRemoveBack", planted);
    plant(m_appDir + "/OvRemoveBack", ran);
    MessageBoxAnswerer ok(OvMessageBox::OK);
    QVERIFY(view.close());
    QVERIFY(!view.isVisible());
    QTRY_VERIFY(QFile::exists(ran));
    QVERIFY(!QFile::exists(planted));
}

void tst_MainView::newerVersionStartsTheUpdater()
{
    QFile updater(m_appDir + "/appAutoUpdate");
    QVERIFY(updater.open(QIODevice::WriteOnly));
    updater.write("#!/bin/sh\ntouch \"$PWD/updater.ran\"\n");
    updater.close();
    updater.setPermissions(updater.permissions() | QFile::ExeOwner);
    const QString ran = m_appDir + "/updater.ran";

    // Versions compare as plain text, character by character, against our own.
    m_view->SlotCheckUpdate(0, "0.9");
    m_view->SlotCheckUpdate(1, "99.0");
    m_view->SlotCheckUpdate(0, "");
    QVERIFY(!QTest::qWaitFor([&] { return QFile::exists(ran); }, 300));
    m_view->SlotCheckUpdate(0, "9.0");
    QTRY_VERIFY(QFile::exists(ran));
}

void tst_MainView::languageChoiceIsWrittenOnlyWhenChanged()
{
    QVERIFY(QDir().mkpath(translationDirectory(m_appDir)));
    QFile file(languageFilePath(m_appDir));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("German");
    file.close();

    LanguageSelectView dialog;
    QCOMPARE(dialog.combo()->currentIndex(), 8);
    QSignalSpy restart(&dialog, &LanguageSelectView::LanguageChangeCloseService);
    dialog.writeText(); // unchanged: nothing written, no restart
    QCOMPARE(restart.count(), 0);
    dialog.combo()->setCurrentIndex(4);
    dialog.writeText();
    QCOMPARE(restart.count(), 1);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("French"));
}

void tst_MainView::languageChoiceRestartsInThatLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("German") << "German"
                            << "Sprache"
                            << "Bitte wählen Sie eine Sprache";
    QTest::newRow("Japanese") << "Japanese"
                              << "言語"
                              << "言語を選択してください";
}

void tst_MainView::languageChoiceRestartsInThatLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, menuItem);
    QFETCH(QString, prompt);
    int target = -1;
    for (int i = 0; i < LanguageTable::count(); ++i) {
        if (language == QLatin1String(LanguageTable::row(i).englishName))
            target = i;
    }
    QVERIFY(target > 0);

    // The catalogues the build made, where the program looks for them, and English chosen.
    const QString mainDir = translationDirectory(m_appDir);
    QVERIFY(QDir().mkpath(mainDir));
    for (const QString& name : { language, QStringLiteral("English") }) {
        QFile::remove(mainDir + name + ".qm");
        QVERIFY(QFile::copy(translationDirectory(m_builtAppDir) + name + ".qm", mainDir + name + ".qm"));
    }
    QFile file(languageFilePath(m_appDir));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("English");
    file.close();
    const QString ran = m_appDir + "/restart.ran";
    QFile::remove(ran);
    QFile restarter(m_appDir + "/RestartApp");
    QVERIFY(restarter.open(QIODevice::WriteOnly | QIODevice::Truncate));
    restarter.write(QString("#!/bin/sh\ntouch \"%1\"\n").arg(ran).toUtf8());
    restarter.close();
    restarter.setPermissions(restarter.permissions() | QFile::ExeOwner);

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
    QAction* languageItem = nullptr;
    for (QAction* action : m_view->toolsMenu()->actions()) {
        if (action->text() == QLatin1String("Language"))
            languageItem = action;
    }
    QVERIFY(languageItem);
    languageItem->trigger();
    // The program ends its event loop here to be restarted; this process lives on, so it lets
    // that quit request run out, or every later dialog would return before it is shown.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(file.readAll()), language);
    file.close();
    QTRY_VERIFY(QFile::exists(ran));

    // The restarted program loads what was chosen, as start-up does, and speaks it.
    QTranslator translator;
    auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    QString loaded;
    loadTranslation(&translator, qApp, loaded, QString());
    QCOMPARE(loaded, language);
    MainView restarted;
    QStringList items;
    for (QAction* action : restarted.toolsMenu()->actions())
        items << action->text();
    QVERIFY2(items.contains(menuItem), qPrintable(items.join(", ")));
    LanguageSelectView dialog;
    QCOMPARE(dialog.combo()->currentIndex(), target);
    QCOMPARE(dialog.combo()->accessibleName(), prompt);
}

QTEST_MAIN(tst_MainView)
#include "tst_MainView.moc"
