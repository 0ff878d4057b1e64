// The download window against the real test server and a real tinyproxy on 127.0.0.1.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <random>

#include "orrix/fwupHTTP.h"
#include "platform/files.h"
#include "tests/support/free_port.h"
#include "tests/support/http_test_server.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/sandbox.h"

namespace {

const std::string kFetchFailed =
    "Could not open online database. Please make sure that:\n- an online-connection is established\n- the proxy "
    "server is configured correctly\nIf everything is set up correctly, try again in a few minutes, please!";
const std::string kDownloadFailed =
    "File could not be downloaded. Please make sure that:\n- an online-connection is established\n- the proxy "
    "server is configured correctly\nIf everything is set up correctly, try again in a few minutes, please!\nIf the "
    "problem occures again, please contact support@vxbiz.example for further questions!";

std::string RandomBytes(size_t size) {
  std::mt19937 generator(12345);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(generator() & 0xFF);
  return bytes;
}

class HttpWindowTest : public testing::Test {
 protected:
  // The served files: a short text, 3 MB of random bytes and 60 KB for paced transfers.
  std::string ServedFolder() {
    sandbox.Write("www/small.txt", "Hello from the update server\r\n");
    sandbox.Write("www/large.bin", large);
    sandbox.Write("www/paced.bin", RandomBytes(60 * 1024));
    return sandbox.Folder("www");
  }

  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const auto& box : recorder.boxes) texts.push_back(box.caption + ": " + box.text);
    return texts;
  }
  std::string InfoLines() const { return window.taDLInfo->toPlainText().toStdString(); }

  vxtest::Sandbox sandbox;
  std::string large = RandomBytes(3 * 1024 * 1024 + 17);
  vxtest::HttpTestServer server{ServedFolder(), sandbox.Folder("server")};
  vxtest::MessageBoxRecorder recorder;
  vx::TwupHTTP window;
  vx::TwupOptions options;
};

TEST_F(HttpWindowTest, FetchKeepsTheBodyShowsNoProxyAndHidesTheWindow) {
  ASSERT_TRUE(window.FetchToMemory(server.Url("small.txt"), options));
  EXPECT_EQ(window.ReceivedText(), "Hello from the update server\r\n");
  EXPECT_EQ(InfoLines(), "Proxy: \"\"\nProxy-Port: \"\"");
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.objectName(), "wupHTTP");
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(recorder.boxes.empty());
  // A transfer of fewer than 33 packets leaves the progress line and bar as they were.
  EXPECT_EQ(window.laDLInfo->text(), "--");
  EXPECT_EQ(window.pb->maximum(), 100);
  EXPECT_EQ(window.pb->value(), 0);
}

TEST_F(HttpWindowTest, DownloadWritesTheFileByteForByte) {
  const std::string target = sandbox.Path("out/setup.bin");
  vx::MakeFolders(sandbox.Path("out"));
  sandbox.Write("out/setup.bin", std::string(5 * 1024 * 1024, 'z'));  // an older, longer file is replaced
  ASSERT_TRUE(window.DownloadToFile(server.Url("large.bin"), target, options));
  EXPECT_EQ(vx::ReadWholeFile(target), large);
  EXPECT_TRUE(window.ReceivedText().empty());
  EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(HttpWindowTest, RedirectsAreFollowedAndErrorStatusesCountAsBodies) {
  ASSERT_TRUE(window.FetchToMemory(server.Url("redirect/small.txt"), options));
  EXPECT_EQ(window.ReceivedText(), "Hello from the update server\r\n");
  ASSERT_TRUE(window.FetchToMemory(server.Url("missing.txt"), options));
  EXPECT_EQ(window.ReceivedText(), "<html><body>404 Not Found</body></html>");
  ASSERT_TRUE(window.FetchToMemory(server.Url("status/500/small.txt"), options));
  EXPECT_EQ(window.ReceivedText(), "Hello from the update server\r\n");
  const std::string target = sandbox.Path("page.html");
  ASSERT_TRUE(window.DownloadToFile(server.Url("missing.txt"), target, options));
  EXPECT_EQ(vx::ReadWholeFile(target), "<html><body>404 Not Found</body></html>");
  EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(HttpWindowTest, BodyWithoutContentLengthIsReadToTheEnd) {
  const std::string target = sandbox.Path("nolength.bin");
  ASSERT_TRUE(window.DownloadToFile(server.Url("nolength/large.bin"), target, options));
  EXPECT_EQ(vx::ReadWholeFile(target), large);
}

TEST_F(HttpWindowTest, ProgressIsShownOnThe33rdPacketInBytes) {
  // 60 pieces of 1 KB, 15 ms apart, arrive as (at least 33, at most 60) separate packets.
  ASSERT_TRUE(window.FetchToMemory(server.Url("slow/paced.bin?piece=1024&delay=15"), options));
  ASSERT_EQ(window.ReceivedText().size(), 60u * 1024);
  const QRegularExpressionMatch match =
      QRegularExpression("^Download size: 60KB Received: (\\d+)KB$").match(window.laDLInfo->text());
  ASSERT_TRUE(match.hasMatch()) << window.laDLInfo->text().toStdString();
  EXPECT_EQ(window.pb->maximum(), 60 * 1024);
  EXPECT_EQ(match.captured(1).toInt(), window.pb->value() / 1024);
  EXPECT_GT(window.pb->value(), 0);
  EXPECT_LT(window.pb->value(), 60 * 1024) << "refreshed only on packets 33, 66, ..., not at the end";
}

TEST_F(HttpWindowTest, WithoutContentLengthTheSizeIsZero) {
  ASSERT_TRUE(window.FetchToMemory(server.Url("slow/paced.bin?piece=1024&delay=15&length=0"), options));
  EXPECT_TRUE(window.laDLInfo->text().startsWith("Download size: 0KB Received: ")) << window.laDLInfo->text().toStdString();
  EXPECT_EQ(window.pb->maximum(), 0);
}

TEST_F(HttpWindowTest, FailuresShowTheMessageOfTheOperation) {
  const std::string refused = "http://127.0.0.1:" + std::to_string(vxtest::FreePort()) + "/x";
  EXPECT_FALSE(window.FetchToMemory(refused, options));
  EXPECT_FALSE(window.FetchToMemory("", options));
  const std::string target = sandbox.Path("never.bin");
  EXPECT_FALSE(window.DownloadToFile(refused, target, options));
  EXPECT_FALSE(window.DownloadToFile("", target, options));
  EXPECT_FALSE(vx::FileExists(target));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Problem: " + kFetchFailed, "Problem: " + kFetchFailed,
                                               "Problem: " + kDownloadFailed, "Problem: " + kDownloadFailed}));
  EXPECT_FALSE(window.isVisible());
}

