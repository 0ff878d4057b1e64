#pragma once
// The grid's view of the recipient table: row 0 of the table is the header, rows 1 and on are
// the model's rows. Cells are read from the table and decoded only when the view asks for
// them, so a file of a million rows costs no item per cell.
#include <QAbstractTableModel>

#include "vxbiz/engine/recipient_table.h"

namespace vx {

class RecipientTableModel final : public QAbstractTableModel {
 public:
  explicit RecipientTableModel(const RecipientTable& table, QObject* parent = nullptr);

  // Around every change of the table, so views forget what they knew of it.
  void BeginTableChange() { beginResetModel(); }
  void EndTableChange() { endResetModel(); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const RecipientTable& table_;
};

}  // namespace vx
