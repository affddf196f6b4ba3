// The main window and the 1-Click Free Up Space pages as a screen reader and a keyboard user
// reach them: through Qt's accessibility interfaces and the Tab and Space keys only.
#include "CGlobalData.h"
#include "DeviceImageFixture.h"
#include "LargeFilesCleanView.h"
#include "MainView.h"
#include "MessageBoxAnswerer.h"
#include "OneKeyPages.h"
#include "OvMessageBox.h"
#include "OvOneKeyClearModel.h"
#include "OvTabButton.h"
#include "OvTabControlWidget.h"
#include "PageWaiter.h"

#include "AppFolder.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <mutex>

using namespace OneKeyPage;

class tst_FirstTabAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void tabsActLikeAClickIncludingTheLeaveQuestion();
    void tableRowsAndSelectAllAreTickable();
    void everyControlIsNamedReachedByTabAndSpaceActs();

private:
    /// The accessible action `action` of `widget`; false when it offers no such action.
    static bool trigger(QWidget* widget, const QString& action);
    static QAccessibleInterface* accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }
    QList<int> checkedTabs() const;
    /// The controls of `page` that a keyboard user must be able to reach, disabled ones too.
    static QList<QWidget*> controls(QWidget* page);
    QAbstractButton* button(int page, const QString& objectName) const;
    void quickScanByScreenReader();

    QTemporaryDir m_app;
    DeviceImageFixture* m_devices = nullptr;
    MainView* m_view = nullptr;
    OvOneKeyClearModel* m_model = nullptr;
};

void tst_FirstTabAccessibility::initTestCase()
{
    QVERIFY(m_app.isValid());
    UseAsAppFolder(m_app.path());
    m_devices = new DeviceImageFixture;
    QVERIFY(m_devices->isValid());
    m_view = new MainView;
    m_view->show();
    QApplication::setActiveWindow(m_view);
    QVERIFY(QTest::qWaitForWindowActive(m_view));
    const QString phone = m_devices->create("Reader's iPhone");
    QVERIFY2(!phone.isEmpty(), qPrintable(m_devices->lastError()));
    QVERIFY(m_devices->plug(phone));
    QTRY_COMPARE_WITH_TIMEOUT(m_view->currentPageIndex(), int(MainView::OneKeyPage), 10000);
    m_model = qobject_cast<OvOneKeyClearModel*>(m_view->page(MainView::OneKeyPage));
    QVERIFY(m_model);
}

void tst_FirstTabAccessibility::cleanupTestCase()
{
    delete m_view;
    delete m_devices;
}

bool tst_FirstTabAccessibility::trigger(QWidget* widget, const QString& action)
{
    QAccessibleInterface* face = accessible(widget);
    if (!face || !face->actionInterface() || !face->actionInterface()->actionNames().contains(action))
        return false;
    face->actionInterface()->doAction(action);
    return true;
}

QList<int> tst_FirstTabAccessibility::checkedTabs() const
{
    QList<int> checked;
    for (int i = 0; i < m_view->tabBar()->Count(); ++i) {
        if (accessible(m_view->tabBar()->TabButton(i))->state().checked)
            checked << i;
    }
    return checked;
}

QAbstractButton* tst_FirstTabAccessibility::button(int page, const QString& objectName) const
{
    return m_model->page(page)->findChild<QAbstractButton*>(objectName);
}

void tst_FirstTabAccessibility::quickScanByScreenReader()
{
    m_model->SwitchPage(Home);
    QAbstractButton* quickScan = button(Home, "quickScanButton");
    QVERIFY(quickScan);
    QCOMPARE(accessible(quickScan)->text(QAccessible::Name), QStringLiteral("Quick Scan"));
    QVERIFY(trigger(quickScan, QAccessibleActionInterface::pressAction()));
    QVERIFY_PAGE(m_model, QuickResult);
}

