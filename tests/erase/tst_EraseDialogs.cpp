#include "MainWindowAccess.h"
#include "SafeLevelSettingDialog.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class tst_EraseDialogs : public QObject
{
    Q_OBJECT

private slots:
    void levelFileHoldsOnlyAConfirmedLevel();

private:
    QTemporaryDir m_app;
};

void tst_EraseDialogs::levelFileHoldsOnlyAConfirmedLevel()
{
    QVERIFY(m_app.isValid());
    qputenv("DRAVO_APP_DIR", m_app.path().toLocal8Bit());
    MainWindowAccess::setSecurityLevel(1);
    SafeLevelSettingDialog::EnsureLevelFile();
    QCOMPARE(SafeLevelSettingDialog::ReadLevelFile(), 1);

    // What OK does to the window's level is checked where the confirmation page opens the dialog.
    SafeLevelSettingDialog dialog;
    dialog.setCheckedLevel(0);
    dialog.findChild<QPushButton*>("levelOkButton")->click();
    QFile file(SafeLevelSettingDialog::LevelFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("0"));
    file.close();

    SafeLevelSettingDialog again;
    again.setCheckedLevel(2);
    again.findChild<QPushButton*>("levelCancelButton")->click();
    QCOMPARE(SafeLevelSettingDialog::ReadLevelFile(), 0);
    QCOMPARE(MainWindowAccess::securityLevel(), 0);

    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("2");
    file.close();
    SafeLevelSettingDialog::EnsureLevelFile(); // an existing file is kept
    QCOMPARE(SafeLevelSettingDialog().checkedLevel(), 2);

    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("garbage");
    file.close();
    QCOMPARE(SafeLevelSettingDialog::ReadLevelFile(), -1);
    QCOMPARE(SafeLevelSettingDialog().checkedLevel(), 0); // the process-wide level
}

QTEST_MAIN(tst_EraseDialogs)
#include "tst_EraseDialogs.moc"
