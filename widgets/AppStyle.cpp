#include "AppStyle.h"

namespace {

struct FontRow
{
    int pixelSize;
    int weight;
};

// Indexed by font number; weights are Qt's (50 normal, 62 demi-bold, 75 bold).
constexpr FontRow kFonts[] = {
    { 12, 50 }, { 11, 50 }, { 15, 62 }, { 14, 75 }, { 11, 50 }, { 11, 75 }, { 13, 50 }, { 13, 75 },
    { 14, 50 }, { 14, 75 }, { 15, 50 }, { 15, 75 }, { 16, 50 }, { 16, 75 }, { 17, 50 }, { 17, 75 },
    { 18, 50 }, { 18, 75 }, { 19, 50 }, { 19, 75 }, { 20, 50 }, { 20, 75 }, { 21, 50 }, { 21, 75 },
    { 22, 50 }, { 22, 75 }, { 24, 50 }, { 24, 75 }, { 27, 75 }, { 28, 50 },
};
constexpr FontRow kFallbackFont { 14, 50 };

constexpr QRgb kColors[] = {
    qRgb(255, 255, 255), qRgb(97, 108, 114), qRgb(255, 255, 255), qRgb(255, 255, 255),
    qRgb(204, 255, 238), qRgb(88, 88, 88),   qRgb(85, 179, 104),  qRgb(169, 169, 169),
};

} // namespace

AppStyle& AppStyle::instance()
{
    static AppStyle style;
    return style;
}

void AppStyle::initialise(const QString& appDir)
{
    m_fontFamily = QStringLiteral("Segoe UI");
    m_skinDir = appDir + QStringLiteral("/skin/");
    m_backupDir = appDir + QStringLiteral("/backup/");
    m_tempDir = appDir + QStringLiteral("/temp/");
}

QFont AppStyle::font(int index) const
{
    const FontRow row = index >= 0 && index < int(std::size(kFonts)) ? kFonts[index] : kFallbackFont;
    QFont font(m_fontFamily);
    font.setPixelSize(row.pixelSize);
    font.setWeight(row.weight);
    return font;
}

QColor AppStyle::color(int index)
{
    return QColor(index >= 0 && index < int(std::size(kColors)) ? kColors[index] : qRgb(255, 255, 255));
}
