#include "AppStyle.h"
#include "MessageBoxAnswerer.h"
#include "OvMessageBox.h"
#include "SkinImage.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

namespace {
// In the order of their flags: 1, 2, 4, 8.
const char* const kButtons[]
    = { "messageBoxYesButton", "messageBoxNoButton", "messageBoxOkButton", "messageBoxCancelButton" };

QPushButton* button(OvMessageBox& box, const char* name)
{
    return box.findChild<QPushButton*>(QString::fromLatin1(name));
}
} // namespace

class tst_OvMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buttonSetShowsItsButtonsAndAnswersWithTheirFlag_data();
    void buttonSetShowsItsButtonsAndAnswersWithTheirFlag();
    void closedAnyOtherWayAnswersZero();
    void iconComesFromTheSkinAndMayBeMissing();
    void skinPathsAcceptEverySpellingOfAName();
    void placementKeepsTheBoxOnTheDesktop();
    void shownBoxIsCentredOnItsParent();
    void askAnswersWithTheButtonAndLeavesNoBox();
    void askButtonsReadPlainWordsUnlessRenamed();
    void askWhoseParentGoesAnswersZero();

private:
    QTemporaryDir m_skin;
};

void tst_OvMessageBox::initTestCase()
{
    QVERIFY(m_skin.isValid());
    AppStyle::instance().initialise(m_skin.path());
    AppStyle::instance().setSkinDir(m_skin.path() + "/");
}

void tst_OvMessageBox::buttonSetShowsItsButtonsAndAnswersWithTheirFlag_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press");
    QTest::newRow("Yes and No, No pressed") << 3 << 2;
    QTest::newRow("OK and Cancel, Cancel pressed") << 12 << 8;
    QTest::newRow("all four, Yes pressed") << 15 << 1;
}

void tst_OvMessageBox::buttonSetShowsItsButtonsAndAnswersWithTheirFlag()
{
    QFETCH(int, buttons);
    QFETCH(int, press);
    OvMessageBox box("Are you sure?", "Warning", buttons);
    QCOMPARE(box.GetResult(), 0);

    MessageBoxAnswerer answerer(press);
    const int answer = box.exec();
    QCOMPARE(answer, press);
    QCOMPARE(box.GetResult(), press);
    QCOMPARE(answerer.questions().size(), 1);
    QVERIFY(answerer.questions().first().answered);

    // Only the buttons of the set were there to press.
    box.show();
    int flag = 1;
    for (const char* name : kButtons) {
        QPushButton* widget = button(box, name);
        QVERIFY2(widget, name);
        QCOMPARE(widget->isVisible(), bool(buttons & flag));
        QVERIFY(!widget->accessibleName().isEmpty());
        flag <<= 1;
    }
}

void tst_OvMessageBox::closedAnyOtherWayAnswersZero()
{
    OvMessageBox box("Leave?", "Warning", OvMessageBox::OK);
    QTimer::singleShot(0, &box, [&box] { QTest::keyClick(&box, Qt::Key_Escape); });
    QCOMPARE(box.exec(), 0);
    QCOMPARE(box.GetResult(), 0);
}

void tst_OvMessageBox::iconComesFromTheSkinAndMayBeMissing()
{
    QImage image(32, 24, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(m_skin.filePath("tip_warning.png")));

    OvMessageBox box("text", "Warning", OvMessageBox::OK);
    auto* icon = box.findChild<QLabel*>("messageBoxIcon");
    box.SetIcon("tip_warning.png");
    box.show();
    QVERIFY(icon->isVisible());
    QCOMPARE(icon->pixmap(Qt::ReturnByValue).size(), QSize(32, 24));

    // A skin without the image leaves a box without an icon that still answers.
    OvMessageBox bare("text", "Warning", OvMessageBox::OK);
    bare.SetIcon("tip_missing.png");
    MessageBoxAnswerer answerer(OvMessageBox::OK);
    QCOMPARE(bare.exec(), int(OvMessageBox::OK));
    QVERIFY(!bare.findChild<QLabel*>("messageBoxIcon")->isVisible());
}

void tst_OvMessageBox::skinPathsAcceptEverySpellingOfAName()
{
    const QString expected = m_skin.path() + "/tip_succeed.png";
    QCOMPARE(SkinImagePath("tip_succeed.png"), expected);
    QCOMPARE(SkinImagePath("/tip_succeed.png"), expected);
    QCOMPARE(SkinImagePath("./tip_succeed.png"), expected);
    QVERIFY(!SkinImageExists(QString())); // the skin folder itself is no image
}

