#include "vxbiz/ui/fBlatProcessor.h"

#include <QLabel>
#include <QListWidget>

#include "platform/qt/qt_text.h"

namespace vx {

TfrmBlatProcessor::TfrmBlatProcessor(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmBlatProcessor");
  setWindowTitle(QString::fromUtf8("Verarbeitung"));
  setFixedSize(800, 392);

  Label1 = new QLabel(QString::fromUtf8("Status:"), this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(4, 2, 200, 16);

  lbStatus = new QListWidget(this);
  lbStatus->setObjectName("lbStatus");
  lbStatus->setGeometry(0, 18, 800, 374);
  lbStatus->setSelectionMode(QAbstractItemView::SingleSelection);
  lbStatus->setSortingEnabled(false);
  lbStatus->setUniformItemSizes(true);
}

void TfrmBlatProcessor::ProcessingBegins() {
  show();
  raise();
}

void TfrmBlatProcessor::LineAdded(const std::string& line) {
  lbStatus->addItem(QtText(line));
  lbStatus->setCurrentRow(lbStatus->count() - 1);
}

void TfrmBlatProcessor::Cleared() { lbStatus->clear(); }

}  // namespace vx
