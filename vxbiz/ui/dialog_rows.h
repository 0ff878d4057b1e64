#pragma once
// Building blocks shared by the dialogs (names and captions in UTF-8): a label, an edit field,
// a push button that Enter presses only when it is made the default one, and a field with
// its "..." button beside it.
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vx {

QLabel* NewLabel(QWidget* parent, const char* name, const char* caption);
QLineEdit* NewEditField(QWidget* parent, const char* name);
QPushButton* NewButton(QWidget* parent, const char* name, const char* caption);
// The field with its "..." button to the right, as one row of a form.
QHBoxLayout* FieldWithBrowseButton(QLineEdit* field, QPushButton* browse);

}  // namespace vx
