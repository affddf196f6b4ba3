#include "AppPaths.h"
#include "LanguageTable.h"
#include "Translation.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>

// The translation sources in language/ and what the build made of them: a catalogue with a
// gap, a lost placeholder or a dropped line break, a typed word that its instructions do not
// name, or a stale or missing .qm in the application directory, shows up here rather than in
// front of a user. Every language of the language table but English is checked alike.
class tst_TranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void sourceIsCompleteAndKeepsPlaceholders_data();
    void sourceIsCompleteAndKeepsPlaceholders();
    void wordToTypeMatchesGlossaryAndInstructions_data();
    void wordToTypeMatchesGlossaryAndInstructions();
    void sourceHoldsTheSameMessagesAsEnglish_data();
    void sourceHoldsTheSameMessagesAsEnglish();
    void builtTranslationMatchesItsSource_data();
    void builtTranslationMatchesItsSource();
    void englishSourceChangesNothing();
    void builtGermanTranslationLoadsWithClassContexts();
    void builtEnglishTranslationLoads();
};

namespace {

struct TsMessage
{
    QString context;
    QString source;
    QString comment;
    QStringList translations; // one entry, or one per plural form
    bool numerus = false;
    bool unfinished = false;

    QString where() const { return context + QStringLiteral(" \"") + source + QLatin1Char('"'); }
};

QString languageSource(const QString& name)
{
    return QStringLiteral(DRAVO_LANGUAGE_SOURCE_DIR "/") + name;
}

// Reads every message of a Linguist file; an unreadable or malformed file is a failure.
QVector<TsMessage> readTs(const QString& path, QString* error)
{
    QVector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            TsMessage message;
            message.context = context;
            message.numerus = xml.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    message.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("comment")) {
                    message.comment = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    const QStringRef type = xml.attributes().value(QStringLiteral("type"));
                    message.unfinished = !type.isEmpty();
                    if (message.numerus) {
                        while (xml.readNextStartElement())
                            message.translations << xml.readElementText();
                    } else {
                        message.translations << xml.readElementText();
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << message;
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}

QVector<TsMessage> readTsOrFail(const QString& name)
{
    QString error;
    const QVector<TsMessage> messages = readTs(languageSource(name), &error);
    if (!error.isEmpty())
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    return messages;
}

QStringList sortedMatches(const QString& text, const QRegularExpression& pattern)
{
    QStringList found;
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(0);
    std::sort(found.begin(), found.end());
    return found;
}

// What a translation must carry over from its source unchanged: the arguments that
// arg() fills in, the HTML tags, and the line breaks that lay out labels.
QStringList mustKeep(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z][A-Za-z0-9]*"));
    QStringList kept = sortedMatches(text, placeholder) + sortedMatches(text, tag);
    kept << QStringLiteral("line breaks: %1").arg(text.count(QLatin1Char('\n')));
    // Texts joined to a size or another text carry the blank that separates them.
    kept << QStringLiteral("leading blank: %1").arg(text.startsWith(QLatin1Char(' ')));
    kept << QStringLiteral("trailing blank: %1").arg(text.endsWith(QLatin1Char(' ')));
    return kept;
}

QSet<QString> keys(const QVector<TsMessage>& messages)
{
    QSet<QString> result;
    for (const TsMessage& m : messages)
        result.insert(m.context + QChar(0) + m.source + QChar(0) + m.comment);
    return result;
}

QString translationDir()
{
    return translationDirectory(applicationDirectory());
}

// One row per language the dialog offers, so a language added to the table without a
// catalogue fails here.
void addTranslatedLanguages()
{
    QTest::addColumn<QString>("language");
    for (int i = 0; i < LanguageTable::count(); ++i) {
        const QString name = QString::fromLatin1(LanguageTable::row(i).englishName);
        if (name != QLatin1String("English"))
            QTest::newRow(LanguageTable::row(i).englishName) << name;
    }
}

// The typed word of each language, from the glossary that later translators follow.
QString glossaryWordToType(const QString& language, QString* error)
{
    QFile file(languageSource(QStringLiteral("GLOSSARY.md")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot open ") + file.fileName();
        return {};
    }
    QStringList header;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.startsWith(QLatin1Char('|')))
            continue;
        QStringList cells = line.mid(1).split(QLatin1Char('|'));
        for (QString& cell : cells)
            cell = cell.trimmed();
        if (cells.value(0) == QLatin1String("Term"))
            header = cells;
        else if (cells.value(0).startsWith(QLatin1String("typed word")) && header.contains(language))
            return cells.value(header.indexOf(language));
    }
    *error = QStringLiteral("GLOSSARY.md names no typed word for ") + language;
    return {};
}

} // namespace

