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
    void init();
    void cleanup();
    void requestedLanguageIsWrittenFirst();
    void missingFileTakesTheSystemLanguage();
    void emptyFileWithUnknownLocaleStaysUntranslated();
    void unmatchedNameFallsBackToEnglish();
    void missingFolderLeavesEnglishTexts();
    void languageTableLookup();

private:
    void addTranslation(const QString& name);
    QString languageFile() const;
    void run(const QString& systemLocale, const QString& requested);

    QScopedPointer<QTemporaryDir> m_dir;
    QTranslator* m_translator = nullptr;
    QString m_name;
};

void tst_Translation::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(translationDirectory(m_dir->path())));
    m_translator = new QTranslator(this);
    m_name = QStringLiteral("unchanged");
}

void tst_Translation::cleanup()
{
    QCoreApplication::removeTranslator(m_translator);
    delete m_translator;
    m_translator = nullptr;
}

void tst_Translation::addTranslation(const QString& name)
{
    QVERIFY(QFile::copy(PROBE_QM, translationDirectory(m_dir->path()) + name));
}

QString tst_Translation::languageFile() const
{
    QFile file(languageFilePath(m_dir->path()));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QStringLiteral("<missing>");
}

void tst_Translation::run(const QString& systemLocale, const QString& requested)
{
    loadTranslationFrom(m_dir->path(), systemLocale, m_translator, QCoreApplication::instance(), m_name, requested);
}

void tst_Translation::requestedLanguageIsWrittenFirst()
{
    addTranslation("English.qm");
    addTranslation("French.qm");
    QFile existing(languageFilePath(m_dir->path()));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("German");
    existing.close();

    run("de_DE", "French");
    QCOMPARE(languageFile(), QStringLiteral("French"));
    QCOMPARE(m_name, QStringLiteral("French"));
    QCOMPARE(QCoreApplication::translate("Probe", "Exit"), QStringLiteral("Quitter"));
}

void tst_Translation::missingFileTakesTheSystemLanguage()
{
    addTranslation("Japanese.qm");
    run("ja_JP", QString());
    QCOMPARE(languageFile(), QStringLiteral("Japanese"));
    QCOMPARE(m_name, QStringLiteral("Japanese"));
    QVERIFY(!m_translator->isEmpty());
}

void tst_Translation::emptyFileWithUnknownLocaleStaysUntranslated()
{
    addTranslation("English.qm");
    QFile empty(languageFilePath(m_dir->path()));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();

    run("xx_YY", QString());
    QCOMPARE(languageFile(), QString());
    // The wanted name is ".qm" itself: it matches, has no base name and loads nothing.
    QCOMPARE(m_name, QString());
    QVERIFY(m_translator->isEmpty());
    QCOMPARE(QCoreApplication::translate("Probe", "Exit"), QStringLiteral("Exit"));
}

void tst_Translation::unmatchedNameFallsBackToEnglish()
{
    addTranslation("English.qm");
    run("de_DE", "Klingon");
    QCOMPARE(languageFile(), QStringLiteral("Klingon"));
    QCOMPARE(m_name, QStringLiteral("English"));
    QVERIFY(!m_translator->isEmpty());
}

void tst_Translation::missingFolderLeavesEnglishTexts()
{
    QVERIFY(QDir(translationDirectory(m_dir->path())).removeRecursively());
    run("fr_FR", QString());
    QCOMPARE(languageFile(), QStringLiteral("French")); // the language file is still settled
    QCOMPARE(m_name, QStringLiteral("unchanged"));
    QVERIFY(m_translator->isEmpty());
}

void tst_Translation::languageTableLookup()
{
    QCOMPARE(LanguageTable::count(), 9);
    QCOMPARE(LanguageTable::nameForLocale("de_DE"), QStringLiteral("German"));
    QCOMPARE(LanguageTable::nameForLocale("pt_PT"), QStringLiteral("Portuguese"));
    QCOMPARE(LanguageTable::nameForLocale("pt_BR"), QString()); // whole codes only
    QCOMPARE(LanguageTable::nameForLocale("de"), QString());
}

QTEST_GUILESS_MAIN(tst_Translation)
#include "tst_Translation.moc"
