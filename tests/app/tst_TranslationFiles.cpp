#include "AppPaths.h"
#include "Translation.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>

// The translation sources in language/ and what the build made of them: a German file
// with a gap, a lost placeholder or a dropped line break, or a stale or missing .qm in
// the application directory, shows up here rather than in front of a user.
class tst_TranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void germanSourceIsCompleteAndKeepsPlaceholders();
    void germanWordToTypeMatchesItsInstructions();
    void englishSourceChangesNothing();
    void bothSourcesHoldTheSameMessages();
    void builtGermanTranslationLoadsWithClassContexts();
    void builtGermanTranslationMatchesItsSource();
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

} // namespace

void tst_TranslationFiles::germanSourceIsCompleteAndKeepsPlaceholders()
{
    const QVector<TsMessage> messages = readTsOrFail(QStringLiteral("German.ts"));
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

void tst_TranslationFiles::germanWordToTypeMatchesItsInstructions()
{
    // An erase goes ahead only when the typed text equals the translated "delete"; a German
    // instruction that quotes another word, or two classes with different words, lock the user out.
    const QVector<TsMessage> messages = readTsOrFail(QStringLiteral("German.ts"));
    QSet<QString> words;
    for (const TsMessage& m : messages) {
        if (m.source == QLatin1String("delete") && !m.translations.isEmpty())
            words.insert(m.translations.first());
    }
    QVERIFY2(words.size() <= 1, qPrintable(QStringList(words.values()).join(QStringLiteral(", "))));
    const QString word = words.isEmpty() ? QString() : *words.begin();

    QStringList faults;
    int instructions = 0;
    for (const TsMessage& m : messages) {
        if (!m.source.contains(QLatin1String("\"delete\"")))
            continue;
        ++instructions;
        if (word.isEmpty())
            faults << QStringLiteral("asks for \"delete\" but no class translates the word: ") + m.where();
        else if (!m.translations.isEmpty() && !m.translations.first().contains(word))
            faults << QStringLiteral("does not name \"%1\": %2").arg(word, m.where());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    if (instructions == 0)
        QSKIP("no text asks for the word to type yet");
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

void tst_TranslationFiles::bothSourcesHoldTheSameMessages()
{
    // Refreshing only one file leaves the other language without the new texts.
    const QSet<QString> english = keys(readTsOrFail(QStringLiteral("English.ts")));
    const QSet<QString> german = keys(readTsOrFail(QStringLiteral("German.ts")));
    QStringList onlyOne;
    for (const QString& key : english - german)
        onlyOne << QStringLiteral("only in English.ts: ") + QString(key).replace(QChar(0), QLatin1Char('|'));
    for (const QString& key : german - english)
        onlyOne << QStringLiteral("only in German.ts: ") + QString(key).replace(QChar(0), QLatin1Char('|'));
    QVERIFY2(onlyOne.isEmpty(), qPrintable(onlyOne.join('\n')));
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

void tst_TranslationFiles::builtGermanTranslationMatchesItsSource()
{
    // A .qm compiled from an older German.ts (or a build that stopped staging it) differs here.
    QTranslator translator;
    QVERIFY(translator.load(translationDir() + QStringLiteral("German.qm")));
    QStringList stale;
    for (const TsMessage& m : readTsOrFail(QStringLiteral("German.ts"))) {
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
