#include "SkinImage.h"

#include "AppStyle.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMutex>
#include <QSet>
#include <QtDebug>

QString SkinImagePath(const QString& name)
{
    QString file = name;
    if (file.startsWith(QLatin1String("./")))
        file.remove(0, 2);
    while (file.startsWith(QLatin1Char('/')))
        file.remove(0, 1);
    QString dir = AppStyle::instance().skinDir();
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + file;
}

bool SkinImageExists(const QString& name)
{
    return !name.isEmpty() && QFileInfo(SkinImagePath(name)).isFile();
}

QPixmap SkinPixmap(const QString& name)
{
    const QString path = SkinImagePath(name);
    QPixmap pixmap;
    if (!name.isEmpty() && qGuiApp && qGuiApp->devicePixelRatio() > 1.0 && path.endsWith(QLatin1String("png"))) {
        QString dense = path;
        dense.insert(dense.size() - 4, QLatin1String("@2x"));
        if (pixmap.load(dense)) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    if (!name.isEmpty() && pixmap.load(path))
        return pixmap;
    // Say it once per image: a view may ask for the same image on every repaint.
    static QMutex mutex;
    static QSet<QString> reported;
    QMutexLocker lock(&mutex);
    if (!reported.contains(path)) {
        reported.insert(path);
        qDebug().noquote() << "skin image missing:" << path;
    }
    return {};
}

QSize SkinSize(const QPixmap& pixmap)
{
    return (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
}

QPixmap SkinScaled(const QPixmap& pixmap, const QSize& size, Qt::AspectRatioMode mode)
{
    if (pixmap.isNull())
        return pixmap;
    const qreal ratio = pixmap.devicePixelRatio();
    QPixmap scaled = pixmap.scaled(size * ratio, mode, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}
