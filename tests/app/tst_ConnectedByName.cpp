// Signals and slots that the program connects by their text (SIGNAL()/SLOT()): a renamed one
// fails only at run time, with a warning nobody reads. Building the whole window makes every
// such connection; here each warning it gives is a failure.
#include "AppFolder.h"
#include "MainView.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList g_connectWarnings;

void collect(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QObject::connect")))
        g_connectWarnings << text;
}

} // namespace

class tst_ConnectedByName : public QObject
{
    Q_OBJECT

private slots:
    void everyConnectionByNameIsMade();
};

void tst_ConnectedByName::everyConnectionByNameIsMade()
{
    QTemporaryDir app;
    QVERIFY(app.isValid());
    UseAsAppFolder(app.path());
    qputenv("OVDRIVER_SIM_ROOT", app.filePath("no-devices").toLocal8Bit());
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    {
        MainView view;
        view.show();
        QCoreApplication::processEvents();
    }
    qInstallMessageHandler(previous);
    QVERIFY2(g_connectWarnings.isEmpty(), qPrintable(g_connectWarnings.join('\n')));
}

QTEST_MAIN(tst_ConnectedByName)
#include "tst_ConnectedByName.moc"
