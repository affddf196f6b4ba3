#include "AppPaths.h"
#include "AppStyle.h"
#include "Durations.h"

#include <QTest>

class tst_Base : public QObject
{
    Q_OBJECT

private slots:
    void applicationDirectoryFollowsTheEnvironment();
    void styleDirectoriesHangOffTheApplicationDirectory();
    void fontsByIndex_data();
    void fontsByIndex();
    void coloursByIndex();
    void durationsAreScaledButNeverVanish();
};

void tst_Base::applicationDirectoryFollowsTheEnvironment()
{
    const QByteArray saved = qgetenv("DRAVO_APP_DIR");
    qputenv("DRAVO_APP_DIR", "/opt/dravo/../dravo");
    QCOMPARE(applicationDirectory(), QStringLiteral("/opt/dravo"));
    qunsetenv("DRAVO_APP_DIR");
    QCOMPARE(applicationDirectory(), QCoreApplication::applicationDirPath());
    qputenv("DRAVO_APP_DIR", saved);
}

void tst_Base::styleDirectoriesHangOffTheApplicationDirectory()
{
    AppStyle& style = AppStyle::instance();
    style.initialise("/opt/dravo");
    QCOMPARE(style.fontFamily(), QStringLiteral("Segoe UI"));
    QCOMPARE(style.skinDir(), QStringLiteral("/opt/dravo/skin/"));
    QCOMPARE(style.backupDir(), QStringLiteral("/opt/dravo/backup/"));
    QCOMPARE(style.tempDir(), QStringLiteral("/opt/dravo/temp/"));
    QVERIFY(style.versionText().isEmpty());

    style.setFontFamily("DejaVu Sans");
    QCOMPARE(style.font(3).family(), QStringLiteral("DejaVu Sans"));
    style.setFontFamily("Segoe UI");
}

void tst_Base::fontsByIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("weight");
    QTest::newRow("first") << 0 << 12 << 50;
    QTest::newRow("demi-bold") << 2 << 15 << 62;
    QTest::newRow("middle") << 17 << 18 << 75;
    QTest::newRow("27 is bold") << 28 << 27 << 75;
    QTest::newRow("last") << 29 << 28 << 50;
    QTest::newRow("past the table") << 30 << 14 << 50;
    QTest::newRow("negative") << -1 << 14 << 50;
}

void tst_Base::fontsByIndex()
{
    QFETCH(int, index);
    QFETCH(int, pixels);
    QFETCH(int, weight);
    const QFont font = AppStyle::instance().font(index);
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.weight(), weight);
    QCOMPARE(font.family(), AppStyle::instance().fontFamily());
}

void tst_Base::coloursByIndex()
{
    QCOMPARE(AppStyle::color(1), QColor(97, 108, 114));
    QCOMPARE(AppStyle::color(6), QColor(85, 179, 104));
    QCOMPARE(AppStyle::color(7), QColor(169, 169, 169));
    QCOMPARE(AppStyle::color(8), QColor(Qt::white));
    QCOMPARE(AppStyle::color(-3), QColor(Qt::white));
    QCOMPARE(AppStyle::color(4).alpha(), 255);
}

void tst_Base::durationsAreScaledButNeverVanish()
{
    // The test harness runs every test with DRAVO_TIME_SCALE=0.01.
    QCOMPARE(timeScale(), 0.01);
    QCOMPARE(scaledMs(60000), 600);
    QCOMPARE(scaledMs(1000), 10);
    QCOMPARE(scaledMs(50), 1); // a positive wait stays positive
    QCOMPARE(scaledMs(0), 0);
}

QTEST_GUILESS_MAIN(tst_Base)
#include "tst_Base.moc"
