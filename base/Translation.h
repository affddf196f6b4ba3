#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

/// Base name of the translation file actually loaded ("German"); "English" until then.
extern QString currentLanguageName;

/// Settles the language file "<app dir>/language/language" (writing `requestedLanguage`
/// into it when given, or the system locale's language when the file is missing or empty),
/// then loads the matching "<app dir>/language/main/<name>.qm" into `translator` and
/// installs it. Any file problem leaves the program untranslated. Does nothing without
/// an application object.
void loadTranslation(QTranslator* translator, QCoreApplication* app, QString& languageName,
                     const QString& requestedLanguage);

/// The same, with the application directory and the system locale given, for tests.
void loadTranslationFrom(const QString& appDir, const QString& systemLocale, QTranslator* translator,
                         QCoreApplication* app, QString& languageName, const QString& requestedLanguage);

/// Path of the language file under `appDir`.
QString languageFilePath(const QString& appDir);
/// Folder of the translation files under `appDir`.
QString translationDirectory(const QString& appDir);
