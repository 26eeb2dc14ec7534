#pragma once
// The secret of a shared run's address: 128 bits from the system's random
// source, written as 32 lowercase hexadecimal digits in the page's path
// (/run/TOKEN/), compared in a time that does not depend on where it differs.
// A user who keeps the address has it, with the port and the choice of the
// network, in the settings folder ("qrt_vorn.prt", key=value lines, mode 0600).
#include <QByteArray>
#include <QString>
#include <optional>

namespace share {

inline constexpr int kTokenLength = 32;

// A new token.
QByteArray new_token();
// Whether `text` is 32 lowercase hexadecimal digits.
bool token_form(QByteArrayView text);
// Whether `given` equals `token`: every byte of `token` is looked at whatever
// `given` holds.
bool same_token(QByteArrayView given, QByteArrayView token);

// What "garder l'adresse" keeps: the token, the port and whether the page is
// offered on the network.
struct KeptAddress {
    QByteArray token;
    quint16 port = 0;
    bool network = false;
    bool operator==(const KeptAddress&) const = default;
};
// The file it is kept in, in the settings folder.
extern const QString kKeptAddressFile;  // "qrt_vorn.prt"
// The address kept in `path`: nothing when there is none, or when the file is
// no regular file, is readable by others than its owner, or holds no token of
// the right form (`why` says which).
std::optional<KeptAddress> read_kept_address(const QString& path, QString* why = nullptr);
// Writes it whole (a temporary file renamed into place) with mode 0600;
// returns the reason of a failure, the old file kept.
std::optional<QString> keep_address(const QString& path, const KeptAddress& address);
// Removes the file; returns the reason of a failure.
std::optional<QString> forget_address(const QString& path);

}  // namespace share
