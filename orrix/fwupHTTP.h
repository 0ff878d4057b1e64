#pragma once
// The download window: one HTTP GET at a time, into memory or streamed into a file, with the
// proxy in use, a progress line and bar, and a Cancel button. The call blocks in a nested
// event loop, so windows repaint and Cancel works while the transfer runs.
#include <QWidget>
#include <string>

#include "orrix/wupOptions.h"

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace vx {

class TwupHTTP : public QWidget {
  Q_OBJECT

 public:
  TwupHTTP();

  // GETs the URL and keeps the body; false (after its own message) when it failed or was cancelled.
  bool FetchToMemory(const std::string& url, TwupOptions options);
  // The body of the last successful FetchToMemory.
  const std::string& ReceivedText() const { return received_; }
  // GETs the URL and writes the body to the target file (created or replaced) as it arrives;
  // false (after its own message) when it failed or was cancelled.
  bool DownloadToFile(const std::string& url, const std::string& target, TwupOptions options);

  QPlainTextEdit* taDLInfo;
  QLabel* laDLInfo;
  QProgressBar* pb;
  QPushButton* buCancel;
  QNetworkAccessManager* HTTP;

 public slots:
  void FormShow();
  void HTTPPacketRecvd();
  void HTTPDisconnect();
  void buCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  class Transfer;
  // Shows the window, applies the proxy and runs the GET; the body goes to the transfer's sink.
  bool Get(const std::string& url, const TwupOptions& options, Transfer& transfer);

  QNetworkReply* reply_ = nullptr;
  Transfer* transfer_ = nullptr;
  std::string received_;
};

}  // namespace vx
