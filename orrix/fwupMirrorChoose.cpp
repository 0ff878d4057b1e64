#include "orrix/fwupMirrorChoose.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "orrix/wupIcon.h"
#include "platform/qt/qt_text.h"

namespace vx {

TfrmMirrorChoose::TfrmMirrorChoose(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("frmMirrorChoose"));
  setWindowTitle(QStringLiteral("Choose a mirror"));
  setWindowIcon(UpdaterIcon());

  lbMirrors = new QListWidget(this);
  lbMirrors->setObjectName(QStringLiteral("lbMirrors"));
  lbMirrors->setSelectionMode(QAbstractItemView::SingleSelection);

  buNext = new QPushButton(QStringLiteral("Next"), this);
  buNext->setObjectName(QStringLiteral("buNext"));
  buNext->setEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(lbMirrors);
  layout->addWidget(buNext, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(buNext, &QPushButton::clicked, this, &TfrmMirrorChoose::buNextClick);
  connect(lbMirrors, &QListWidget::itemSelectionChanged, this, &TfrmMirrorChoose::lbMirrorsSelectionChange);
}

void TfrmMirrorChoose::lbMirrorsSelectionChange() { buNext->setEnabled(!lbMirrors->selectedItems().isEmpty()); }

void TfrmMirrorChoose::buNextClick() { accept(); }

// Esc and the window manager's close do nothing: the dialog ends only through "Next".
void TfrmMirrorChoose::reject() {}

int TfrmMirrorChoose::SelectedRow() const {
  const QList<QListWidgetItem*> selected = lbMirrors->selectedItems();
  return selected.isEmpty() ? -1 : lbMirrors->row(selected.first());
}

int ChooseMirror(const std::vector<std::string>& names, QWidget* owner) {
  TfrmMirrorChoose dialog(owner);
  for (const std::string& name : names) dialog.lbMirrors->addItem(QtText(name));
  dialog.exec();
  return dialog.SelectedRow();
}

}  // namespace vx
