#include "OvModel.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

class tst_OvModel : public QObject
{
    Q_OBJECT

private slots:
    void pagesGoWhereTheirIndexSaysAndSwitchOnlyToKnownPages();
};

void tst_OvModel::pagesGoWhereTheirIndexSaysAndSwitchOnlyToKnownPages()
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

    QSignalSpy changes(stack, &QStackedWidget::currentChanged);
    model.SwitchPage(0); // already shown: nothing happens
    QCOMPARE(changes.count(), 0);
    model.SwitchPage(1);
    QCOMPARE(stack->currentIndex(), 1);
    model.SwitchPage(9);
    QCOMPARE(stack->currentIndex(), 1);
    QCOMPARE(changes.count(), 1);

    OvModel empty;
    empty.SwitchPage(0);
    QCOMPARE(empty.pages()->currentIndex(), -1);
}

QTEST_MAIN(tst_OvModel)
#include "tst_OvModel.moc"
