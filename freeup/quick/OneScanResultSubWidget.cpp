#include "OneScanResultSubWidget.h"

#include "AppStyle.h"
#include "FormatSize.h"
#include "OneKeyWidgets.h"
#include "SkinImage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cstring>

OneScanResultSubWidget::OneScanResultSubWidget(const QString& objectName, const QString& icon, const QString& caption,
                                               const QString& sizePrefix, const QString& emptyNote, QWidget* parent)
    : QWidget(parent)
    , m_sizePrefix(sizePrefix)
    , m_emptyNote(emptyNote)
{
    setObjectName(objectName);
    const QString family = AppStyle::instance().fontFamily();

    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("rowIcon"));
    iconLabel->setPixmap(SkinPixmap(icon));
    iconLabel->setFixedSize(48, 48);

    auto* captionLabel = new QLabel(caption, this);
    captionLabel->setObjectName(QStringLiteral("rowCaption"));
    QFont captionFont(family);
    captionFont.setPixelSize(15);
    captionFont.setWeight(QFont::DemiBold);
    captionLabel->setFont(captionFont);
    captionLabel->setStyleSheet(QStringLiteral("color:#3c4449;"));

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("rowNote"));
    QFont noteFont(family);
    noteFont.setPixelSize(13);
    m_note->setFont(noteFont);
    m_note->setStyleSheet(QStringLiteral("color:#616c72;"));
    m_note->setTextFormat(Qt::RichText);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addStretch();
    text->addWidget(captionLabel);
    text->addWidget(m_note);
    text->addStretch();

    m_button = MakeActionButton(QStringLiteral("rowButton"), QString(), this);
    m_button->setFixedSize(110, 34);
    connect(m_button, &QPushButton::clicked, this, &OneScanResultSubWidget::ShowNextView);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 8, 16, 8);
    layout->setSpacing(16);
    layout->addWidget(iconLabel);
    layout->addLayout(text, 1);
    layout->addWidget(m_button);
    SetSize(0);
}

QString OneScanResultSubWidget::SizeText(quint64 bytes) const
{
    return FormatSizeIn(staticMetaObject.className(), bytes);
}

void OneScanResultSubWidget::SetSize(quint64 bytes)
{
    m_size = bytes;
    if (bytes == 0 && !m_emptyNote.isEmpty()) {
        m_note->setText(m_emptyNote.toHtmlEscaped());
    } else {
        m_note->setText(m_sizePrefix.toHtmlEscaped().arg(OrangeHtml(SizeText(bytes))));
    }
    const QString buttonText = bytes > 0 ? tr("Clean") : tr("Done");
    m_button->setText(buttonText);
    m_button->setAccessibleName(buttonText);
}

QString OneScanResultSubWidget::ButtonText() const
{
    return m_button->text();
}

QString OneScanResultSubWidget::NoteText() const
{
    QTextDocument document;
    document.setHtml(m_note->text());
    return document.toPlainText();
}
