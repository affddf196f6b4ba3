#include "AppStyle.h"
#include "OvCustomNOButton.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The button is drawn from a test skin of plain colours, one per state image, so that a
// grab tells which image is on screen.
class tst_OvCustomNOButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hoverPressAndReleaseFollowTheCursor();
    void disabledButtonStaysDisabledThroughEnterAndLeave();
    void selectedBaseStateSurvivesHover();
    void stateWithoutImageKeepsTheLastImage();
    void onlyAcceptedButtonsClickAndOnlyInside();
    void contextMenuOpensWhenSet();
    void missingImagesStillDrawAFace();

private:
    static void enter(QWidget& widget);
    static void leave(QWidget& widget);
    static QColor shown(QWidget& widget);
    void makeImage(const QString& name, const QColor& color);

    QTemporaryDir m_skin;
};

void tst_OvCustomNOButton::initTestCase()
{
    QVERIFY(m_skin.isValid());
    AppStyle::instance().initialise(m_skin.path());
    AppStyle::instance().setSkinDir(m_skin.path() + "/");
    makeImage("n.png", Qt::red);
    makeImage("h.png", Qt::green);
    makeImage("p.png", Qt::blue);
    makeImage("s.png", Qt::yellow);
    makeImage("d.png", Qt::gray);
}

void tst_OvCustomNOButton::makeImage(const QString& name, const QColor& color)
{
    QImage image(60, 24, QImage::Format_ARGB32);
    image.fill(color);
    QVERIFY(image.save(m_skin.filePath(name)));
}

void tst_OvCustomNOButton::enter(QWidget& widget)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), widget.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&widget, &event);
}

void tst_OvCustomNOButton::leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

QColor tst_OvCustomNOButton::shown(QWidget& widget)
{
    // The left edge, away from the centred text and the rounded corners.
    return widget.grab().toImage().pixelColor(2, widget.height() / 2);
}

void tst_OvCustomNOButton::hoverPressAndReleaseFollowTheCursor()
{
    OvCustomNOButton button("Clean");
    button.SetImages("n.png", "h.png", "p.png", "s.png", "d.png");
    QCOMPARE(button.State(), int(OvCustomNOButton::Normal));
    QCOMPARE(button.sizeHint().height(), 24); // as high as its images
    QCOMPARE(button.accessibleName(), QStringLiteral("Clean"));
    QCOMPARE(shown(button), QColor(Qt::red));

    enter(button);
    QCOMPARE(button.State(), int(OvCustomNOButton::Hover));
    QCOMPARE(shown(button), QColor(Qt::green));

    QSignalSpy clicks(&button, &OvCustomNOButton::signalClickBtn);
    button.SetButtonId(7);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.State(), int(OvCustomNOButton::Pressing));
    QCOMPARE(shown(button), QColor(Qt::blue));
    QCOMPARE(clicks.count(), 0); // a press alone is no click
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.first().first().toInt(), 7);
    QCOMPARE(button.State(), int(OvCustomNOButton::Hover)); // still under the cursor

    leave(button);
    QCOMPARE(button.State(), int(OvCustomNOButton::Normal));

    // Without hover tracking the cursor changes nothing; without press tracking a press
    // does not show the pressed image, but still clicks.
    button.SetHoverTracking(false);
    button.SetPressTracking(false);
    enter(button);
    QCOMPARE(button.State(), int(OvCustomNOButton::Normal));
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button.State(), int(OvCustomNOButton::Normal));
    QCOMPARE(clicks.count(), 2);

    // The keyboard clicks too.
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 3);
}

void tst_OvCustomNOButton::disabledButtonStaysDisabledThroughEnterAndLeave()
{
    QWidget parent;
    auto* button = new OvCustomNOButton("Erase Now", &parent);
    button->SetImages("n.png", "h.png", "p.png", "s.png", "d.png");
    button->SetEnabled(false);
    QCOMPARE(button->State(), int(OvCustomNOButton::Disabled));
    QCOMPARE(button->BaseState(), int(OvCustomNOButton::Disabled));
    QCOMPARE(shown(*button), QColor(Qt::gray));

    enter(*button);
    QCOMPARE(button->State(), int(OvCustomNOButton::Disabled));
    leave(*button);
    QCOMPARE(button->State(), int(OvCustomNOButton::Disabled));
    QCOMPARE(shown(*button), QColor(Qt::gray));

    button->SetEnabled(true);
    QCOMPARE(button->State(), int(OvCustomNOButton::Normal));
    QCOMPARE(button->BaseState(), int(OvCustomNOButton::Normal));
    QCOMPARE(shown(*button), QColor(Qt::red));

    // Disabled through its parent, it looks and behaves the same.
    parent.setEnabled(false);
    QCOMPARE(button->State(), int(OvCustomNOButton::Disabled));
    enter(*button);
    QCOMPARE(button->State(), int(OvCustomNOButton::Disabled));
    parent.setEnabled(true);
    QCOMPARE(button->State(), int(OvCustomNOButton::Normal));
}

