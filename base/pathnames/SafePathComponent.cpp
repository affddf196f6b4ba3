#include "SafePathComponent.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

// Well below the 255 bytes most file systems allow, leaving room for a suffix such as ".partial".
constexpr int kMaxComponentBytes = 200;

bool needsEscape(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x20 || u == 0x7f)
        return true;
    switch (u) {
    case '/':
    case '\\':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
    case '%':
        return true;
    default:
        return false;
    }
}

QString escaped(const QString& text)
{
    QString out;
    for (const char byte : text.toUtf8())
        out += QStringLiteral("%%1").arg(static_cast<uchar>(byte), 2, 16, QLatin1Char('0')).toUpper();
    return out;
}

bool isReservedOnWindows(const QString& name)
{
    // "NUL", "com1.txt" and the like name devices on Windows whatever their extension.
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList fixed = { "CON", "PRN", "AUX", "NUL" };
    if (fixed.contains(stem))
        return true;
    return stem.size() == 4 && (stem.startsWith("COM") || stem.startsWith("LPT")) && stem.at(3) >= QLatin1Char('1')
        && stem.at(3) <= QLatin1Char('9');
}

QString cleanAbsolute(const QString& path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

bool isBelowText(const QString& path, const QString& root)
{
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
#if defined(Q_OS_WIN)
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return path.size() > prefix.size() && path.startsWith(prefix, cs);
}

/// The path with symbolic links resolved as far as it exists; the rest appended as it is.
QString resolvedPath(const QString& path)
{
    QString existing = path;
    QString rest;
    while (!existing.isEmpty() && !QFileInfo::exists(existing)) {
        const int slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            return path;
        rest = existing.mid(slash) + rest;
        existing.truncate(slash);
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical + rest;
}

} // namespace

QString SafePathComponent(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("%00");

    QString out;
    out.reserve(name.size());
    for (const QChar c : name)
        out += needsEscape(c) ? escaped(QString(c)) : QString(c);
    // "." and ".." name other folders, and a leading dot hides a folder from its owner.
    if (out.startsWith(QLatin1Char('.')))
        out = escaped(QStringLiteral(".")) + out.mid(1);
    // Windows drops trailing dots and blanks, which would make "a." and "a" the same file.
    if (out.endsWith(QLatin1Char('.')) || out.endsWith(QLatin1Char(' ')))
        out = out.left(out.size() - 1) + escaped(out.right(1));
    if (isReservedOnWindows(out))
        out = escaped(out.left(1)) + out.mid(1);

    if (out.toUtf8().size() > kMaxComponentBytes) {
        const QString hash
            = QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
        QString head = out;
        while (head.toUtf8().size() > kMaxComponentBytes - hash.size() - 1)
            head.chop(head.at(head.size() - 1).isLowSurrogate() ? 2 : 1);
        // An escape cut in half would read as a different character.
        const int percent = head.lastIndexOf(QLatin1Char('%'));
        if (percent >= 0 && percent > head.size() - 3)
            head.truncate(percent);
        out = head + QLatin1Char('~') + hash;
    }
    return out;
}

QString SafePathBelow(const QString& root, const QString& relative)
{
    QStringList parts;
    for (const QString& part : QDir::fromNativeSeparators(relative).split(QLatin1Char('/'), Qt::SkipEmptyParts))
        parts << SafePathComponent(part);
    if (parts.isEmpty())
        return QString();
    return root + QLatin1Char('/') + parts.join(QLatin1Char('/'));
}

bool IsPathBelow(const QString& path, const QString& root)
{
    if (path.isEmpty() || root.isEmpty())
        return false;
    const QString cleanPath = cleanAbsolute(path);
    const QString cleanRoot = cleanAbsolute(root);
    if (!isBelowText(cleanPath, cleanRoot))
        return false;
    // A symbolic link on the way could still lead elsewhere.
    return isBelowText(resolvedPath(cleanPath), resolvedPath(cleanRoot));
}
