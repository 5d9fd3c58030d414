// UploadFile against a real FTP server (tests/support/ftp-server), and where
// there is none: result codes, the name sent, where the file lands, that it
// arrives unchanged, and the mode used.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

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
        const char *what, *server;
        std::string dir;
        bool passive;
        uint32_t result;
        const char* sentAs = nullptr;    // the name the STOR carried; null: none may arrive
        const char* storedAs = nullptr;  // where it landed under the root
    } rows[] = {
        {"no server", ftp::kNoServer, "incoming", true, kUploadNoConnection},
        {"passive into Dir", ftp::kServer, "incoming", true, kUploadDone,
         "incoming/screencap_001.png", "incoming\\screencap_001.png"},
        {"active, empty Dir is the root", ftp::kServer, "", false, kUploadDone,
         "/screencap_001.png", "screencap_001.png"},
        // Dir + "/screencap_001.png" is one byte more than 260 holds: refused, not cut.
        {"name too long", ftp::kServer, std::string(260 - 18, 'd'), true, kUploadPutFailed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const size_t logBefore = ftp::Log().size();
        EXPECT_EQ(UploadFile(local.c_str(), row.passive, row.server, ftp::kUser, ftp::kPassword,
                             row.dir.c_str()),
                  row.result);
        const std::string log = ftp::Log().substr(logBefore);
        if (row.sentAs == nullptr) {
            EXPECT_EQ(log.find("<- STOR"), std::string::npos) << log;
            continue;
        }
        EXPECT_NE(log.find(std::string("<- STOR ") + row.sentAs + "\n"), std::string::npos) << log;
        EXPECT_TRUE(std::regex_search(
            log, std::regex(row.passive ? "<- (PASV|EPSV)\n" : "<- (PORT|EPRT) ")))
            << log;
        const std::string stored = ftp::Root() + "\\" + row.storedAs;
        EXPECT_EQ(FileBytes(stored), contents);
        DeleteFileA(stored.c_str());
    }
}
