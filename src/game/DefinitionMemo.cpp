#include "game/DefinitionMemo.h"

#include <QFontMetrics>

#include <algorithm>

namespace vorlane {

DefinitionMemo::DefinitionMemo(QWidget* parent, int margin)
    : QPlainTextEdit(parent), margin_(margin) {
  setReadOnly(true);
  setFrameShape(QFrame::NoFrame);
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

}  // namespace vorlane
