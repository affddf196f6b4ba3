#include "AppShowWidget.h"
#include "AppStyle.h"
#include "CommomImgCtrlLabel.h"
#include "CommonImgCtrl.h"
#include "FanShapedWidget.h"
#include "NoFocusDelegate.h"
#include "OvCustomNOButton.h"
#include "OvFillDataProgressBar.h"
#include "OvImageLoader.h"
#include "OvLineDelegate.h"
#include "OvMessageListShowWidget.h"
#include "OvProgressBarGif.h"
#include "OvSPushButton.h"
#include "OvStyleButton.h"
#include "OvStyleButtonWidget.h"
#include "OvStyleCheckBox.h"
#include "OvStyleCheckBoxButton.h"
#include "OvStyleCheckBoxDH.h"
#include "OvStyleCheckBoxSubImageWidget.h"
#include "OvStyleCleanProcessProgressBar.h"
#include "OvStyleComboBox.h"
#include "OvStyleLabel.h"
#include "OvStyleProgressBar.h"
#include "OvStyleScanProcessView.h"
#include "OvStyleScrollArea.h"
#include "OvStyleTabHeadWidget.h"
#include "OvStyleTabelWidgetCheckBox.h"
#include "OvStyleTableWidget.h"
#include "OvStyleTreeWidget.h"
#include "OvStyleWidget.h"
#include "OvStyleWidgetTitle.h"
#include "OvTabControlWidget.h"
#include "OvTableSubWidget.h"
#include "RoundWidget.h"
#include "StyleSheets.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QMutex>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <atomic>
#include <limits>

// The kit's smaller widgets, against a test skin of plain colours whose folder name holds
// a blank (as "Program Files" does), so that style sheets must quote their image paths.
class tst_WidgetKit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void paintedProgressBarFollowsThePercentage_data();
    void paintedProgressBarFollowsThePercentage();
    void progressBarsWithoutSkinStillPaint();
    void paintedCheckBoxPicksItsImage();
    void styleSheetCheckBoxShowsTheSkinImages();
    void imageButtonTakesItsImageAndSize();
    void titleBarClosesAndMovesItsWindow();
    void scrollAreaReportsItsPosition();
    void clickableLabelTogglesAndFollowsItsBox();
    void checkBoxesReportTheirCellAndId();
    void rowsAndThumbnailsTickFromAnywhereAndSurviveMissingFiles();
    void cardsClickOnReleaseInsideAndByKeyboard();
    void tabHeadsSwitchPages();
    void sharesAreExactForAnyAmount();
    void messageListGrowsWithItsMessages();
    void imageLoaderDropsWhatIsNoLongerWanted();

private:
    void makeImage(const QString& name, const QColor& color, const QSize& size);
    static void enter(QWidget& widget);
    static void leave(QWidget& widget);

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
    const QColor states[] = { Qt::red, Qt::darkRed, Qt::blue, Qt::darkBlue, Qt::green, Qt::darkGreen };
    for (int i = 0; i < 6; ++i)
        makeImage(QStringLiteral("checkState%1.png").arg(i + 1), states[i], { 16, 16 });
    const char* suffixes[] = { "_normal.png",         "_hover.png",         "_selected.png",
                               "_selected_hover.png", "_half_selected.png", "_half_selected_hover.png" };
    for (int i = 0; i < 6; ++i)
        makeImage(QStringLiteral("checkbox2") + suffixes[i], states[i], { 16, 16 });
    makeImage("close_n.png", Qt::magenta, { 20, 20 });
    makeImage("close_h.png", Qt::cyan, { 20, 20 });
    makeImage("close_p.png", Qt::black, { 20, 20 });
}

void tst_WidgetKit::makeImage(const QString& name, const QColor& color, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    QVERIFY(image.save(m_skin + "/" + name));
}

void tst_WidgetKit::enter(QWidget& widget)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&widget, &event);
}

void tst_WidgetKit::leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
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

void tst_WidgetKit::progressBarsWithoutSkinStillPaint()
{
    AppStyle::instance().setSkinDir(m_root.filePath("empty") + "/");
    // Put the test skin back however this ends.
    const auto restore = qScopeGuard([this] { AppStyle::instance().setSkinDir(m_skin + "/"); });
    OvStyleProgressBar bar;
    bar.resize(300, 20);
    bar.SetValue(100);
    const QImage image = bar.grab().toImage();
    QCOMPARE(image.pixelColor(60, 10), QColor(0x29, 0x90, 0xff));
    OvStyleCheckBoxDH box("Select All");
    box.setChecked(true);
    box.resize(box.sizeHint());
    // Inside the drawn box, above its check mark.
    QCOMPARE(box.grab().toImage().pixelColor(8, (box.height() - 16) / 2 + 3), QColor(0x29, 0x90, 0xff));
}

