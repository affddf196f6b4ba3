#pragma once

#include <QColor>
#include <QFont>
#include <QString>

/// The process-wide style and path registry: font family, skin, backup and temp
/// directories, the version text of the title bar, and fonts and colours by index.
class AppStyle
{
public:
    static AppStyle& instance();

    /// Start-up defaults: "Segoe UI", and the skin, backup and temp directories under `appDir`.
    void initialise(const QString& appDir);

    QString fontFamily() const { return m_fontFamily; }
    void setFontFamily(const QString& family) { m_fontFamily = family; }
    QString skinDir() const { return m_skinDir; }
    void setSkinDir(const QString& dir) { m_skinDir = dir; }
    QString backupDir() const { return m_backupDir; }
    void setBackupDir(const QString& dir) { m_backupDir = dir; }
    QString tempDir() const { return m_tempDir; }
    void setTempDir(const QString& dir) { m_tempDir = dir; }
    QString versionText() const { return m_versionText; }
    void setVersionText(const QString& text) { m_versionText = text; }

    /// A font of the registry's family; unknown indices give 14 px, normal weight.
    QFont font(int index) const;
    /// Unknown indices give white.
    static QColor color(int index);

private:
    AppStyle() = default;

    QString m_fontFamily;
    QString m_skinDir;
    QString m_backupDir;
    QString m_tempDir;
    QString m_versionText;
};
