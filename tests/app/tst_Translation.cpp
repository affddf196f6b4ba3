#include "LanguageTable.h"
#include "Translation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

// Each case builds an application directory with a language file and translation files,
// runs the loader and checks what it wrote, what it chose and whether it really loaded.
class tst_Translation : public QObject
{
    Q_OBJECT

private slots:
    void loaderChoosesWritesAndLoads();
    void languageForLocale();
};

void tst_Translation::loaderChoosesWritesAndLoads()
{
    const struct
    {
        QStringList catalogues;   // copies of one French probe; empty for no "main" folder
        const char* languageFile; // null for no file
        const char* locale;
        const char* requested;
        const char* written;
        const char* chosen;
        bool loads;
    } cases[] = {
        { { "English.qm", "French.qm" }, "German", "de_DE", "French", "French", "French", true },
        { { "Japanese.qm" }, nullptr, "ja_JP", "", "Japanese", "Japanese", true },
        // The wanted name is ".qm" itself: it matches, has no base name and loads nothing.
        { { "English.qm" }, "", "xx_YY", "", "", "", false },
        { { "English.qm" }, nullptr, "de_DE", "Klingon", "Klingon", "English", true },
        // Without the folder the language file is still settled.
        { {}, nullptr, "fr_FR", "", "French", "unchanged", false },
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir().mkpath(c.catalogues.isEmpty() ? dir.filePath("language") : translationDirectory(dir.path())));
        for (const QString& name : c.catalogues)
            QVERIFY(QFile::copy(PROBE_QM, translationDirectory(dir.path()) + name));
        QFile file(languageFilePath(dir.path()));
        if (c.languageFile) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(c.languageFile);
            file.close();
        }

        QTranslator translator;
        QString name = QStringLiteral("unchanged");
        loadTranslationFrom(dir.path(), c.locale, &translator, QCoreApplication::instance(), name, c.requested);
        const QString exit = QCoreApplication::translate("Probe", "Exit");
        QCoreApplication::removeTranslator(&translator);

        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLocal8Bit(file.readAll()), QString(c.written));
        QCOMPARE(name, QString(c.chosen));
        QCOMPARE(translator.isEmpty(), !c.loads);
        QCOMPARE(exit, c.loads ? QStringLiteral("Quitter") : QStringLiteral("Exit"));
    }
}

void tst_Translation::languageForLocale()
{
    QCOMPARE(LanguageTable::nameForLocale("de_DE"), QStringLiteral("German"));
    QCOMPARE(LanguageTable::nameForLocale("pt_PT"), QStringLiteral("Portuguese"));
    QCOMPARE(LanguageTable::nameForLocale("pt_BR"), QString()); // whole codes only
    QCOMPARE(LanguageTable::nameForLocale("de"), QString());
}

QTEST_GUILESS_MAIN(tst_Translation)
#include "tst_Translation.moc"