void tst_WidgetKit::paintedCheckBoxPicksItsImage()
{
    OvStyleCheckBoxDH box("Select All");
    box.setTristate(true);
    box.resize(box.sizeHint());
    const auto shown = [&box] { return box.grab().toImage().pixelColor(8, box.height() / 2); };
    QCOMPARE(box.ImageName(), QStringLiteral("checkState1.png"));
    QCOMPARE(shown(), QColor(Qt::red));
    enter(box);
    QCOMPARE(box.ImageName(), QStringLiteral("checkState2.png"));
    box.setCheckState(Qt::Checked);
    QCOMPARE(box.ImageName(), QStringLiteral("checkState4.png"));
    box.setCheckState(Qt::PartiallyChecked);
    QCOMPARE(box.ImageName(), QStringLiteral("checkState6.png"));
    leave(box);
    QCOMPARE(box.ImageName(), QStringLiteral("checkState5.png"));
    QCOMPARE(shown(), QColor(Qt::green));
    box.setCheckState(Qt::Checked);
    QCOMPARE(box.ImageName(), QStringLiteral("checkState3.png"));
    QCOMPARE(shown(), QColor(Qt::blue));

    // The caption is part of the target.
    box.setTristate(false);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.width() - 3, box.height() / 2));
    QCOMPARE(box.checkState(), Qt::Unchecked);
    QCOMPARE(box.accessibleName(), QStringLiteral("Select All"));
}

void tst_WidgetKit::styleSheetCheckBoxShowsTheSkinImages()
{
    const QString sheet = CheckBoxStyleSheet("checkbox2");
    QVERIFY(sheet.contains(
        QStringLiteral("QCheckBox::indicator:unchecked { image: url(\"%1/checkbox2_normal.png\");}").arg(m_skin)));
    QVERIFY(sheet.contains("QCheckBox::indicator:indeterminate:hover { image: url(\"" + m_skin
                           + "/checkbox2_half_selected_hover.png\");}"));
    QVERIFY(CheckBoxStyleSheet("checkbox2", "QTreeView").contains("QTreeView::indicator:checked { image: url("));

    // What counts is what the style draws: the checked image, from a folder with a blank.
    OvStyleCheckBox box("Messages");
    box.setChecked(true);
    box.resize(box.sizeHint());
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

    // Dragging the title bar moves the window by the same amount.
    const QPoint start = window.pos();
    const QPoint grab = title->mapToGlobal(QPoint(60, 10));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(60, 10), grab, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(title, &press);
    const QPoint moved = grab + QPoint(40, 25);
    QMouseEvent move(QEvent::MouseMove, title->mapFromGlobal(moved), moved, Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(title, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, title->mapFromGlobal(moved), moved, Qt::LeftButton, Qt::NoButton,
                        {});
    QApplication::sendEvent(title, &release);
    QCOMPARE(window.pos(), start + QPoint(40, 25));
    // After the release the cursor moves the window no more.
    QMouseEvent hover(QEvent::MouseMove, QPointF(70, 10), moved + QPoint(10, 0), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(title, &hover);
    QCOMPARE(window.pos(), start + QPoint(40, 25));

    auto* close = title->findChild<QPushButton*>("titleCloseButton");
    QVERIFY(close);
    QCOMPARE(close->accessibleName(), QStringLiteral("Close"));
    auto* extra = title->AddTitleButton("titleToolsButton", "Tools", "close_n.png", "close_h.png", "close_p.png");
    QCOMPARE(extra->accessibleName(), QStringLiteral("Tools"));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!window.isVisible());

    // The styled window's title bar closes the styled window.
    OvStyleWidget styled;
    styled.SetTitle("About");
    styled.show();
    QVERIFY(QTest::qWaitForWindowExposed(&styled));
    styled.TitleBar()->slotClosePWidget();
    QVERIFY(!styled.isVisible());
}

void tst_WidgetKit::scrollAreaReportsItsPosition()
{
    OvStyleScrollArea area;
    auto* content = new QWidget;
    content->setMinimumSize(200, 2000);
    area.setWidget(content);
    area.resize(220, 300);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QSignalSpy spy(&area, &OvStyleScrollArea::signalScrollPoint);
    area.verticalScrollBar()->setValue(450);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(0).toInt(), 0);
    QCOMPARE(spy.first().at(1).toInt(), 450);
    QCOMPARE(area.verticalScrollBar()->width(), 10);
}

