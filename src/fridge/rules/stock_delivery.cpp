// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/rules/stock_delivery.h"

#include "fridge/rules/fridge_files.h"
#include "platform/rules/text_file.h"

namespace {

// The file's bytes; nothing for a missing file.
std::variant<std::optional<QByteArray>, FileError> bytesOf(const QString& path) {
  auto read = text_file::readBytes(path);
  if (auto* error = std::get_if<FileError>(&read)) {
    if (error->kind == FileError::Kind::Missing) return std::optional<QByteArray>();
    return *error;
  }
  return std::optional<QByteArray>(std::get<QByteArray>(read));
}

}  // namespace

std::optional<FileError> StockDelivery::deliver(const QString& path, const std::vector<StockEntry>& entries) {
  undo_.reset();
  auto before = bytesOf(path);
  if (auto* error = std::get_if<FileError>(&before)) return *error;
  if (auto error = fridge_files::AppendStockEntries(path, entries)) return error;
  auto after = bytesOf(path);
  const auto* afterBytes = std::get_if<std::optional<QByteArray>>(&after);
  if (!afterBytes || !*afterBytes) return std::nullopt;  // written, but it cannot be undone
  const auto& beforeBytes = std::get<std::optional<QByteArray>>(before);
  undo_ = Undo{beforeBytes.value_or(QByteArray()), **afterBytes, int(entries.size())};
  return std::nullopt;
}

StockDelivery::UndoResult StockDelivery::undo(const QString& path, std::optional<FileError>& error) {
  error.reset();
  if (!undo_) return UndoResult::FileChanged;
  auto now = bytesOf(path);
  if (auto* failed = std::get_if<FileError>(&now)) {
    error = *failed;
    return UndoResult::Failed;
  }
  const auto& bytes = std::get<std::optional<QByteArray>>(now);
  if (!bytes || *bytes != undo_->after) {
    undo_.reset();
    return UndoResult::FileChanged;
  }
  // A file the delivery made is left empty: an empty stock file reads as an empty stock.
  if ((error = text_file::writeBytes(path, undo_->before))) return UndoResult::Failed;
  undo_.reset();
  return UndoResult::Undone;
}
