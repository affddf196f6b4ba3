#include "MainWindowAccess.h"
#include "SafeLevelSettingDialog.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_EraseDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void levelDialogWritesOnlyAConfirmedLevel();
    void levelDialogPreselectsTheStoredLevel();

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

void tst_EraseDialogs::levelDialogWritesOnlyAConfirmedLevel()
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

QTEST_MAIN(tst_EraseDialogs)
#include "tst_EraseDialogs.moc"
