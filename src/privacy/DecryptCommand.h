// penwick --decrypt FILE [--recovery-key]: the user's way out of a protected diary without the
// window. The passphrase (or the recovery key) is read from the terminal without echo, or as a
// line from standard input when that is no terminal; the clear file goes to standard output.
#pragma once

namespace penwick::privacy {

// -1 when the arguments ask for no decryption; else the exit code: 0 written, 1 the file cannot
// be read or opened (a wrong passphrase, a changed or damaged file), 2 bad arguments.
int decryptFromCommandLine(int argc, char *argv[]);

} // namespace penwick::privacy
