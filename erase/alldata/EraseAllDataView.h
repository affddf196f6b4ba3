#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

/// The last page before Erase All Data touches the device: the precautions, the security
/// level, and the typed word that confirms.
class EraseAllDataView : public QWidget
{
    Q_OBJECT

public:
    explicit EraseAllDataView(QWidget* parent = nullptr);

    /// 0 High, 1 Medium, 2 Low.
    int level() const { return m_level; }
    /// 2, 1 or 0 by the level.
    int fillPasses() const { return m_fillPasses; }
    QLineEdit* wordEdit() const { return m_word; }
    QLabel* levelLink() const { return m_levelLink; }

signals:
    void onBackHome(int);
    void onErase(int);
    void onFillTime(int);

public slots:
    void slotErase();
    void slotSettingEraseLevel();
    void slotSettingLevel(int level);
    void slotBackHome();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int m_level = 1;
    int m_fillPasses = 1;
    QLineEdit* m_word = nullptr;
    QLabel* m_levelLink = nullptr;
    QPushButton* m_eraseNow = nullptr;
};
