#include "orrix/fwupUpdateChoose.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "orrix/wupConstants.h"

namespace vx {
namespace {
QPlainTextEdit* NewArea(const char* name, QWidget* parent) {
  auto* area = new QPlainTextEdit(parent);
  area->setObjectName(name);
  area->setReadOnly(true);
  area->setFrameShape(QFrame::NoFrame);
  area->setFocusPolicy(Qt::NoFocus);
  return area;
}
}  // namespace

TwupUpdateChoose::TwupUpdateChoose(QWidget* owner) : QDialog(owner) {
  setObjectName("wupUpdateChoose");
  setWindowTitle(kUpdaterTitle);
  taSoftInfo = NewArea("taSoftInfo", this);
  taInfo = NewArea("taInfo", this);
  taInfo->setPlainText("none");
  taDetails = NewArea("taDetails", this);
  buUpdate = new QPushButton("Update NOW", this);
  buUpdate->setObjectName("buUpdate");
  buUpdate->setEnabled(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(taSoftInfo);
  layout->addWidget(taInfo);
  layout->addWidget(taDetails);
  layout->addWidget(buUpdate);
}

}  // namespace vx
