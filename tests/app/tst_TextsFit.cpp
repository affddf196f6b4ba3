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
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTranslator>

#include <QtMath>
#include <functional>

#include <memory>

// Every text of every page and dialog fits its widget, in every language the program ships:
// a translation one word longer than the English must not be cut off.
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

QString describe(const QWidget* widget)
{
    QStringList path;
    for (const QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (!w->objectName().isEmpty())
            path.prepend(w->objectName());
    }
    return QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()), path.join('/'));
}

// The room a label's text needs, laid out as the label lays it out.
QSize labelTextSize(const QLabel* label, int width)
{
    const QString text = label->text();
    const bool rich
        = label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        if (label->wordWrap())
            document.setTextWidth(width);
        return QSize(qCeil(label->wordWrap() ? document.size().width() : document.idealWidth()),
                     qCeil(document.size().height()));
    }
    const QFontMetrics metrics(label->fontMetrics());
    const int flags = Qt::TextExpandTabs | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return metrics.boundingRect(QRect(0, 0, label->wordWrap() ? width : 100000, 100000), flags, text).size();
}

void checkTexts(const QWidget* root, const QString& where, QStringList& faults)
{
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root->window()) || widget->width() <= 0 || widget->height() <= 0)
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().trimmed().isEmpty())
                continue;
            const QRect room
                = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
            const QSize needed = labelTextSize(label, room.width());
            // One pixel of slack for rounding between the metrics and the painter.
            if (needed.width() > room.width() + 1 || needed.height() > room.height() + 1)
                faults << QStringLiteral("%1: %2 \"%3\" needs %4x%5, has %6x%7")
                              .arg(where, describe(label), label->text().left(60))
                              .arg(needed.width())
                              .arg(needed.height())
                              .arg(room.width())
                              .arg(room.height());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (button->text().trimmed().isEmpty())
                continue;
            // The style's hint is the text plus the frame, box or icon it draws around it.
            const QSize needed = button->sizeHint();
            if (needed.width() > button->width() + 1)
                faults << QStringLiteral("%1: %2 \"%3\" needs %4 wide, has %5")
                              .arg(where, describe(button), button->text())
                              .arg(needed.width())
                              .arg(button->width());
        }
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
            if (!model) {
                settle(&view);
                checkTexts(view.page(index), view.page(index)->objectName(), faults);
                continue;
            }
            for (int page = 0; page < model->pages()->count(); ++page) {
                model->pages()->setCurrentIndex(page);
                settle(&view);
                checkTexts(model->pages()->widget(page),
                           QStringLiteral("%1 page %2").arg(model->objectName()).arg(page), faults);
            }
        }
    }
    const std::vector<std::pair<QString, std::function<QWidget*()>>> dialogs = {
        { QStringLiteral("level dialog"), [] { return new SafeLevelSettingDialog; } },
        { QStringLiteral("encrypted backup tip"), [] { return new EraseTipDialog(EraseTipDialog::EncryptedBackup); } },
        { QStringLiteral("Find My iPhone tip"), [] { return new EraseTipDialog(EraseTipDialog::FindMyIPhone); } },
        { QStringLiteral("locked device tip"), [] { return new EraseTipDialog(EraseTipDialog::DeviceLocked); } },
        { QStringLiteral("language dialog"), [] { return new LanguageSelectView; } },
        { QStringLiteral("about dialog"), [] { return new OvAbout; } },
    };
    for (const auto& [name, make] : dialogs) {
        std::unique_ptr<QWidget> dialog(make());
        settle(dialog.get());
        checkTexts(dialog.get(), name, faults);
        dialog->hide();
    }
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join('\n')));
}

QTEST_MAIN(tst_TextsFit)
#include "tst_TextsFit.moc"
