// Device-supplied names turned into path components: whatever the device sends, the result
// names one entry inside the folder it is appended to, and different names stay different.
#include "SafePathComponent.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

class tst_SafePathComponent : public QObject
{
    Q_OBJECT

private slots:
    void hostileNamesBecomeOneHarmlessComponent();
    void ordinaryNamesStayReadableAndDistinct();
    void relativePathsStayBelowTheirRoot();
    void onlyPathsBelowTheRootAreBelowIt();
};

void tst_SafePathComponent::hostileNamesBecomeOneHarmlessComponent()
{
    const QList<QPair<QString, QString>> cases {
        { "..", "%2E%2E" },
        { ".", "%2E" },
        { "../victim", "%2E.%2Fvictim" },
        { "..\\victim", "%2E.%5Cvictim" },
        { ".profile", "%2Eprofile" }, // hidden
        { "/etc/passwd", "%2Fetc%2Fpasswd" },
        { "C:evil", "C%3Aevil" },
        { "", "%00" },
        { "a\nb", "a%0Ab" },
        { "name.", "name%2E" },
        { "NUL.txt", "%4EUL.txt" }, // a device name on Windows
        { "100%", "100%25" },       // the escape itself
    };
    for (const auto& [name, expected] : cases)
        QCOMPARE(SafePathComponent(name), expected);
}

void tst_SafePathComponent::ordinaryNamesStayReadableAndDistinct()
{
    const QString weChat = QString::fromUtf8("\xE5\xBE\xAE\xE4\xBF\xA1");
    QCOMPARE(SafePathComponent("IMG_0001.JPG"), QString("IMG_0001.JPG"));
    QCOMPARE(SafePathComponent(weChat), weChat);
    const QString photos = QString::fromUtf8("Zo\xC3\xAB's Photos");
    QCOMPARE(SafePathComponent(photos), photos);

    // Escaping must not let two device names share one folder.
    const QStringList names { "a/b", "a%2Fb", "a_b", "a\\b", "..", "%2E%2E", "", "%00" };
    QSet<QString> seen;
    for (const QString& name : names)
        seen.insert(SafePathComponent(name));
    QCOMPARE(seen.size(), names.size());

    const QString longName = QString(300, QChar(0x4E2D)); // three UTF-8 bytes each
    const QString shortened = SafePathComponent(longName);
    QVERIFY(shortened.toUtf8().size() <= 200);
    QVERIFY(shortened != SafePathComponent(longName + 'x'));
    QVERIFY(!shortened.contains('/'));
}

void tst_SafePathComponent::relativePathsStayBelowTheirRoot()
{
    QCOMPARE(SafePathBelow("/img", "thumbs/12.jpg"), QString("/img/thumbs/12.jpg"));
    QCOMPARE(SafePathBelow("/img", "../../etc/passwd"), QString("/img/%2E%2E/%2E%2E/etc/passwd"));
    QCOMPARE(SafePathBelow("/img", "/abs//x"), QString("/img/abs/x"));
    QVERIFY(SafePathBelow("/img", "").isEmpty());
    QVERIFY(SafePathBelow("/img", "//").isEmpty());
}

void tst_SafePathComponent::onlyPathsBelowTheRootAreBelowIt()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.filePath("backups");
    QVERIFY(QDir().mkpath(root + "/phone"));
    QVERIFY(QDir().mkpath(dir.filePath("elsewhere")));

    QVERIFY(IsPathBelow(root + "/phone", root));
    QVERIFY(IsPathBelow(root + "/not-yet/made", root));
    QVERIFY(!IsPathBelow(root, root));
    QVERIFY(!IsPathBelow(root + "/..", root));
    QVERIFY(!IsPathBelow(root + "/../elsewhere", root));
    QVERIFY(!IsPathBelow(root + "-sibling", root));
    QVERIFY(!IsPathBelow(root + "/phone", QString()));
    // A link inside the root that leads out of it.
    QVERIFY(QFile::link(dir.filePath("elsewhere"), root + "/link"));
    QVERIFY(!IsPathBelow(root + "/link", root));
    QVERIFY(!IsPathBelow(root + "/link/inner", root));
}

QTEST_GUILESS_MAIN(tst_SafePathComponent)
#include "tst_SafePathComponent.moc"
