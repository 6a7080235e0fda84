#pragma once

#include <QObject>

class QWidget;

#include <memory>
#include <string>

#include "platform/ProcessStarter.h"

namespace vorlane {

enum TBrowserState { gwMaximized = 0, gwNormal = 1 };

// The web-link component: starts the desktop's browser itself (not through a generic
// opener) on the web address `Url`, or on the e-mail link "mailto:" `EMail` "?subject="
// `EMailSubject`. Owned by a window and destroyed with it. Texts are Windows-1252.
class TGoToWeb : public QObject {
 public:
  // `starter`: how the browser is started; the platform's when none is given.
  explicit TGoToWeb(QObject* owner, std::unique_ptr<ProcessStarter> starter = {});
  ~TGoToWeb() override;

  const std::string& Url() const { return url_; }
  void setUrl(std::string url) { url_ = std::move(url); }
  const std::string& EMail() const { return email_; }
  void setEMail(std::string email) { email_ = std::move(email); }
  const std::string& EMailSubject() const { return subject_; }
  void setEMailSubject(std::string subject) { subject_ = std::move(subject); }
  // Kept for the game's settings; the desktops give a program no portable way to open its
  // window maximised, so the browser opens as it is used to.
  TBrowserState BrowserState() const { return state_; }
  void setBrowserState(TBrowserState state) { state_ = state; }

  // True when the browser was started on the address / on the e-mail link; the desktop's
  // folders and $BROWSER are read at each call.
  bool OpenUrl();
  bool SendEMail();

 private:
  std::unique_ptr<ProcessStarter> starter_;
  std::string url_;
  std::string email_;
  std::string subject_;
  TBrowserState state_ = gwMaximized;
};

// The box that tells the player the browser could not be started: "Connexion
// impossible...", titled "Erreur", with the error icon.
void showConnectionFailure(QWidget* parent);

}  // namespace vorlane