TEST_F(HttpWindowTest, ResetInTheMiddleFailsAndLeavesThePartialFile) {
  const std::string target = sandbox.Path("partial.bin");
  EXPECT_FALSE(window.DownloadToFile(server.Url("reset/large.bin"), target, options));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Problem: " + kDownloadFailed}));
  const auto partial = vx::ReadWholeFile(target);
  ASSERT_TRUE(partial.has_value());
  EXPECT_LT(partial->size(), large.size());
  EXPECT_EQ(*partial, large.substr(0, partial->size()));
  EXPECT_FALSE(window.FetchToMemory(server.Url("reset/large.bin"), options));
  EXPECT_EQ(recorder.boxes.back().text, kFetchFailed);
}

TEST_F(HttpWindowTest, CancelEndsTheTransferAndOnlyThatTransferCountsAsCancelled) {
  QTimer::singleShot(300, window.buCancel, &QPushButton::click);
  const std::string target = sandbox.Path("cancelled.bin");
  EXPECT_FALSE(window.DownloadToFile(server.Url("slow/large.bin?piece=1024&delay=50"), target, options));
  QTimer::singleShot(300, window.buCancel, &QPushButton::click);
  EXPECT_FALSE(window.FetchToMemory(server.Url("slow/large.bin?piece=1024&delay=50"), options));
  // The next failure is reported as what it is.
  EXPECT_FALSE(window.DownloadToFile("http://127.0.0.1:" + std::to_string(vxtest::FreePort()) + "/x", target, options));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Download: Download canceled", "Download: Download canceled",
                                               "Problem: " + kDownloadFailed}));
}

TEST_F(HttpWindowTest, ProxyIsUsedOnlyWithServerAndPort) {
  vxtest::TinyProxy proxy(sandbox.Folder("proxy"));
  options.HasProxy = true;
  options.Proxy = "127.0.0.1";
  ASSERT_TRUE(window.FetchToMemory(server.Url("small.txt?alone"), options));
  EXPECT_EQ(InfoLines(), "Proxy: \"127.0.0.1\"\nProxy-Port: \"\"");

  options.ProxyPort = std::to_string(proxy.Port());
  ASSERT_TRUE(window.FetchToMemory(server.Url("small.txt?portNotFlagged"), options));
  options.HasProxyPort = true;
  ASSERT_TRUE(window.FetchToMemory(server.Url("small.txt?viaProxy"), options));
  EXPECT_EQ(window.ReceivedText(), "Hello from the update server\r\n");
  const std::string target = sandbox.Path("viaProxy.bin");
  ASSERT_TRUE(window.DownloadToFile(server.Url("large.bin?viaProxy"), target, options));
  EXPECT_EQ(vx::ReadWholeFile(target), large);
  EXPECT_EQ(InfoLines(), "Proxy: \"127.0.0.1\"\nProxy-Port: \"" + options.ProxyPort + "\"");

  const std::string log = proxy.Log();
  EXPECT_NE(log.find("GET " + server.Url("small.txt?viaProxy")), std::string::npos) << log;
  EXPECT_NE(log.find("GET " + server.Url("large.bin?viaProxy")), std::string::npos) << log;
  EXPECT_EQ(log.find("alone"), std::string::npos) << log;
  EXPECT_EQ(log.find("portNotFlagged"), std::string::npos) << log;
  EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(HttpWindowTest, APortThatIsNoNumberFailsEveryTransfer) {
  options.HasProxy = options.HasProxyPort = true;
  options.Proxy = "127.0.0.1";
  options.ProxyPort = "80a";
  EXPECT_FALSE(window.FetchToMemory(server.Url("small.txt"), options));
  EXPECT_FALSE(window.DownloadToFile(server.Url("small.txt"), sandbox.Path("x.bin"), options));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Problem: " + kFetchFailed, "Problem: " + kDownloadFailed}));
  EXPECT_EQ(InfoLines(), "Proxy: \"127.0.0.1\"\nProxy-Port: \"80a\"");
  EXPECT_EQ(server.Log().find("GET /small.txt"), std::string::npos);
}

}  // namespace
