#pragma once

#include <QStringList>
#include <QTextStream>

/// The commands of ovsim; each returns the process exit code (0 done, 1 usage, 2 failure).
class OvsimCommands
{
public:
    OvsimCommands(QTextStream& out, QTextStream& err);
    int run(const QStringList& arguments);

private:
    int create(QStringList arguments);
    int plug(const QStringList& arguments, bool plugged);
    int setFlag(const QStringList& arguments, const QString& key, bool value);
    int fault(const QStringList& arguments);
    int show(QStringList arguments);
    int list();
    int usage(const QString& problem = {});
    /// The image folder an argument names: a path, a folder of the device root, or (with no
    /// argument) the root's only device.
    QString resolve(const QString& argument, QString* error) const;

    QTextStream& m_out;
    QTextStream& m_err;
};
