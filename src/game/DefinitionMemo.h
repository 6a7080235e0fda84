#pragma once

#include <QPlainTextEdit>

namespace vorlane {

// A definition box: read-only text without border or scroll bars, wrapped to its width,
// of which the window shows the first line (rows) or every line (the enlarged box).
class DefinitionMemo : public QPlainTextEdit {
 public:
  // `margin`: inner margin left and right, in pixels.
  DefinitionMemo(QWidget* parent, int margin);

  // Shows a single line of the box's font, the rest of its height left as margin above
  // and below, so that no clipped second line shows.
  void showOneLine();

  // How many lines `text` takes in this box once it is `boxWidth` pixels wide, wrapped
  // as the box wraps it.
  int lineCountFor(const QString& text, int boxWidth) const;

  // The box shows its text from the first line: after a new text, after it is shown or
  // re-shown and after it is resized, whatever line the cursor or a wrap had brought up.
  void scrollToFirstLine();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int margin_;
};

}  // namespace vorlane
