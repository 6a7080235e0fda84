#include "app/StartupWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <QDBusConnection>

namespace vorlane {

void warmUpFonts() { FcInit(); }

void warmUpSessionBus() { QDBusConnection::sessionBus(); }

}  // namespace vorlane
