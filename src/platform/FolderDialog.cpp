#include "platform/FolderDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vorlane {
namespace {

class FolderDialog : public QFileDialog {
 public:
  FolderDialog(QWidget* parent, const QString& start, const std::function<void()>& openHelp)
      : QFileDialog(parent, QStringLiteral("Choisissez un répertoire"), start) {
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly);
    setOption(QFileDialog::DontUseNativeDialog);
    setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    setLabelText(QFileDialog::FileName, QStringLiteral("Répertoire :"));
    setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    setLabelText(QFileDialog::Accept, QStringLiteral("Choisir"));
    setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
      QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
      help->setText(QStringLiteral("Aide"));
      connect(buttons, &QDialogButtonBox::helpRequested, this, [openHelp] {
        if (openHelp) openHelp();
      });
    }
  }

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty() && !QDir(chosen.first()).exists() && !createFolder(chosen.first())) {
      return;
    }
    QFileDialog::accept();
  }

 private:
  bool createFolder(const QString& folder) {
    QMessageBox ask(
        QMessageBox::Question, windowTitle(),
        QStringLiteral("Le répertoire %1 n'existe pas. Voulez-vous le créer ?").arg(folder),
        QMessageBox::NoButton, this);
    QPushButton* yes = ask.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    ask.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    ask.exec();
    if (ask.clickedButton() != yes) return false;
    if (QDir().mkpath(folder)) return true;
    QMessageBox::warning(this, windowTitle(),
                         QStringLiteral("Impossible de créer le répertoire %1.").arg(folder));
    return false;
  }
};

}  // namespace

std::filesystem::path chooseFolder(QWidget* parent, const std::filesystem::path& start,
                                   const std::function<void()>& openHelp) {
  FolderDialog dialog(parent, QFile::decodeName(QByteArray::fromStdString(start.native())),
                      openHelp);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return std::filesystem::path(QFile::encodeName(dialog.selectedFiles().first()).toStdString());
}

}  // namespace vorlane
