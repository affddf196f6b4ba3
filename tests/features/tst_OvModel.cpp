#include "OvModel.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

class tst_OvModel : public QObject
{
    Q_OBJECT

private slots:
    void pagesGoWhereTheirIndexSays();
    void switchingIgnoresTheCurrentAndUnknownPages();
    void onlySwitchPageIsInTheMetaObject();
};

void tst_OvModel::pagesGoWhereTheirIndexSays()
{
    OvModel model;
    auto* home = new QLabel("home");
    auto* result = new QLabel("result");
    auto* scan = new QLabel("scan");
    model.AddPage(0, home);
    model.AddPage(1, result);
    model.AddPage(1, scan);                 // inserted before "result"
    model.AddPage(7, new QLabel("finish")); // past the end: appended as 3
    model.AddPage(-1, new QLabel("lost"));
    model.AddPage(4, nullptr);

    QStackedWidget* stack = model.pages();
    QCOMPARE(stack->count(), 4);
    QCOMPARE(stack->widget(0), home);
    QCOMPARE(stack->widget(1), scan);
    QCOMPARE(stack->widget(2), result);
    QCOMPARE(qobject_cast<QLabel*>(stack->widget(3))->text(), QStringLiteral("finish"));
    QCOMPARE(stack->currentIndex(), 0);
}

void tst_OvModel::switchingIgnoresTheCurrentAndUnknownPages()
{
    OvModel empty;
    empty.SwitchPage(0);
    QCOMPARE(empty.pages()->currentIndex(), -1);

    OvModel model;
    model.AddPage(0, new QLabel("a"));
    model.AddPage(1, new QLabel("b"));
    QSignalSpy changes(model.pages(), &QStackedWidget::currentChanged);
    model.SwitchPage(0); // already shown: nothing happens
    QCOMPARE(changes.count(), 0);
    model.SwitchPage(1);
    QCOMPARE(model.pages()->currentIndex(), 1);
    model.SwitchPage(9);
    QCOMPARE(model.pages()->currentIndex(), 1);
    QCOMPARE(changes.count(), 1);

    // Views reach the model by the textual signature.
    QVERIFY(QMetaObject::invokeMethod(&model, "SwitchPage", Q_ARG(int, 0)));
    QCOMPARE(model.pages()->currentIndex(), 0);
}

void tst_OvModel::onlySwitchPageIsInTheMetaObject()
{
    const QMetaObject& meta = OvModel::staticMetaObject;
    QCOMPARE(QString(meta.className()), QStringLiteral("OvModel"));
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 1);
    QCOMPARE(QString(meta.method(meta.methodOffset()).methodSignature()), QStringLiteral("SwitchPage(int)"));
}

QTEST_MAIN(tst_OvModel)
#include "tst_OvModel.moc"
