#include "vxbiz/ui/fAbout.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"

namespace vx {

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("frmAbout");
  setWindowTitle(QString::fromUtf8("Über..."));

  GroupBox1 = new QGroupBox(QString::fromUtf8("Info"), this);
  GroupBox1->setObjectName("GroupBox1");
  taInfo = new QPlainTextEdit(GroupBox1);
  taInfo->setObjectName("taInfo");
  taInfo->setReadOnly(true);
  taInfo->setFrameShape(QFrame::NoFrame);
  taInfo->setFocusPolicy(Qt::NoFocus);
  taInfo->setBackgroundRole(QPalette::Window);
  taInfo->viewport()->setAutoFillBackground(false);
  taInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  taInfo->setFixedSize(240, 49);
  imIcon = new QLabel(GroupBox1);
  imIcon->setObjectName("imIcon");
  imIcon->setFixedSize(40, 49);
  imIcon->setAlignment(Qt::AlignCenter);
  auto* frame = new QHBoxLayout(GroupBox1);
  frame->addWidget(taInfo);
  frame->addWidget(imIcon);

  Button1 = new QPushButton(QString::fromUtf8("Schließen"), this);
  Button1->setObjectName("Button1");
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TfrmAbout::Button1Click);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(GroupBox1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmAbout::ShowInfo(const std::string& text) {
  taInfo->setPlainText(QtText(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  exec();
}

void TfrmAbout::Button1Click() { accept(); }

}  // namespace vx
