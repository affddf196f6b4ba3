#include "Translation.h"

#include "AppPaths.h"
#include "LanguageTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTranslator>

QString currentLanguageName = QStringLiteral("English");

namespace {

bool writeLanguageFile(const QString& path, const QString& name)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(name.toLocal8Bit());
    return true;
}

} // namespace

QString languageFilePath(const QString& appDir)
{
    return appDir + QStringLiteral("/language/language");
}

QString translationDirectory(const QString& appDir)
{
    return appDir + QStringLiteral("/language/main/");
}

void loadTranslation(QTranslator* translator, QCoreApplication* app, QString& languageName,
                     const QString& requestedLanguage)
{
    loadTranslationFrom(applicationDirectory(), QLocale::system().name(), translator, app, languageName,
                        requestedLanguage);
}

void loadTranslationFrom(const QString& appDir, const QString& systemLocale, QTranslator* translator,
                         QCoreApplication* app, QString& languageName, const QString& requestedLanguage)
{
    if (!app || !translator)
        return;
    const QString mainDir = translationDirectory(appDir);
    const QString languageFile = languageFilePath(appDir);

    if (!requestedLanguage.isEmpty() && !writeLanguageFile(languageFile, requestedLanguage))
        return;
    if (!QFile::exists(languageFile) && !writeLanguageFile(languageFile, LanguageTable::nameForLocale(systemLocale)))
        return;

    QFile file(languageFile);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QString name = QString::fromLocal8Bit(file.readAll());
    file.close();
    if (name.isEmpty()) {
        name = LanguageTable::nameForLocale(systemLocale);
        if (!writeLanguageFile(languageFile, name))
            return;
    }

    const QString wanted = name + QStringLiteral(".qm");
    const QDir dir(mainDir);
    if (!dir.exists())
        return;
    const QStringList files = dir.entryList({ QStringLiteral("*.qm") }, QDir::Files | QDir::NoSymLinks, QDir::Unsorted);
    if (files.isEmpty())
        return;

    QString chosen;
    for (const QString& entry : files) {
        if (entry.contains(wanted)) {
            chosen = wanted;
            break;
        }
    }
    if (chosen.isEmpty())
        chosen = QStringLiteral("English.qm");

    languageName = chosen.chopped(3);
    // A failed load is not reported: the interface then shows its English texts.
    if (translator->load(mainDir + chosen))
        app->installTranslator(translator);
}