void tst_OvCustomNOButton::selectedBaseStateSurvivesHover()
{
    OvCustomNOButton button("Photos");
    button.SetImages("n.png", "h.png", "p.png", "s.png", "d.png");
    button.SetBaseState(OvCustomNOButton::Selected);
    QCOMPARE(button.State(), int(OvCustomNOButton::Selected));
    QCOMPARE(shown(button), QColor(Qt::yellow));

    enter(button); // hover only shows on a button whose base state is normal
    QCOMPARE(button.State(), int(OvCustomNOButton::Selected));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(button.State(), int(OvCustomNOButton::Pressing));
    leave(button);
    QCOMPARE(button.State(), int(OvCustomNOButton::Selected));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(button.State(), int(OvCustomNOButton::Selected));

    button.SetBaseState(OvCustomNOButton::Normal);
    QCOMPARE(button.State(), int(OvCustomNOButton::Normal));
    button.SetBaseState(42); // not a state: ignored
    QCOMPARE(button.State(), int(OvCustomNOButton::Normal));
}

void tst_OvCustomNOButton::stateWithoutImageKeepsTheLastImage()
{
    OvCustomNOButton button("Back");
    button.SetImages("n.png", QString(), "p.png", QString(), "d.png");
    enter(button);
    QCOMPARE(button.State(), int(OvCustomNOButton::Hover));
    QCOMPARE(button.CurrentImage(), QStringLiteral("n.png"));
    QCOMPARE(shown(button), QColor(Qt::red));

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(shown(button), QColor(Qt::blue));
    leave(button);
    QCOMPARE(shown(button), QColor(Qt::red));

    // A selected state without image keeps the normal one.
    button.SetBaseState(OvCustomNOButton::Selected);
    QCOMPARE(button.CurrentImage(), QStringLiteral("n.png"));
}

void tst_OvCustomNOButton::onlyAcceptedButtonsClickAndOnlyInside()
{
    OvCustomNOButton button("Apps");
    button.SetImages("n.png", "h.png", "p.png", "s.png", "d.png");
    QSignalSpy clicked(&button, &QPushButton::clicked);

    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 0);
    button.SetAcceptRightClick(true);
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);

    // Pressed inside, released outside: no click, and the pressed look goes away.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(-20, 5));
    QCOMPARE(clicked.count(), 1);
    QVERIFY(button.State() != OvCustomNOButton::Pressing);

    QSignalSpy doubleClicked(&button, &OvCustomNOButton::signalDoubleClicked);
    QTest::mouseDClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(doubleClicked.count(), 1);

    // The receiver of a click may disable the button: it must end disabled, not hovered.
    connect(&button, &QPushButton::clicked, &button, [&button] { button.SetEnabled(false); });
    enter(button);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(button.State(), int(OvCustomNOButton::Disabled));
}

void tst_OvCustomNOButton::contextMenuOpensWhenSet()
{
    OvCustomNOButton button("Photos");
    QMenu menu;
    menu.addAction("Check All");
    QSignalSpy shownSpy(&menu, &QMenu::aboutToShow);
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&button, &request); // no menu set: nothing opens
    QCOMPARE(shownSpy.count(), 0);

    button.SetContextMenu(&menu);
    QTimer::singleShot(0, &menu, &QMenu::close); // the menu runs modally
    QApplication::sendEvent(&button, &request);
    QCOMPARE(shownSpy.count(), 1);
}

void tst_OvCustomNOButton::missingImagesStillDrawAFace()
{
    OvCustomNOButton button("Clean");
    button.SetImages("absent_normal.png", "absent_hover.png", QString(), QString(), QString());
    button.resize(80, 30);
    // The fallback face is the accent colour, not an empty (transparent) button.
    QCOMPARE(shown(button), QColor(0x29, 0x90, 0xff));
    enter(button);
    QCOMPARE(button.State(), int(OvCustomNOButton::Hover));
}

QTEST_MAIN(tst_OvCustomNOButton)
#include "tst_OvCustomNOButton.moc"
