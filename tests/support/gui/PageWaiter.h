#pragma once

#include "OvModel.h"

#include <QStackedWidget>
#include <QString>
#include <QTest>

/// Waits until `model` shows page `page`; an empty text then, else what it shows instead.
/// For the tests of features, which link the feature layer that OvModel belongs to.
inline QString WaitForPage(const OvModel* model, int page, int timeoutMs = 20000)
{
    QStackedWidget* pages = model->pages();
    if (QTest::qWaitFor([&] { return pages->currentIndex() == page; }, timeoutMs))
        return QString();
    QWidget* shown = pages->currentWidget();
    return QString("waited %1 ms for page %2 of %3, but it shows page %4 (%5)")
        .arg(timeoutMs)
        .arg(page)
        .arg(model->metaObject()->className())
        .arg(pages->currentIndex())
        .arg(shown ? QString(shown->metaObject()->className()) : QString("none"));
}

/// Fails the test, naming the page shown, unless `model` comes to show `page`.
#define QVERIFY_PAGE(model, page, ...)                                                                                 \
    do {                                                                                                               \
        const QString pageWaitFailure = WaitForPage(model, page, ##__VA_ARGS__);                                       \
        QVERIFY2(pageWaitFailure.isEmpty(), qPrintable(pageWaitFailure));                                              \
    } while (false)
