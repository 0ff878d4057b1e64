#pragma once
// The processing window "Verarbeitung": the status lines of the last check or run.
#include <QWidget>

#include "vxbiz/engine/status_log.h"

class QLabel;
class QListWidget;

namespace vx {

class TfrmBlatProcessor final : public QWidget, public StatusLogObserver {
  Q_OBJECT
 public:
  explicit TfrmBlatProcessor(QWidget* parent = nullptr);

  // Through StatusLog: shown without modality, emptied, and a line appended and selected.
  void ProcessingBegins() override;
  void LineAdded(const std::string& line) override;
  void Cleared() override;

  QLabel* Label1;
  QListWidget* lbStatus;
};

}  // namespace vx
