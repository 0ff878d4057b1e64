#pragma once
// The main program as it starts: the program-wide state and its five windows, created once
// in this order and kept (hidden, not destroyed) until the program ends.
#include <memory>
#include <string>
#include <vector>

#include "vxbiz/ui/message_box_service.h"
#include "vxbiz/ui/program_state.h"

namespace vx {

class TfrmAbout;
class TfrmBlatProcessor;
class TfrmMain;
class TfrmProfileEditor;
class TfrmSettings;

class VxBizProgram {
 public:
  // Start-up up to the message loop: the application title and icon, the main window (which
  // reads the settings and the default profile), then the other windows, hidden.
  // parameters are the command-line parameters; programDir (with "/") is the program's folder.
  VxBizProgram(std::vector<std::string> parameters, const std::string& programDir);
  ~VxBizProgram();

  // Shows the main window; its FormShow then runs from the message loop.
  void Start();

  ProgramState state;
  TfrmMain* frmMain;
  TfrmSettings* frmSettings;
  TfrmAbout* frmAbout;
  TfrmBlatProcessor* frmBlatProcessor;
  TfrmProfileEditor* frmProfileEditor;

 private:
  MessageBoxService messages_;
  std::unique_ptr<TfrmMain> mainWindow_;  // the other windows are its children
};

}  // namespace vx
