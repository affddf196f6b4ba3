#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;

/// The list of what an erase takes, under a header that names the feature: data categories
/// (Erase Deleted Files, Erase Private Data) or apps (Erase Private Fragments).
class CEraseDataWid : public QWidget
{
    Q_OBJECT

public:
    explicit CEraseDataWid(int feature, QWidget* parent = nullptr);

    /// Shows `keys` in the given order: category keys ("Message", "Photo&Videos", ...) for
    /// features 2 and 3, app names for feature 4.
    void SetItems(const QStringList& keys);
    QStringList Items() const { return m_keys; }
    /// What a row says for `key`.
    QString DisplayName(const QString& key) const;
    /// The skin image of a row.
    QString IconName(const QString& key) const;
    QString HeaderText() const;

private:
    int m_feature;
    QStringList m_keys;
    QLabel* m_header = nullptr;
    QListWidget* m_list = nullptr;
};
