#include "orrix/fwupUpdateChoose.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QVBoxLayout>

#include "orrix/fwupHTTP.h"
#include "orrix/fwupMirrorChoose.h"
#include "orrix/wupConstants.h"
#include "orrix/wupIcon.h"
#include "orrix/wupOnlineDatabase.h"
#include "orrix/wupUpdateCheck.h"
#include "platform/files.h"
#include "platform/qt/file_dialog.h"
#include "platform/qt/message_box.h"
#include "platform/qt/shell_open.h"
#include "platform/temp_dir.h"
#include "platform/text.h"

namespace vx {
namespace {

QPlainTextEdit* NewArea(const char* name, QWidget* parent) {
  auto* area = new QPlainTextEdit(parent);
  area->setObjectName(name);
  area->setReadOnly(true);
  area->setFrameShape(QFrame::NoFrame);
  area->setFocusPolicy(Qt::NoFocus);
  area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return area;
}

QGroupBox* NewGroup(const char* name, const char* caption, QPlainTextEdit* area, QWidget* parent) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(name);
  area->setParent(group);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(area);
  return group;
}

// The setup program's address: DLURL of the program, or the chosen mirror's where the
// database lists mirrors for it.
std::string SetupUrl(const std::string& progId, QWidget* owner) {
  std::string url = OnlineDatabase.ReadString(progId, "DLURL");
  const std::string mirrorSection = progId + "_mirrors";
  if (OnlineDatabase.SectionExists(mirrorSection)) {
    const std::vector<std::string> names = OnlineDatabase.ReadSection(mirrorSection);
    const int chosen = ChooseMirror(names, owner);
    if (chosen >= 0) url = OnlineDatabase.ReadString(mirrorSection, names[static_cast<size_t>(chosen)]);
  }
  return url;
}

}  // namespace

TwupUpdateChoose::TwupUpdateChoose(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("wupUpdateChoose");
  setWindowTitle(kUpdaterTitle);
  setWindowIcon(UpdaterIcon());

  taSoftInfo = NewArea("taSoftInfo", this);
  GroupBox1 = NewGroup("GroupBox1", "Software Information", taSoftInfo, this);
  taSoftInfo->setFixedHeight(taSoftInfo->fontMetrics().lineSpacing() * 2 + 12);
  taInfo = NewArea("taInfo", this);
  taInfo->setPlainText("none");
  GroupBox2 = NewGroup("GroupBox2", "Info", taInfo, this);
  // Room for the four blocks of the Info area without their last two empty lines.
  taInfo->setFixedHeight(taInfo->fontMetrics().lineSpacing() * 14 + 12);
  taDetails = NewArea("taDetails", this);
  taDetails->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  GroupBox3 = NewGroup("GroupBox3", "Details", taDetails, this);

  cbxUpdateAction = new QComboBox(this);
  cbxUpdateAction->setObjectName("cbxUpdateAction");
  cbxUpdateAction->addItems({"Update the selected Programm...", "Download the Update for later use..."});
  cbxUpdateAction->setCurrentIndex(InstallNow);

  buUpdate = new QPushButton("Update NOW", this);
  buUpdate->setObjectName("buUpdate");
  QFont bold = buUpdate->font();
  bold.setBold(true);
  buUpdate->setFont(bold);
  buUpdate->setDefault(true);
  buUpdate->setEnabled(false);
  buCancel = new QPushButton("Close", this);
  buCancel->setObjectName("buCancel");
  buCancel->setAutoDefault(false);

  auto* areas = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(GroupBox1);
  left->addWidget(GroupBox2);
  areas->addLayout(left);
  areas->addWidget(GroupBox3);
  auto* actions = new QHBoxLayout;
  actions->addWidget(cbxUpdateAction, 1);
  actions->addWidget(buUpdate);
  actions->addWidget(buCancel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addLayout(areas);
  layout->addLayout(actions);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  GroupBox1->setMinimumWidth(320);
  GroupBox3->setMinimumWidth(360);

  connect(cbxUpdateAction, &QComboBox::currentIndexChanged, this, &TwupUpdateChoose::cbxUpdateActionChange);
  connect(buUpdate, &QPushButton::clicked, this, &TwupUpdateChoose::buUpdateClick);
  connect(buCancel, &QPushButton::clicked, this, &TwupUpdateChoose::buCancelClick);
}

void TwupUpdateChoose::SetOptions(const TwupOptions& options) { wupUpdateChooseOptions = options; }

const TwupOptions& TwupUpdateChoose::GetOptions() const { return wupUpdateChooseOptions; }

void TwupUpdateChoose::RunUpdate() {
  RunEnded = !LoadOnlineDatabase(OnlineDatabaseAddress(), wupUpdateChooseOptions) ||
             !CheckPrograms(wupUpdateChooseOptions, *this);
  if (RunEnded || wupUpdateChooseOptions.Check) return;
  // The areas were filled line by line; each shows its beginning.
  for (QPlainTextEdit* area : {taSoftInfo, taInfo, taDetails}) area->moveCursor(QTextCursor::Start);
  // Centred on the desktop, whatever the (possibly hidden) start dialog's place.
  adjustSize();
  if (const QScreen* desktop = screen()) move(desktop->availableGeometry().center() - rect().center());
  exec();
}

void TwupUpdateChoose::cbxUpdateActionChange() {
  buUpdate->setText(cbxUpdateAction->currentIndex() == DownloadForLater ? "Start download" : "Update NOW");
}

void TwupUpdateChoose::buUpdateClick() { RunUpdateAction(); }

void TwupUpdateChoose::buCancelClick() { done(QDialog::Rejected); }

void TwupUpdateChoose::RunUpdateAction() {
  const TwupOptions& options = wupUpdateChooseOptions;
  const bool installNow = cbxUpdateAction->currentIndex() == InstallNow;
  const std::string url = SetupUrl(options.ProgId, this);
  const std::string fileName = BaseNameOf(url);

  std::string target;
  if (installNow) {
    target = TempFilePath(fileName);
    if (options.Debug) ShowMessageBox(TextToUtf8(target), "Downloading and Executing", MessageStyle::None);
  } else {
    FileDialog sdlg(FileDialog::Kind::Save);
    sdlg.fileName = fileName;
    if (!sdlg.Execute(this)) return;  // the window stays open for another choice
    target = sdlg.fileName;
  }

  // The download keeps the event loop running; this window takes no clicks meanwhile, so
  // neither a second download nor Close can cut into it (Cancel is the download window's).
  setEnabled(false);
  bool downloaded = false;
  {
    TwupHTTP download;
    downloaded = download.DownloadToFile(url, target, options);
  }
  setEnabled(true);
  if (downloaded) {
    // A file the shell cannot open does not keep the next one from being opened. The setup
    // counts as started only when the shell took it: the calling program closes on it.
    if (options.HasStart) OpenWithShell(options.StartExec);
    if (installNow) SetupStarted = OpenWithShell(target);
    if (options.HasEnd) OpenWithShell(options.EndExec);
    if (options.HasRestart) OpenWithShell(options.RestartExec);
  }
  done(QDialog::Accepted);
}

}  // namespace vx
