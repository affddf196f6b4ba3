// Renders the kit's main widgets with the real skin. With DRAVO_RENDER_DIR set, every
// render is also saved there as PNG, for people to look at.

#include "AppPaths.h"
#include "AppShowWidget.h"
#include "AppStyle.h"
#include "CGlobalData.h"
#include "CommonImgCtrl.h"
#include "FanShapedWidget.h"
#include "OvCustomNOButton.h"
#include "OvElidedLabel.h"
#include "OvFillDataProgressBar.h"
#include "OvMessageListShowWidget.h"
#include "OvProgressBarGif.h"
#include "OvSPushButton.h"
#include "OvStyleButton.h"
#include "OvStyleButtonWidget.h"
#include "OvStyleCheckBox.h"
#include "OvStyleCheckBoxButton.h"
#include "OvStyleCheckBoxDH.h"
#include "OvStyleCheckBoxSubImageWidget.h"
#include "OvStyleCleanProcessProgressBar.h"
#include "OvStyleComboBox.h"
#include "OvStyleLabel.h"
#include "OvStyleProgressBar.h"
#include "OvStyleScanProcessView.h"
#include "OvStyleScrollArea.h"
#include "OvStyleTabHeadWidget.h"
#include "OvStyleTabelWidgetCheckBox.h"
#include "OvStyleTableWidget.h"
#include "OvStyleTreeWidget.h"
#include "OvStyleWidget.h"
#include "OvStyleWidgetTitle.h"
#include "OvTabButton.h"
#include "OvTabControlWidget.h"
#include "OvTableSubWidget.h"
#include "RoundWidget.h"
#include "SkinImage.h"
#include "StyleSheets.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

namespace {

constexpr quint64 kGiB = 1024ull * 1024 * 1024;

} // namespace

class tst_WidgetRenders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyImageTheKitNamesIsInTheSkin();
    void scanningPage();
    void tabBar();
    void buttonsAndCheckBoxes();
    void progressWidgets();
    void styledWindowAndContainers();
    void listsAndCharts();

private:
    /// Grabs `widget`, saves it when asked to, and checks that it painted something.
    void render(QWidget& widget, const QString& name);
    static void expectLabelsFit(QWidget& widget);
};

void tst_WidgetRenders::initTestCase()
{
    AppStyle::instance().initialise(applicationDirectory());
    QVERIFY2(QDir(AppStyle::instance().skinDir()).exists(), qPrintable(AppStyle::instance().skinDir()));
}

void tst_WidgetRenders::render(QWidget& widget, const QString& name)
{
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTest::qWait(30); // let animations show their first frame
    const QImage image = widget.grab().toImage();
    QVERIFY(!image.isNull());
    const QString dir = qEnvironmentVariable("DRAVO_RENDER_DIR");
    if (!dir.isEmpty())
        QVERIFY(image.save(QDir(dir).filePath(name + QStringLiteral(".png"))));
}

void tst_WidgetRenders::expectLabelsFit(QWidget& widget)
{
    // A label narrower or lower than its text cuts the text off.
    const QList<QLabel*> labels = widget.findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const QSize needed
            = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width())) : label->sizeHint();
        QVERIFY2(label->width() >= needed.width() && label->height() >= needed.height(),
                 qPrintable(label->objectName() + QStringLiteral(": ") + label->text()));
    }
}

void tst_WidgetRenders::everyImageTheKitNamesIsInTheSkin()
{
    const QStringList names = {
        "common1_button_normal.png",
        "common_button_hover.png",
        "common_button_pressing.png",
        "common_button_disable.png",
        "back_button_normal.png",
        "back_button_hover.png",
        "back_button_pressing.png",
        "back_button_disable.png",
        "big_button160_normal.png",
        "big_button160_hover.png",
        "big_button160_pressing.png",
        "button110_normal.png",
        "button110_hover.png",
        "button110_pressing.png",
        "button110_disable.png",
        "stop_button_normal.png",
        "stop_button_hover.png",
        "stop_button_pressing.png",
        "ProgressBar_1.png",
        "ProgressBar_2.png",
        "cache_clean_processBar.gif",
        "title_bg.png",
        "win_close_icon_normal.png",
        "win_icon_hover.png",
        "win_close_icon_pressing.png",
        "dravofree_icon_22.png",
        "default_photo.png",
        "default_video.png",
        "app_default.png",
        "device_space_default.png",
    };
    for (const QString& name : names)
        QVERIFY2(SkinImageExists(name), qPrintable(name));
    for (int i = 1; i <= 6; ++i)
        QVERIFY(SkinImageExists(QStringLiteral("checkState%1.png").arg(i)));
    for (const QString& prefix : { kTableCheckBoxImages, kThumbnailCheckBoxImages }) {
        for (const char* suffix : { "_normal.png", "_hover.png", "_selected.png", "_selected_hover.png",
                                    "_half_selected.png", "_half_selected_hover.png" })
            QVERIFY2(SkinImageExists(prefix + QLatin1String(suffix)), qPrintable(prefix + QLatin1String(suffix)));
    }
}

