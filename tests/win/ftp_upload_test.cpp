// UploadFile against a real FTP server (tests/support/ftp-server): result
// codes, where the file lands, that it arrives unchanged, and the mode used.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/ftp_server.h"
#include "upload/upload_win.h"

TEST(FtpUpload, ResultCodesAndWhereTheFileLands) {
    ASSERT_FALSE(ftp::ServerDir().empty()) << "PIXELNOOK_FTP_SERVER is not set";
    CreateDirectoryA((ftp::Root() + "\\incoming").c_str(), nullptr);
    // Line ends and every byte value: a text-mode transfer would change them.
    std::string contents = "line\r\nend\n";
    for (int i = 0; i < 1024; ++i)
        contents += static_cast<char>(i * 7);
    const std::string local = ftp::ServerDir() + "\\screencap_001.png";
    std::ofstream(local, std::ios::binary) << contents;
    const struct {
        const char *what, *server, *password;
        std::string dir;
        bool passive;
        uint32_t result;
        const char* storedAs = nullptr;                 // under the root; null: no STOR may arrive
        const char *mode = nullptr, *orMode = nullptr;  // one of them must arrive
    } rows[] = {
        // Nothing listens there: the server serves 127.0.0.1 only.
        {"no server", "127.0.0.2", ftp::kPassword, "incoming", true, kUploadNoConnection},
        {"wrong password", "127.0.0.1", "wrong", "incoming", true, kUploadNoConnection},
        {"passive into Dir", "127.0.0.1", ftp::kPassword, "incoming", true, kUploadDone,
         "incoming\\screencap_001.png", "PASV", "EPSV"},
        {"active, empty Dir is the root", "127.0.0.1", ftp::kPassword, "", false, kUploadDone,
         "screencap_001.png", "PORT", "EPRT"},
        // Dir + "/screencap_001.png" is one byte more than 260 holds: refused, not cut.
        {"name too long", "127.0.0.1", ftp::kPassword, std::string(260 - 18, 'd'), true,
         kUploadPutFailed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const size_t logBefore = ftp::Log().size();
        EXPECT_EQ(UploadFile(local.c_str(), row.passive, row.server, ftp::kUser, row.password,
                             row.dir.c_str()),
                  row.result);
        const std::string log = ftp::Log().substr(logBefore);
        if (row.storedAs == nullptr) {
            EXPECT_EQ(log.find("<- STOR"), std::string::npos) << log;
            continue;
        }
        const std::string stored = ftp::Root() + "\\" + row.storedAs;
        EXPECT_EQ(ftp::ReadFile(stored), contents);
        DeleteFileA(stored.c_str());
        EXPECT_TRUE(log.find(std::string("<- ") + row.mode) != std::string::npos ||
                    log.find(std::string("<- ") + row.orMode) != std::string::npos)
            << log;
    }
}
