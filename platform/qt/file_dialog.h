#pragma once
// File-open and file-save dialogs with the state of the classic dialog component: a filter
// of (description, pattern) pairs and a file name that is proposed when the dialog opens and
// holds the chosen path after it was confirmed. Tests answer the dialogs through a hook.
// With no screen and no hook a dialog counts as cancelled, so an unattended run never waits.
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace vx {

struct FileFilter {
  std::string description;
  std::string pattern;  // one pattern, or several separated by ";"
};

class FileDialog {
 public:
  enum class Kind { Open, Save };
  explicit FileDialog(Kind kind = Kind::Open) : kind(kind) {}

  // Shows the dialog; true when the user confirmed a file, which is then in fileName.
  bool Execute(QWidget* parent);

  Kind kind;
  std::vector<FileFilter> filter;
  std::string fileName;
};

// Tests answer here: the hook sees the dialog as it is about to open and returns the chosen
// path, or nothing for a cancelled dialog. An empty hook restores the real dialogs.
using FileDialogHook = std::function<std::optional<std::string>(const FileDialog& dialog)>;
void SetFileDialogHook(FileDialogHook hook);

}  // namespace vx
