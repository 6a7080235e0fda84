#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include <algorithm>

#include "controls/ColorRef.h"
#include "controls/Tkey_in.h"
#include "controls/Tkeybt.h"
#include "game/PictureButton.h"
#include "game/TForm1.h"
#include "platform/Announce.h"
#include "platform/QtText.h"

namespace vorlane {
namespace {

// The letter-hint button stands above the first row.
constexpr int kHintTop = 122;
constexpr int kHintSize = 17;

QString bookPictureName(BookPicture picture) {
  switch (picture) {
    case BookPicture::livouv:
      return QStringLiteral("livouv");
    case BookPicture::livouv2:
      return QStringLiteral("livouv2");
    case BookPicture::liv:
      break;
  }
  return QStringLiteral("liv");
}

// A screen reader reads a value panel by its name: what it is and what it shows.
void nameWithValue(QWidget* widget, const QString& what, const QString& value) {
  const QString name = what + QStringLiteral(" : ") + value;
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

void setShown(QWidget* widget, bool shown) {
  if (widget->isVisibleTo(widget->parentWidget()) != shown) widget->setVisible(shown);
}

// The box's lines as one text: each stored line is a paragraph of the box.
QString boxText(const DefinitionBox& definition) {
  QStringList lines;
  for (const std::string& line : definition.lines) lines << toQString(line);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

void TForm1::render() {
  const MainViewModel& view = engine_->view();
  setWindowTitle(toQString(view.title));
  renderRows(view);
  renderEnlarged(view);
  renderKeyboards(view);
  renderButtons(view);
  renderStatus(view);
  renderMenu(view);
  if (view.timerRunning && !timer1_->isActive()) timer1_->start();
  if (!view.timerRunning && timer1_->isActive()) timer1_->stop();
  setCursor(view.cursor == CursorShape::hourglass ? Qt::WaitCursor : Qt::ArrowCursor);
}

void TForm1::renderRows(const MainViewModel& view) {
  for (int k = 1; k <= kRowCount; ++k) renderRow(k, view.rows[k - 1]);
  QStringList words;
  for (const std::string& word : view.solutionList) words << toQString(word);
  QStringList shown;
  for (int i = 0; i < comboBoxAna_->count(); ++i) shown << comboBoxAna_->itemText(i);
  if (shown != words) {
    comboBoxAna_->clear();
    comboBoxAna_->addItems(words);
  }
}

void TForm1::renderRow(int k, const RowView& view) {
  Row& row = rows_[k - 1];
  row.keybt->setTileSize(engine_->view().rowTileSize);
  // A text of the same length does not repaint by itself: only a changed row is redrawn.
  if (row.keybt->text() != view.input.text() || row.keybt->fontColorRef() != view.inputColour) {
    const bool found = view.inputColour == kRed && row.keybt->fontColorRef() != kRed;
    row.keybt->setFontColorRef(view.inputColour);
    row.keybt->setAccessibleName(view.inputColour == kRed ? QStringLiteral("Mot %1, trouvé").arg(k)
                                                          : QStringLiteral("Mot %1").arg(k));
    row.keybt->setText(view.input.text());
    row.keybt->update();
    if (found) announce(row.keybt, QAccessible::Alert);
  }
  setShown(row.keybt, !view.input.text().empty());
  row.panel->setText(toQString(view.valueCaption));
  nameWithValue(row.panel, QStringLiteral("Valeur du mot %1").arg(k), row.panel->text());
  if (row.panel->font().bold() != view.panelBold) {
    QFont panelFont = row.panel->font();
    panelFont.setBold(view.panelBold);
    row.panel->setFont(panelFont);
  }
  const QColor panelColour = colorFromRef(view.panelColour);
  if (row.panel->palette().color(QPalette::WindowText) != panelColour) {
    QPalette panelColours = row.panel->palette();
    panelColours.setColor(QPalette::WindowText, panelColour);
    row.panel->setPalette(panelColours);
  }
  row.image->setPicture(bookPictureName(view.book));
  row.image->setEnabled(view.bookEnabled);
  row.image->setPressed(view.bookPressed);
  renderDefinition(row.memo, view.definition);
  for (QWidget* part : {static_cast<QWidget*>(row.panel), static_cast<QWidget*>(row.image),
                        static_cast<QWidget*>(row.memo)})
    setShown(part, view.visible);
}

void TForm1::renderDefinition(DefinitionMemo* box, const DefinitionBox& definition) {
  const QString text = boxText(definition);
  if (box->toPlainText() == text) return;
  box->setPlainText(text);
}

void TForm1::renderEnlarged(const MainViewModel& view) {
  const EnlargedView& enlarged = view.memo15;
  renderDefinition(memo15_, enlarged.definition);
  memo15_->setGeometry(layout_.enlargedLeft, enlarged.top, layout_.enlargedWidth, enlarged.height);
  setShown(memo15_, enlarged.visible);
  if (enlarged.visible) memo15_->raise();
}

void TForm1::renderKeyboards(const MainViewModel& view) {
  const std::array<std::pair<Tkeybt*, const KeyboardView*>, 2> keyboards{
      {{keyb1_, &view.keyb1}, {keyb2_, &view.keyb2}}};
  for (const auto& [keyboard, model] : keyboards) {
    keyboard->setTileSize(view.keyboardTileSize);
    if (keyboard->text() != model->row.text()) {
      keyboard->setText(model->row.text());
      keyboard->update();
    }
    keyboard->setTileIndex(model->row.tileIndex());
    setShown(keyboard, model->visible);
  }
  if (view.focus == Focus::upperKeyboard && keyb1_->isVisible()) keyb1_->setFocus();
  if (view.focus == Focus::lowerKeyboard && keyb2_->isVisible()) keyb2_->setFocus();
  if (view.focus == Focus::firstInputBox) rows_[0].keybt->setFocus();
}

void TForm1::renderButtons(const MainViewModel& view) {
  setShown(imageMOT_, view.motVisible);
  setShown(imageOeil_, view.motEyeVisible);
  setShown(imageFIN_, view.finVisible);
  setShown(imageoeilFin_, view.finEyeVisible);
  setShown(modeBox_, view.modeBoxVisible);
  const Rect& first = layout_.rows[0].inputBox;
  imageTETE_->place(
      QRect(first.left + (view.hintColumn - 1) * view.rowTileSize, kHintTop, kHintSize, kHintSize));
  setShown(imageTETE_, view.hintVisible);
}

void TForm1::renderStatus(const MainViewModel& view) {
  const QString status = toQString(view.statusText);
  if (statusbar_->text() != status) statusbar_->setText(status);
  clock_->setText(toQString(view.clockCaption));
  setShown(clock_, view.clockVisible);
  total_->setText(toQString(view.reserveCaption));
  bigTotal_->setText(toQString(view.scoreCaption));
  nameWithValue(clock_, clock_->toolTip(), clock_->text());
  nameWithValue(total_, total_->toolTip(), total_->text());
  nameWithValue(bigTotal_, bigTotal_->toolTip(), bigTotal_->text());
  fitStatusText();
}

// The status text ends where the first panel shown begins, never under it; a text too long
// for the narrow window is drawn smaller rather than cut.
void TForm1::fitStatusText() {
  int textRight = total_->x();
  if (clock_->isVisibleTo(statusbar_)) textRight = clock_->x();
  // The text stops two pixels short of the panel's edge.
  const int margin = statusbar_->width() - textRight - statusbar_->frameWidth() + 2;
  statusbar_->setContentsMargins(0, 0, std::max(margin, 0), 0);
  const int room = statusbar_->contentsRect().width();
  QFont font = statusbar_->font();
  int pixels = kStatusTextPixels;
  font.setPixelSize(pixels);
  while (pixels > kSmallestStatusTextPixels &&
         QFontMetrics(font).horizontalAdvance(statusbar_->text()) > room) {
    font.setPixelSize(--pixels);
  }
  if (statusbar_->font() != font) statusbar_->setFont(font);
}

void TForm1::renderMenu(const MainViewModel& view) {
  const std::array<std::pair<QAction*, const MenuEntry*>, 3> entries{
      {{definition_, &view.definitionEntry},
       {enlarge_, &view.enlargeEntry},
       {letter_, &view.letterEntry}}};
  for (const auto& [action, entry] : entries) {
    action->setText(toQString(entry->caption));
    action->setEnabled(entry->enabled);
  }
}

}  // namespace vorlane
