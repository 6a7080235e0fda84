#include "game/DefinitionMemo.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>

namespace vorlane {

DefinitionMemo::DefinitionMemo(QWidget* parent, int margin)
    : QPlainTextEdit(parent), margin_(margin) {
  setReadOnly(true);
  setFrameShape(QFrame::NoFrame);
  // The margins around the text are the box's own: the enlarged box covers the rows below.
  setAutoFillBackground(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setContextMenuPolicy(Qt::NoContextMenu);
  document()->setDocumentMargin(0);
  setViewportMargins(margin_, 0, margin_, 0);
  viewport()->setCursor(Qt::ArrowCursor);
}

void DefinitionMemo::showOneLine() {
  const int spare = std::max(0, height() - QFontMetrics(font()).lineSpacing());
  setViewportMargins(margin_, spare / 2, margin_, spare - spare / 2);
}

void DefinitionMemo::scrollToFirstLine() {
  moveCursor(QTextCursor::Start);
  verticalScrollBar()->setValue(0);
}

// The text lays itself out again once the box is on screen with its real width, which can
// bring another line up: the box goes back to its first line once that is done too.
void DefinitionMemo::showEvent(QShowEvent* event) {
  QPlainTextEdit::showEvent(event);
  scrollToFirstLine();
  QTimer::singleShot(0, this, &DefinitionMemo::scrollToFirstLine);
}

void DefinitionMemo::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  scrollToFirstLine();
}

int DefinitionMemo::lineCountFor(const QString& text, int boxWidth) const {
  const qreal width = std::max(1, boxWidth - 2 * margin_ - 2 * frameWidth());
  QTextLayout layout(text, font());
  layout.setTextOption(document()->defaultTextOption());
  int lines = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    ++lines;
  }
  layout.endLayout();
  return std::max(1, lines);
}

}  // namespace vorlane
