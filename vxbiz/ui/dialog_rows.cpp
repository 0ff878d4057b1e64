#include "vxbiz/ui/dialog_rows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vx {

QLabel* NewLabel(QWidget* parent, const char* name, const char* caption) {
  auto* label = new QLabel(QString::fromUtf8(caption), parent);
  label->setObjectName(name);
  return label;
}

QLineEdit* NewEditField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setMinimumWidth(280);
  return field;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QHBoxLayout* FieldWithBrowseButton(QLineEdit* field, QPushButton* browse) {
  browse->setFixedWidth(28);
  auto* row = new QHBoxLayout;
  row->addWidget(field);
  row->addWidget(browse);
  return row;
}

}  // namespace vx
