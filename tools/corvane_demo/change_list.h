// The change list ReadPaymentData hands back, read into its records and fields:
// "PaymentDate~TypeID~Reference~Authorization~Amount~Sequence~Mark|" per changed payment.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace corvane::demo {

enum ChangeField {
  kChangeDate,
  kChangeType,
  kChangeReference,
  kChangeAuthorization,
  kChangeAmount,
  kChangeSequence,
  kChangeMark,
};
inline constexpr int kChangeFieldCount = 7;

// The records of `text`, each split into its fields. Every record ends with `rs`; a piece
// after the last separator is a record too unless it is empty. Separators must not be empty.
QList<QStringList> SplitChangeList(const QString& text, const QString& fs, const QString& rs);

// The value of a text that is a whole number (optional sign, digits, nothing else), if it
// is one and fits an int.
std::optional<int> WholeNumber(const QString& text);

}  // namespace corvane::demo
