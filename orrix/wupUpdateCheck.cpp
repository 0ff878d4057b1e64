#include "orrix/wupUpdateCheck.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <memory>

#include "orrix/fwupHTTP.h"
#include "orrix/fwupUpdateChoose.h"
#include "orrix/wupConstants.h"
#include "orrix/wupOnlineDatabase.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/message_box.h"
#include "platform/text.h"
#include "platform/text_lines.h"

namespace vx {

const char* const BulletPrefix = "    \u00B7 ";

namespace {


struct InfoKey {
  const char* key;
  const char* label;
};
// The keys of a program's section that add a block to the "Info" area, with their labels.
constexpr std::array<InfoKey, 4> kInfoKeys = {{
    {"ActVers", "New Version:"},
    {"DLSize", "Download size:"},
    {"VersionID", "VersionID:"},
    {"Date", "Release Date:"},
}};
constexpr const char* kDetailFileKey = "DetailFile";

}  // namespace

bool LoadOnlineDatabase(const std::string& address, const TwupOptions& options) {
  TwupHTTP window;
  if (!window.FetchToMemory(address, options)) return false;
  const std::vector<std::string> lines = SplitLines(window.ReceivedText());
  if (options.Debug) {
    ShowMessageBox(TextToUtf8(JoinLinesCrLf(lines)), "Online-orrix_ini-File (DEBUG MODE)", MessageStyle::None);
  }
  OnlineDatabase.Load(lines);
  return true;
}

bool CheckPrograms(TwupOptions& options, TwupUpdateChoose& form) {
  form.taSoftInfo->clear();
  for (const std::string& entry : OnlineDatabase.ReadSection(kProgramListSection)) {
    if (!options.HasProgId || !options.HasVersion) {
      ShowMessageBox("Update-Process error", "Error", MessageStyle::None);
      return false;
    }
    if (!SameTextIgnoringCase(entry, options.ProgId)) continue;
    const std::string published = OnlineDatabase.ReadString(entry, "ActVers");
    form.taSoftInfo->appendPlainText(QtText(OnlineDatabase.ReadString(kProgramListSection, entry)));
    form.taSoftInfo->appendPlainText("Installed Version: " + QtText(options.Version));
    if (!IsUpdateAvailable(entry, options.Version, published)) {
      form.buUpdate->setEnabled(false);
      options.UpdateAvailable = false;
      form.taInfo->setPlainText("No Update available");
      continue;
    }
    form.buUpdate->setEnabled(true);
    options.UpdateAvailable = true;
    if (options.Check) break;
    ShowVersionInfo(options, form);
  }
  return true;
}

bool IsUpdateAvailable(const std::string& progId, const std::string& installed, const std::string& published) {
  if (installed.empty() || published.empty()) {
    ShowMessageBox("No Version Information for \"" + TextToUtf8(progId) + "\"", "Internal Error", MessageStyle::None);
  }
  return !SameTextIgnoringCase(installed, published);
}

void ShowVersionInfo(const TwupOptions& options, TwupUpdateChoose& form) {
  form.taInfo->clear();
  form.taDetails->clear();
  std::unique_ptr<TwupHTTP> notesWindow;  // one window for every release-notes fetch of this call
  for (const std::string& key : OnlineDatabase.ReadSection(options.ProgId)) {
    for (const InfoKey& info : kInfoKeys) {
      if (key != info.key) continue;
      form.taInfo->appendPlainText(info.label);
      form.taInfo->appendPlainText(QString::fromUtf8(BulletPrefix) +
                                   QtText(OnlineDatabase.ReadString(options.ProgId, key)));
      form.taInfo->appendPlainText(QString());
      form.taInfo->appendPlainText(QString());
    }
    if (key == kDetailFileKey) {
      if (!notesWindow) notesWindow = std::make_unique<TwupHTTP>();
      if (notesWindow->FetchToMemory(OnlineDatabase.ReadString(options.ProgId, key), options)) {
        form.taDetails->setPlainText(QtText(notesWindow->ReceivedText()));
      }
    }
  }
}

}  // namespace vx
