#include "orrix/fwupConfig.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "orrix/wupIcon.h"
#include "platform/qt/qt_text.h"

namespace vx {
namespace {

QPushButton* PlainButton(const QString& text, const QString& name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QString ShownText(bool flag, const std::string& value) {
  return flag ? QtText(value) : QString();
}

// An unchanged field keeps the value's own bytes, whatever their encoding.
void TakeField(const QLineEdit* field, const QString& shown, bool& flag, std::string& value) {
  flag = !field->text().isEmpty();
  if (flag && field->text() != shown) value = field->text().toStdString();
}

}  // namespace

TwupConfig::TwupConfig(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("wupConfig"));
  setWindowTitle(QStringLiteral("Configuration"));
  setWindowIcon(UpdaterIcon());

  GroupBox1 = new QGroupBox(QStringLiteral("Proxy-Server : Port"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  tfProxy = new QLineEdit(GroupBox1);
  tfProxy->setObjectName(QStringLiteral("tfProxy"));
  tfProxy->setMinimumWidth(200);
  tfPort = new QLineEdit(GroupBox1);
  tfPort->setObjectName(QStringLiteral("tfPort"));
  tfPort->setFixedWidth(64);
  auto* fields = new QHBoxLayout(GroupBox1);
  fields->addWidget(tfProxy, 1);
  fields->addWidget(tfPort);

  buOK = PlainButton(QStringLiteral("OK"), QStringLiteral("buOK"), this);
  buNoProxy = PlainButton(QStringLiteral("No Proxy"), QStringLiteral("buNoProxy"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(buOK);
  buttons->addWidget(buNoProxy);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(GroupBox1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(buOK, &QPushButton::clicked, this, &TwupConfig::buOKClick);
  connect(buNoProxy, &QPushButton::clicked, this, &TwupConfig::buNoProxyClick);
}

void TwupConfig::EditProxySettings(TwupOptions& options) {
  const QString shownProxy = ShownText(options.HasProxy, options.Proxy);
  const QString shownPort = ShownText(options.HasProxyPort, options.ProxyPort);
  tfProxy->setText(shownProxy);
  tfPort->setText(shownPort);
  exec();
  TakeField(tfProxy, shownProxy, options.HasProxy, options.Proxy);
  TakeField(tfPort, shownPort, options.HasProxyPort, options.ProxyPort);
}

void TwupConfig::reject() {}

void TwupConfig::buOKClick() { accept(); }

void TwupConfig::buNoProxyClick() {
  tfProxy->clear();
  tfPort->clear();
  accept();
}

}  // namespace vx
