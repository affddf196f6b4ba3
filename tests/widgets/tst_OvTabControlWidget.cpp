#include "AppPaths.h"
#include "AppStyle.h"
#include "OvTabButton.h"
#include "OvTabControlWidget.h"

#include <QSignalSpy>
#include <QTest>

class tst_OvTabControlWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void clickSelectsAndEmitsTheIndexAndTheOwnerSelectsQuietly();
    void disabledTabsNeitherSelectNorEmit();

private:
    void click(int index) { QTest::mouseClick(m_tabs->TabButton(index), Qt::LeftButton); }
    QList<int> checkedTabs() const;

    OvTabControlWidget* m_tabs = nullptr;
};

void tst_OvTabControlWidget::initTestCase()
{
    AppStyle::instance().initialise(applicationDirectory());
}

void tst_OvTabControlWidget::init()
{
    m_tabs = new OvTabControlWidget;
    for (const QString name :
         { "one_click", "erase_all_data", "erase_deleted_files", "erase_private_data", "erase_fragements" })
        m_tabs->AddTabButton(name, "tab_" + name + "_normal.png", "tab_" + name + "_selected.png");
    m_tabs->resize(1000, 72);
    m_tabs->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_tabs));
}

void tst_OvTabControlWidget::cleanup()
{
    delete m_tabs;
    m_tabs = nullptr;
}

QList<int> tst_OvTabControlWidget::checkedTabs() const
{
    QList<int> checked;
    for (int i = 0; i < m_tabs->Count(); ++i) {
        if (m_tabs->TabButton(i)->isChecked())
            checked << i;
    }
    return checked;
}

void tst_OvTabControlWidget::clickSelectsAndEmitsTheIndexAndTheOwnerSelectsQuietly()
{
    QCOMPARE(m_tabs->CurrentIndex(), -1);
    QSignalSpy spy(m_tabs, &OvTabControlWidget::signalTabButtonSwitch);
    click(3);
    QCOMPARE(m_tabs->CurrentIndex(), 3);
    QCOMPARE(checkedTabs(), QList<int> { 3 });
    QCOMPARE(m_tabs->TabButton(3)->CurrentImage(), QStringLiteral("tab_erase_private_data_selected.png"));
    QCOMPARE(m_tabs->TabButton(0)->CurrentImage(), QStringLiteral("tab_one_click_normal.png"));
    click(0);
    click(0); // the selected tab again: it stays selected and nothing is emitted
    QCOMPARE(checkedTabs(), QList<int> { 0 });
    // Keyboard users reach a tab too.
    m_tabs->TabButton(2)->setFocus();
    QTest::keyClick(m_tabs->TabButton(2), Qt::Key_Space);
    QList<int> indices;
    for (const QVariantList& arguments : spy)
        indices << arguments.at(0).toInt();
    QCOMPARE(indices, (QList<int> { 3, 0, 2 }));

    // The owner asked whether to leave; the user said No: the old tab comes back quietly,
    // and a click on the tab left behind switches again.
    m_tabs->SetCurrentTab(0);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(m_tabs->CurrentIndex(), 0);
    QCOMPARE(checkedTabs(), QList<int> { 0 });
    click(2);
    QCOMPARE(spy.count(), 4);
    m_tabs->SetCurrentTab(-1);
    QCOMPARE(checkedTabs(), QList<int> {});

    // A label on two lines is read as one.
    m_tabs->SetTabText(1, "Alle Daten\nlöschen");
    QCOMPARE(m_tabs->TabButton(1)->accessibleName(), QStringLiteral("Alle Daten löschen"));
}

void tst_OvTabControlWidget::disabledTabsNeitherSelectNorEmit()
{
    QSignalSpy spy(m_tabs, &OvTabControlWidget::signalTabButtonSwitch);
    m_tabs->SetCurrentTab(1);
    m_tabs->SetTabEnabled(4, false);
    QVERIFY(!m_tabs->IsTabEnabled(4));
    click(4);
    m_tabs->slotChangeTabBtn(4);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_tabs->CurrentIndex(), 1);

    // The start of the program: every tab disabled.
    m_tabs->SetAllTabsEnabled(false);
    for (int i = 0; i < m_tabs->Count(); ++i)
        click(i);
    QCOMPARE(spy.count(), 0);
    m_tabs->SetAllTabsEnabled(true);
    click(4);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(m_tabs->CurrentIndex(), 4);
}

QTEST_MAIN(tst_OvTabControlWidget)
#include "tst_OvTabControlWidget.moc"
