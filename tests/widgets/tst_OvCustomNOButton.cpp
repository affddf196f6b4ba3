#include "AppStyle.h"
#include "OvCustomNOButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

// The button is drawn from a test skin of plain colours, one per state image, so that a
// grab tells which image is on screen.
class tst_OvCustomNOButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void statesFollowTheCursor_data();
    void statesFollowTheCursor();
    void clicksByMouseAndKeyboardOnlyInside();
    void missingImagesStillDrawAFace();

private:
    QTemporaryDir m_skin;
};

namespace {
const QStringList kStates { "normal", "hover", "pressing", "selected", "disabled" };
// One colour per image, in the order of the states the images are for.
const QList<QColor> kColours { Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::gray };
const QStringList kImages { "n.png", "h.png", "p.png", "s.png", "d.png" };

void enter(QWidget& widget)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), widget.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&widget, &event);
}

void leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

// The left edge, away from the centred text and the rounded corners.
QColor shown(QWidget& widget)
{
    return widget.grab().toImage().pixelColor(2, widget.height() / 2);
}
} // namespace

void tst_OvCustomNOButton::initTestCase()
{
    QVERIFY(m_skin.isValid());
    AppStyle::instance().initialise(m_skin.path());
    AppStyle::instance().setSkinDir(m_skin.path() + "/");
    for (int i = 0; i < kImages.size(); ++i) {
        QImage image(60, 24, QImage::Format_ARGB32);
        image.fill(kColours.at(i));
        QVERIFY(image.save(m_skin.filePath(kImages.at(i))));
    }
}

void tst_OvCustomNOButton::statesFollowTheCursor_data()
{
    // Events: e enter, l leave, p press, r release, d disable, n enable, s select, x a base
    // state that is none, P disable the parent, Q enable it. The trace gives the state after
    // each event and the state whose image is on screen.
    QTest::addColumn<QStringList>("images");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("trace");
    const QStringList noHoverNorSelected { "n.png", "", "p.png", "", "d.png" };
    QTest::newRow("hover, press, release, leave") << kImages << "eprl"
                                                  << "hover:hover pressing:pressing hover:hover normal:normal";
    QTest::newRow("selected survives hover and a press")
        << kImages << "seplrx"
        << "selected:selected selected:selected pressing:pressing selected:selected selected:selected "
           "selected:selected";
    QTest::newRow("a state without image keeps the normal one")
        << noHoverNorSelected << "epls"
        << "hover:normal pressing:pressing normal:normal selected:normal";
    QTest::newRow("disabled through enter and leave")
        << kImages << "deln"
        << "disabled:disabled disabled:disabled disabled:disabled normal:normal";
    QTest::newRow("disabled through the parent") << kImages << "PeQ"
                                                 << "disabled:disabled disabled:disabled normal:normal";
}

void tst_OvCustomNOButton::statesFollowTheCursor()
{
    QFETCH(QStringList, images);
    QFETCH(QString, events);
    QFETCH(QString, trace);
    QWidget parent;
    auto* button = new OvCustomNOButton("Clean", &parent);
    button->SetImages(images[0], images[1], images[2], images[3], images[4]);
    const QMap<QChar, std::function<void()>> actions {
        { 'e', [&] { enter(*button); } },
        { 'l', [&] { leave(*button); } },
        { 'p', [&] { QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5)); } },
        { 'r', [&] { QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5)); } },
        { 'd', [&] { button->SetEnabled(false); } },
        { 'n', [&] { button->SetEnabled(true); } },
        { 's', [&] { button->SetBaseState(OvCustomNOButton::Selected); } },
        { 'x', [&] { button->SetBaseState(42); } },
        { 'P', [&] { parent.setEnabled(false); } },
        { 'Q', [&] { parent.setEnabled(true); } },
    };
    QStringList seen;
    for (const QChar event : events) {
        actions.value(event)();
        const int image = kColours.indexOf(shown(*button));
        seen << kStates.value(button->State()) + ':' + kStates.value(image, "no image");
    }
    QCOMPARE(seen.join(' '), trace);
}

void tst_OvCustomNOButton::clicksByMouseAndKeyboardOnlyInside()
{
    OvCustomNOButton button("Clean");
    button.SetImages("n.png", "h.png", "p.png", "s.png", "d.png");
    QCOMPARE(button.sizeHint().height(), 24); // as high as its images
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicked.count(), 0); // a press alone is no click
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicked.count(), 1);
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);

    // Pressed inside, released outside: no click, and the pressed look goes away.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(-20, 5));
    QCOMPARE(clicked.count(), 2);
    QVERIFY(button.State() != OvCustomNOButton::Pressing);

    // The receiver of a click may disable the button: it must end disabled, not hovered.
    connect(&button, &QPushButton::clicked, &button, [&button] { button.SetEnabled(false); });
    enter(button);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(button.State(), int(OvCustomNOButton::Disabled));
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
