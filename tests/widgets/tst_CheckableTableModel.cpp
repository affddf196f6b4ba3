#include "CheckableTableModel.h"

#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>

namespace {

/// Two columns, the boxes in the second, as the large-file table puts them elsewhere than 0.
class Boxes : public CheckableTableModel
{
public:
    explicit Boxes(int rows)
        : CheckableTableModel(1)
        , m_checked(rows, false)
    { }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_checked.size(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }

protected:
    bool RowChecked(int row) const override { return m_checked.at(row); }
    void StoreChecked(int row, bool checked) override { m_checked[row] = checked; }
    QVariant CellData(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("row %1").arg(index.row())) : QVariant();
    }

private:
    QVector<bool> m_checked;
};

class ToggleDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override
    {
        return CheckableTableModel::ToggleOnEvent(event, model, option, index);
    }
};

} // namespace

class tst_CheckableTableModel : public QObject
{
    Q_OBJECT

private slots:
    void boxesAreCheckStatesOfTheirColumnAndTheLockHoldsThem();
    void keyboardAndMouseToggleThroughTheView();
};

void tst_CheckableTableModel::boxesAreCheckStatesOfTheirColumnAndTheLockHoldsThem()
{
    Boxes model(3);
    QList<int> userChecks;
    model.onUserCheck = [&userChecks](int row) { userChecks << row; };
    const QModelIndex box = model.index(1, 1);
    const QModelIndex text = model.index(1, 0);

    QVERIFY(model.flags(box) & Qt::ItemIsUserCheckable);
    QVERIFY(!(model.flags(text) & Qt::ItemIsUserCheckable));
    QCOMPARE(box.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QVERIFY(!text.data(Qt::CheckStateRole).isValid());
    QCOMPARE(text.data().toString(), QStringLiteral("row 1"));

    QVERIFY(!model.setData(text, Qt::Checked, Qt::CheckStateRole));
    QVERIFY(model.setData(box, Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(box.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(userChecks, QList<int> { 1 });

    // Setting what is already set tells nobody; a row past the end is ignored.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.SetChecked(1, true);
    model.SetChecked(7, true);
    QCOMPARE(changed.count(), 0);

    model.SetLocked(true);
    QVERIFY(!(model.flags(box) & Qt::ItemIsUserCheckable));
    QVERIFY(!model.setData(box, Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(box.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(userChecks, QList<int> { 1 });
    QVERIFY(changed.count() > 0); // views learn that the boxes stopped being checkable
}

void tst_CheckableTableModel::keyboardAndMouseToggleThroughTheView()
{
    Boxes model(2);
    QTableView view;
    view.setModel(&model);
    view.setItemDelegate(new ToggleDelegate(&view));
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    view.setCurrentIndex(model.index(0, 1));
    QTest::keyClick(&view, Qt::Key_Space);
    QCOMPARE(model.index(0, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QTest::keyClick(&view, Qt::Key_Space);
    QCOMPARE(model.index(0, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));

    const QRect cell = view.visualRect(model.index(1, 1));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(model.index(1, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    // The text column is no box: a click there changes nothing.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(model.index(1, 0)).center());
    QCOMPARE(model.index(1, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));

    model.SetLocked(true);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(model.index(1, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
}

QTEST_MAIN(tst_CheckableTableModel)
#include "tst_CheckableTableModel.moc"
