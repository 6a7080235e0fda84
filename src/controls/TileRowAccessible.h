#pragma once

#include <QAccessibleWidget>

namespace vorlane {

class TileRowWidget;

// What a screen reader learns of a row of letter tiles: its name, given by the window that
// holds it, followed by the letters it shows; the letters again as its value, a blank tile
// read as "_". The letter keyboards and the name entry take typed letters (editable text);
// the input boxes only show them (static text).
class TileRowAccessible : public QAccessibleWidget {
 public:
  explicit TileRowAccessible(TileRowWidget* row);

  QString text(QAccessible::Text t) const override;

  // The letters as read: one character a tile, "_" for a blank one.
  static QString lettersRead(const TileRowWidget& row);
  // Makes Qt's accessibility ask this class for every tile row; installed once.
  static void installFactory();
};

}  // namespace vorlane