void tst_TranslationFiles::sourceIsCompleteAndKeepsPlaceholders_data()
{
    addTranslatedLanguages();
}

void tst_TranslationFiles::sourceIsCompleteAndKeepsPlaceholders()
{
    QFETCH(QString, language);
    const QVector<TsMessage> messages = readTsOrFail(language + QStringLiteral(".ts"));
    // An empty or unreadable file would let every check below pass.
    QVERIFY2(messages.size() > 100, qPrintable(QString::number(messages.size())));

    QStringList faults;
    for (const TsMessage& m : messages) {
        if (m.unfinished)
            faults << QStringLiteral("unfinished: ") + m.where();
        if (m.translations.isEmpty())
            faults << QStringLiteral("no translation: ") + m.where();
        for (const QString& translation : m.translations) {
            if (translation.trimmed().isEmpty())
                faults << QStringLiteral("empty: ") + m.where();
            else if (mustKeep(translation) != mustKeep(m.source))
                faults << QStringLiteral("changes %1 into %2: %3")
                              .arg(mustKeep(m.source).join(' '), mustKeep(translation).join(' '), m.where());
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void tst_TranslationFiles::wordToTypeMatchesGlossaryAndInstructions_data()
{
    addTranslatedLanguages();
}

void tst_TranslationFiles::wordToTypeMatchesGlossaryAndInstructions()
{
    // An erase goes ahead only when the typed text equals the translated "delete"; an
    // instruction that quotes another word, or a class with a different word, locks the user out.
    QFETCH(QString, language);
    QString error;
    const QString word = glossaryWordToType(language, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(!word.isEmpty() && !word.contains(QRegularExpression(QStringLiteral("\\s"))), qPrintable(word));

    static const QRegularExpression quoted(QStringLiteral("[\"\u201c']delete[\"\u201d']"));
    QStringList faults;
    int uses = 0;
    for (const TsMessage& m : readTsOrFail(language + QStringLiteral(".ts"))) {
        if (m.translations.isEmpty() || m.unfinished)
            continue;
        if (m.source == QLatin1String("delete")) {
            ++uses;
            if (m.translations.first() != word)
                faults << QStringLiteral("types \"%1\", not \"%2\": %3").arg(m.translations.first(), word, m.where());
        } else if (m.source.contains(quoted)) {
            ++uses;
            if (!m.translations.first().contains(word))
                faults << QStringLiteral("does not name \"%1\": %2").arg(word, m.where());
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    if (uses == 0)
        QSKIP("no text asks for the word to type yet");
}

void tst_TranslationFiles::sourceHoldsTheSameMessagesAsEnglish_data()
{
    addTranslatedLanguages();
}

void tst_TranslationFiles::sourceHoldsTheSameMessagesAsEnglish()
{
    // Refreshing only some files leaves the other languages without the new texts.
    QFETCH(QString, language);
    const QSet<QString> english = keys(readTsOrFail(QStringLiteral("English.ts")));
    const QSet<QString> other = keys(readTsOrFail(language + QStringLiteral(".ts")));
    QStringList onlyOne;
    for (const QString& key : english - other)
        onlyOne << QStringLiteral("only in English.ts: ") + QString(key).replace(QChar(0), QLatin1Char('|'));
    for (const QString& key : other - english)
        onlyOne << QStringLiteral("only in %1.ts: ").arg(language) + QString(key).replace(QChar(0), QLatin1Char('|'));
    QVERIFY2(onlyOne.isEmpty(), qPrintable(onlyOne.join('\n')));
}

void tst_TranslationFiles::builtTranslationMatchesItsSource_data()
{
    addTranslatedLanguages();
}

void tst_TranslationFiles::builtTranslationMatchesItsSource()
{
    // A .qm compiled from an older catalogue, or one the build stopped staging, differs here.
    QFETCH(QString, language);
    const QString path = translationDir() + language + QStringLiteral(".qm");
    QTranslator translator;
    QVERIFY2(translator.load(path), qPrintable(path + QStringLiteral(" was not staged by the build")));
    QVERIFY(!translator.isEmpty());
    QStringList stale;
    for (const TsMessage& m : readTsOrFail(language + QStringLiteral(".ts"))) {
        if (m.translations.isEmpty())
            continue;
        const QByteArray context = m.context.toUtf8();
        const QByteArray source = m.source.toUtf8();
        const QByteArray comment = m.comment.toUtf8();
        const char* disambiguation = m.comment.isEmpty() ? nullptr : comment.constData();
        const QString built = m.numerus ? translator.translate(context, source, disambiguation, 1)
                                        : translator.translate(context, source, disambiguation);
        if (built != m.translations.first())
            stale << QStringLiteral("\"%1\" instead of \"%2\": %3").arg(built, m.translations.first(), m.where());
    }
    QVERIFY2(stale.isEmpty(), qPrintable(stale.join('\n')));
}

void tst_TranslationFiles::englishSourceChangesNothing()
{
    const QVector<TsMessage> messages = readTsOrFail(QStringLiteral("English.ts"));
    QVERIFY2(messages.size() > 100, qPrintable(QString::number(messages.size())));

    // English.qm must not alter a text: each translation is the source itself (or empty,
    // which falls back to it), and nothing is left unfinished, which lrelease would drop.
    QStringList faults;
    for (const TsMessage& m : messages) {
        if (m.unfinished)
            faults << QStringLiteral("unfinished: ") + m.where();
        for (const QString& translation : m.translations) {
            if (!translation.isEmpty() && translation != m.source)
                faults << QStringLiteral("altered to \"%1\": %2").arg(translation, m.where());
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void tst_TranslationFiles::builtGermanTranslationLoadsWithClassContexts()
{
    QTranslator translator;
    QVERIFY2(translator.load(translationDir() + QStringLiteral("German.qm")),
             qPrintable(translationDir() + QStringLiteral("German.qm was not staged by the build")));
    QVERIFY(QCoreApplication::installTranslator(&translator));

    QCOMPARE(QCoreApplication::translate("MainView", "Are you sure you want to exit the program?"),
             QStringLiteral("Möchten Sie das Programm wirklich beenden?"));
    QCOMPARE(QCoreApplication::translate("OvMessageBox", "Yes"), QStringLiteral("Ja"));
    QCOMPARE(QCoreApplication::translate("OvMessageBox", "Cancel"), QStringLiteral("Abbrechen"));
    QCOMPARE(QCoreApplication::translate("LanguageSelectView", "Language"), QStringLiteral("Sprache"));
    // The context is the class: the same text under a class that never asked for it stays English.
    QCOMPARE(QCoreApplication::translate("NoSuchClass", "Yes"), QStringLiteral("Yes"));

    QCoreApplication::removeTranslator(&translator);
}

void tst_TranslationFiles::builtEnglishTranslationLoads()
{
    // The loader falls back to English.qm for any language it has no file for.
    QTranslator translator;
    QVERIFY2(translator.load(translationDir() + QStringLiteral("English.qm")),
             qPrintable(translationDir() + QStringLiteral("English.qm was not staged by the build")));
    QVERIFY(!translator.isEmpty());
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(QCoreApplication::translate("MainView", "Are you sure you want to exit the program?"),
             QStringLiteral("Are you sure you want to exit the program?"));
    QCoreApplication::removeTranslator(&translator);
}

QTEST_GUILESS_MAIN(tst_TranslationFiles)
#include "tst_TranslationFiles.moc"
