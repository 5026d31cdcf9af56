// What a Windows user sees of our files on a Linux share. A private smbd
// serves a temporary folder on a loopback port; the core sets times and
// attributes there and smbclient reads them as Windows would, then
// smbclient sets attributes and the core reads them back from the record
// Samba writes.
#include "core/attributes.h"
#include "core/datetime.h"
#include "core/platform/platform.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
constexpr int kSkipped = 77;  // ctest's SKIP_RETURN_CODE

// With `port` 0: a loopback port that no one listens on now (0 if none).
// Else: whether someone listens on it.
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

// The standard output of a shell command.
std::string output(const std::string& command)
{
    std::string text;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// smbd with its own configuration, folders and pid file in a temporary
// folder, serving its "partage" subfolder as the share "partage" to guests
// on 127.0.0.1 only; stopped through its pid file when destroyed.
class SambaServer {
public:
    SambaServer() : root_(test::makeTempDir("ordalis-samba-")), port_(loopback(0)) {}
    ~SambaServer()
    {
        stop();
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    SambaServer(const SambaServer&) = delete;
    SambaServer& operator=(const SambaServer&) = delete;

    // Empty when the server runs, else why it could not start.
    std::string start()
    {
        if (::geteuid() != 0)
            return "smbd needs root";
        if (output("command -v smbd").empty() || output("command -v smbclient").empty())
            return "smbd or smbclient is missing (Debian packages samba, smbclient)";
        if (port_ == 0)
            return "no free loopback port";
        for (const char* folder : {"partage", "lock", "state", "cache", "pid", "private", "log"})
            fs::create_directory(root_ / folder);
        writeConfig();
        if (std::system(("smbd -D -s " + quoted(config())).c_str()) != 0)
            return "smbd did not start (see " + (root_ / "log").string() + ")";
        for (int i = 0; i < 100 && !loopback(port_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return loopback(port_) ? "" : "smbd does not answer on port " + std::to_string(port_);
    }

    std::string share() const { return (root_ / "partage").string(); }

    // smbclient's output for `commands` run on the share as a guest.
    std::string client(const std::string& commands) const
    {
        return output("smbclient //127.0.0.1/partage -p " + std::to_string(port_) + " -N -s "
                      + quoted(config()) + " -c " + quoted(commands) + " 2>&1");
    }

private:
    std::string config() const { return (root_ / "smb.conf").string(); }

    void writeConfig() const
    {
        const auto dir = [this](const char* name) { return (root_ / name).string(); };
        std::ofstream(config())
            << "[global]\n"
            << "server role = standalone server\n"
            << "smb ports = " << port_ << "\n"
            << "interfaces = 127.0.0.1\nbind interfaces only = yes\n"
            << "disable netbios = yes\nload printers = no\nprintcap name = /dev/null\n"
            << "disable spoolss = yes\n"
            << "lock directory = " << dir("lock") << "\n"
            << "state directory = " << dir("state") << "\n"
            << "cache directory = " << dir("cache") << "\n"
            << "pid directory = " << dir("pid") << "\n"
            << "private dir = " << dir("private") << "\n"
            << "ncalrpc dir = " << dir("lock") << "/ncalrpc\n"
            << "log file = " << dir("log") << "/smbd.log\n"
            << "map to guest = Bad User\nguest account = root\n"
            << "[partage]\n"
            << "path = " << share() << "\n"
            << "read only = no\nguest ok = yes\nguest only = yes\n"
            << "store dos attributes = yes\nea support = yes\n"
            << "map archive = no\nmap hidden = no\nmap system = no\nmap readonly = no\n";
    }

    // A live process, not a zombie.
    static bool running(pid_t pid)
    {
        std::string stat;
        std::getline(std::ifstream("/proc/" + std::to_string(pid) + "/stat"), stat);
        const auto close = stat.rfind(')');
        return ::kill(pid, 0) == 0 && (close == std::string::npos || stat.compare(close, 3, ") Z") != 0);
    }

    // Through the pid file smbd wrote.
    void stop() const
    {
        pid_t server = 0;
        if (!(std::ifstream(root_ / "pid" / "smbd.pid") >> server) || server <= 0)
            return;
        ::kill(server, SIGTERM);
        for (int i = 0; i < 50 && running(server); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (running(server))
            ::kill(server, SIGKILL);
    }

    fs::path root_;
    int port_;
};

SambaServer* server = nullptr;

// The value after "name:" on its line of smbclient's allinfo output.
std::string field(const std::string& allinfo, const std::string& name)
{
    std::istringstream lines(allinfo);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(name + ":", 0) == 0) {
            const auto value = line.find_first_not_of(' ', name.size() + 1);
            return value == std::string::npos ? "" : line.substr(value);
        }
    }
    return "<no " + name + " in:\n" + allinfo + ">";
}

std::string createInShare(const std::string& name)
{
    const std::string path = server->share() + "/" + name;
    std::ofstream(path) << name;
    return path;
}

TEST(SambaShare, TimesAndAttributesSetByTheCoreAsWindowsSeesThem)
{
    const std::string path = createInShare("rapport.txt");
    const auto creation = DateEnTempsFichier("14/08/2001", "05:12:24");
    const auto write = DateEnTempsFichier("03/01/2002", "17:45:09");
    ASSERT_TRUE(creation && write);
    ASSERT_EQ(platform::setFileTimes(path, *creation, *write), std::error_code());
    ASSERT_EQ(platform::setAttributes(path, kReadOnly | kHidden | kSystem), std::error_code());

    const std::string info = server->client("allinfo rapport.txt");
    EXPECT_EQ(field(info, "create_time"), "Tue Aug 14 05:12:24 2001 CEST");
    EXPECT_EQ(field(info, "write_time"), "Thu Jan  3 17:45:09 2002 CET");
    EXPECT_EQ(field(info, "attributes"), "RHS (7)");
}

TEST(SambaShare, AttributesSetThroughTheShareReadByTheCore)
{
    const std::string path = createInShare("note.txt");
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
