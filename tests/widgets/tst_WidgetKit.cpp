#include "AppStyle.h"
#include "CheckableTableModel.h"
#include "OvImageLoader.h"
#include "OvSPushButton.h"
#include "OvStyleCheckBox.h"
#include "OvStyleCleanProcessProgressBar.h"
#include "OvStyleProgressBar.h"
#include "OvStyleWidgetTitle.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QMutex>
#include <QPushButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <atomic>

// The kit's smaller widgets, against a test skin of plain colours whose folder name holds
// a blank (as "Program Files" does), so that style sheets must quote their image paths.
class tst_WidgetKit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void paintedProgressBarFollowsThePercentage_data();
    void paintedProgressBarFollowsThePercentage();
    void progressBarWithoutSkinStillPaints();
    void styleSheetCheckBoxDrawsTheSkinAndReportsItsId();
    void imageButtonTakesItsImageAndSize();
    void titleBarClosesAndMovesItsWindow();
    void imageLoaderDropsWhatIsNoLongerWanted();
    void boxesAreCheckStatesOfTheirColumnAndTheLockHoldsThem();

private:
    void makeImage(const QString& name, const QColor& color, const QSize& size);

    QTemporaryDir m_root;
    QString m_skin;
};

void tst_WidgetKit::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_skin = m_root.filePath("skin dir");
    QVERIFY(QDir().mkpath(m_skin));
    AppStyle::instance().initialise(m_root.path());
    AppStyle::instance().setSkinDir(m_skin + "/");
    makeImage("ProgressBar_1.png", Qt::red, { 540, 6 });
    makeImage("ProgressBar_2.png", Qt::blue, { 540, 6 });
    makeImage("checkbox2_normal.png", Qt::red, { 16, 16 });
    makeImage("checkbox2_selected.png", Qt::blue, { 16, 16 });
    for (const char* state : { "n", "h", "p" })
        makeImage(QStringLiteral("close_%1.png").arg(state), Qt::magenta, { 20, 20 });
}

void tst_WidgetKit::makeImage(const QString& name, const QColor& color, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    QVERIFY(image.save(m_skin + "/" + name));
}

void tst_WidgetKit::paintedProgressBarFollowsThePercentage_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0%";
    QTest::newRow("50") << 50 << "50%";
    QTest::newRow("100") << 100 << "100%";
    QTest::newRow("above 100 is full") << 180 << "100%";
    QTest::newRow("below 0 is empty") << -4 << "0%";
}

void tst_WidgetKit::paintedProgressBarFollowsThePercentage()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    const int shown = qBound(0, value, 100);
    OvStyleProgressBar plain;
    OvStyleCleanProcessProgressBar clean;
    for (OvStyleProgressBar* bar : std::initializer_list<OvStyleProgressBar*> { &plain, &clean }) {
        bar->resize(400, bar->sizeHint().height());
        QSignalSpy updates(bar, &OvStyleProgressBar::signalUpdate);
        bar->SetValue(value);
        QCOMPARE(bar->Value(), shown);
        QCOMPARE(bar->Text(), text);
        QCOMPARE(updates.count(), shown == 0 ? 0 : 1); // 0 is where it started
        bar->SetValue(value);
        QCOMPARE(updates.count(), shown == 0 ? 0 : 1); // no repaint for the same value

        // Along the middle of the bar (the last row), the filled image covers the done part
        // and the track the rest.
        const QImage image = bar->grab().toImage();
        const int y = qobject_cast<OvStyleCleanProcessProgressBar*>(bar) ? bar->height() - 3 : bar->height() / 2;
        int barRight = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QColor color = image.pixelColor(x, y);
            if (color == Qt::red || color == Qt::blue)
                barRight = x;
        }
        QVERIFY(barRight > 100);
        const auto at = [&](int percent) { return image.pixelColor(barRight * percent / 100, y); };
        QCOMPARE(at(2), shown > 0 ? QColor(Qt::blue) : QColor(Qt::red));
        QCOMPARE(at(45), shown >= 50 ? QColor(Qt::blue) : QColor(Qt::red));
        QCOMPARE(at(55), shown >= 100 ? QColor(Qt::blue) : QColor(Qt::red));
        QCOMPARE(at(98), shown >= 100 ? QColor(Qt::blue) : QColor(Qt::red));
    }
}

void tst_WidgetKit::progressBarWithoutSkinStillPaints()
{
    AppStyle::instance().setSkinDir(m_root.filePath("empty") + "/");
    // Put the test skin back however this ends.
    const auto restore = qScopeGuard([this] { AppStyle::instance().setSkinDir(m_skin + "/"); });
    OvStyleProgressBar bar;
    bar.resize(300, 20);
    bar.SetValue(100);
    QCOMPARE(bar.grab().toImage().pixelColor(60, 10), QColor(0x29, 0x90, 0xff));
}

