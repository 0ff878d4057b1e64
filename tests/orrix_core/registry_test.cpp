// The file-backed registry store and the updater's registrations and proxy settings on it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "orrix/wupOptions.h"
#include "orrix/wupRegistry.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "tests/support/as_other_user.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/sandbox.h"

namespace {

constexpr const char* kKey = "software\\Tavrik\\ORRIX";

TEST(RegistryStore, OpeningWithoutCreatingFailsUntilTheKeyExists) {
  vxtest::Sandbox sandbox;
  vx::RegistryKey key;
  EXPECT_FALSE(key.OpenKey(kKey, false));
  EXPECT_FALSE(key.IsOpen());
  EXPECT_TRUE(key.OpenKey(kKey, true));
  key.CloseKey();
  // Key paths match without regard to case, and name one file in the root.
  EXPECT_TRUE(key.OpenKey("SOFTWARE\\tavrik\\orrix", false));
  EXPECT_FALSE(key.OpenKey("software\\Tavrik", false));
}

TEST(RegistryStore, ValuesRoundTripAnyTextAndOutliveTheKeyObject) {
  vxtest::Sandbox sandbox;
  const std::string odd = std::string("a=b\nc\r\n%41 \x01\x7f \xc3\xa4 \xe4 end", 22) + std::string(1, '\0') + "x";
  {
    vx::RegistryKey key;
    ASSERT_TRUE(key.OpenKey(kKey, true));
    EXPECT_TRUE(key.WriteString("Exec", odd));
    EXPECT_TRUE(key.WriteString("na=me\n", "second"));
    EXPECT_TRUE(key.WriteString("Empty", ""));
  }
  vx::RegistryKey key;
  ASSERT_TRUE(key.OpenKey(kKey, false));
  EXPECT_EQ(key.ReadString("exec"), odd);
  EXPECT_EQ(key.ReadString("na=me\n"), "second");
  EXPECT_TRUE(key.ValueExists("EMPTY"));
  EXPECT_EQ(key.ReadString("Empty"), "");
  EXPECT_FALSE(key.ValueExists("Missing"));

  // Writing under another letter case replaces the value; deleting removes it for good.
  EXPECT_TRUE(key.WriteString("EXEC", "new"));
  EXPECT_TRUE(key.DeleteValue("Empty"));
  EXPECT_FALSE(key.DeleteValue("Empty"));
  vx::RegistryKey again;
  ASSERT_TRUE(again.OpenKey(kKey, false));
  EXPECT_EQ(again.ReadString("Exec"), "new");
  EXPECT_FALSE(again.ValueExists("Empty"));
  EXPECT_TRUE(again.ValueExists("na=me\n"));
}

TEST(RegistryStore, RootFallsBackToTheXdgConfigFolder) {
  vxtest::Sandbox sandbox;
  sandbox.SetEnv("ORRIX_REGISTRY_DIR", "");
  EXPECT_EQ(vx::RegistryRoot(), sandbox.Path("home/.config/orrix/registry/"));
  vx::RegistryKey key;
  ASSERT_TRUE(key.OpenKey(kKey, true));
  ASSERT_TRUE(key.WriteString("Exec", "x"));
  EXPECT_TRUE(vx::FileExists(sandbox.Path("home/.config/orrix/registry/software\\Tavrik\\ORRIX.key")));
}

TEST(RegistryStore, AWriteThatCannotBeMadeFailsAndKeepsTheOldValue) {
  vxtest::Sandbox sandbox;
  {
    vx::RegistryKey key;
    ASSERT_TRUE(key.OpenKey(kKey, true));
    ASSERT_TRUE(key.WriteString("Exec", "old"));
  }
  ::chmod(sandbox.Path("registry").c_str(), 0555);
  EXPECT_EQ(vxtest::RunAsUnprivileged([] {
              vx::RegistryKey key;
              return key.OpenKey(kKey, false) && !key.WriteString("Exec", "new") && key.ReadString("Exec") == "old" &&
                     !key.OpenKey("software\\Other", true);
            }),
            0);
}

class UpdaterRegistryTest : public testing::Test {
 protected:
  void SetUp() override { vx::wupStartOptions = {}; }
  void TearDown() override { vx::wupStartOptions = {}; }
  static std::string Value(const char* name) {
    vx::RegistryKey key;
    return key.OpenKey(kKey, false) && key.ValueExists(name) ? key.ReadString(name) : "<none>";
  }

