#pragma once
// The check and the batch run: one mailer process per data row.
#include <functional>

#include "vxbiz/engine/config.h"
#include "vxbiz/engine/profile.h"
#include "vxbiz/engine/recipient_table.h"
#include "vxbiz/engine/status_log.h"

namespace vx {

enum BatchMode { kCheckOnly = 1, kCheckAndSend = 2 };

// Checks the profile against settings and data, and in mode 2 sends one mail per data row,
// reporting every step through log. An error that stops the run (body file or template file)
// is thrown as RunError. keepAlive, when given, is called now and then while a mailer runs,
// so a window can repaint; it must not take user input.
void RunBatch(int mode, const TConfig& config, const TProfile& profile, const RecipientTable& table,
              StatusLog& log, const std::function<void()>& keepAlive = {});

}  // namespace vx