void tst_FirstTabAccessibility::tabsActLikeAClickIncludingTheLeaveQuestion()
{
    OvTabControlWidget* tabs = m_view->tabBar();
    QAccessibleInterface* eraseAll = accessible(tabs->TabButton(1));
    QCOMPARE(eraseAll->role(), QAccessible::PageTab);
    QCOMPARE(eraseAll->text(QAccessible::Name), QStringLiteral("Erase All Data"));
    QVERIFY(eraseAll->state().checkable);

    // The action a screen reader offers switches the page, and one tab only reads selected.
    QVERIFY(trigger(tabs->TabButton(1), QAccessibleActionInterface::pressAction()));
    QCOMPARE(m_view->currentPageIndex(), int(MainView::EraseAllPage));
    QCOMPARE(checkedTabs(), QList<int>({ 1 }));
    QVERIFY(eraseAll->state().selected);
    // A reader that toggles instead of pressing gets the same.
    QVERIFY(trigger(tabs->TabButton(0), QAccessibleActionInterface::toggleAction()));
    QCOMPARE(m_view->currentPageIndex(), int(MainView::OneKeyPage));
    QCOMPARE(checkedTabs(), QList<int>({ 0 }));

    // With a scan result open, leaving asks; "No" keeps the tab and the page.
    quickScanByScreenReader();
    MessageBoxAnswerer answerer(OvMessageBox::No);
    QVERIFY(trigger(tabs->TabButton(2), QAccessibleActionInterface::pressAction()));
    QCOMPARE(answerer.questions().size(), 1);
    QCOMPARE(answerer.questions().first().text,
             QStringLiteral("If you leave, the scanning result won't be saved. Are you sure you want to leave?"));
    QCOMPARE(m_view->currentPageIndex(), int(MainView::OneKeyPage));
    QCOMPARE(m_model->currentPage(), int(QuickResult));
    QCOMPARE(checkedTabs(), QList<int>({ 0 }));
    answerer.setButton(OvMessageBox::Yes);
    QVERIFY(trigger(tabs->TabButton(2), QAccessibleActionInterface::pressAction()));
    QCOMPARE(m_view->currentPageIndex(), int(MainView::DeletedFilesPage));
    QCOMPARE(checkedTabs(), QList<int>({ 2 }));

    // A tab locked while device work runs offers no action and cannot be switched to.
    QVERIFY(trigger(tabs->TabButton(0), QAccessibleActionInterface::pressAction()));
    m_view->enableTabs(false);
    QVERIFY(!trigger(tabs->TabButton(3), QAccessibleActionInterface::pressAction()));
    QCOMPARE(m_view->currentPageIndex(), int(MainView::OneKeyPage));
    m_view->enableTabs(true);
}

void tst_FirstTabAccessibility::tableRowsAndSelectAllAreTickable()
{
    m_model->SwitchPage(Home);
    QVERIFY(trigger(button(Home, "largeFilesButton"), QAccessibleActionInterface::pressAction()));
    QVERIFY_PAGE(m_model, LargeList);
    auto* list = qobject_cast<LargeFilesCleanView*>(m_model->page(LargeList));
    auto* table = list->findChild<QTableView*>("largeFilesTable");
    QAccessibleTableInterface* cells = accessible(table)->tableInterface();
    QVERIFY(cells);
    QVERIFY(cells->rowCount() >= 2);
    QAbstractButton* exportOnly = button(LargeList, "largeFilesExportButton");
    QVERIFY(!exportOnly->isEnabled());

    // Ticking a row's box by its accessible action chooses that file, as a click would.
    QAccessibleInterface* box = cells->cellAt(1, 0);
    QVERIFY(box->state().checkable);
    QVERIFY(!box->state().checked);
    QVERIFY(box->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(cells->cellAt(1, 0)->state().checked);
    QVERIFY(list->IsVisibleRowChecked(1));
    QVERIFY(!list->IsVisibleRowChecked(0));
    const int id = list->VisibleRowId(1);
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        for (const OneKeyFileInfo& file : store->m_obLLargeFiles)
            QCOMPARE(file.m_bChecked == 1, file.m_nId == id);
    }
    QVERIFY(exportOnly->isEnabled());
    // A mouse click on another row leaves that choice alone.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 2)).center());
    QVERIFY(cells->cellAt(1, 0)->state().checked);
    QVERIFY(!cells->cellAt(0, 0)->state().checked);

    // The header's select-all is a tri-state check box whose toggle really selects all.
    auto* selectAll = list->findChild<QAbstractButton*>("largeFilesHeaderCheckBox");
    QAccessibleInterface* header = accessible(selectAll);
    QCOMPARE(header->role(), QAccessible::CheckBox);
    QCOMPARE(header->text(QAccessible::Name), QStringLiteral("Select all"));
    QVERIFY(header->state().checkStateMixed);
    QVERIFY(trigger(selectAll, QAccessibleActionInterface::toggleAction()));
    for (int row = 0; row < cells->rowCount(); ++row)
        QVERIFY2(list->IsVisibleRowChecked(row), qPrintable(QString::number(row)));
    QVERIFY(header->state().checked);
    QVERIFY(trigger(selectAll, QAccessibleActionInterface::toggleAction()));
    QVERIFY(!list->IsVisibleRowChecked(1));
    QVERIFY(!exportOnly->isEnabled());

    // The same for the app table, whose rows lock while apps are being removed.
    MessageBoxAnswerer answerer(OvMessageBox::Yes);
    // Qt presses a push button by a short animated click.
    QVERIFY(trigger(button(LargeList, "largeFilesBackButton"), QAccessibleActionInterface::pressAction()));
    QTRY_COMPARE(m_model->currentPage(), int(Home));
    QVERIFY(trigger(button(Home, "appsButton"), QAccessibleActionInterface::pressAction()));
    QVERIFY_PAGE(m_model, AppList);
    auto* apps = m_model->page(AppList)->findChild<QTableView*>("appManagerTable");
    QAccessibleTableInterface* appCells = accessible(apps)->tableInterface();
    QAccessibleInterface* appBox = appCells->cellAt(0, 0);
    appBox->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(appCells->cellAt(0, 0)->state().checked);
    QVERIFY(button(AppList, "appManagerRemoveButton")->isEnabled());
    auto* appsAll = m_model->page(AppList)->findChild<QAbstractButton*>("appManagerHeaderCheckBox");
    QVERIFY(trigger(appsAll, QAccessibleActionInterface::toggleAction()));
    for (int row = 0; row < appCells->rowCount(); ++row)
        QVERIFY(appCells->cellAt(row, 0)->state().checked);
}

