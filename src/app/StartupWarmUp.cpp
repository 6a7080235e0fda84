#include "app/StartupWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <QDBusConnection>

#include "platform/GameFonts.h"

namespace vorlane {

void warmUpFonts() { FcInit(); }

void warmUpFontDatabase() { arialFamily(); }

void warmUpSessionBus() { QDBusConnection::sessionBus(); }

}  // namespace vorlane
