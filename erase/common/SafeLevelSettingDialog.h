#pragma once

#include <QDialog>

class QButtonGroup;

/// Chooses the security level of erases: how many times free space is overwritten
/// afterwards. The last confirmed level is kept in the file "Level" of the application
/// directory.
class SafeLevelSettingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SafeLevelSettingDialog(QWidget* parent = nullptr);

    static QString LevelFilePath();
    /// The level in the file, or -1 when there is none to read.
    static int ReadLevelFile();
    /// Creates the file with "1" when it is missing.
    static void EnsureLevelFile();
    /// The link text of a level: "High", "Medium" or "Low".
    static QString LevelName(int level);
    /// How often free space is overwritten after an erase at `level`: High 2, Medium 1, Low 0.
    static int FillPasses(int level);

    int checkedLevel() const;
    void setCheckedLevel(int level);

signals:
    void onSettingLevel(int level);

public slots:
    void slotSettinLevel();

private:
    QButtonGroup* m_levels = nullptr;
};
