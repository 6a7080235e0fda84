#include "install/TInstallation.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

#include "install/CopyList.h"
#include "platform/QtText.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

QString folderQString(const fs::path& folder) {
  return QFile::decodeName(QByteArray::fromStdString(folderText(folder)));
}

QString memoText(const std::vector<MemoLine>& memo) {
  QStringList lines;
  for (const MemoLine& line : memo) {
    lines << toQString(line.text) + (line.folder.empty() ? QString() : folderQString(line.folder));
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

TInstallation::TInstallation(QWidget* mainWindow, const fs::path& programFolder,
                             const fs::path& homeFolder, Services services)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      services_(std::move(services)),
      model_(programFolder, homeFolder, *this) {
  setObjectName(QStringLiteral("Installation"));
  setFixedSize(462, 207);
  buildControls();
  render();
}

void TInstallation::buildControls() {
  panel1_ = new QLabel(this);
  panel1_->setObjectName(QStringLiteral("Panel1"));
  panel1_->setGeometry(16, 8, 401, 22);
  panel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel1_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  speedButton1_ = new QToolButton(this);
  speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
  speedButton1_->setGeometry(424, 8, 25, 22);
  speedButton1_->setText(QStringLiteral("..."));
  gauge1_ = new QProgressBar(this);
  gauge1_->setObjectName(QStringLiteral("Gauge1"));
  gauge1_->setGeometry(16, 8, 433, 22);
  raccourci_ = new QCheckBox(QStringLiteral("Créer un raccourci dans Démarrer / Programmes"), this);
  raccourci_->setObjectName(QStringLiteral("raccourci"));
  raccourci_->setGeometry(16, 36, 433, 20);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("Memo"));
  memo_->setReadOnly(true);
  memo_->setFrameStyle(QFrame::NoFrame);
  memo_->setBackgroundRole(QPalette::Window);
  memo_->viewport()->setBackgroundRole(QPalette::Window);
  memo_->viewport()->installEventFilter(this);
  maj_ = new QPushButton(this);
  maj_->setObjectName(QStringLiteral("maj"));
  maj_->setGeometry(16, 176, 105, 25);
  maj_->setAutoDefault(false);
  button1_ = new QPushButton(this);
  button1_->setObjectName(QStringLiteral("Button1"));
  button1_->setGeometry(246, 176, 99, 25);
  button1_->setDefault(true);
  button2_ = new QPushButton(this);
  button2_->setObjectName(QStringLiteral("Button2"));
  button2_->setGeometry(352, 176, 99, 25);
  button2_->setAutoDefault(false);

  connect(button1_, &QPushButton::clicked, this, &TInstallation::Button1Click);
  connect(button2_, &QPushButton::clicked, this, &TInstallation::Button2Click);
  connect(maj_, &QPushButton::clicked, this, &TInstallation::majClick);
  connect(speedButton1_, &QToolButton::clicked, this, &TInstallation::SpeedButton1Click);
  connect(raccourci_, &QCheckBox::toggled, this,
          [this](bool checked) { model_.setShortcutChecked(checked); });
}

void TInstallation::render() {
  const InstallationView& view = model_.view();
  QString caption = toQString(view.caption);
  if (!view.captionFolder.empty()) {
    caption += QLatin1Char(' ') + QFile::decodeName(QByteArray::fromStdString(view.captionFolder));
  }
  setWindowTitle(caption);
  panel1_->setText(folderQString(view.panelFolder));
  panel1_->setVisible(view.panelVisible);
  speedButton1_->setVisible(view.browseVisible);
  raccourci_->setVisible(view.shortcutVisible);
  raccourci_->setEnabled(view.shortcutEnabled);
  raccourci_->setChecked(view.shortcutChecked);
  gauge1_->setVisible(view.gaugeVisible);
  gauge1_->setRange(0, std::max(view.gaugeMaximum, 0));
  gauge1_->setValue(view.gaugePosition);
  const QString text = memoText(view.memo);
  if (memo_->toPlainText() != text) memo_->setPlainText(text);
  memo_->setGeometry(16, view.memoTop, 441, view.memoHeight);
  maj_->setText(toQString(view.majCaption));
  button1_->setText(toQString(view.button1Caption));
  button1_->setEnabled(view.button1Enabled);
  button2_->setText(toQString(view.button2Caption));
}

void TInstallation::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->geometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

bool TInstallation::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    if (model_.FormActivate()) button1_->setFocus();
    render();
  }
  return QDialog::event(event);
}

bool TInstallation::eventFilter(QObject* watched, QEvent* event) {
  // `MemoMouseDown`: a click in the explanations gives the focus back to the go-on button.
  if (watched == memo_->viewport() && event->type() == QEvent::MouseButtonPress &&
      button1_->isEnabled()) {
    button1_->setFocus();
  }
  return QDialog::eventFilter(watched, event);
}

void TInstallation::reject() { Button2Click(); }

void TInstallation::Button1Click() {
  model_.Button1Click();
  render();
}

void TInstallation::Button2Click() {
  model_.Button2Click();
  hide();
}

void TInstallation::majClick() {
  model_.majClick();
  render();
  memo_->moveCursor(QTextCursor::Start);
}

void TInstallation::SpeedButton1Click() {
  if (model_.busy() || !services_.chooseFolder) return;
  const fs::path chosen = services_.chooseFolder(this, model_.view().panelFolder);
  if (chosen.empty()) return;
  model_.folderChosen(chosen);
  render();
}

void TInstallation::refresh() {
  render();
  repaint();
}

void TInstallation::letEventsRun() { QCoreApplication::processEvents(); }

void TInstallation::playSound(std::string_view name) {
  if (services_.playSound) services_.playSound(name);
}

void TInstallation::reportFailure() {
  QMessageBox::critical(this, QStringLiteral("Vorlane"),
                        QStringLiteral("Echec de l'installation."));
}

void TInstallation::handOver(const fs::path& program, std::string_view handOffWord,
                             const fs::path& folder) {
  close();
  if (services_.handOver) services_.handOver(program, handOffWord, folder);
}

void TInstallation::startInstalledCopy(const fs::path& program, std::string_view handOffWord,
                                       const fs::path& folder) {
  QProcess::startDetached(
      QFile::decodeName(QByteArray::fromStdString(program.native())),
      {QString::fromLatin1(handOffWord.data(), static_cast<qsizetype>(handOffWord.size()))},
      QFile::decodeName(QByteArray::fromStdString(folder.native())));
  // Ends the event loop without the quit confirmation of the main window.
  QCoreApplication::exit(0);
}

}  // namespace vorlane
