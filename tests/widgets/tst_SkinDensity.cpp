#include "AppPaths.h"
#include "AppStyle.h"
#include "SkinImage.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QRegularExpression>
#include <QTest>

// Run with QT_SCALE_FACTOR=2: on a screen of device pixel ratio 2 every still picture of the
// skin comes from its double-density drawing, and takes the same room as on a plain screen.
class tst_SkinDensity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureIsSharpAndKeepsItsSize();
    void scaledPicturesKeepTheirDensity();
};

void tst_SkinDensity::initTestCase()
{
    QCOMPARE(qGuiApp->devicePixelRatio(), 2.0);
    AppStyle::instance().initialise(applicationDirectory());
}

void tst_SkinDensity::everyPictureIsSharpAndKeepsItsSize()
{
    const QDir skin(AppStyle::instance().skinDir());
    QStringList pictures = skin.entryList({ QStringLiteral("*.png") }, QDir::Files);
    pictures = pictures.filter(QRegularExpression(QStringLiteral("^(?!.*@2x\\.png$)")));
    QVERIFY2(pictures.size() > 100, qPrintable(skin.path()));
    QStringList faults;
    for (const QString& name : pictures) {
        const QPixmap picture = SkinPixmap(name);
        const QSize plain = QImageReader(skin.filePath(name)).size();
        if (picture.devicePixelRatio() != 2.0)
            faults << name + QStringLiteral(": drawn at ratio %1").arg(picture.devicePixelRatio());
        else if (SkinSize(picture) != plain)
            faults << name
                    + QStringLiteral(": takes %1x%2 instead of %3x%4")
                          .arg(SkinSize(picture).width())
                          .arg(SkinSize(picture).height())
                          .arg(plain.width())
                          .arg(plain.height());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void tst_SkinDensity::scaledPicturesKeepTheirDensity()
{
    const QPixmap avatar = SkinScaled(SkinPixmap(QStringLiteral("avatar_def.png")), QSize(24, 24));
    QCOMPARE(avatar.devicePixelRatio(), 2.0);
    QCOMPARE(SkinSize(avatar), QSize(24, 24));
    QCOMPARE(avatar.size(), QSize(48, 48));
}

QTEST_MAIN(tst_SkinDensity)
#include "tst_SkinDensity.moc"
