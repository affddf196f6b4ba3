#pragma once

#include "SimulatedPhone.h"

#include <QJsonArray>
#include <QMap>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

/// A fresh simulated phone per erase flow, analysed as the erase features analyse it, and
/// the bookkeeping that tells which device record each record of the store is: the store
/// lists every category in the order of the device image (photos, sorted by time, are
/// matched by their path).
class ErasePhone
{
public:
    ErasePhone();
    ~ErasePhone();

    /// Unplugs the last phone and connects a new one made of `content`.
    bool fresh(const QString& name, DeviceContent content = DeviceImageFixture::smallContent());
    /// Unplugs the last phone and plugs a new one, for a window that connects it itself.
    bool plugFresh(const QString& name, DeviceContent content);
    /// The backup, then the loads of the feature (2 deleted files, 3 private data).
    bool analyse(int feature);

    QString folder() const { return m_folder; }
    DeviceImageFixture& devices() { return m_phone->devices(); }
    /// A private category of the device image, or "media".
    QJsonArray deviceArray(const QString& category) const;
    /// Every private category and the media, as the device holds them now.
    QMap<QString, QJsonArray> snapshot() const;

    /// The erase keys a feature's result view shows, with the store's lists behind them.
    static QStringList keysOf(int feature);

    /// Sets the tick of every record of the feature's categories to what `tick` says (asked
    /// with the key, the row's index in the store and whether the row is deleted) and
    /// returns, by image category, the ids an erase with these boxes must remove ("messageItems":
    /// deleted messages of kept conversations; "refused": the erase must refuse). An empty
    /// `problem` means every list matched the device.
    using Tick = std::function<bool(const QString&, int, bool)>;
    QMap<QString, QSet<qint64>> tick(int feature, const QMap<QString, Qt::CheckState>& boxes, const Tick& tick,
                                     QString* problem = nullptr);

    /// Sets the ticks `tick` has an answer for, as a list view sets single rows.
    using PartTick = std::function<std::optional<bool>(const QString&, int, bool)>;
    void tickSome(int feature, const PartTick& tick, QString* problem = nullptr);
    /// What an erase with the store's ticks and these boxes must remove (see tick()).
    QMap<QString, QSet<qint64>> expected(int feature, const QMap<QString, Qt::CheckState>& boxes,
                                         QString* problem = nullptr) const;

    struct Outcome
    {
        int erased = 0;
        int kept = 0;
        int wronglyErased = 0;
        int wronglyKept = 0;
        QString firstProblem;
        bool ok() const { return wronglyErased == 0 && wronglyKept == 0 && firstProblem.isEmpty(); }
    };
    /// Compares the device with `before` minus `erased`: a record is kept only byte for byte.
    Outcome compare(const QMap<QString, QJsonArray>& before, const QMap<QString, QSet<qint64>>& erased) const;

    /// A record of the store as the erase sees it.
    struct Row
    {
        quint8* selected;
        bool deleted;
    };

private:
    bool forEachList(int feature, const std::function<void(const QString&, const QJsonArray&, QVector<Row>&)>& use,
                     QString* problem) const;
    static void expectDeletedMessages(const QJsonArray& conversations, const QVector<Row>& rows,
                                      QMap<QString, QSet<qint64>>& erased);

    std::unique_ptr<SimulatedPhone> m_phone;
    QString m_folder;
    int m_count = 0;
};
