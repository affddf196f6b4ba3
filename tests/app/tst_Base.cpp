#include "AppPaths.h"
#include "AppStyle.h"
#include "Durations.h"

#include <QTest>

class tst_Base : public QObject
{
    Q_OBJECT

private slots:
    void applicationDirectoryFollowsTheEnvironment();
    void indexesPastTheTablesFallBack();
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

void tst_Base::indexesPastTheTablesFallBack()
{
    // Views ask by index; one outside the tables gets the plain font and white, never a crash.
    const AppStyle& style = AppStyle::instance();
    for (int index : { -1, 30 }) {
        QCOMPARE(style.font(index).pixelSize(), 14);
        QCOMPARE(style.font(index).family(), style.fontFamily());
    }
    QCOMPARE(AppStyle::color(-3), QColor(Qt::white));
    QCOMPARE(AppStyle::color(1000), QColor(Qt::white));
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
