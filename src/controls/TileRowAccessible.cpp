#include "controls/TileRowAccessible.h"

#include "controls/Tkey_in.h"
#include "controls/TileRowWidget.h"
#include "platform/QtText.h"

namespace vorlane {
namespace {

QAccessible::Role roleOf(TileRowWidget* row) {
  return qobject_cast<Tkey_in*>(row) ? QAccessible::StaticText : QAccessible::EditableText;
}

QAccessibleInterface* tileRowFactory(const QString&, QObject* object) {
  if (auto* row = qobject_cast<TileRowWidget*>(object)) return new TileRowAccessible(row);
  return nullptr;
}

}  // namespace

TileRowAccessible::TileRowAccessible(TileRowWidget* row) : QAccessibleWidget(row, roleOf(row)) {}

QString TileRowAccessible::lettersRead(const TileRowWidget& row) {
  QString letters = toQString(row.text());
  letters.replace(QLatin1Char(' '), QLatin1Char('_'));
  return letters;
}

QString TileRowAccessible::text(QAccessible::Text t) const {
  const auto* row = static_cast<const TileRowWidget*>(widget());
  const QString letters = lettersRead(*row);
  switch (t) {
    case QAccessible::Name: {
      const QString name = widget()->accessibleName();
      if (letters.isEmpty()) return name;
      return name.isEmpty() ? letters : name + QStringLiteral(" : ") + letters;
    }
    case QAccessible::Value:
      return letters;
    default:
      return QAccessibleWidget::text(t);
  }
}

void TileRowAccessible::installFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(tileRowFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace vorlane
