#include "LookupModelName.h"

#include "AppPaths.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

/// Points the application directory at a folder holding `table` (or nothing) for a while.
class TableOverride
{
public:
    explicit TableOverride(const QByteArray& table)
        : m_saved(qgetenv("DRAVO_APP_DIR"))
    {
        QFile file(m_dir.filePath("deviceType_config.xml"));
        if (!table.isNull() && file.open(QIODevice::WriteOnly))
            file.write(table);
        qputenv("DRAVO_APP_DIR", m_dir.path().toLocal8Bit());
    }
    ~TableOverride() { qputenv("DRAVO_APP_DIR", m_saved); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

} // namespace

class tst_LookupModelName : public QObject
{
    Q_OBJECT

private slots:
    void everyListedTypeGetsItsOwnName();
    void tableRulesAndFallBackToIPhone();
};

void tst_LookupModelName::everyListedTypeGetsItsOwnName()
{
    // The lookup searches texts, so "iPad13,1" is found inside "iPad13,16": the shipped
    // table must be ordered so that each type still reaches its own entry.
    QFile file(applicationDirectory() + "/deviceType_config.xml");
    QVERIFY2(file.open(QIODevice::ReadOnly), "the build stages the table beside the program");
    QDomDocument document;
    QVERIFY(document.setContent(&file));
    int checked = 0;
    QSet<QString> families;
    for (QDomElement group = document.documentElement().firstChildElement("devices"); !group.isNull();
         group = group.nextSiblingElement("devices")) {
        for (QDomElement entry = group.firstChildElement("devieType"); !entry.isNull();
             entry = entry.nextSiblingElement("devieType")) {
            QCOMPARE(entry.childNodes().count(), 2);
            const QString name = entry.firstChild().toElement().text();
            for (const QString& type : entry.lastChild().toElement().text().split(' ', Qt::SkipEmptyParts)) {
                QCOMPARE(LookupModelName(type), name);
                families.insert(type.left(4));
                ++checked;
            }
        }
    }
    QVERIFY(checked > 100);
    QCOMPARE(families, (QSet<QString> { "iPho", "iPad", "iPod" }));
}

void tst_LookupModelName::tableRulesAndFallBackToIPhone()
{
    QCOMPARE(LookupModelName(""), QString("iPhone"));
    QCOMPARE(LookupModelName("Watch6,1"), QString("iPhone"));
    QCOMPARE(LookupModelName("iphone14,2"), QString("iPhone")); // with case
    for (const QByteArray& broken : { QByteArray(), QByteArray("<devices><devieType><a>X</a><b>iPhone14,2</b>") }) {
        TableOverride missingOrCorrupt(broken);
        QCOMPARE(LookupModelName("iPhone14,2"), QString("iPhone"));
    }

    TableOverride table("<root>"
                        "<devices>"
                        "<devieType><a>Three nodes</a><b>T1</b><c/></devieType>"
                        "<devieType><a>First</a><b>T1 T2</b></devieType>"
                        "<devieType><a>Second</a><b>T2</b></devieType>"
                        "</devices>"
                        "<Devices><devieType><a>Wrong case</a><b>T1</b></devieType></Devices>"
                        "<devices><deviceType><a>Wrong tag</a><b>T2</b></deviceType></devices>"
                        "<devices><devieType><a>Later group</a><b>T2</b></devieType></devices>"
                        "</root>");
    // Entries of other than two nodes and misspelt groups are skipped; the first entry of a
    // group wins, and a later group overrides an earlier one.
    QCOMPARE(LookupModelName("T1"), QString("First"));
    QCOMPARE(LookupModelName("T2"), QString("Later group"));
    QCOMPARE(LookupModelName("T"), QString("Later group"));
}

QTEST_GUILESS_MAIN(tst_LookupModelName)
#include "tst_LookupModelName.moc"
