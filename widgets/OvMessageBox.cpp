#include "OvMessageBox.h"

#include "AppStyle.h"
#include "DialogButton.h"
#include "SkinImage.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int kBoxWidth = 460;

const char* const kFaceStyle = "QFrame#messageBoxFace { background: #ffffff; border: 1px solid #d6e4f2;"
                               " border-radius: 6px; }";
QPushButton* makeButton(const QString& objectName, bool primary, QWidget* parent)
{
    QPushButton* button = MakeDialogButton(objectName, QString(), primary, parent);
    button->setMinimumSize(80, 32);
    button->hide();
    return button;
}

void setButtonText(QPushButton* button, const QString& text)
{
    button->setText(text);
    button->setAccessibleName(text);
}

} // namespace

OvMessageBox::OvMessageBox(const QString& text, const QString& title, int buttons, QWidget* parent)
    : OvStyleDialog(parent)
    , m_text(text)
    , m_title(title.isEmpty() ? QStringLiteral("Velmora Dravo Free") + AppStyle::instance().versionText() : title)
    , m_buttons(buttons)
{
    setObjectName(QStringLiteral("messageBox"));
    setWindowTitle(m_title);
    setAccessibleName(m_title);
    setFixedWidth(kBoxWidth);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin);
    auto* face = new QFrame(this);
    face->setObjectName(QStringLiteral("messageBoxFace"));
    face->setStyleSheet(QLatin1String(kFaceStyle));
    outer->addWidget(face);

    auto* layout = new QVBoxLayout(face);
    layout->setContentsMargins(24, 18, 24, 20);
    layout->setSpacing(16);

    m_titleLabel = new QLabel(m_title, face);
    m_titleLabel->setObjectName(QStringLiteral("messageBoxTitle"));
    m_titleLabel->setFont(AppStyle::instance().font(3));
    m_titleLabel->setStyleSheet(QStringLiteral("color: #2990ff; border: none;"));
    m_titleLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(m_titleLabel);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    m_iconLabel = new QLabel(face);
    m_iconLabel->setObjectName(QStringLiteral("messageBoxIcon"));
    m_iconLabel->setStyleSheet(QStringLiteral("border: none;"));
    m_iconLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_iconLabel->hide();
    body->addWidget(m_iconLabel, 0, Qt::AlignTop);
    m_messageLabel = new QLabel(text, face);
    m_messageLabel->setObjectName(QStringLiteral("messageBoxText"));
    m_messageLabel->setFont(AppStyle::instance().font(8));
    m_messageLabel->setStyleSheet(QStringLiteral("color: #3a3a3a; border: none;"));
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_messageLabel->setMinimumHeight(40);
    m_messageLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    body->addWidget(m_messageLabel, 1);
    layout->addLayout(body);
    layout->addStretch(1); // any spare height goes between the message and the buttons

    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addStretch(1);
    m_yesButton = makeButton(QStringLiteral("messageBoxYesButton"), true, face);
    m_noButton = makeButton(QStringLiteral("messageBoxNoButton"), false, face);
    m_okButton = makeButton(QStringLiteral("messageBoxOkButton"), true, face);
    m_cancelButton = makeButton(QStringLiteral("messageBoxCancelButton"), false, face);
    for (QPushButton* button : { m_yesButton, m_noButton, m_okButton, m_cancelButton })
        row->addWidget(button);
    layout->addLayout(row);

    SetButtonText(tr("Yes"), tr("NO"), tr("OK"), tr("Cancel"));

    m_yesButton->setVisible(buttons & Yes);
    m_noButton->setVisible(buttons & No);
    m_okButton->setVisible(buttons & OK);
    m_cancelButton->setVisible(buttons & Cancel);
    // Enter presses the affirmative button that is shown.
    if (buttons & OK)
        m_okButton->setDefault(true);
    else if (buttons & Yes)
        m_yesButton->setDefault(true);

    connect(m_yesButton, &QPushButton::clicked, this, &OvMessageBox::slotClose_yes);
    connect(m_noButton, &QPushButton::clicked, this, &OvMessageBox::slotClose_no);
    connect(m_okButton, &QPushButton::clicked, this, &OvMessageBox::slotClose_ok);
    connect(m_cancelButton, &QPushButton::clicked, this, &OvMessageBox::slotClose_cancel);
}

int OvMessageBox::Ask(QWidget* parent, const QString& text, int buttons, const QString& icon, const QString& title,
                      const QString& acceptText, const QString& rejectText)
{
    // On the heap: should the parent go while the box waits, the box goes with it.
    QPointer<OvMessageBox> box = new OvMessageBox(text, title, buttons, parent);
    const auto named = [](const QString& given, const QString& plain) { return given.isEmpty() ? plain : given; };
    box->SetButtonText(named(acceptText, tr("Yes")), named(rejectText, tr("No")), named(acceptText, tr("OK")),
                       named(rejectText, tr("Cancel")));
    if (!icon.isEmpty())
        box->SetIcon(icon);
    box->exec();
    if (!box)
        return 0;
    const int answer = box->GetResult();
    delete box;
    return answer;
}

void OvMessageBox::SetButtonText(const QString& yes, const QString& no, const QString& ok, const QString& cancel)
{
    setButtonText(m_yesButton, yes);
    setButtonText(m_noButton, no);
    setButtonText(m_okButton, ok);
    setButtonText(m_cancelButton, cancel);
}

void OvMessageBox::SetIcon(const QString& imageName)
{
    m_iconName = imageName;
    const QPixmap icon = SkinPixmap(imageName);
    m_iconLabel->setPixmap(icon);
    m_iconLabel->setVisible(!icon.isNull());
}

void OvMessageBox::slotClose_yes()
{
    closeWith(Yes);
}

void OvMessageBox::slotClose_no()
{
    closeWith(No);
}

void OvMessageBox::slotClose_ok()
{
    closeWith(OK);
}

void OvMessageBox::slotClose_cancel()
{
    closeWith(Cancel);
}

void OvMessageBox::closeWith(int flag)
{
    m_result = flag;
    done(flag);
}

QPoint OvMessageBox::placement(const QPoint& parentOnScreen, const QSize& parentSize, const QSize& box,
                               const QSize& desktop)
{
    int x = parentOnScreen.x() + (parentSize.width() - box.width()) / 2;
    int y = parentOnScreen.y() + (parentSize.height() - box.height()) / 2;
    if (x < 0)
        x = 10;
    if (y < 0)
        y = 10;
    if (x + box.width() > desktop.width())
        x = desktop.width() - box.width() - 10;
    if (y + box.height() > desktop.height())
        y = desktop.height() - box.height() - 40;
    return { x, y };
}

void OvMessageBox::showEvent(QShowEvent* event)
{
    OvStyleDialog::showEvent(event);
    // The window's own size hint measures the wrapped message at another width than the
    // box's fixed one; take the height the text needs at this width, so that no line is cut
    // off and no gap is left.
    if (QLayout* boxLayout = layout(); boxLayout && boxLayout->hasHeightForWidth()) {
        boxLayout->activate();
        const int needed = boxLayout->totalHeightForWidth(width());
        if (needed > 0)
            resize(width(), needed);
    }
    QWidget* owner = parentWidget();
    if (!owner || event->spontaneous())
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize desktop = screen ? screen->virtualSize() : QSize(1920, 1080);
    move(placement(owner->mapToGlobal(QPoint(0, 0)), owner->size(), size(), desktop));
}
