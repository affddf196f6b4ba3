#include "SparseFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vector>

#if defined(__linux__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool prepareTarget(const QString& target)
{
    QDir().mkpath(QFileInfo(target).absolutePath());
    return !QFileInfo::exists(target) || QFile::remove(target);
}

// Works everywhere: zero blocks become seeks, so the target is sparse where the system allows.
bool copyByBlocks(const QString& source, const QString& target, QString* error)
{
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QString("cannot copy %1 to %2").arg(source, target);
        return false;
    }
    const qint64 size = in.size();
    constexpr qint64 kBlock = 1 << 16;
    const QByteArray zeros(kBlock, '\0');
    qint64 done = 0;
    while (done < size) {
        const QByteArray block = in.read(kBlock);
        if (block.isEmpty())
            break;
        if (block == zeros.left(block.size()))
            out.seek(done + block.size());
        else if (!out.seek(done) || out.write(block) != block.size())
            break;
        done += block.size();
    }
    const bool ok = done == size && out.resize(size);
    if (!ok && error)
        *error = QString("cannot copy %1 to %2").arg(source, target);
    return ok;
}

#if defined(__linux__) && defined(SEEK_DATA)
// Copies only the data ranges; reading gigabytes of holes would take seconds.
bool copyDataRanges(const QString& source, const QString& target, QString* error)
{
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(target);
    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat info
    {
    };
    if (::fstat(in, &info) != 0) {
        ::close(in);
        return false;
    }
    const int out = ::open(to.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        ::close(in);
        if (error)
            *error = QString("cannot write %1").arg(target);
        return false;
    }
    bool ok = true;
    std::vector<char> buffer(1 << 16);
    off_t position = 0;
    while (ok && position < info.st_size) {
        const off_t data = ::lseek(in, position, SEEK_DATA);
        if (data < 0)
            break; // only a hole remains
        off_t hole = ::lseek(in, data, SEEK_HOLE);
        if (hole < 0)
            hole = info.st_size;
        for (off_t at = data; ok && at < hole;) {
            const size_t want = static_cast<size_t>(std::min<off_t>(hole - at, static_cast<off_t>(buffer.size())));
            const ssize_t got = ::pread(in, buffer.data(), want, at);
            if (got <= 0 || ::pwrite(out, buffer.data(), static_cast<size_t>(got), at) != got)
                ok = false;
            at += got > 0 ? got : 0;
        }
        position = hole;
    }
    ok = ok && ::ftruncate(out, info.st_size) == 0;
    ::close(in);
    ok = ::close(out) == 0 && ok;
    if (!ok && error)
        *error = QString("cannot copy %1 to %2").arg(source, target);
    return ok;
}
#endif

} // namespace

bool SparseFile::create(const QString& path, const QByteArray& header, qint64 size)
{
    if (!prepareTarget(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray head = header.left(static_cast<int>(qMin<qint64>(header.size(), size)));
    return file.write(head) == head.size() && file.resize(size);
}

bool SparseFile::copy(const QString& source, const QString& target, QString* error)
{
    if (!QFileInfo(source).isFile()) {
        if (error)
            *error = QString("missing file %1").arg(source);
        return false;
    }
    if (!prepareTarget(target)) {
        if (error)
            *error = QString("cannot replace %1").arg(target);
        return false;
    }
    return copyOnto(source, target, error);
}

bool SparseFile::copyOnto(const QString& source, const QString& target, QString* error)
{
    if (!QFileInfo(source).isFile()) {
        if (error)
            *error = QString("missing file %1").arg(source);
        return false;
    }
#if defined(__linux__) && defined(SEEK_DATA)
    if (copyDataRanges(source, target, error))
        return true;
#endif
    return copyByBlocks(source, target, error);
}
