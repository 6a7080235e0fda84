#pragma once

#include "controls/TileRow.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>

class QKeyEvent;
class QPainter;

namespace vorlane {

// A row of square letter tiles, one tile a character of the text, with a current tile:
// the design shared by the letter keyboard Tkeybt, the letter input box Tkey_in and the
// letter tiles TLetterTiles. Tile k covers x = k * tileSize() .. (k + 1) * tileSize()
// (exclusive) and y = 0 .. tileSize() (exclusive), in control pixels. The text and the
// current-tile rules live in the core TileRow; this class draws them and raises the
// mouse events. Text is Windows-1252, one tile a byte.
//
// Screen readers read the row's accessible name followed by its letters (TileRowAccessible).
//
// A new control: AutoSize on, tile size 25, TileIndex 0, colour = the platform's button
// face, font "Arial" bold, font colour = the platform's window text, I-beam cursor, reached
// by Tab but not by a click, 0 by 25 pixels until a text is set.
class TileRowWidget : public QWidget {
  Q_OBJECT

 public:
  static constexpr int defaultTileSize = 25;
  static constexpr int minimumTileSize = 4;

  const TileRow& row() const { return row_; }
  const std::string& text() const { return row_.text(); }
  // A different text is stored and TileIndex pulled back onto it (the old and new current
  // tiles repaint). With AutoSize a change of length resizes, which repaints; a text of
  // the same length does not repaint: the owner calls update() when it wants the change seen.
  void setText(const std::string& text);

  // 0..length - 1, or -1 when the text is empty; a new control holds 0 until set.
  int tileIndex() const { return row_.tileIndex(); }
  // Clamped; a change repaints the old and the new tile only.
  void setTileIndex(int index);

  int tileSize() const { return tileSize_; }
  // Never below minimumTileSize.
  void setTileSize(int size);

  // While on, the size is always length(text) * tileSize() by tileSize(): resize() and
  // setGeometry() keep their position but not their size. Switching it off keeps the size.
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool on);

  // Face colour of the tiles and of the uncovered part of the control.
  QColor color() const { return color_; }
  void setColor(const QColor& color);
  void setColorRef(std::uint32_t ref);

  // Colour of the letters (red, 255, marks a found word).
  QColor fontColor() const { return fontColor_; }
  std::uint32_t fontColorRef() const;
  void setFontColor(const QColor& color);
  void setFontColorRef(std::uint32_t ref);

  QRect tileRect(int k) const;
  // The control's font() with a cell height (ascent + descent) of height() - 6 pixels:
  // what every paint draws with. A size set on font() from outside is not used.
  QFont tileFont() const;

  QSize sizeHint() const override;

 signals:
  // Coordinates are control pixels. OnMouseDown comes before the control's own reaction to
  // the press; OnClick (a left press and release on the control) comes before OnMouseUp.
  void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void OnMouseMove(Qt::KeyboardModifiers shift, int x, int y);
  void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void OnClick();

 protected:
  explicit TileRowWidget(QWidget* parent);

  // Index of the tile containing the point, or -1.
  int tileAt(const QPoint& point) const;

  // Draws tile k in its rectangle r; the painter holds tileFont().
  virtual void drawTile(QPainter& painter, int k, const QRect& r);
  // The control's own reaction to a press, after OnMouseDown: none by default.
  virtual void pressed(const QPoint& point);

  // Selects the tile under the point, if any, then takes the focus.
  void selectTileAndFocus(const QPoint& point);

  // The raised tile: face, 2-pixel bevel, letter; with `marked`, the black outline just
  // outside the tile and the dotted focus rectangle inside it.
  void drawRaisedTile(QPainter& painter, int k, const QRect& r, bool marked);
  // Bevel `rings` pixels wide inside r: left and top light, right and bottom dark, the
  // top-right and bottom-left corner pixels of each ring dark.
  static void drawBevel(QPainter& painter, const QRect& r, int rings, const QColor& light,
                        const QColor& dark);
  // Character k centred in r over a background of the face colour.
  void drawLetter(QPainter& painter, int k, const QRect& r, const QColor& face) const;
  // The inverting dotted outline on the border of r.
  static void drawFocusDots(QPainter& painter, const QRect& r);
  QColor systemColor(QPalette::ColorRole role) const;

  // Enter, Escape, Tab, Up and Down belong to the window (default button, focus moves).
  static bool leavesToWindow(const QKeyEvent& event);
  // The typed character as a Windows-1252 byte (Backspace gives 8), if the key types one.
  // Alt alone types none; Ctrl alone types control codes only (Ctrl+A gives 1,
  // Ctrl+Backspace 127).
  static std::optional<char> typedCharacter(const QKeyEvent& event);
  // Ctrl held with neither Shift nor Alt.
  static bool ctrlAlone(Qt::KeyboardModifiers shift);
  static Qt::KeyboardModifiers shiftState(Qt::KeyboardModifiers modifiers);

  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void applyAutoSize();
  void updateTile(int k);
  bool claimsKey(const QKeyEvent& event) const;

  TileRow row_;
  int tileSize_ = defaultTileSize;
  bool autoSize_ = true;
  bool leftPressed_ = false;
  QColor color_;
  QColor fontColor_;
  // tileFont() for the height it was computed for; -1 when the font changed since.
  mutable int fontCell_ = -1;
  mutable QFont cellFont_;
};

}  // namespace vorlane
