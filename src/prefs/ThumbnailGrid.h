#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>

namespace vorlane {

// `Thumbs`: the 18 background thumbnails in 6 columns and 3 rows of 20-pixel cells with
// one-pixel grid lines; cell index = row × 6 + column = the `patternIndex` it stands for.
// Gradients are drawn line by line, patterns stretched from their pictures.
class ThumbnailGrid : public QWidget {
 public:
  static constexpr int kColumns = 6;
  static constexpr int kRows = 3;
  static constexpr int kCellSize = 20;

  explicit ThumbnailGrid(QWidget* parent);

  // The picture of a pattern index (3..17), asked once, when the cell is first drawn; an
  // empty picture leaves the cell an empty frame.
  void setPictureSource(std::function<QPixmap(int)> source) { source_ = std::move(source); }
  // A press on a cell, with its index.
  void onCellPressed(std::function<void(int)> handler) { pressed_ = std::move(handler); }

  int selectedCell() const { return selected_; }
  void selectCell(int index);
  // The rectangle of a cell, in the grid's pixels.
  static QRect cellRect(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void drawCell(QPainter& painter, int index);
  const QPixmap& picture(int index);

  std::function<QPixmap(int)> source_;
  std::function<void(int)> pressed_;
  std::array<QPixmap, kColumns * kRows> pictures_{};
  std::array<bool, kColumns * kRows> asked_{};
  int selected_ = 0;
};

}  // namespace vorlane