QList<QWidget*> tst_FirstTabAccessibility::controls(QWidget* page)
{
    QList<QWidget*> found;
    const auto widgets = page->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget)
            || qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractItemView*>(widget);
        // What Qt builds inside a combo box is reached through the box.
        // A header is read with its table; its select-all box is a control of its own.
        if (!control || qobject_cast<QHeaderView*>(widget) || !widget->isVisibleTo(page)
            || qobject_cast<QComboBox*>(widget->parentWidget()) || widget->inherits("QComboBoxListView"))
            continue;
        found << widget;
    }
    return found;
}

void tst_FirstTabAccessibility::everyControlIsNamedReachedByTabAndSpaceActs()
{
    // With every list filled, so that the pages show all their controls.
    quickScanByScreenReader();
    QApplication::setActiveWindow(m_view);
    QStringList unreached;
    QStringList unnamed;
    // Page -1 is the window around the pages: title bar and tabs, with the home page.
    for (int index = -1; index < Count; ++index) {
        m_model->SwitchPage(qMax(index, 0));
        QWidget* page = index < 0 ? static_cast<QWidget*>(m_view) : m_model->page(index);
        QList<QWidget*> wanted = controls(page);
        for (QWidget* control : wanted) {
            if (index >= 0 && (control->objectName().isEmpty() || control->accessibleName().isEmpty()))
                unnamed << QStringLiteral("page %1: %2").arg(index).arg(control->metaObject()->className());
        }
        wanted.erase(
            std::remove_if(wanted.begin(), wanted.end(), [](QWidget* control) { return !control->isEnabled(); }),
            wanted.end());
        if (wanted.isEmpty())
            continue;
        wanted.first()->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> reached;
        for (int step = 0; step < 200 && reached.size() < wanted.size(); ++step) {
            QWidget* focus = m_view->focusWidget();
            if (wanted.contains(focus))
                reached.insert(focus);
            QTest::keyClick(focus ? focus : m_view, Qt::Key_Tab);
        }
        for (QWidget* control : wanted) {
            if (!reached.contains(control))
                unreached << QStringLiteral("page %1: %2").arg(index).arg(control->objectName());
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("; ")));
    QVERIFY2(unreached.isEmpty(), qPrintable(unreached.join("; ")));

    // Space acts on what has the focus: a tab, a table row, a button.
    m_view->tabBar()->TabButton(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_view->tabBar()->TabButton(1), Qt::Key_Space);
    QCOMPARE(m_view->currentPageIndex(), int(MainView::EraseAllPage));
    m_view->tabBar()->TabButton(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_view->tabBar()->TabButton(0), Qt::Key_Space);
    QCOMPARE(m_view->currentPageIndex(), int(MainView::OneKeyPage));

    m_model->SwitchPage(Home);
    QTest::keyClick(button(Home, "largeFilesButton"), Qt::Key_Space);
    QVERIFY_PAGE(m_model, LargeList);
    auto* table = m_model->page(LargeList)->findChild<QTableView*>("largeFilesTable");
    table->setFocus(Qt::TabFocusReason);
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Space);
    QVERIFY(qobject_cast<LargeFilesCleanView*>(m_model->page(LargeList))->IsVisibleRowChecked(0));

    // Enter as well as Space on the pages' push buttons.
    MessageBoxAnswerer answerer(OvMessageBox::Yes);
    QAbstractButton* back = button(LargeList, "largeFilesBackButton");
    back->setFocus(Qt::TabFocusReason);
    QTest::keyClick(back, Qt::Key_Return);
    QCOMPARE(m_model->currentPage(), int(Home));
}

QTEST_MAIN(tst_FirstTabAccessibility)
#include "tst_FirstTabAccessibility.moc"
