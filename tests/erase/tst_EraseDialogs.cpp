#include "EraseTipDialog.h"
#include "MainWindowAccess.h"
#include "OvEraseFragmentDataModel.h"
#include "SafeLevelSettingDialog.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_EraseDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void levelDialogWritesTheConfirmedLevel();
    void levelDialogPreselectsTheStoredLevel();
    void tipDialogForms_data();
    void tipDialogForms();
    void tipDialogButtons();
    void fillPassesFollowTheLevel();

private:
    QTemporaryDir m_app;
};

void tst_EraseDialogs::init()
{
    QVERIFY(m_app.isValid());
    qputenv("DRAVO_APP_DIR", m_app.path().toLocal8Bit());
    QFile::remove(SafeLevelSettingDialog::LevelFilePath());
    MainWindowAccess::setSecurityLevel(1);
}

void tst_EraseDialogs::levelDialogWritesTheConfirmedLevel()
{
    SafeLevelSettingDialog dialog;
    QSignalSpy chosen(&dialog, &SafeLevelSettingDialog::onSettingLevel);
    dialog.setCheckedLevel(0);
    dialog.findChild<QPushButton*>("levelOkButton")->click();
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().toInt(), 0);
    QCOMPARE(MainWindowAccess::securityLevel(), 0);
    QFile file(SafeLevelSettingDialog::LevelFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("0"));
    QCOMPARE(SafeLevelSettingDialog::LevelName(0), QStringLiteral("High"));

    // Cancel changes nothing.
    SafeLevelSettingDialog again;
    QSignalSpy none(&again, &SafeLevelSettingDialog::onSettingLevel);
    again.setCheckedLevel(2);
    again.findChild<QPushButton*>("levelCancelButton")->click();
    QCOMPARE(none.count(), 0);
    QCOMPARE(SafeLevelSettingDialog::ReadLevelFile(), 0);
    QCOMPARE(MainWindowAccess::securityLevel(), 0);
}

void tst_EraseDialogs::levelDialogPreselectsTheStoredLevel()
{
    SafeLevelSettingDialog::EnsureLevelFile();
    QCOMPARE(SafeLevelSettingDialog::ReadLevelFile(), 1);
    QCOMPARE(SafeLevelSettingDialog().checkedLevel(), 1);

    QFile file(SafeLevelSettingDialog::LevelFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("2");
    file.close();
    SafeLevelSettingDialog::EnsureLevelFile(); // an existing file is kept
    QCOMPARE(SafeLevelSettingDialog().checkedLevel(), 2);

    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("garbage");
    file.close();
    QCOMPARE(SafeLevelSettingDialog::ReadLevelFile(), -1);
    QCOMPARE(SafeLevelSettingDialog().checkedLevel(), 1); // the process-wide level
}

void tst_EraseDialogs::tipDialogForms_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("links");
    QTest::newRow("encrypted backup") << 0 << "Notice"
                                      << "Your backup files had been password-encrypted. Please remove your encryption "
                                         "from iTunes and try it again."
                                      << 1;
    QTest::newRow("find my iphone") << 1 << "Information"
                                    << "Please disable \"Find My iPhone\" on your device before you continue." << 2;
    QTest::newRow("locked") << 2 << "Notice"
                            << "You must enter your password to unlock your device before continuing with Velmora "
                               "Dravo Pro."
                            << 0;
}

void tst_EraseDialogs::tipDialogForms()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, links);
    EraseTipDialog dialog(mode);
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.findChild<QLabel*>("eraseTipText")->text(), text);
    int found = 0;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().contains("<a href"))
            ++found;
    }
    QCOMPARE(found, links);
}

void tst_EraseDialogs::tipDialogButtons()
{
    EraseTipDialog dialog(EraseTipDialog::FindMyIPhone);
    QSignalSpy tryAgain(&dialog, &EraseTipDialog::onTryAgain);
    QSignalSpy closed(&dialog, &EraseTipDialog::onCloseDialog);
    dialog.show();
    dialog.findChild<QPushButton*>("tryAgainButton")->click();
    QCOMPARE(tryAgain.count(), 1);
    QVERIFY(dialog.isVisible());
    dialog.findChild<QPushButton*>("continueButton")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(closed.count(), 1);
}

void tst_EraseDialogs::fillPassesFollowTheLevel()
{
    OvEraseFragmentDataModel model;
    QCOMPARE(model.FillPasses(), 1); // Medium at every start
    model.SetSecurityLevel(0);
    QCOMPARE(model.FillPasses(), 2);
    model.SetSecurityLevel(2);
    QCOMPARE(model.FillPasses(), 0);
}

QTEST_MAIN(tst_EraseDialogs)
#include "tst_EraseDialogs.moc"
