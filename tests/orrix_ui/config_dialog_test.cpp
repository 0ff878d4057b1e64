// The proxy configuration dialog, reached as the user reaches it: "Config" in the start
// dialog, which then saves the proxy to the registry and parses the parameters again.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "orrix/fwupStart.h"
#include "orrix/wupConstants.h"
#include "orrix/wupOptions.h"
#include "platform/registry.h"
#include "tests/support/message_box_recorder.h"
#include "tests/orrix_ui/modal_script.h"
#include "tests/support/sandbox.h"

namespace {

using vxtest::Find;

std::optional<std::string> RegistryValue(const char* name) {
  vx::RegistryKey key;
  if (!key.OpenKey(vx::kRegistryKey, false) || !key.ValueExists(name)) return std::nullopt;
  return key.ReadString(name);
}

struct ConfigCase {
  const char* name;
  const char* parameters;         // the start dialog's parameter text
  bool keyExists;                 // the library's registry key is there beforehand
  const char* shownProxy;         // what tfProxy shows when the dialog opens
  const char* shownPort;          // what tfPort shows
  std::optional<const char*> typedProxy;  // replaces tfProxy before the button (nothing: leave)
  std::optional<const char*> typedPort;
  const char* button;             // buOK or buNoProxy
  bool hasProxy;                  // the start options afterwards
  const char* proxy;
  bool hasProxyPort;
  const char* proxyPort;
  std::optional<std::string> storedProxy;  // the registry values afterwards
  std::optional<std::string> storedPort;
};

void PrintTo(const ConfigCase& c, std::ostream* out) { *out << c.name; }

class ConfigDialog : public testing::TestWithParam<ConfigCase> {};

TEST_P(ConfigDialog, EditsTheStartOptionsAndTheRegistry) {
  const ConfigCase& c = GetParam();
  vxtest::Sandbox sandbox;
  vxtest::MessageBoxRecorder messages;
  vx::wupStartOptions = {};
  if (c.keyExists) {
    vx::RegistryKey key;
    ASSERT_TRUE(key.OpenKey(vx::kRegistryKey, true));
    // Stale values that the dialog's outcome must replace or remove.
    key.WriteString("ORRIX_ProxyServer", "old-server");
    key.WriteString("ORRIX_ProxyPort", "1111");
  }
  vx::TwupStart start(c.parameters);
  std::string seenProxy, seenPort;
  vxtest::ModalScript script;
  script.Then("wupConfig", [&](QWidget* dialog) {
    auto* proxy = Find<QLineEdit>(dialog, "tfProxy");
    auto* port = Find<QLineEdit>(dialog, "tfPort");
    seenProxy = proxy->text().toStdString();
    seenPort = port->text().toStdString();
    if (c.typedProxy) proxy->setText(QString::fromUtf8(*c.typedProxy));
    if (c.typedPort) port->setText(QString::fromUtf8(*c.typedPort));
    vxtest::Click(dialog, c.button);
  });
  start.buConfigClick();

  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(seenProxy, c.shownProxy);
  EXPECT_EQ(seenPort, c.shownPort);
  const vx::TwupOptions& o = vx::wupStartOptions;
  EXPECT_EQ(o.HasProxy, c.hasProxy);
  EXPECT_EQ(o.Proxy, c.proxy);
  EXPECT_EQ(o.HasProxyPort, c.hasProxyPort);
  EXPECT_EQ(o.ProxyPort, c.proxyPort);
  EXPECT_EQ(RegistryValue("ORRIX_ProxyServer"), c.storedProxy);
  EXPECT_EQ(RegistryValue("ORRIX_ProxyPort"), c.storedPort);
  vx::RegistryKey key;
  EXPECT_EQ(key.OpenKey(vx::kRegistryKey, false), c.keyExists) << "the dialog never creates the key";
  EXPECT_TRUE(messages.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigDialog,
    testing::Values(
        ConfigCase{"OkKeepsBothAndStoresThem", "-proxy p1 -proxyport 8080", true, "p1", "8080", {}, {}, "buOK",
                   true, "p1", true, "8080", "p1", "8080"},
        ConfigCase{"NoProxyClearsBothAndDeletesThem", "-proxy p1 -proxyport 8080", true, "p1", "8080", {}, {},
                   "buNoProxy", false, "p1", false, "8080", std::nullopt, std::nullopt},
        // The old texts stay in the record, but the flags are off and the registry has no
        // values left, so parsing again brings nothing back.
        ConfigCase{"OnlyServerKeepsServerDropsPort", "-proxy p1 -proxyport 8080", true, "p1", "8080", {}, "",
                   "buOK", true, "p1", false, "8080", "p1", std::nullopt},
        ConfigCase{"BlanksCountAsAValue", "", true, "old-server", "1111", "   ", " ", "buOK", true, "   ", true,
                   " ", "   ", " "},
        ConfigCase{"EmptiedServerClearsOnlyItsFlag", "-proxy p1 -proxyport 8080", true, "p1", "8080", "", {},
                   "buOK", false, "p1", true, "8080", std::nullopt, "8080"},
        ConfigCase{"PortIsNotValidated", "", true, "old-server", "1111", "proxy.local", "80a", "buOK", true,
                   "proxy.local", true, "80a", "proxy.local", "80a"},
        // Without the key the edits hold for this call only.
        ConfigCase{"WithoutKeyNothingIsStored", "", false, "", "", "p9", "3128", "buOK", true, "p9", true, "3128",
                   std::nullopt, std::nullopt},
        ConfigCase{"WithoutKeyEmptyStaysEmpty", "", false, "", "", {}, {}, "buOK", false, "", false, "",
                   std::nullopt, std::nullopt}),
    [](const testing::TestParamInfo<ConfigCase>& info) { return std::string(info.param.name); });

// The dialog has neither a default nor a cancel button, and Esc does not throw the edits away.
TEST(ConfigDialogWindow, HasNoDefaultOrCancelButton) {
  vxtest::Sandbox sandbox;
  vxtest::MessageBoxRecorder messages;
  vx::wupStartOptions = {};
  vx::TwupStart start("");
  vxtest::ModalScript script;
  bool stillOpenAfterEsc = false;
  script.Then("wupConfig", [&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Configuration");
    for (const char* name : {"buOK", "buNoProxy"}) {
      auto* button = Find<QPushButton>(dialog, name);
      ASSERT_NE(button, nullptr);
      EXPECT_FALSE(button->isDefault()) << name;
      EXPECT_FALSE(button->autoDefault()) << name;
    }
    Find<QLineEdit>(dialog, "tfProxy")->setText("typed");
    qobject_cast<QDialog*>(dialog)->reject();
    stillOpenAfterEsc = dialog->isVisible();
    vxtest::Click(dialog, "buOK");
  });
  start.buConfigClick();
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(stillOpenAfterEsc);
  EXPECT_TRUE(vx::wupStartOptions.HasProxy);
  EXPECT_EQ(vx::wupStartOptions.Proxy, "typed");
}

}  // namespace
