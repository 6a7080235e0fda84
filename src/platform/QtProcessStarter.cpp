#include "platform/QtProcessStarter.h"

#include <QProcess>
#include <QStringList>

namespace vorlane {

bool QtProcessStarter::startDetached(const std::string& program,
                                     const std::vector<std::string>& arguments) {
  QStringList list;
  for (const std::string& argument : arguments) list << QString::fromStdString(argument);
  return QProcess::startDetached(QString::fromStdString(program), list);
}

}  // namespace vorlane
