#pragma once

#include <QCheckBox>

/// A check box drawn with one of the skin's image sets (tables and headers by default),
/// which also reports its clicks with a number chosen by the owner. stateChanged(int),
/// clicked() and clicked(bool) are those of the check box.
class OvStyleCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit OvStyleCheckBox(QWidget* parent = nullptr);
    explicit OvStyleCheckBox(const QString& text, QWidget* parent = nullptr);

    /// Uses the images `prefix` + "_normal.png" and so on ("checkbox1" on thumbnails).
    void SetImagePrefix(const QString& prefix);
    void SetId(int id) { m_id = id; }
    int Id() const { return m_id; }

signals:
    void clickedId(bool, int);

public slots:
    void slotClickedId(bool);

private:
    void init();

    int m_id = 0;
};
