#pragma once

#include <QAccessible>

#include <functional>

namespace vorlane {

// Tells assistive technology at once of a change the player should hear: a found word, a
// row's new letters, a message opening (a new level, the end of a game).
void announce(QObject* object, QAccessible::Event type);

// Tests watch what is announced: the offscreen platform has no screen-reader bridge, and Qt
// only passes events on while one listens. An empty watcher stops watching.
void setAnnouncementWatcher(std::function<void(QObject*, QAccessible::Event)> watcher);

}  // namespace vorlane
