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
// front of a user. Every language of the language table is checked alike.
class tst_TranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void catalogueIsCompleteAndBuilt_data();
    void catalogueIsCompleteAndBuilt();
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

// Reads every message of a Linguist file; an unreadable or malformed file is a fault.
QVector<TsMessage> readTs(const QString& name, QStringList& faults)
{
    QVector<TsMessage> messages;
    QFile file(languageSource(name));
    if (!file.open(QIODevice::ReadOnly)) {
        faults << QStringLiteral("cannot open ") + file.fileName();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            TsMessage m;
            m.context = context;
            m.numerus = xml.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    m.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("comment")) {
                    m.comment = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    m.unfinished = !xml.attributes().value(QStringLiteral("type")).isEmpty();
                    if (!m.numerus)
                        m.translations << xml.readElementText();
                    while (m.numerus && xml.readNextStartElement())
                        m.translations << xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << m;
        }
    }
    if (xml.hasError())
        faults << name + QStringLiteral(": ") + xml.errorString();
    return messages;
}

// What a translation must carry over from its source unchanged: the arguments that
// arg() fills in, the HTML tags, and the line breaks that lay out labels.
QStringList mustKeep(const QString& text)
{
    static const QRegularExpression placeholderOrTag(QStringLiteral("%L?(\\d+|n)|</?[A-Za-z][A-Za-z0-9]*"));
    QStringList kept;
    for (auto it = placeholderOrTag.globalMatch(text); it.hasNext();)
        kept << it.next().captured(0);
    std::sort(kept.begin(), kept.end());
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
        result.insert(m.context + QLatin1Char('|') + m.source + QLatin1Char('|') + m.comment);
    return result;
}

// The typed word of each language, from the glossary's table that later translators follow.
QString glossaryWordToType(const QString& language)
{
    QFile file(languageSource(QStringLiteral("GLOSSARY.md")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList header;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        QStringList cells = line.split(QLatin1Char('|'));
        for (QString& cell : cells)
            cell = cell.trimmed();
        if (cells.value(1) == QLatin1String("Term"))
            header = cells;
        else if (cells.value(1).startsWith(QLatin1String("typed word")) && header.contains(language))
            return cells.value(header.indexOf(language));
    }
    return {};
}

// A translated catalogue has every message translated, keeps what mustKeep() names, and asks
// for the glossary's typed word wherever the English asks for "delete": an erase goes ahead
// only when the typed text equals the translated word, so a mismatch locks the user out.
void checkTranslated(const QString& language, const QVector<TsMessage>& messages, QStringList& faults)
{
    const QString word = glossaryWordToType(language);
    if (word.isEmpty() || word.contains(QRegularExpression(QStringLiteral("\\s"))))
        faults << QStringLiteral("GLOSSARY.md names no single typed word for ") + language;
    static const QRegularExpression quoted(QStringLiteral("[\"\u201c']delete[\"\u201d']"));
    for (const TsMessage& m : messages) {
        if (m.unfinished || m.translations.isEmpty())
            faults << QStringLiteral("unfinished: ") + m.where();
        for (const QString& translation : m.translations) {
            if (translation.trimmed().isEmpty())
                faults << QStringLiteral("empty: ") + m.where();
            else if (mustKeep(translation) != mustKeep(m.source))
                faults << QStringLiteral("changes %1 into %2: %3")
                              .arg(mustKeep(m.source).join(' '), mustKeep(translation).join(' '), m.where());
        }
        const QString first = m.translations.value(0);
        if (m.source == QLatin1String("delete") && first != word)
            faults << QStringLiteral("types \"%1\", not \"%2\": %3").arg(first, word, m.where());
        else if (m.source.contains(quoted) && !first.contains(word))
            faults << QStringLiteral("does not name \"%1\": %2").arg(word, m.where());
    }
}

} // namespace

// One row per language the dialog offers, so a language added to the table without a
// catalogue fails here.
void tst_TranslationFiles::catalogueIsCompleteAndBuilt_data()
{
    QTest::addColumn<QString>("language");
    for (int i = 0; i < LanguageTable::count(); ++i)
        QTest::newRow(LanguageTable::row(i).englishName) << QString::fromLatin1(LanguageTable::row(i).englishName);
}

void tst_TranslationFiles::catalogueIsCompleteAndBuilt()
{
    QFETCH(QString, language);
    QStringList faults;
    const QVector<TsMessage> messages = readTs(language + QStringLiteral(".ts"), faults);
    // An empty or unreadable file would let every check below pass.
    QVERIFY2(messages.size() > 100, qPrintable(faults.join('\n')));

    if (language == QLatin1String("English")) {
        // English.qm must not alter a text: each translation is the source itself (or empty,
        // which falls back to it), and nothing is left unfinished, which lrelease would drop.
        for (const TsMessage& m : messages) {
            if (m.unfinished)
                faults << QStringLiteral("unfinished: ") + m.where();
            for (const QString& translation : m.translations) {
                if (!translation.isEmpty() && translation != m.source)
                    faults << QStringLiteral("altered to \"%1\": %2").arg(translation, m.where());
            }
        }
    } else {
        checkTranslated(language, messages, faults);
        // Refreshing only some files leaves the other languages without the new texts.
        const QSet<QString> english = keys(readTs(QStringLiteral("English.ts"), faults));
        for (const QString& key : english - keys(messages))
            faults << QStringLiteral("only in English.ts: ") + key;
        for (const QString& key : keys(messages) - english)
            faults << QStringLiteral("only in %1.ts: ").arg(language) + key;
    }

    // A .qm compiled from an older catalogue, or one the build stopped staging, differs here;
    // the loader falls back to English.qm, so that one must load too.
    const QString path = translationDirectory(applicationDirectory()) + language + QStringLiteral(".qm");
    QTranslator translator;
    QVERIFY2(translator.load(path) && !translator.isEmpty(), qPrintable(path + " was not staged by the build"));
    for (const TsMessage& m : messages) {
        if (m.translations.value(0).isEmpty())
            continue;
        const QByteArray comment = m.comment.toUtf8();
        const QString built
            = translator.translate(m.context.toUtf8(), m.source.toUtf8(),
                                   m.comment.isEmpty() ? nullptr : comment.constData(), m.numerus ? 1 : -1);
        if (built != m.translations.first())
            faults << QStringLiteral("\"%1\" instead of \"%2\": %3").arg(built, m.translations.first(), m.where());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

QTEST_GUILESS_MAIN(tst_TranslationFiles)
#include "tst_TranslationFiles.moc"
