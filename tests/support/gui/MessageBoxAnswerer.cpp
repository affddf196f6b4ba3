#include "MessageBoxAnswerer.h"

#include "OvMessageBox.h"

#include <QApplication>
#include <QMap>
#include <QPushButton>

MessageBoxAnswerer::MessageBoxAnswerer(int button, QObject* parent)
    : QObject(parent)
    , m_button(button)
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::poll);
    m_timer.start(5);
}

QStringList MessageBoxAnswerer::texts() const
{
    QStringList out;
    for (const Question& question : m_questions)
        out << question.text;
    return out;
}

void MessageBoxAnswerer::poll()
{
    auto* box = qobject_cast<OvMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box == m_last)
        return;
    m_last = box;
    Question question { box->title(), box->text(), box->iconName(), box->buttons(), false };
    const QMap<int, QString> names { { OvMessageBox::Yes, "messageBoxYesButton" },
                                     { OvMessageBox::No, "messageBoxNoButton" },
                                     { OvMessageBox::OK, "messageBoxOkButton" },
                                     { OvMessageBox::Cancel, "messageBoxCancelButton" } };
    auto* button = names.contains(m_button) ? box->findChild<QPushButton*>(names.value(m_button)) : nullptr;
    if (button && button->isVisible()) {
        question.answered = true;
        m_questions.append(question);
        button->click();
        return;
    }
    // Button 0, or a button the box does not show: close the box as the window system
    // would, which answers 0.
    question.answered = m_button == 0;
    m_questions.append(question);
    box->close();
}
