#pragma once

#include <QString>
#include <QVector>

/// One of the fifteen apps whose fragments Erase Private Fragments measures and erases.
struct FragmentApp
{
    QString name;         ///< as the app-size scan reports it (WeChat in English)
    QString picture;      ///< the app has fragments
    QString emptyPicture; ///< nothing was found
    QString sizeKey;      ///< its figure in "clean.ini"
    /// The app has an erase task of its own, whose end the erase waits for.
    bool ownEraseTask = false;
};

/// The fifteen apps in the order the picker shows them.
const QVector<FragmentApp>& FragmentApps();
/// The app's index in FragmentApps(), or -1.
int FragmentAppIndex(const QString& name);
