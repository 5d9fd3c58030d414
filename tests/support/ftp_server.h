// The servers of tests/support/ftp-server as the upload tests see them, on Z:.
#pragma once

#include <cstdlib>
#include <string>

#include "tests/support/file_bytes.h"

namespace ftp {

constexpr char kUser[] = "pixelnook";
constexpr char kPassword[] = "grab&send";

// Port 21 of each address: the working server, nothing at all, and a server
// that drops the connection once a store's first bytes arrive.
constexpr char kServer[] = "127.0.0.1";
constexpr char kNoServer[] = "127.0.0.2";
constexpr char kDropsTransfer[] = "127.0.0.3";

// Its folder (PIXELNOOK_FTP_SERVER, set by CTest); empty when not set.
inline std::string ServerDir() {
    const char* dir = getenv("PIXELNOOK_FTP_SERVER");
    return dir == nullptr ? "" : std::string("Z:") + dir;
}
// What they received.
inline std::string Root() {
    return ServerDir() + "\\root";
}
// Their debug log: a line per command received ("<- STOR name").
inline std::string Log() {
    return FileBytes(ServerDir() + "\\server.log");
}

}  // namespace ftp
