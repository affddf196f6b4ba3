#pragma once

#include <QComboBox>

/// A flat combo box: 1-px light-blue border with radius 3, white face, a drawn chevron.
/// The owner gives it the accessible name of what it chooses ("Language").
class OvStyleComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit OvStyleComboBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
