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

 private:
  int margin_;
};

}  // namespace vorlane
