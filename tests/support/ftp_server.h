// The server of tests/support/ftp-server as the upload tests see it, on Z:.
#pragma once

#include <cstdlib>
#include <string>

#include "tests/support/file_bytes.h"

namespace ftp {

constexpr char kUser[] = "pixelnook";
constexpr char kPassword[] = "grab&send";

// Port 21 of each address: the server, and nothing at all.
constexpr char kServer[] = "127.0.0.1";
constexpr char kNoServer[] = "127.0.0.2";

// Its folder (PIXELNOOK_FTP_SERVER, set by CTest); empty when not set.
inline std::string ServerDir() {
    const char* dir = getenv("PIXELNOOK_FTP_SERVER");
    return dir == nullptr ? "" : std::string("Z:") + dir;
}
// What it received.
inline std::string Root() {
    return ServerDir() + "\\root";
}
// Its debug log: a line per command received ("<- STOR name").
inline std::string Log() {
    return FileBytes(ServerDir() + "\\server.log");
}

}  // namespace ftp
