// Opens the photo browse view on 20 000 photos taken over 3 334 days (a few photos a day,
// the case where date groups are many) and prints the window-thread time of LoadPhotos(),
// of the first paint, of scrolling through the whole grid, and how many date-group widgets
// and thumbnail cells exist at a time. 300 real thumbnail files are shared
// by the photos, so that the loader and its cache do real work.
#include "AppPaths.h"
#include "AppStyle.h"
#include "CGlobalData.h"
#include "ImageControls.h"
#include "ImageExportBrowseView.h"
#include "ImagePreviewControls.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdio>
#include <mutex>

namespace {
constexpr int kPhotos = 20000;
constexpr int kDays = 3334;
constexpr int kThumbnailFiles = 300;

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) { }

QStringList MakeThumbnails(const QString& folder)
{
    QStringList paths;
    for (int i = 0; i < kThumbnailFiles; ++i) {
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((i * 37) % 360, 120, 230));
        QPainter painter(&image);
        painter.setBrush(QColor::fromHsv((i * 91) % 360, 200, 160));
        painter.drawEllipse(40 + i % 100, 30, 160, 160);
        painter.end();
        const QString path = QDir(folder).filePath(QStringLiteral("thumb%1.jpg").arg(i));
        image.save(path, "JPG", 80);
        paths << path;
    }
    return paths;
}

void FillPhotos(const QStringList& thumbnails)
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    store->m_obLPhotos.clear();
    store->m_obLPhotos.reserve(kPhotos);
    const qint64 newest = QDateTime(QDate(2024, 6, 30), QTime(18, 0)).toSecsSinceEpoch();
    for (int i = 0; i < kPhotos; ++i) {
        OneKeyMediaInfo photo;
        photo.m_nId = i;
        photo.m_strName = QStringLiteral("IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0'));
        photo.m_nSize = 1500000 + quint64(i % 997) * 1000;
        // About six photos a day, spread over the afternoon and morning of that day.
        photo.m_nTime = newest - qint64((i * 7919) % kDays) * 86400 - (i % 53) * 600;
        photo.m_strThumbnailPath = thumbnails.at(i % thumbnails.size());
        store->m_obLPhotos.append(photo);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(Quiet);
    AppStyle::instance().initialise(applicationDirectory());

    QTemporaryDir folder;
    FillPhotos(MakeThumbnails(folder.path()));

    ImageExportBrowseView view;
    view.resize(1000, 560);
    view.show();
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    view.LoadPhotos();
    view.Refresh();
    const double loadMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    view.repaint();
    const double paintMs = timer.nsecsElapsed() / 1e6;
    std::printf("photos %d, date groups %d\n", kPhotos, view.GroupCount());
    std::printf("LoadPhotos + Refresh: %.1f ms\n", loadMs);
    std::printf("first paint:          %.1f ms\n", paintMs);
    std::printf("open to first paint:  %.1f ms (window thread)\n", loadMs + paintMs);
    std::printf("cells after opening:  %d\n", view.CellCount());

    // Let the thumbnails arrive, then scroll through everything a screen at a time.
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 500)
        QApplication::processEvents();
    QScrollBar* bar = view.findChild<QScrollArea*>(QStringLiteral("photoScrollArea"))->verticalScrollBar();
    int steps = 0;
    int mostCells = 0;
    int mostGroupWidgets = 0;
    double worstStepMs = 0;
    timer.restart();
    for (int value = 0; value <= bar->maximum(); value += bar->pageStep()) {
        QElapsedTimer step;
        step.start();
        bar->setValue(value);
        view.repaint();
        worstStepMs = qMax(worstStepMs, step.nsecsElapsed() / 1e6);
        mostCells = qMax(mostCells, view.CellCount());
        mostGroupWidgets = qMax(mostGroupWidgets, view.findChildren<ImagePreviewControls*>().size());
        ++steps;
    }
    const double scrollMs = timer.nsecsElapsed() / 1e6;
    std::printf("scroll through grid:  %d screens, %.1f ms each on average, worst %.1f ms\n", steps,
                steps ? scrollMs / steps : 0.0, worstStepMs);
    std::printf("most cells at a time: %d\n", mostCells);
    std::printf("most group widgets:   %d\n", mostGroupWidgets);
    timer.restart();
    QMetaObject::invokeMethod(&view, "slotCheckBoxSelectAll", Q_ARG(bool, true));
    std::printf("Select All:           %.1f ms (%d checked)\n", timer.nsecsElapsed() / 1e6, view.CheckedCount());
    return 0;
}