void tst_WidgetKit::styleSheetCheckBoxDrawsTheSkinAndReportsItsId()
{
    // The checked image, from a folder whose name holds a blank.
    OvStyleCheckBox box("Messages");
    box.SetId(9);
    QSignalSpy ids(&box, &OvStyleCheckBox::clickedId);
    box.resize(box.sizeHint());
    box.click();
    QCOMPARE(ids.count(), 1);
    QCOMPARE(ids.first(), (QVariantList { true, 9 }));
    const QImage image = box.grab().toImage();
    bool blue = false;
    for (int x = 0; x < 20 && !blue; ++x)
        blue = image.pixelColor(x, box.height() / 2) == Qt::blue;
    QVERIFY(blue);
}

void tst_WidgetKit::imageButtonTakesItsImageAndSize()
{
    OvSPushButton button("close_n.png", "close_h.png", "close_p.png");
    QCOMPARE(button.size(), QSize(20, 20));
    QCOMPARE(button.grab().toImage().pixelColor(10, 10), QColor(Qt::magenta));

    // A missing image must not leave an invisible, zero-sized button.
    OvSPushButton missing("nothing.png", "nothing.png", "nothing.png");
    missing.ensurePolished();
    QVERIFY(missing.minimumSizeHint().width() >= 20);
}

void tst_WidgetKit::titleBarClosesAndMovesItsWindow()
{
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(5, 5, 5, 5);
    auto* title = new OvStyleWidgetTitle(&window);
    title->SetTitle("Feedback");
    layout->addWidget(title);
    layout->addStretch(1);
    window.setGeometry(100, 100, 400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Dragging the title bar moves the window by the same amount; after the release the cursor
    // moves it no more.
    const QPoint start = window.pos();
    const auto send
        = [title](QEvent::Type type, const QPoint& global, Qt::MouseButton button, Qt::MouseButtons buttons) {
              QMouseEvent event(type, title->mapFromGlobal(global), global, button, buttons, {});
              QApplication::sendEvent(title, &event);
          };
    const QPoint grab = title->mapToGlobal(QPoint(60, 10));
    const QPoint moved = grab + QPoint(40, 25);
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, moved, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, moved, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(window.pos(), start + QPoint(40, 25));
    send(QEvent::MouseMove, moved + QPoint(10, 0), Qt::NoButton, Qt::NoButton);
    QCOMPARE(window.pos(), start + QPoint(40, 25));

    auto* close = title->findChild<QPushButton*>("titleCloseButton");
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

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
    QVariant CellData(const QModelIndex&, int) const override { return {}; }

private:
    QVector<bool> m_checked;
};

} // namespace

void tst_WidgetKit::imageLoaderDropsWhatIsNoLongerWanted()
{
    OvImageLoader loader;
    // Two decoders held busy, so that the next requests wait in the queue.
    QSemaphore release;
    std::atomic_int started { 0 };
    const auto blocking = [&] {
        ++started;
        release.acquire();
        return QImage(4, 4, QImage::Format_RGB32);
    };
    QStringList decoded;
    QMutex decodedLock;
    const auto recording = [&](const QString& key) {
        return [&, key] {
            QMutexLocker lock(&decodedLock);
            decoded << key;
            return key == "unreadable" ? QImage() : QImage(2, 2, QImage::Format_RGB32);
        };
    };
    QSignalSpy loaded(&loader, &OvImageLoader::Loaded);
    loader.Request("busy1", blocking);
    loader.Request("busy2", blocking);
    QTRY_COMPARE(started.load(), 2);
    loader.Request("scrolled away", recording("scrolled away"));
    loader.Request("wanted", recording("wanted"));
    loader.Request("wanted", recording("asked twice")); // one decode per key under way
    loader.Request("unreadable", recording("unreadable"));
    QVERIFY(loader.IsPending("scrolled away"));
    loader.Cancel("scrolled away");
    QVERIFY(!loader.IsPending("scrolled away"));
    // Dropped while decoding: its picture never arrives.
    loader.Cancel("busy2");
    release.release(2);

    QTRY_COMPARE(loaded.size(), 3);
    loader.WaitForDone();
    QCoreApplication::processEvents();
    QCOMPARE(loaded.size(), 3);
    QStringList keys;
    for (const QList<QVariant>& arguments : loaded) {
        keys << arguments.at(0).toString();
        QCOMPARE(arguments.at(1).value<QImage>().isNull(), keys.last() == "unreadable");
    }
    keys.sort();
    QCOMPARE(keys, QStringList({ "busy1", "unreadable", "wanted" }));
    decoded.sort();
    QCOMPARE(decoded, QStringList({ "unreadable", "wanted" }));
    QVERIFY(!loader.IsPending("wanted"));
}

void tst_WidgetKit::boxesAreCheckStatesOfTheirColumnAndTheLockHoldsThem()
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

QTEST_MAIN(tst_WidgetKit)
#include "tst_WidgetKit.moc"
