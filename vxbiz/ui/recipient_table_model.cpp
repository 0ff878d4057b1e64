#include "vxbiz/ui/recipient_table_model.h"

#include <limits>

#include "platform/qt/qt_text.h"

namespace vx {
namespace {
int Clamped(size_t n) { return static_cast<int>(std::min<size_t>(n, std::numeric_limits<int>::max())); }
}  // namespace

RecipientTableModel::RecipientTableModel(const RecipientTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int RecipientTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Clamped(table_.RowCount() - 1);
}

int RecipientTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Clamped(table_.ColCount());
}

QVariant RecipientTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return QtText(table_.Cell(static_cast<size_t>(index.column()), static_cast<size_t>(index.row()) + 1));
}

QVariant RecipientTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0) return {};
  return QtText(table_.Cell(static_cast<size_t>(section), 0));
}

Qt::ItemFlags RecipientTableModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace vx
