#include "game/DefinitionMemo.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>

#include <algorithm>

namespace vorlane {
namespace {

// Lines break between words, and inside a word too long for the box; each paragraph of the
// text starts a line of its own.
void layOut(QTextLayout& layout, const QString& text, const QFont& font, qreal width) {
  QString lines = text;
  lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
  layout.setText(lines);
  layout.setFont(font);
  QTextOption wrapping;
  wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(wrapping);
  layout.beginLayout();
  qreal top = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLeadingIncluded(true);
    line.setLineWidth(width);
    line.setPosition(QPointF(0, top));
    top += line.height();
  }
  layout.endLayout();
}

// What a screen reader learns of a definition box: its name, and its text with where each
// character is drawn. Nothing in it can be selected, moved or scrolled.
class DefinitionMemoAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit DefinitionMemoAccessible(DefinitionMemo* box)
      : QAccessibleWidget(box, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? box().toPlainText() : QAccessibleWidget::text(t);
  }

  QString text(int startOffset, int endOffset) const override {
    return box().toPlainText().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(box().toPlainText().size()); }
  QRect characterRect(int offset) const override {
    const QTextLayout& layout = box().laidOutText();
    const QTextLine line = layout.lineForTextPosition(offset);
    if (!line.isValid()) return {};
    const qreal left = line.cursorToX(offset);
    const qreal right = line.cursorToX(offset + 1);
    const QPoint origin = box().mapToGlobal(box().textArea().topLeft());
    return QRectF(left, line.y(), right - left, line.height()).toAlignedRect().translated(origin);
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPointF inText = box().mapFromGlobal(point) - box().textArea().topLeft();
    const QTextLayout& layout = box().laidOutText();
    for (int i = 0; i < layout.lineCount(); ++i) {
      const QTextLine line = layout.lineAt(i);
      if (inText.y() >= line.y() && inText.y() < line.y() + line.height())
        return line.xToCursor(inText.x());
    }
    return -1;
  }

  void selection(int, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

 private:
  const DefinitionMemo& box() const { return *static_cast<const DefinitionMemo*>(widget()); }
};

QAccessibleInterface* definitionMemoFactory(const QString&, QObject* object) {
  if (auto* box = qobject_cast<DefinitionMemo*>(object)) return new DefinitionMemoAccessible(box);
  return nullptr;
}

}  // namespace

DefinitionMemo::DefinitionMemo(QWidget* parent, int margin) : QFrame(parent), margin_(margin) {
  static const bool accessible = [] {
    QAccessible::installFactory(definitionMemoFactory);
    return true;
  }();
  (void)accessible;
  // Sunken: the enlarged box's frame is a line of light and a line of shade.
  setFrameStyle(QFrame::NoFrame | QFrame::Sunken);
  // The margins around the text are the box's own: the enlarged box covers the rows below.
  setAutoFillBackground(true);
  setCursor(Qt::ArrowCursor);
}

void DefinitionMemo::setPlainText(const QString& text) {
  if (QAccessible::isActive()) {
    QAccessibleTextUpdateEvent change(this, 0, text_, text);
    QAccessible::updateAccessibility(&change);
  }
  text_ = text;
  laidOutWidth_ = -1;
  update();
}

void DefinitionMemo::showOneLine() {
  oneLine_ = true;
  update();
}

// The line's height is measured when the box is drawn or read, not when it is laid out: a
// box hidden at start costs no font before the window shows.
QRect DefinitionMemo::textArea() const {
  const QRect area = contentsRect().adjusted(margin_, 0, -margin_, 0);
  if (!oneLine_) return area;
  const int spare = std::max(0, height() - QFontMetrics(font()).lineSpacing());
  return area.adjusted(0, spare / 2, 0, -(spare - spare / 2));
}

const QTextLayout& DefinitionMemo::laidOutText() const {
  const int width = textArea().width();
  if (width != laidOutWidth_) layOut(layout_, text_, font(), width);
  laidOutWidth_ = width;
  return layout_;
}

int DefinitionMemo::lineCountFor(const QString& text, int boxWidth) const {
  QTextLayout layout;
  layOut(layout, text, font(), std::max(1, boxWidth - 2 * margin_ - 2 * frameWidth()));
  return std::max(1, layout.lineCount());
}

void DefinitionMemo::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  const QRect area = textArea();
  painter.fillRect(area, palette().base());
  painter.setClipRect(area);
  painter.setPen(palette().color(QPalette::Text));
  laidOutText().draw(&painter, area.topLeft());
}

void DefinitionMemo::changeEvent(QEvent* event) {
  QFrame::changeEvent(event);
  if (event->type() == QEvent::FontChange) laidOutWidth_ = -1;
}

}  // namespace vorlane
