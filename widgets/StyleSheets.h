#pragma once

#include <QString>

// Style sheets shared by the kit, built in one place so that every check box, scroll bar
// and header of the program looks the same.

/// Image prefixes of the style-sheet check boxes: tables and headers, photo thumbnails.
inline const QString kTableCheckBoxImages = QStringLiteral("checkbox2");
inline const QString kThumbnailCheckBoxImages = QStringLiteral("checkbox1");

/// `name` of the skin as the argument of a style sheet's url(): quoted, so that a skin
/// directory with blanks in its path still works.
QString SkinUrl(const QString& name);

/// The indicator style of an image check box: `prefix` + "_normal.png", "_hover.png",
/// "_selected.png", "_selected_hover.png", "_half_selected.png", "_half_selected_hover.png"
/// for unchecked, unchecked hover, checked, checked hover, partly checked, partly checked
/// hover. `selector` is the class whose indicator is styled: "QCheckBox", or "QTreeView" /
/// "QTableView" for the check boxes of items.
QString CheckBoxStyleSheet(const QString& prefix, const QString& selector = QStringLiteral("QCheckBox"));

/// Thin scroll bars: 10 px, transparent groove, light-grey handle of radius 5, grey on hover.
QString ScrollBarStyleSheet();

/// Flat headers of tables and trees.
QString HeaderStyleSheet();
