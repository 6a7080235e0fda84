#include "app/VorlaneApplication.h"

#include "app/IoErrorReport.h"
#include "data/IoError.h"

namespace vorlane {

VorlaneApplication::VorlaneApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Vorlane");
  setApplicationDisplayName("Vorlane");
}

bool VorlaneApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const IoError& error) {
    reportIoError(error);
    return false;
  }
}

}  // namespace vorlane