void tst_WidgetRenders::scanningPage()
{
    CGlobalData::GetInstance()->m_nTotalSpace = 128 * kGiB;
    CGlobalData::GetInstance()->m_nFreeSpace = 28 * kGiB;
    OvStyleScanProcessView view(1, QStringLiteral("files_scanning.gif"));
    view.resize(1000, 560);
    view.StartAnimationWithEstimate();
    render(view, QStringLiteral("scan_page"));
    QCOMPARE(view.findChild<QLabel*>("progressTimeLabel")->text(), QStringLiteral("About 35 Minute(s)"));
    QVERIFY(view.findChild<QLabel*>("scanAnimation")->movie());
    expectLabelsFit(view);

    view.Progress()->SetProgress(64);
    render(view, QStringLiteral("scan_page_progress"));
}

void tst_WidgetRenders::tabBar()
{
    QWidget window;
    window.setStyleSheet(QStringLiteral("background: white;"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tabs = new OvTabControlWidget(&window);
    tabs->AddTabButton("1-Click\n Free Up Space", "tab_one_click_normal.png", "tab_one_click_selected.png");
    tabs->AddTabButton("Erase All Data", "tab_erase_all_data_normal.png", "tab_erase_all_data_selected.png");
    tabs->AddTabButton("Erase Deleted Files", "tab_erase_deleted_files_normal.png",
                       "tab_erase_deleted_files_selected.png");
    tabs->AddTabButton("Erase Private Data", "tab_erase_private_data_normal.png",
                       "tab_erase_private_data_selected.png");
    tabs->AddTabButton("Erase Private Fragments", "tab_erase_fragements_normal.png",
                       "tab_erase_fragements_selected.png");
    tabs->SetCurrentTab(0);
    tabs->SetTabEnabled(4, false);
    layout->addWidget(tabs);
    layout->addStretch(1);
    window.resize(1000, 90);
    render(window, QStringLiteral("tab_bar"));
    for (int i = 0; i < tabs->Count(); ++i) {
        OvTabButton* tab = tabs->TabButton(i);
        QVERIFY(SkinImageExists(tab->CurrentImage()));
        // Two lines of the tab font fit in the tab.
        QVERIFY(tab->height() >= 2 * QFontMetrics(tab->font()).lineSpacing());
    }
}

void tst_WidgetRenders::buttonsAndCheckBoxes()
{
    QWidget window;
    window.setStyleSheet(QStringLiteral("QWidget#gallery { background: white; }"));
    window.setObjectName("gallery");
    auto* grid = new QGridLayout(&window);
    grid->setContentsMargins(20, 20, 20, 20);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(14);
    const struct
    {
        OvCustomNOButton::ImageSet set;
        const char* text;
    } sets[] = { { OvCustomNOButton::CommonImages, "Clean" },
                 { OvCustomNOButton::BackImages, "Back" },
                 { OvCustomNOButton::BigImages, "Scan" },
                 { OvCustomNOButton::Button110Images, "Erase Now" },
                 { OvCustomNOButton::StopImages, "Stop" } };
    int column = 0;
    for (const auto& entry : sets) {
        auto* normal = new OvCustomNOButton(entry.text, &window);
        normal->SetImageSet(entry.set);
        grid->addWidget(normal, 0, column);
        auto* disabled = new OvCustomNOButton(entry.text, &window);
        disabled->SetImageSet(entry.set);
        disabled->SetEnabled(false);
        grid->addWidget(disabled, 1, column);
        ++column;
    }
    auto* hovered = new OvCustomNOButton("Hover", &window);
    hovered->SetImageSet(OvCustomNOButton::CommonImages);
    hovered->SetBaseState(OvCustomNOButton::Selected);
    grid->addWidget(hovered, 0, column);

    auto* dh = new OvStyleCheckBoxDH("Select All", &window);
    dh->setTristate(true);
    dh->setCheckState(Qt::PartiallyChecked);
    grid->addWidget(dh, 2, 0);
    auto* dhChecked = new OvStyleCheckBoxDH("Contacts", &window);
    dhChecked->setChecked(true);
    grid->addWidget(dhChecked, 2, 1);
    auto* styled = new OvStyleCheckBox("Messages", &window);
    styled->setChecked(true);
    grid->addWidget(styled, 2, 2);
    auto* styledHalf = new OvStyleCheckBox("12 photos", &window);
    styledHalf->setTristate(true);
    styledHalf->setCheckState(Qt::PartiallyChecked);
    grid->addWidget(styledHalf, 2, 3);
    auto* checkButton = new OvStyleCheckBoxButton("Select All", &window);
    checkButton->SetCheckState(1);
    grid->addWidget(checkButton, 2, 4);
    auto* cell = new OvStyleTabelWidgetCheckBox(0, 0, &window);
    cell->SetChecked(true);
    grid->addWidget(cell, 2, 5);

    auto* card = new OvStyleButton("Junk Files", &window);
    card->SetImages("quick_junk_files.png");
    grid->addWidget(card, 3, 0, 1, 2);
    auto* photos = new OvStyleButton("Photos", &window);
    photos->SetImages("quick_photos.png");
    grid->addWidget(photos, 3, 2, 1, 2);
    auto* image
        = new OvSPushButton("win_close_icon_normal.png", "win_icon_hover.png", "win_close_icon_pressing.png", &window);
    grid->addWidget(image, 3, 4);
    auto* label = new OvStyleLabel("Open the folder", &window);
    label->setStyleSheet("color: #2990ff; text-decoration: underline;");
    grid->addWidget(label, 3, 5);

    render(window, QStringLiteral("buttons_checkboxes"));
    for (OvCustomNOButton* button : window.findChildren<OvCustomNOButton*>()) {
        QVERIFY2(SkinImageExists(button->CurrentImage()), qPrintable(button->text()));
        QVERIFY(button->width() >= button->fontMetrics().horizontalAdvance(button->text()));
        QVERIFY(!button->accessibleName().isEmpty());
    }
    QCOMPARE(dh->ImageName(), QStringLiteral("checkState5.png"));
}

void tst_WidgetRenders::progressWidgets()
{
    CGlobalData::GetInstance()->m_nTotalSpace = 64 * kGiB;
    CGlobalData::GetInstance()->m_nFreeSpace = 40 * kGiB;
    QWidget window;
    window.setObjectName("gallery");
    window.setStyleSheet(QStringLiteral("QWidget#gallery { background: white; }"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(18);
    for (int value : { 0, 50, 100 }) {
        auto* bar = new OvStyleProgressBar(&window);
        bar->SetValue(value);
        layout->addWidget(bar);
    }
    auto* clean = new OvStyleCleanProcessProgressBar(&window);
    clean->SetValue(73);
    layout->addWidget(clean);
    auto* gif = new OvProgressBarGif(&window);
    gif->StartDeviceEstimate();
    layout->addWidget(gif);
    auto* fill = new OvFillDataProgressBar(&window);
    fill->SetValue(3 * kGiB, 10 * kGiB);
    layout->addWidget(fill);
    auto* fillMore = new OvFillDataProgressBar(&window);
    fillMore->SetValue(8 * kGiB, 10 * kGiB);
    layout->addWidget(fillMore);
    auto* row = new QHBoxLayout;
    auto* ring = new RoundWidget(&window);
    ring->SetValue(24 * kGiB, 64 * kGiB);
    ring->SetCaption("Used");
    row->addWidget(ring);
    auto* fan = new FanShapedWidget(&window);
    fan->SetSectors({ { 5, QColor(0x29, 0x90, 0xff), "Photos" },
                      { 3, QColor(85, 179, 104), "Apps" },
                      { 2, QColor(0xf7, 0x96, 0x1f), "Other" } });
    row->addWidget(fan, 1);
    layout->addLayout(row);
    window.resize(620, 470);
    render(window, QStringLiteral("progress_widgets"));
    QCOMPARE(gif->TimeText(), QStringLiteral("About 26 Minute(s)"));
    QCOMPARE(fill->Percent(), 30);
}

void tst_WidgetRenders::styledWindowAndContainers()
{
    OvStyleWidget window;
    window.SetTitle("Set Security Level");
    auto* layout = new QVBoxLayout(window.ContentWidget());
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    auto* heads = new OvStyleTabHeadWidget(window.ContentWidget());
    heads->AddPage("Messages");
    heads->AddPage("Attachments");
    layout->addWidget(heads);
    auto* combo = new OvStyleComboBox(window.ContentWidget());
    combo->addItems({ "English", "Deutsch", "Français" });
    combo->setAccessibleName("Language");
    layout->addWidget(combo, 0, Qt::AlignLeft);

    auto* table = new OvStyleTableWidget(4, 3, window.ContentWidget());
    table->setHorizontalHeaderLabels({ "", "Name", "Number" });
    table->setColumnWidth(0, 40);
    table->setColumnWidth(1, 160);
    for (int row = 0; row < 4; ++row) {
        table->setCellWidget(row, 0, new OvStyleTabelWidgetCheckBox(row, 0, table));
        auto* sub = new OvTableSubWidget(table);
        sub->SetIcon("avatar_mini_def.png");
        sub->SetTitle(QStringLiteral("Contact %1").arg(row + 1));
        table->setCellWidget(row, 1, sub);
        table->setItem(row, 2, new QTableWidgetItem(QStringLiteral("+49 30 55501%1").arg(row)));
    }
    table->selectRow(1);
    layout->addWidget(table);

    auto* tree = new OvStyleTreeWidget(window.ContentWidget());
    tree->setHeaderHidden(true);
    const QStringList names = { "Message", "Photos & Videos", "Call History" };
    const QStringList icons = { "erase_scan_message.png", "erase_scan_photo.png", "erase_scan_call_history.png" };
    for (int i = 0; i < names.size(); ++i) {
        auto* item = new QTreeWidgetItem(tree, { QStringLiteral("%1 (%2)").arg(names[i]).arg(i * 7) });
        item->setIcon(0, QIcon(SkinImagePath(icons[i])));
        item->setCheckState(0, i == 0 ? Qt::Checked : (i == 1 ? Qt::PartiallyChecked : Qt::Unchecked));
    }
    layout->addWidget(tree);

    auto* scroll = new OvStyleScrollArea(window.ContentWidget());
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* inner = new QWidget;
    auto* innerLayout = new QVBoxLayout(inner);
    for (int i = 0; i < 12; ++i)
        innerLayout->addWidget(new QLabel(QStringLiteral("Row %1").arg(i + 1)));
    scroll->setWidget(inner);
    scroll->setFixedHeight(90);
    layout->addWidget(scroll);
    window.resize(560, 640);
    render(window, QStringLiteral("styled_window"));
    QCOMPARE(window.TitleBar()->Title(), QStringLiteral("Set Security Level"));
    QVERIFY(scroll->verticalScrollBar()->isVisible());
    QCOMPARE(scroll->verticalScrollBar()->width(), 10);
}

void tst_WidgetRenders::listsAndCharts()
{
    QWidget window;
    window.setObjectName("gallery");
    window.setStyleSheet(QStringLiteral("QWidget#gallery { background: white; }"));
    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(16, 16, 16, 16);
    auto* left = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* app = new AppShowWidget(i, &window);
        app->SetApp(QStringList { "Maps", "A Very Long Application Name That Goes On", "Notes" }[i],
                    QStringList { "120.50MB", "1.20GB", "8.00KB" }[i]);
        app->SetChecked(i == 1);
        left->addWidget(app);
    }
    auto* thumbs = new QHBoxLayout;
    auto* photo = new CommonImgCtrl("p1", &window);
    photo->SetCaption("IMG_0001.JPG");
    thumbs->addWidget(photo);
    auto* video = new CommonImgCtrl("v1", &window);
    video->SetVideo(true);
    video->SetChecked(true);
    video->SetCaption("00:42");
    thumbs->addWidget(video);
    auto* tile = new OvStyleCheckBoxSubImageWidget(&window);
    tile->SetChecked(true);
    thumbs->addWidget(tile);
    thumbs->addStretch(1);
    left->addLayout(thumbs);
    auto* card = new OvStyleButtonWidget(&window);
    card->setAccessibleName("Erase Private Data");
    auto* cardLayout = new QHBoxLayout(card);
    cardLayout->setContentsMargins(14, 10, 14, 10);
    auto* cardIcon = new QLabel(card);
    cardIcon->setPixmap(SkinPixmap("erase_scan_message.png"));
    cardLayout->addWidget(cardIcon);
    cardLayout->addWidget(new QLabel("Erase Private Data", card), 1);
    left->addWidget(card);
    left->addStretch(1);
    layout->addLayout(left, 1);

    auto* messages = new OvMessageListShowWidget(&window);
    messages->AddMessage("Are we still on for dinner tonight?", "2024-05-01 18:02", false);
    messages->AddMessage("Yes! See you at eight at the usual place.", "2024-05-01 18:05", true);
    messages->AddMessage("Great", "2024-05-01 18:06", false);
    messages->setFixedWidth(340);
    layout->addWidget(messages, 0, Qt::AlignTop);
    window.resize(820, 440);
    render(window, QStringLiteral("lists_thumbnails"));
    QVERIFY(messages->height() >= messages->heightForWidth(messages->width()));
    // A name too long for its row ends in an ellipsis; screen readers get all of it.
    auto* longName = window.findChildren<AppShowWidget*>().at(1)->findChild<OvElidedLabel*>("appName");
    QVERIFY(longName->IsElided());
    QCOMPARE(longName->accessibleName(), QStringLiteral("A Very Long Application Name That Goes On"));
}

QTEST_MAIN(tst_WidgetRenders)
#include "tst_WidgetRenders.moc"