void tst_OvMessageBox::placementKeepsTheBoxOnTheDesktop()
{
    // The box is 400 x 200 on a desktop of 1920 x 1080; parent place and size, then the box's place.
    const std::tuple<QPoint, QSize, QPoint> rows[] = {
        { { 100, 100 }, { 1000, 600 }, { 400, 300 } },  // centred
        { { 0, 0 }, { 401, 201 }, { 0, 0 } },           // odd sizes round toward zero
        { { -500, -400 }, { 600, 400 }, { 10, 10 } },   // left of and above the desktop
        { { 1700, 1000 }, { 600, 400 }, { 1510, 840 } } // past the right and bottom edges
    };
    for (const auto& row : rows)
        QCOMPARE(OvMessageBox::placement(std::get<0>(row), std::get<1>(row), QSize(400, 200), QSize(1920, 1080)),
                 std::get<2>(row));
}

void tst_OvMessageBox::shownBoxIsCentredOnItsParent()
{
    QWidget parent;
    parent.setGeometry(20, 30, 700, 500);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    OvMessageBox box("A longer message that needs to wrap onto a second line of the box to be read whole.", "Notice",
                     OvMessageBox::OK, &parent);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint origin = parent.mapToGlobal(QPoint(0, 0));
    const QPoint expected(origin.x() + (parent.width() - box.width()) / 2,
                          origin.y() + (parent.height() - box.height()) / 2);
    QCOMPARE(box.pos(), expected);
    // The wrapped message fits: the box grew to hold it instead of cutting it off.
    auto* text = box.findChild<QLabel*>("messageBoxText");
    QVERIFY(text->height() >= text->heightForWidth(text->width()));
}

void tst_OvMessageBox::askAnswersWithTheButtonAndLeavesNoBox()
{
    QWidget parent;
    MessageBoxAnswerer answerer(OvMessageBox::No);
    QCOMPARE(OvMessageBox::Ask(&parent, "Stop?", OvMessageBox::Yes | OvMessageBox::No, "tip_warning.png", "Warning"),
             int(OvMessageBox::No));
    answerer.setButton(OvMessageBox::OK);
    QCOMPARE(OvMessageBox::Ask(&parent, "Done.", OvMessageBox::OK), int(OvMessageBox::OK));

    QCOMPARE(answerer.questions().size(), 2);
    QCOMPARE(answerer.questions().at(0).title, QStringLiteral("Warning"));
    QCOMPARE(answerer.questions().at(0).icon, QStringLiteral("tip_warning.png"));
    QCOMPARE(answerer.questions().at(1).buttons, int(OvMessageBox::OK));
    QVERIFY(answerer.questions().at(1).icon.isEmpty());
    // Every box is gone once answered: none piles up under a long-lived page.
    QVERIFY(parent.findChildren<OvMessageBox*>().isEmpty());
}

void tst_OvMessageBox::askButtonsReadPlainWordsUnlessRenamed()
{
    QStringList seen;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<OvMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        for (const char* name : kButtons)
            seen << button(*box, name)->text();
        button(*box, "messageBoxCancelButton")->click();
    });
    poll.start(5);
    const int all = OvMessageBox::Yes | OvMessageBox::No | OvMessageBox::OK | OvMessageBox::Cancel;
    QCOMPARE(OvMessageBox::Ask(nullptr, "Remove?", all), int(OvMessageBox::Cancel));
    QCOMPARE(seen, QStringList({ "Yes", "No", "OK", "Cancel" }));
    seen.clear();
    QCOMPARE(OvMessageBox::Ask(nullptr, "Remove?", all, QString(), QString(), "Remove", "Keep"),
             int(OvMessageBox::Cancel));
    QCOMPARE(seen, QStringList({ "Remove", "Keep", "Remove", "Keep" }));
}

void tst_OvMessageBox::askWhoseParentGoesAnswersZero()
{
    auto* parent = new QWidget;
    parent->show();
    QTimer::singleShot(20, this, [&parent] {
        delete parent; // takes the open box with it
        parent = nullptr;
    });
    QCOMPARE(OvMessageBox::Ask(parent, "Stop?", OvMessageBox::Yes | OvMessageBox::No), 0);
    QVERIFY(!parent);
}

QTEST_MAIN(tst_OvMessageBox)
#include "tst_OvMessageBox.moc"
