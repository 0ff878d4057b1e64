#pragma once
// What the main program owns once for its whole run; every window works on these.
#include "vxbiz/engine/config.h"
#include "vxbiz/engine/profile.h"
#include "vxbiz/engine/recipient_table.h"
#include "vxbiz/engine/status_log.h"

namespace vx {

struct ProgramState {
  TConfig config;
  TProfile profile;
  RecipientTable table;
  StatusLog log;
};

}  // namespace vx
