// Runs the built program on a pseudo-terminal, as a user at a shell would,
// to check that it waits for one key, echoes nothing and restores the
// terminal.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// Reads from fd into out until out ends with `until`; false if nothing
// arrives for 5 seconds.
bool ReadUntil(int fd, std::string& out, const std::string& until) {
  while (out.size() < until.size() ||
         out.compare(out.size() - until.size(), until.size(), until) != 0) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 5000) != 1) return false;
    char buf[256];
    const ssize_t got = read(fd, buf, sizeof buf);
    if (got <= 0) return false;
    out.append(buf, static_cast<std::size_t>(got));
  }
  return true;
}

// Appends to out whatever fd holds now, without waiting.
void Drain(int fd, std::string& out) {
  pollfd p{fd, POLLIN, 0};
  char buf[256];
  ssize_t got = 0;
  while (poll(&p, 1, 0) == 1 && (got = read(fd, buf, sizeof buf)) > 0) {
    out.append(buf, static_cast<std::size_t>(got));
  }
}

// Ends the wait with a key, or with a signal (0 for the key), and checks
// that the terminal is restored either way.
void Wait(int signal_number) {
  const std::string dir = ::testing::TempDir() + "masyvas_pause_test";
  ASSERT_EQ(0, std::system(("mkdir -p '" + dir + "'").c_str()));
  std::ofstream(dir + "/Masyvas.txt") << "1 1\n5\n";

  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(0, grantpt(master));
  ASSERT_EQ(0, unlockpt(master));
  const int slave = open(ptsname(master), O_RDWR | O_NOCTTY);
  ASSERT_GE(slave, 0);

  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    setsid();
    ioctl(slave, TIOCSCTTY, 0);
    dup2(slave, 0);
    dup2(slave, 1);
    dup2(slave, 2);
    if (chdir(dir.c_str()) == 0)
      execl(MASYVAS_PROGRAM, MASYVAS_PROGRAM, nullptr);
    _exit(127);
  }

  std::string out;
  const bool prompted =
      ReadUntil(master, out, "Press any key to continue . . . ");
  usleep(200 * 1000);
  const bool waited = waitpid(pid, nullptr, WNOHANG) == 0;
  std::string rest;
  bool ended = true;
  if (signal_number == 0) {
    ASSERT_EQ(1, write(master, "x", 1));  // one key, no Enter
    ended = ReadUntil(master, rest, "\r\n");
  } else {
    kill(pid, signal_number);
  }
  if (!prompted || !ended) kill(pid, SIGKILL);
  int status = -1;
  waitpid(pid, &status, 0);
  Drain(master, rest);

  EXPECT_TRUE(prompted) << out;
  EXPECT_NE(std::string::npos,
            out.find("Rezultatu ieskokite faile: Rezultatai.txt."))
      << out;
  EXPECT_TRUE(waited) << "the program ended before a key was pressed";
  if (signal_number == 0) {
    EXPECT_TRUE(ended) << "no line end after the key: " << rest;
    EXPECT_EQ("\r\n", rest) << "the key was echoed or more was written";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  } else {
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number)
        << "signal " << signal_number << ", status " << status;
  }
  termios after{};
  ASSERT_EQ(0, tcgetattr(slave, &after));
  EXPECT_TRUE((after.c_lflag & ECHO) && (after.c_lflag & ICANON))
      << "terminal left without echo or line editing, signal " << signal_number;
  close(slave);
  close(master);
}

TEST(Pause, OnATerminalWaitsForOneUnechoedKeyAndRestoresTheTerminal) {
  Wait(0);
}

TEST(Pause, RestoresTheTerminalWhenEndedBySignalWhileWaiting) {
  for (const int signal_number : {SIGTERM, SIGHUP}) Wait(signal_number);
}

}  // namespace
