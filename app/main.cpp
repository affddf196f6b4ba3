#include "AppPaths.h"
#include "AppStyle.h"
#include "CrashHandler.h"
#include "MainView.h"
#include "SingleInstanceGuard.h"
#include "Translation.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>

#include <memory>

int main(int argc, char* argv[])
{
    auto app = std::make_unique<QApplication>(argc, argv);

    // Started through a link, the name would follow the link; per-user folders must not.
    QCoreApplication::setApplicationName(QStringLiteral("VelmoraDravoFree"));
    // An installed program folder is read-only; settings and logs then live per user.
    useWritableApplicationDirectory(QCoreApplication::applicationDirPath(),
                                    QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                                        + QStringLiteral("/program"));
    AppStyle::instance().initialise(applicationDirectory());

    // Never released by hand: the end of the process releases it, however it ends.
    SingleInstanceGuard guard("VelmoraDravoFreeforWin");
    if (!guard.acquire()) {
        app.reset();
        return -1;
    }

    auto translator = std::make_unique<QTranslator>();
    const QString requestedLanguage = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    loadTranslation(translator.get(), app.get(), currentLanguageName, requestedLanguage);

    const QString tempDir = AppStyle::instance().tempDir();
    QDir().mkpath(tempDir);
    QDir().mkpath(tempDir + QStringLiteral("appIconTemp/"));

    installCrashHandler();

    auto window = std::make_unique<MainView>();
    if (const QScreen* desktop = QGuiApplication::primaryScreen()) {
        const QRect screen = desktop->geometry();
        window->move((screen.width() - window->width()) / 2, (screen.height() - window->height()) / 2);
    }
    window->show();

    const int result = app->exec();
    window.reset();
    translator.reset();
    app.reset();
    return result;
}
