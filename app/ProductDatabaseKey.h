#pragma once
// The fixed passphrase of Product.db: the catalogue converter encrypts the
// file with it and the program opens the file with it. Never printed.

inline constexpr char kProductDatabasePassphrase[] = "604281957";
inline constexpr int kProductDatabasePassphraseLength = sizeof(kProductDatabasePassphrase) - 1;