  vxtest::Sandbox sandbox;
  vxtest::MessageBoxRecorder recorder;
};

TEST_F(UpdaterRegistryTest, RegisterWritesTheHostPathAndUnregisterDeletesIt) {
  vx::RegisterUpdater();
  EXPECT_EQ(Value("Exec"), vx::ExecutablePath());
  vx::UnregisterUpdater();
  EXPECT_EQ(Value("Exec"), "<none>");
  vx::UnregisterUpdater();  // the key stays, only the value was deleted
  EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(UpdaterRegistryTest, UnregisterWithoutKeyReportsError01) {
  vx::UnregisterUpdater();
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].text, "WebUpdate could not be unregistered!\nError: 0x01");
  EXPECT_EQ(recorder.boxes[0].caption, "Error");
}

TEST_F(UpdaterRegistryTest, RegisterWhereNoKeyCanBeCreatedReportsError01) {
  sandbox.SetEnv("ORRIX_REGISTRY_DIR", sandbox.Write("not-a-folder", "x"));
  vx::RegisterUpdater();
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].text, "WebUpdate could not be registered!\nError: 0x01");
  EXPECT_EQ(recorder.boxes[0].caption, "Error");
}

TEST_F(UpdaterRegistryTest, WritesThatFailReportError02) {
  vx::RegisterUpdater();
  ::chmod(sandbox.Path("registry").c_str(), 0555);
  // Each check runs in its own unprivileged child; the child's recorder sees its messages.
  const auto reports = [](void (*operation)(), const std::string& text) {
    return vxtest::RunAsUnprivileged([&] {
      vxtest::MessageBoxRecorder childRecorder;
      operation();
      return childRecorder.boxes.size() == 1 && childRecorder.boxes[0].text == text &&
             childRecorder.boxes[0].caption == "Error";
    });
  };
  EXPECT_EQ(reports(vx::RegisterUpdater, "WebUpdate could not be registered!\nError: 0x02"), 0);
  EXPECT_EQ(reports(vx::UnregisterUpdater, "WebUpdate could not be unregistered!\nError: 0x02"), 0);
  EXPECT_EQ(Value("Exec"), vx::ExecutablePath());
}

TEST_F(UpdaterRegistryTest, SaveProxySettingsNeedsAnExistingKey) {
  vx::wupStartOptions.HasProxy = true;
  vx::wupStartOptions.Proxy = "p1";
  vx::SaveProxySettings();
  vx::RegistryKey key;
  EXPECT_FALSE(key.OpenKey(kKey, false));
  EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(UpdaterRegistryTest, SaveWritesSetFieldsAndDeletesClearedOnes) {
  vx::RegisterUpdater();
  vx::wupStartOptions.HasProxy = true;
  vx::wupStartOptions.Proxy = " proxy.local ";
  vx::wupStartOptions.HasProxyPort = true;
  vx::wupStartOptions.ProxyPort = "80a";
  vx::SaveProxySettings();
  EXPECT_EQ(Value("ORRIX_ProxyServer"), " proxy.local ");
  EXPECT_EQ(Value("ORRIX_ProxyPort"), "80a");

  // Cleared flags delete the values; the texts no longer count.
  vx::wupStartOptions.HasProxyPort = false;
  vx::SaveProxySettings();
  EXPECT_EQ(Value("ORRIX_ProxyServer"), " proxy.local ");
  EXPECT_EQ(Value("ORRIX_ProxyPort"), "<none>");
  vx::wupStartOptions.HasProxy = false;
  vx::SaveProxySettings();
  EXPECT_EQ(Value("ORRIX_ProxyServer"), "<none>");
  EXPECT_EQ(Value("Exec"), vx::ExecutablePath());
  EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(UpdaterRegistryTest, LoadProxySettingsTakesEachStoredValueUnlessBothAreSet) {
  vx::LoadProxySettings();  // no key: nothing happens
  EXPECT_FALSE(vx::wupStartOptions.HasProxy);
  vx::RegisterUpdater();
  {
    vx::RegistryKey key;
    ASSERT_TRUE(key.OpenKey(kKey, false));
    ASSERT_TRUE(key.WriteString("ORRIX_ProxyPort", "3128"));
  }
  vx::wupStartOptions.HasProxy = true;
  vx::wupStartOptions.Proxy = "given";
  vx::LoadProxySettings();
  EXPECT_EQ(vx::wupStartOptions.Proxy, "given");
  EXPECT_TRUE(vx::wupStartOptions.HasProxyPort);
  EXPECT_EQ(vx::wupStartOptions.ProxyPort, "3128");

  vx::wupStartOptions.ProxyPort = "8080";
  vx::LoadProxySettings();  // both set: the registry is not read
  EXPECT_EQ(vx::wupStartOptions.ProxyPort, "8080");
  EXPECT_TRUE(recorder.boxes.empty());
}

}  // namespace
