#include "orrix/fwupHTTP.h"

#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <climits>
#include <optional>

#include "orrix/wupConstants.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/message_box.h"

namespace vx {
namespace {

// Library-wide state shared by every download window.
qint32 PacketCounter = 0;     // packets received since the last disconnect
bool DownloadCancelled = false;  // Cancel was pressed during the current transfer

// The progress line and bar are refreshed on every this many packets.
constexpr qint32 kPacketsPerRefresh = 33;
// How much of a body the network layer holds before the window has taken it.
constexpr qint64 kReadBufferSize = 4 * 1024 * 1024;

const char* const kAdvice =
    "Please make sure that:\n- an online-connection is established\n- the proxy server is configured "
    "correctly\nIf everything is set up correctly, try again in a few minutes, please!";

std::string FetchFailedText() { return std::string("Could not open online database. ") + kAdvice; }

std::string DownloadFailedText() {
  return std::string("File could not be downloaded. ") + kAdvice + "\nIf the problem occures again, please contact " +
         kSupportAddress + " for further questions!";
}

// The proxy port as a decimal whole number within the port range; nothing otherwise.
std::optional<quint16> ParsePort(const std::string& text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  unsigned value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value > 65535) return std::nullopt;
  return static_cast<quint16>(value);
}

// A response counts as complete when it arrived whole, whatever its status: an error status
// with a body is the server's answer, not a failure of the transfer.
bool ResponseComplete(const QNetworkReply& reply) {
  const QNetworkReply::NetworkError error = reply.error();
  if (error == QNetworkReply::NoError) return true;
  const bool hasStatus = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
  const bool statusError = (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
                           error == QNetworkReply::ProtocolInvalidOperationError ||
                           (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
  return hasStatus && statusError;
}


}  // namespace

// Where the body of one GET goes: into memory, or into a file created when the response arrives.
class TwupHTTP::Transfer {
 public:
  explicit Transfer(std::string* memory) : memory_(memory) {}
  explicit Transfer(const std::string& path) : file_(QString::fromStdString(path)) {}

  // False when the target file cannot be created or written.
  bool Write(const QByteArray& data) {
    received += data.size();
    if (memory_) {
      memory_->append(data.constData(), static_cast<size_t>(data.size()));
      return true;
    }
    if (!file_.isOpen() && !file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file_.write(data) == data.size();
  }

  // After a complete response: a file is created even for an empty body, and flushed.
  bool Finish() {
    if (memory_) return true;
    if (!file_.isOpen() && !file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file_.flush();
  }

  qint64 received = 0;
  qint64 total = 0;

 private:
  std::string* memory_ = nullptr;
  QFile file_;
};

TwupHTTP::TwupHTTP() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName("wupHTTP");
  setWindowTitle("Web Interface");
  auto* group = new QGroupBox("Download", this);
  group->setObjectName("GroupBox1");
  taDLInfo = new QPlainTextEdit(group);
  taDLInfo->setObjectName("taDLInfo");
  taDLInfo->setReadOnly(true);
  taDLInfo->setFixedHeight(taDLInfo->fontMetrics().lineSpacing() * 3 + 12);
  laDLInfo = new QLabel("--", group);
  laDLInfo->setObjectName("laDLInfo");
  pb = new QProgressBar(group);
  pb->setObjectName("pb");
  pb->setRange(0, 100);
  pb->setValue(0);
  pb->setTextVisible(false);
  buCancel = new QPushButton("Cancel", group);
  buCancel->setObjectName("buCancel");
  HTTP = new QNetworkAccessManager(this);
  HTTP->setObjectName("HTTP");
  auto* inner = new QVBoxLayout(group);
  inner->addWidget(taDLInfo);
  inner->addWidget(laDLInfo);
  inner->addWidget(pb);
  inner->addWidget(buCancel, 0, Qt::AlignHCenter);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(8, 8, 8, 8);
  outer->addWidget(group);
  setMinimumWidth(360);
  connect(buCancel, &QPushButton::clicked, this, &TwupHTTP::buCancelClick);
}


void TwupHTTP::showEvent(QShowEvent* event) {
  FormShow();
  QWidget::showEvent(event);
}

bool TwupHTTP::FetchToMemory(const std::string& url, TwupOptions options) {
  wupHTTPOptions = std::move(options);
  DownloadCancelled = false;
  std::string body;
  Transfer transfer(&body);
  if (!Get(url, wupHTTPOptions, transfer)) {
    if (DownloadCancelled) ShowMessageBox("Download canceled", "Download", MessageStyle::None);
    else ShowMessageBox(FetchFailedText(), "Problem", MessageStyle::None);
    return false;
  }
  received_ = std::move(body);
  return true;
}

bool TwupHTTP::DownloadToFile(const std::string& url, const std::string& target, TwupOptions options) {
  wupHTTPOptions = std::move(options);
  DownloadCancelled = false;
  Transfer transfer(target);
  if (!Get(url, wupHTTPOptions, transfer)) {
    if (DownloadCancelled) ShowMessageBox("Download canceled", "Download", MessageStyle::None);
    else ShowMessageBox(DownloadFailedText(), "Problem", MessageStyle::None);
    return false;
  }
  return true;
}

bool TwupHTTP::Get(const std::string& url, const TwupOptions& options, Transfer& transfer) {
  adjustSize();
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  show();

  // The proxy is used only when both server and port are set; the port must be a number.
  QNetworkProxy proxy(QNetworkProxy::NoProxy);
  if (options.HasProxy && options.HasProxyPort) {
    const std::optional<quint16> port = ParsePort(options.ProxyPort);
    if (!port) {
      HTTPDisconnect();
      return false;
    }
    proxy = QNetworkProxy(QNetworkProxy::HttpProxy, QtText(options.Proxy), *port);
  }
  if (url.empty()) {
    HTTPDisconnect();
    return false;
  }
  HTTP->setProxy(proxy);

  QNetworkRequest request(QUrl(QtText(url)));
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  reply_ = HTTP->get(request);
  reply_->setReadBufferSize(kReadBufferSize);
  transfer_ = &transfer;
  bool written = true;
  auto take = [&] {
    if (!written) return;
    transfer.total = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    written = transfer.Write(reply_->readAll());
    if (!written) reply_->abort();
  };
  connect(reply_, &QNetworkReply::readyRead, this, [&] {
    take();
    HTTPPacketRecvd();
  });
  QEventLoop loop;
  connect(reply_, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  if (!reply_->isFinished()) loop.exec();
  if (reply_->bytesAvailable() > 0) take();

  const bool complete = written && ResponseComplete(*reply_) && transfer.Finish();
  reply_->disconnect(this);
  reply_->deleteLater();
  reply_ = nullptr;
  transfer_ = nullptr;
  HTTPDisconnect();
  return complete;
}

void TwupHTTP::FormShow() {
  taDLInfo->clear();
  taDLInfo->appendPlainText("Proxy: \"" + QtText(wupHTTPOptions.Proxy) + "\"");
  taDLInfo->appendPlainText("Proxy-Port: \"" + QtText(wupHTTPOptions.ProxyPort) + "\"");
}

void TwupHTTP::HTTPPacketRecvd() {
  ++PacketCounter;
  if (PacketCounter % kPacketsPerRefresh != 0 || !transfer_) return;
  const qint64 total = transfer_->total;
  const qint64 received = transfer_->received;
  laDLInfo->setText(QString("Download size: %1KB Received: %2KB").arg(total / 1024).arg(received / 1024));
  // The bar counts bytes; beyond its integer range it counts kilobytes instead.
  const qint64 scale = total > INT_MAX || received > INT_MAX ? 1024 : 1;
  pb->setMaximum(static_cast<int>(total / scale));
  pb->setValue(static_cast<int>(received / scale));
}

void TwupHTTP::HTTPDisconnect() {
  PacketCounter = 0;
  hide();
}

void TwupHTTP::buCancelClick() {
  DownloadCancelled = true;
  if (reply_) reply_->abort();
}

}  // namespace vx
