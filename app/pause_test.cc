// Runs the built program on a pseudo-terminal, as a user at a shell would,
// to check that it waits for one key, echoes nothing and gives the terminal
// back however the wait ends.

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

// The process state letter from /proc, waiting up to 5 seconds for `want`.
char WaitForState(pid_t pid, char want) {
  char state = '?';
  for (int k = 0; k < 100 && state != want; ++k) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string pid_text, name;
    stat >> pid_text >> name >> state;
    if (state != want) usleep(50 * 1000);
  }
  return state;
}

bool Echoes(int tty) {
  termios t{};
  return tcgetattr(tty, &t) == 0 && (t.c_lflag & ECHO) && (t.c_lflag & ICANON);
}

struct Job {
  int master = -1;
  int slave = -1;
  pid_t shell = -1;    // stands for the user's shell: the session leader
  pid_t program = -1;  // the program, in a foreground process group of its own
};

enum Setup { kPlain, kClosedStdout, kHangUpIgnored };

// Starts the program in a folder holding `data` as Masyvas.txt, as a job of a
// shell on a new pseudo-terminal.
Job Start(const std::string& data, Setup setup) {
  const std::string dir = ::testing::TempDir() + "masyvas_pause_test";
  EXPECT_EQ(0, std::system(("mkdir -p '" + dir + "'").c_str()));
  std::ofstream(dir + "/Masyvas.txt") << data;

  Job run;
  run.master = posix_openpt(O_RDWR | O_NOCTTY);
  EXPECT_GE(run.master, 0);
  EXPECT_EQ(0, grantpt(run.master));
  EXPECT_EQ(0, unlockpt(run.master));
  run.slave = open(ptsname(run.master), O_RDWR | O_NOCTTY);
  EXPECT_GE(run.slave, 0);
  int pid_pipe[2];
  EXPECT_EQ(0, pipe(pid_pipe));

  run.shell = fork();
  if (run.shell == 0) {
    setsid();
    ioctl(run.slave, TIOCSCTTY, 0);
    static_cast<void>(signal(SIGTTOU, SIG_IGN));
    const pid_t program = fork();
    if (program == 0) {
      setpgid(0, 0);
      dup2(run.slave, 0);
      dup2(run.slave, 1);
      dup2(run.slave, 2);
      static_cast<void>(signal(SIGTTOU, SIG_DFL));
      if (setup == kClosedStdout) {
        int out[2];
        if (pipe(out) == 0) {
          close(out[0]);
          dup2(out[1], 1);
        }
      }
      if (setup == kHangUpIgnored) static_cast<void>(signal(SIGHUP, SIG_IGN));
      if (chdir(dir.c_str()) == 0) {
        execl(MASYVAS_PROGRAM, MASYVAS_PROGRAM, nullptr);
      }
      _exit(127);
    }
    setpgid(program, program);
    tcsetpgrp(run.slave, program);
    if (write(pid_pipe[1], &program, sizeof program) != sizeof program) {
      _exit(126);
    }
    // The shell's exit status tells how the program ended.
    int status = 0;
    waitpid(program, &status, 0);
    _exit(WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status));
  }
  close(pid_pipe[1]);
  EXPECT_EQ(static_cast<ssize_t>(sizeof run.program),
            read(pid_pipe[0], &run.program, sizeof run.program));
  close(pid_pipe[0]);
  return run;
}

// Waits for the run to end (killing it after 5 seconds) and returns how the
// program ended: its exit status, or 128 + the signal that ended it.
int Finish(Job& run) {
  int status = -1;
  for (int k = 0; k < 100; ++k) {
    if (waitpid(run.shell, &status, WNOHANG) == run.shell) {
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    usleep(50 * 1000);
  }
  kill(run.program, SIGKILL);
  waitpid(run.shell, &status, 0);
  return -1;
}

void Close(Job& run) {
  close(run.slave);
  close(run.master);
}

const std::string kPrompt = "Press any key to continue . . . ";

// Starts the program on good data and waits until it waits for the key.
Job StartWaiting(Setup setup) {
  Job run = Start("1 1\n5\n", setup);
  std::string out;
  EXPECT_TRUE(ReadUntil(run.master, out, kPrompt)) << out;
  EXPECT_NE(std::string::npos,
            out.find("Rezultatu ieskokite faile: Rezultatai.txt."))
      << out;
  usleep(100 * 1000);
  return run;
}

// Presses one key, without Enter, and checks that the wait ends at once
// with nothing echoed, exit status 0 and the terminal restored.
void PressOneKey(Job& run) {
  ASSERT_EQ(1, write(run.master, "x", 1));
  std::string rest;
  EXPECT_TRUE(ReadUntil(run.master, rest, "\r\n")) << rest;
  EXPECT_EQ(0, Finish(run));
  Drain(run.master, rest);
  EXPECT_EQ("\r\n", rest) << "the key was echoed or more was written";
  EXPECT_TRUE(Echoes(run.slave)) << "terminal left without echo";
}

TEST(Pause, OnATerminalWaitsForOneUnechoedKeyAndRestoresTheTerminal) {
  Job run = StartWaiting(kPlain);
  EXPECT_EQ('S', WaitForState(run.program, 'S')) << "ended before a key";
  PressOneKey(run);
  Close(run);
}

TEST(Pause, RestoresTheTerminalWhenEndedBySignalWhileWaiting) {
  for (const int signal_number : {SIGTERM, SIGHUP, SIGUSR1, SIGALRM, SIGPIPE}) {
    Job run = StartWaiting(kPlain);
    kill(run.program, signal_number);
    EXPECT_EQ(128 + signal_number, Finish(run)) << "signal " << signal_number;
    EXPECT_TRUE(Echoes(run.slave))
        << "terminal left without echo or line editing, signal "
        << signal_number;
    Close(run);
  }
}

TEST(Pause, KeepsASignalIgnoredThatWasIgnoredAtStart) {
  Job run = StartWaiting(kHangUpIgnored);
  kill(run.program, SIGHUP);
  usleep(200 * 1000);
  EXPECT_EQ('S', WaitForState(run.program, 'S')) << "a hang-up ended it";
  PressOneKey(run);
  Close(run);
}

TEST(Pause, RestoresTheTerminalWhenThePromptCannotBeWritten) {
  // Bad data, so that nothing is written to the closed standard output
  // before the prompt.
  Job run = Start("", kClosedStdout);
  std::string out;
  EXPECT_TRUE(ReadUntil(run.master, out, "elementai.\r\n")) << out;
  EXPECT_EQ(128 + SIGPIPE, Finish(run));
  EXPECT_TRUE(Echoes(run.slave)) << "terminal left raw";
  Close(run);
}

TEST(Pause, GivesTheTerminalBackWhileStoppedAndTakesItAgainAfter) {
  Job run = StartWaiting(kPlain);
  kill(run.program, SIGTSTP);
  EXPECT_EQ('T', WaitForState(run.program, 'T')) << "not stopped";
  EXPECT_TRUE(Echoes(run.slave)) << "terminal left raw while stopped";
  // The shell puts its own settings back, then continues the job.
  termios shell{};
  ASSERT_EQ(0, tcgetattr(run.slave, &shell));
  shell.c_lflag |= ECHO | ICANON;
  ASSERT_EQ(0, tcsetattr(run.slave, TCSANOW, &shell));
  kill(run.program, SIGCONT);
  EXPECT_EQ('S', WaitForState(run.program, 'S'));
  usleep(100 * 1000);
  EXPECT_FALSE(Echoes(run.slave)) << "the wait's settings not taken again";
  PressOneKey(run);
  Close(run);
}

}  // namespace
