#include "platform/Announce.h"

#include <utility>

namespace vorlane {
namespace {

std::function<void(QObject*, QAccessible::Event)>& watcher() {
  static std::function<void(QObject*, QAccessible::Event)> watching;
  return watching;
}

}  // namespace

void announce(QObject* object, QAccessible::Event type) {
  QAccessibleEvent event(object, type);
  QAccessible::updateAccessibility(&event);
  if (watcher()) watcher()(object, type);
}

void setAnnouncementWatcher(std::function<void(QObject*, QAccessible::Event)> watching) {
  watcher() = std::move(watching);
}

}  // namespace vorlane
