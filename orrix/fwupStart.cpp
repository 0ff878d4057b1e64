#include "orrix/fwupStart.h"

#include <QFont>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "orrix/fwupConfig.h"
#include "orrix/fwupUpdateChoose.h"
#include "orrix/wupConstants.h"
#include "orrix/wupIcon.h"
#include "orrix/wupOptions.h"
#include "orrix/wupRegistry.h"
#include "platform/qt/message_box.h"
#include "platform/text.h"

namespace vx {

const char* const kUpdaterHelpText =
    "Parameters:\n-progid [PROGID]\n-version [INSTALLED VERSION]\n-register > Register ORRIX in registry\n"
    "-unregister > Unregister ORRIX in registry\n-check > Checks whether a new update is available\n"
    "-config > Configurate ORRIX\n-proxy [SERVER OR IP]\n-proxyport [PORT]\n-start [EXEC] (DO NOT USE)\n"
    "-end [EXEC] (DO NOT USE)\n-restart [EXEC] (DO NOT USE)\n-debug > Enable debug/verbose Mode\n";

namespace {

const char* const kMemoLines =
    "The Web-Updater will now search for Tavrik Software registered with\n"
    "the web update engine. Also the update-data will be read from the web.\n"
    "Please make sure that an internet connection is established before\n"
    "clicking START.\n"
    "\n"
    "Press START to continue...";

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TwupStart::TwupStart(const std::string& parameters)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("wupStart"));
  setWindowTitle(QStringLiteral("%1 V %2").arg(QLatin1String(kUpdaterTitle), QLatin1String(kUpdaterVersion)));
  setWindowIcon(UpdaterIcon());

  Memo1 = new QPlainTextEdit(QString::fromUtf8(kMemoLines), this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->viewport()->setAutoFillBackground(false);
  Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));
  // Wide and high enough for the six lines.
  const QFontMetrics metrics(Memo1->font());
  Memo1->setFixedSize(metrics.horizontalAdvance(QString::fromUtf8(kMemoLines).section('\n', 1, 1)) + 24,
                      metrics.lineSpacing() * 6 + 16);

  buStart = Button("START", "buStart", this);
  QFont bold = buStart->font();
  bold.setBold(true);
  buStart->setFont(bold);
  buStart->setDefault(true);
  buClose = Button("Close", "buClose", this);
  buConfig = Button("Config", "buConfig", this);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(buStart);
  buttons->addWidget(buClose);
  buttons->addWidget(buConfig);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(Memo1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(Memo1, buStart);
  setTabOrder(buStart, buClose);
  setTabOrder(buClose, buConfig);

  connect(buStart, &QPushButton::clicked, this, &TwupStart::buStartClick);
  connect(buClose, &QPushButton::clicked, this, &TwupStart::buCloseClick);
  connect(buConfig, &QPushButton::clicked, this, &TwupStart::buConfigClick);

  ParseParameters(parameters);
}

// The steps run once the dialog is on the screen and its modal loop runs, so a step that
// ends the call can close it at once.
void TwupStart::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) {
    buStart->setFocus();
    QTimer::singleShot(0, this, &TwupStart::FormShow);
  }
}

void TwupStart::FormShow() {
  const TwupOptions& options = wupStartOptions;
  if (options.Help) {
    ShowMessageBox(kUpdaterHelpText, "Help", MessageStyle::None);
    return EndCall();
  }
  if (options.Register) {
    RegisterUpdater();
    return EndCall();
  }
  if (options.Unregister) {
    UnregisterUpdater();
    return EndCall();
  }
  if (options.Debug) {
    ShowMessageBox(TextToUtf8("Proxy = " + options.Proxy + ":" + options.ProxyPort + "\nOnlineDB: " +
                              OnlineDatabaseAddress()),
                   "Debug", MessageStyle::None);
  }
  if (!(options.HasProgId && options.HasVersion) && !options.Registered) {
    ShowMessageBox("This application isn't set up for Stand alone Execution\n"
                   "OR You didn't use the Start-Menu Symbol to open.",
                   "Error", MessageStyle::None);
    return EndCall();
  }
}

void TwupStart::EndCall() { done(QDialog::Rejected); }

void TwupStart::buStartClick() {
  TwupUpdateChoose updateChoose(this);
  updateChoose.SetOptions(wupStartOptions);
  // While the database is fetched the event loop runs; START, Close and Config wait. (The
  // update-choice window is this dialog's child, so only the buttons are disabled.)
  for (QPushButton* button : {buStart, buClose, buConfig}) button->setEnabled(false);
  updateChoose.RunUpdate();
  for (QPushButton* button : {buStart, buClose, buConfig}) button->setEnabled(true);
  wupStartOptions = updateChoose.GetOptions();
  done(QDialog::Accepted);
  ResultFlag = wupStartOptions.Check ? wupStartOptions.UpdateAvailable : updateChoose.SetupStarted;
}

void TwupStart::buCloseClick() { done(QDialog::Rejected); }

void TwupStart::buConfigClick() {
  {
    TwupConfig config;
    config.EditProxySettings(wupStartOptions);
  }
  SaveProxySettings();
  ParseParameters("");
}

}  // namespace vx