void tst_WidgetKit::clickableLabelTogglesAndFollowsItsBox()
{
    OvStyleLabel label("picture");
    label.resize(100, 100);
    QSignalSpy changes(&label, &OvStyleLabel::changeLabelSignal);
    QSignalSpy entered(&label, &OvStyleLabel::cursorEnterSignal);
    QSignalSpy left(&label, &OvStyleLabel::cursorLeaveSignal);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last().first().toBool(), true);

    // The box was unticked elsewhere: the label follows without reporting back, and the
    // next click ticks again.
    label.slotCheckBox(false);
    QCOMPARE(changes.count(), 1);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(changes.last().first().toBool(), true);

    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(50, 50));
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 50));
    QCOMPARE(changes.count(), 2);

    enter(label);
    leave(label);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 1);
}

void tst_WidgetKit::checkBoxesReportTheirCellAndId()
{
    OvStyleTabelWidgetCheckBox cell(0, 0);
    cell.SetCell(4, 1);
    cell.resize(40, 40);
    QSignalSpy table(&cell, &OvStyleTabelWidgetCheckBox::clickedTable);
    cell.CheckBox()->click();
    QCOMPARE(table.count(), 1);
    QCOMPARE(table.first().at(0).toInt(), 4);
    QCOMPARE(table.first().at(1).toInt(), 1);
    QVERIFY(cell.IsChecked());
    cell.SetChecked(false); // a tick set by the owner is no click
    QCOMPARE(table.count(), 1);

    OvStyleCheckBox box("Contacts");
    box.SetId(9);
    QSignalSpy ids(&box, &OvStyleCheckBox::clickedId);
    box.click();
    QCOMPARE(ids.count(), 1);
    QCOMPARE(ids.first().at(0).toBool(), true);
    QCOMPARE(ids.first().at(1).toInt(), 9);

    OvStyleCheckBoxButton all("Select All");
    all.resize(all.sizeHint());
    QSignalSpy changes(&all, &OvStyleCheckBoxButton::CheckChange);
    QSignalSpy clicks(&all, &OvStyleCheckBoxButton::ClickEvent);
    all.SetCheckState(1); // some rows ticked
    QTest::mouseClick(&all, Qt::LeftButton);
    QCOMPARE(all.CheckState(), 2);
    QTest::mouseClick(&all, Qt::LeftButton);
    QCOMPARE(all.CheckState(), 0);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(changes.count(), 3);
    QCOMPARE(changes.at(1).first().toInt(), 2);
}

