#include "StyleSheets.h"

#include "SkinImage.h"

#include <QPixmap>

QString SkinUrl(const QString& name)
{
    return QLatin1Char('"') + SkinImagePath(name) + QLatin1Char('"');
}

QString CheckBoxStyleSheet(const QString& prefix, const QString& selector)
{
    // The indicator takes the size of its image; without the image the style's own
    // indicator is drawn at the usual size.
    QString sheet;
    const QPixmap normal = SkinPixmap(prefix + QStringLiteral("_normal.png"));
    if (!normal.isNull())
        sheet += QStringLiteral("%1::indicator { width: %2px; height: %3px; }")
                     .arg(selector)
                     .arg(SkinSize(normal).width())
                     .arg(SkinSize(normal).height());
    const struct
    {
        const char* state;
        const char* suffix;
    } rows[] = {
        { ":unchecked", "_normal.png" },
        { ":unchecked:hover", "_hover.png" },
        { ":checked", "_selected.png" },
        { ":checked:hover", "_selected_hover.png" },
        { ":indeterminate", "_half_selected.png" },
        { ":indeterminate:hover", "_half_selected_hover.png" },
    };
    for (const auto& row : rows)
        sheet += QStringLiteral("%1::indicator%2 { image: url(%3);}")
                     .arg(selector, QLatin1String(row.state), SkinUrl(prefix + QLatin1String(row.suffix)));
    return sheet;
}

QString ScrollBarStyleSheet()
{
    return QStringLiteral(
        "QScrollBar:vertical { width: 10px; background: transparent; border: none; margin: 0; }"
        "QScrollBar:horizontal { height: 10px; background: transparent; border: none; margin: 0; }"
        "QScrollBar::handle:vertical { background: #dcdcdc; border-radius: 5px; min-height: 30px; }"
        "QScrollBar::handle:horizontal { background: #dcdcdc; border-radius: 5px; min-width: 30px; }"
        "QScrollBar::handle:vertical:hover, QScrollBar::handle:horizontal:hover { background: #a9a9a9; }"
        "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; background: none; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }");
}

QString HeaderStyleSheet()
{
    return QStringLiteral("QHeaderView { background: #f5f8fc; border: none; }"
                          "QHeaderView::section { background: #f5f8fc; color: rgb(88,88,88); border: none;"
                          " border-bottom: 1px solid #e3e9f0; padding: 0 8px; min-height: 34px; }");
}
