// What a Windows user sees of our files on a Linux share, both ways: a private
// smbd on a loopback port, read and written with smbclient.
#include "core/attributes.h"
#include "core/datetime.h"
#include "core/platform/platform.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace ordalis {
namespace {

constexpr int kSkipped = 77;  // ctest's SKIP_RETURN_CODE

// With `port` 0: a loopback port that no one listens on now (0 if none). Else: whether someone listens on it.
int loopback(int port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t size = sizeof a;
    auto* p = reinterpret_cast<sockaddr*>(&a);
    int out = 0;
    if (port != 0)
        out = ::connect(s, p, size) == 0;
    else if (::bind(s, p, size) == 0 && ::getsockname(s, p, &size) == 0)
        out = ntohs(a.sin_port);
    ::close(s);
    return out;
}

// smbd as a child process, with all its files in a temporary folder, serving
// its "partage" subfolder to guests on 127.0.0.1 only.
class SambaServer {
public:
    ~SambaServer()
    {
        if (pid_ > 0 && ::kill(pid_, SIGTERM) == 0)
            ::waitpid(pid_, nullptr, 0);
    }

    // Empty when the server runs, else why it could not start.
    std::string start()
    {
        if (::geteuid() != 0)
            return "smbd needs root";
        if (std::system("command -v smbd >/dev/null && command -v smbclient >/dev/null") != 0)
            return "smbd or smbclient is missing (Debian packages samba, smbclient)";
        if (port_ == 0)
            return "no free loopback port";
        const std::string d = dir_.path().string();
        std::filesystem::create_directory(share());
        dir_.put("smb.conf", "[global]\nsmb ports = " + std::to_string(port_) +
                                 "\ninterfaces = 127.0.0.1\nbind interfaces only = yes\nload printers = no\n"
                                 "lock directory = " + d + "\nstate directory = " + d + "\ncache directory = " + d +
                                 "\npid directory = " + d + "\nprivate dir = " + d + "\nncalrpc dir = " + d +
                                 "/ncalrpc\nlog file = " + d + "/smbd.log\nmap to guest = Bad User\n"
                                 "guest account = root\n"
                                 "[partage]\npath = " + share() + "\nread only = no\nguest ok = yes\nguest only = yes\n"
                                 "map archive = no\nmap hidden = no\nmap system = no\nmap readonly = no\n");
        const std::string config = dir_.file("smb.conf");
        char* argv[] = {const_cast<char*>("smbd"), const_cast<char*>("-F"), const_cast<char*>("-s"),
                        const_cast<char*>(config.c_str()), nullptr};
        if (::posix_spawnp(&pid_, "smbd", nullptr, nullptr, argv, environ) != 0)
            return "smbd did not start";
        for (int i = 0; i < 100 && !loopback(port_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return loopback(port_) ? "" : "smbd does not answer on port " + std::to_string(port_);
    }

    std::string share() const { return dir_.file("partage"); }

    // smbclient's output for `commands` run on the share as a guest.
    std::string client(const std::string& commands) const
    {
        std::system(("smbclient //127.0.0.1/partage -p " + std::to_string(port_) + " -N -s '" + dir_.file("smb.conf") +
                     "' -c '" + commands + "' >'" + dir_.file("client.txt") + "' 2>&1")
                        .c_str());
        return dir_.read("client.txt");
    }

private:
    pid_t pid_ = 0;
    test::TempDir dir_{"ordalis-samba-"};
    int port_ = loopback(0);
};

SambaServer* server = nullptr;

// The value after "name:" on its line of smbclient's allinfo output.
std::string field(const std::string& allinfo, const std::string& name)
{
    std::istringstream lines(allinfo);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(name + ":", 0) == 0)
            return line.substr(std::min(line.size(), line.find_first_not_of(' ', name.size() + 1)));
    return "<no " + name + " in:\n" + allinfo + ">";
}

TEST(SambaShare, TimesAndAttributesBothWays)
{
    std::string path = server->share() + "/rapport.txt";
    test::writeFile(path, "rapport");
    const auto creation = DateEnTempsFichier("14/08/2001", "05:12:24");
    const auto write = DateEnTempsFichier("03/01/2002", "17:45:09");
    ASSERT_TRUE(creation && write);
    ASSERT_EQ(platform::setFileTimes(path, *creation, *write), std::error_code());
    ASSERT_EQ(platform::setAttributes(path, kReadOnly | kHidden | kSystem), std::error_code());
    const std::string info = server->client("allinfo rapport.txt");
    EXPECT_EQ(field(info, "create_time"), "Tue Aug 14 05:12:24 2001 CEST");
    EXPECT_EQ(field(info, "write_time"), "Thu Jan  3 17:45:09 2002 CET");
    EXPECT_EQ(field(info, "attributes"), "RHS (7)");

    // And back: attributes set through the share, read by the core.
    test::writeFile(path = server->share() + "/note.txt", "note");
    const std::string hidden = server->client("setmode note.txt +hs");
    std::uint32_t attributes = 0;
    ASSERT_EQ(platform::getAttributes(path, attributes), std::error_code()) << hidden;
    EXPECT_EQ(attributes, kHidden | kSystem) << hidden;
    server->client("setmode note.txt -h; setmode note.txt +ra");
    ASSERT_EQ(platform::getAttributes(path, attributes), std::error_code());
    EXPECT_EQ(attributes, kReadOnly | kSystem | kArchive);
}

}  // namespace
}  // namespace ordalis

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::setenv("TZ", "Europe/Paris", 1);  // for smbclient's times too
    ::tzset();
    const char* path = std::getenv("PATH");
    ::setenv("PATH", (std::string("/usr/sbin:/sbin:") + (path ? path : "/usr/bin:/bin")).c_str(), 1);
    ordalis::SambaServer samba;
    const std::string failure = samba.start();
    if (!failure.empty()) {
        std::cout << "Samba test skipped: " << failure << "\n";
        return ordalis::kSkipped;
    }
    ordalis::server = &samba;
    return RUN_ALL_TESTS();
}
