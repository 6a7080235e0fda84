#include "platform/HelpViewer.h"

#include <QFile>
#include <QMessageBox>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vorlane {

HelpViewer::HelpViewer(std::filesystem::path helpFile, QWidget* parent)
    : QWidget(parent, Qt::Window),
      helpFile_(std::move(helpFile)),
      browser_(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Aide de Vorlane"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenExternalLinks(true);
  resize(560, 480);
}

// Without a window manager there is no close box: Escape closes the help.
void HelpViewer::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool HelpViewer::showTopic(const std::string& topic) {
  const QString path = QString::fromStdString(helpFile_.string());
  if (!QFile::exists(path)) {
    QMessageBox::warning(parentWidget(), QStringLiteral("Aide de Vorlane"),
                         QStringLiteral("Le fichier d'aide %1 est introuvable.").arg(path));
    return false;
  }
  QUrl url = QUrl::fromLocalFile(path);
  url.setFragment(QString::fromStdString(topic));
  browser_->setSource(url, QTextDocument::HtmlResource);
  show();
  raise();
  activateWindow();
  return true;
}

}  // namespace vorlane