void tst_WidgetKit::rowsAndThumbnailsTickFromAnywhereAndSurviveMissingFiles()
{
    AppShowWidget app(12);
    app.SetApp("Maps", "120.50MB", m_root.filePath("no_icon.png"));
    QVERIFY(!app.HasOwnIcon());
    QCOMPARE(app.CheckBox()->accessibleName(), QStringLiteral("Maps"));
    app.resize(400, 56);
    QSignalSpy apps(&app, &AppShowWidget::signalAppIsChecked);
    QTest::mouseClick(&app, Qt::LeftButton, {}, QPoint(300, 28));
    QCOMPARE(apps.count(), 1);
    QCOMPARE(apps.first().at(0).toInt(), 12);
    QCOMPARE(apps.first().at(1).toBool(), true);
    app.SetChecked(false); // "Uncheck All" is reported too, so counts stay right
    QCOMPARE(apps.count(), 2);

    CommonImgCtrl video("v-7");
    video.SetPictureFile(m_root.filePath("missing.jpg"));
    video.SetVideo(true);
    QVERIFY(!video.Picture()->HasPicture());
    QSignalSpy videos(&video, &CommonImgCtrl::signalVideoIsChecked);
    QTest::mouseClick(video.Picture(), Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(videos.count(), 1);
    QCOMPARE(videos.first().at(0).toString(), QStringLiteral("v-7"));
    QCOMPARE(videos.first().at(1).toBool(), true);

    OvStyleCheckBoxSubImageWidget tile;
    tile.resize(100, 100);
    QTest::mouseClick(&tile, Qt::LeftButton, {}, QPoint(40, 60));
    QVERIFY(tile.IsChecked());
    QImage photo(40, 20, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    QVERIFY(photo.save(m_root.filePath("photo.png")));
    tile.SetPictureFile(m_root.filePath("photo.png"));
    QVERIFY(tile.Picture()->HasPicture());
    // Filled and cropped: the middle of the square shows the photo.
    QCOMPARE(tile.grab().toImage().pixelColor(50, 50), QColor(Qt::darkCyan));
}

void tst_WidgetKit::cardsClickOnReleaseInsideAndByKeyboard()
{
    OvStyleButtonWidget card;
    card.resize(200, 80);
    QSignalSpy clicked(&card, &OvStyleButtonWidget::signalClicked);
    QTest::mouseClick(&card, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(clicked.count(), 1);
    QTest::mousePress(&card, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(card.IsPressed());
    QTest::mouseRelease(&card, Qt::LeftButton, {}, QPoint(220, 20));
    QVERIFY(!card.IsPressed());
    QCOMPARE(clicked.count(), 1);
    QTest::keyClick(&card, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);

    OvStyleButton button("Photos");
    button.SetImages("checkState1.png", QString(), "checkState3.png");
    QSignalSpy entered(&button, &OvStyleButton::mouseEnter);
    QSignalSpy left(&button, &OvStyleButton::mouseLeave);
    enter(button);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(button.CurrentImage(), QStringLiteral("checkState1.png")); // no hover image: normal
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.CurrentImage(), QStringLiteral("checkState3.png"));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    leave(button);
    QCOMPARE(left.count(), 1);
    QCOMPARE(button.accessibleName(), QStringLiteral("Photos"));
}

void tst_WidgetKit::tabHeadsSwitchPages()
{
    OvStyleTabHeadWidget heads;
    QCOMPARE(heads.AddPage("Messages"), 0);
    QCOMPARE(heads.AddPage("Attachments"), 1);
    QCOMPARE(heads.CurrentPage(), 0);
    QSignalSpy pages(&heads, &OvStyleTabHeadWidget::onClickPage);
    heads.Head(1)->click();
    QCOMPARE(pages.count(), 1);
    QCOMPARE(pages.first().first().toInt(), 1);
    QVERIFY(heads.Head(1)->isChecked());
    QVERIFY(!heads.Head(0)->isChecked());
    heads.SetCurrentPage(0);
    QCOMPARE(pages.count(), 1);
    heads.ClickPage(7);
    QCOMPARE(pages.count(), 1);
    QCOMPARE(heads.Head(1)->accessibleName(), QStringLiteral("Attachments"));
}

void tst_WidgetKit::sharesAreExactForAnyAmount()
{
    const quint64 max = std::numeric_limits<quint64>::max();
    OvFillDataProgressBar fill;
    fill.SetValue(0, 0);
    QCOMPARE(fill.Percent(), 0);
    fill.SetValue(1, 3);
    QCOMPARE(fill.Percent(), 33);
    fill.SetValue(199, 200);
    QCOMPARE(fill.Percent(), 99); // not rounded up to done
    fill.SetValue(max / 2, max - 1);
    QCOMPARE(fill.Percent(), 50);
    fill.SetValue(500, 400); // a pass that writes more than it announced
    QCOMPARE(fill.Percent(), 100);
    QCOMPARE(fill.Text(), QStringLiteral("100%"));

    RoundWidget ring;
    ring.SetValue(24, 64);
    QCOMPARE(ring.Percent(), 37);

    FanShapedWidget fan;
    fan.SetSectors({ { 1, Qt::red, "a" }, { 0, Qt::green, "none" }, { 1, Qt::blue, "b" }, { 2, Qt::gray, "c" } });
    QCOMPARE(fan.Sectors().size(), 3);
    QCOMPARE(fan.SpanAngles(), (QVector<qreal> { 90, 90, 180 }));
    fan.SetSectors({});
    QVERIFY(fan.SpanAngles().isEmpty());
    fan.resize(200, 100);
    QVERIFY(!fan.grab().isNull()); // an empty chart paints its empty disc
}

void tst_WidgetKit::messageListGrowsWithItsMessages()
{
    OvMessageListShowWidget list;
    const int empty = list.heightForWidth(400);
    list.AddMessage("Hi", "09:00", false);
    const int one = list.heightForWidth(400);
    QVERIFY(one > empty);
    const QString longText = QString("word ").repeated(60);
    list.AddMessage(longText, "09:01", true);
    // A long message wraps: the narrower the list, the taller it gets.
    QVERIFY(list.heightForWidth(250) > list.heightForWidth(600));
    QCOMPARE(list.Count(), 2);
    list.Clear();
    QCOMPARE(list.heightForWidth(400), empty);
}

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
    for (const QList<QVariant>& arguments : loaded)
        keys << arguments.at(0).toString();
    keys.sort();
    QCOMPARE(keys, QStringList({ "busy1", "unreadable", "wanted" }));
    for (const QList<QVariant>& arguments : loaded)
        QCOMPARE(arguments.at(1).value<QImage>().isNull(), arguments.at(0).toString() == "unreadable");
    decoded.sort();
    QCOMPARE(decoded, QStringList({ "unreadable", "wanted" }));
    QVERIFY(!loader.IsPending("wanted"));
}

QTEST_MAIN(tst_WidgetKit)
#include "tst_WidgetKit.moc"
