#include "AppPaths.h"
#include "EraseTipDialog.h"
#include "LanguageSelectView.h"
#include "MainView.h"
#include "OvAbout.h"
#include "OvModel.h"
#include "OvTabButton.h"
#include "OvTabControlWidget.h"
#include "SafeLevelSettingDialog.h"
#include "Translation.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTranslator>
#include <QtMath>

#include <functional>
#include <memory>

// Every text of every page and dialog fits its widget, in every language the program ships:
// a translation one word longer than the English must not be cut off. Building them all also
// makes every connection by name (SIGNAL()/SLOT()): a renamed one fails only at run time, with
// a warning nobody reads, so each such warning is a fault here too.
class tst_TextsFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPageAndDialog_data();
    void everyPageAndDialog();

private:
    QTemporaryDir m_app;
};

namespace {

QStringList g_connectWarnings;
QtMessageHandler g_previousHandler = nullptr;

void collectConnectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QObject::connect")))
        g_connectWarnings << text;
    g_previousHandler(type, context, text);
}

// The room a label's text needs, laid out as the label lays it out.
QSize labelTextSize(const QLabel* label, int width)
{
    const QString text = label->text();
    if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        if (label->wordWrap())
            document.setTextWidth(width);
        return QSize(qCeil(label->wordWrap() ? document.size().width() : document.idealWidth()),
                     qCeil(document.size().height()));
    }
    const int flags = Qt::TextExpandTabs | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics()
        .boundingRect(QRect(0, 0, label->wordWrap() ? width : 100000, 100000), flags, text)
        .size();
}

void checkTexts(const QWidget* root, const QString& where, QStringList& faults)
{
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root->window()) || widget->width() <= 0 || widget->height() <= 0)
            continue;
        QString text;
        QSize needed;
        QSize room;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            const int m = label->margin();
            room = label->contentsRect().adjusted(m, m, -m, -m).size();
            text = label->text();
            needed = labelTextSize(label, room.width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            // The style's hint is the text plus the frame, box or icon it draws around it.
            text = button->text();
            needed = QSize(button->sizeHint().width(), 0);
            room = button->size();
        }
        // One pixel of slack for rounding between the metrics and the painter.
        if (!text.trimmed().isEmpty() && (needed.width() > room.width() + 1 || needed.height() > room.height() + 1))
            faults << QStringLiteral("%1: %2 %3 \"%4\" needs %5x%6, has %7x%8")
                          .arg(where, widget->metaObject()->className(), widget->objectName(), text.left(60))
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(room.width())
                          .arg(room.height());
    }
}

void settle(QWidget* widget)
{
    widget->show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace

void tst_TextsFit::initTestCase()
{
    QVERIFY(m_app.isValid());
    const QString built = qEnvironmentVariable("DRAVO_APP_DIR");
    // The built skin and translations; settings of this run stay in the temporary folder.
    QVERIFY(QFile::link(built + "/skin", m_app.filePath("skin")));
    QVERIFY(QDir().mkpath(m_app.filePath("language")));
    QVERIFY(QFile::link(built + "/language/main", m_app.filePath("language/main")));
    qputenv("DRAVO_APP_DIR", m_app.path().toLocal8Bit());
    qputenv("OVDRIVER_SIM_ROOT", m_app.filePath("no-devices").toLocal8Bit());
    g_previousHandler = qInstallMessageHandler(collectConnectWarnings);
}

void tst_TextsFit::everyPageAndDialog_data()
{
    QTest::addColumn<QString>("catalogue");
    const QStringList catalogues = QDir(translationDirectory(applicationDirectory()))
                                       .entryList({ QStringLiteral("*.qm") }, QDir::Files, QDir::Name);
    // Without catalogues every language would be skipped and the test would pass on nothing.
    QVERIFY2(catalogues.contains(QStringLiteral("English.qm")), qPrintable(catalogues.join(' ')));
    for (const QString& file : catalogues)
        QTest::newRow(qPrintable(QFileInfo(file).completeBaseName())) << file;
}

void tst_TextsFit::everyPageAndDialog()
{
    QFETCH(QString, catalogue);
    QTranslator translator;
    QVERIFY(translator.load(translationDirectory(applicationDirectory()) + catalogue));
    QCoreApplication::installTranslator(&translator);
    QStringList faults;
    {
        MainView view;
        settle(&view);
        for (const OvTabButton* tab : view.tabBar()->findChildren<OvTabButton*>()) {
            // The tabs draw their own label, shrinking it when it must.
            const OvTabButton::TextLayout label = tab->LabelLayout();
            const QRect needed = QFontMetrics(label.font).boundingRect(label.rect, label.flags, label.text);
            if (needed.width() > label.rect.width() || needed.height() > label.rect.height())
                faults << QStringLiteral("tab \"%1\" needs %2x%3, has %4x%5")
                              .arg(tab->text())
                              .arg(needed.width())
                              .arg(needed.height())
                              .arg(label.rect.width())
                              .arg(label.rect.height());
        }
        for (int index = 0; index < MainView::PageCount; ++index) {
            view.SwitchModel(index);
            auto* model = qobject_cast<OvModel*>(view.page(index));
            const int pages = model ? model->pages()->count() : 1;
            for (int page = 0; page < pages; ++page) {
                if (model)
                    model->pages()->setCurrentIndex(page);
                settle(&view);
                QWidget* shown = model ? model->pages()->widget(page) : view.page(index);
                checkTexts(shown, QStringLiteral("%1 page %2").arg(view.page(index)->objectName()).arg(page), faults);
            }
        }
    }
    const std::vector<std::function<QWidget*()>> dialogs = {
        [] { return new SafeLevelSettingDialog; },
        [] { return new EraseTipDialog(EraseTipDialog::EncryptedBackup); },
        [] { return new EraseTipDialog(EraseTipDialog::FindMyIPhone); },
        [] { return new EraseTipDialog(EraseTipDialog::DeviceLocked); },
        [] { return new LanguageSelectView; },
        [] { return new OvAbout; },
    };
    for (const auto& make : dialogs) {
        std::unique_ptr<QWidget> dialog(make());
        settle(dialog.get());
        checkTexts(dialog.get(), dialog->metaObject()->className() + dialog->windowTitle(), faults);
        dialog->hide();
    }
    QCoreApplication::removeTranslator(&translator);
    faults += g_connectWarnings;
    g_connectWarnings.clear();
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join('\n')));
}

QTEST_MAIN(tst_TextsFit)
#include "tst_TextsFit.moc"
