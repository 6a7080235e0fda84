#pragma once

#include <QFrame>
#include <QString>
#include <QTextLayout>

namespace vorlane {

// A definition box: read-only text without scroll bars, wrapped to its width and always
// drawn from its first line. A row's box shows that line, the enlarged box every line. The
// box has no scrolling of its own: the word's line can never be pushed out of sight.
class DefinitionMemo : public QFrame {
  Q_OBJECT

 public:
  // `margin`: inner margin left and right, in pixels.
  DefinitionMemo(QWidget* parent, int margin);

  void setPlainText(const QString& text);
  QString toPlainText() const { return text_; }

  // Shows a single line of the box's font, the rest of its height left as margin above
  // and below, so that no clipped second line shows.
  void showOneLine();

  // How many lines `text` takes in this box once it is `boxWidth` pixels wide, wrapped
  // as the box wraps it.
  int lineCountFor(const QString& text, int boxWidth) const;

  // The text as the box lays it out at its present size, its first line at the top of
  // textArea(), in the box's coordinates.
  const QTextLayout& laidOutText() const;
  QRect textArea() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int margin_;
  bool oneLine_ = false;
  QString text_;
  // Laid out again for a new text, font or width; -1 until then.
  mutable QTextLayout layout_;
  mutable int laidOutWidth_ = -1;
};

}  // namespace vorlane
