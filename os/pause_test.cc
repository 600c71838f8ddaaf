// Runs the built program on a pseudo-terminal, as a user at a shell would,
// to check that it waits for one key, echoes nothing and gives the terminal
// back however the wait ends. Each run has a shell of its own: a process
// forked by the test, the leader of a new session whose controlling terminal
// is a new pseudo-terminal, which starts the program as its job and, as its
// parent, sees it stop and end.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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

bool Echoes(int tty) {
  termios t{};
  return tcgetattr(tty, &t) == 0 && (t.c_lflag & ECHO) && (t.c_lflag & ICANON);
}

// The bytes typed on the terminal that no one has read, whole lines or not
// (in canonical mode FIONREAD counts only whole lines); -1 if unknown.
int Unread(int tty) {
  termios found{};
  if (tcgetattr(tty, &found) != 0) return -1;
  termios by_byte = found;
  by_byte.c_lflag &= ~static_cast<tcflag_t>(ICANON);
  int unread = -1;
  if (tcsetattr(tty, TCSANOW, &by_byte) != 0 ||
      ioctl(tty, FIONREAD, &unread) != 0) {
    unread = -1;
  }
  static_cast<void>(tcsetattr(tty, TCSANOW, &found));
  return unread;
}

// Whether a check of the running test has failed since it had `from`
// results.
bool FailedSince(int from) {
  const ::testing::TestResult* result =
      ::testing::UnitTest::GetInstance()->current_test_info()->result();
  for (int k = from; k < result->total_part_count(); ++k) {
    if (result->GetTestPartResult(k).failed()) return true;
  }
  return false;
}

// Runs `shell` in a forked process that stands for the user's shell: the
// leader of a new session, ignoring SIGTTOU as shells do, so that it may set
// the terminal whoever has it, and SIGHUP, which closing the terminal sends
// it. Fails the test if `shell` fails (its messages show above) or does not
// end within a minute; the failures of earlier shells, which the fork
// inherits, do not count.
template <typename Shell>
void AsShell(Shell shell) {
  static_cast<void>(std::fflush(stdout));
  const int results_before = ::testing::UnitTest::GetInstance()
                                 ->current_test_info()
                                 ->result()
                                 ->total_part_count();
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    setsid();
    static_cast<void>(signal(SIGTTOU, SIG_IGN));
    static_cast<void>(signal(SIGHUP, SIG_IGN));
    shell();
    static_cast<void>(std::fflush(stdout));
    _exit(FailedSince(results_before) ? 1 : 0);
  }
  int status = 0;
  pid_t got = 0;
  for (int k = 0; k < 1200 && (got = waitpid(pid, &status, WNOHANG)) == 0;
       ++k) {
    usleep(50 * 1000);
  }
  if (got == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  EXPECT_TRUE(got == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "the shell's checks failed (see above) or it did not end";
}

// The settings that the wait changes, as text to compare.
std::string Mode(const termios& t) {
  return "lflag " + std::to_string(t.c_lflag) + ", min " +
         std::to_string(t.c_cc[VMIN]) + ", time " +
         std::to_string(t.c_cc[VTIME]);
}

std::string Mode(int tty) {
  termios t{};
  return tcgetattr(tty, &t) == 0 ? Mode(t) : "unknown";
}

struct Job {
  int master = -1;
  int slave = -1;
  termios found{};     // the terminal's settings before the job started
  pid_t program = -1;  // in a process group of its own
  std::string dir;     // the folder it runs in, its own
  int status = 0;      // its wait status, once `ended`
  bool ended = false;
};

enum Setup {
  kPlain,
  kClosedStdout,  // standard output a pipe no one reads, standard error a file
  kHangUpIgnored,
  kStdoutToFile,  // out.txt in the program's folder
  // Started with `&`: the shell keeps the terminal, and leaves it as it is
  // (as dash does) or, with a line editor (as bash has), keeps it without
  // echo and line editing of the terminal's own while the job runs.
  kBackground,
  kBackgroundLineEditor,
};

// Starts the program in a fresh folder holding `data` as Masyvas.txt, as a
// job of the calling shell (see AsShell) on a new pseudo-terminal, which
// becomes the shell's controlling terminal: one job a shell.
Job Start(const std::string& data, Setup setup) {
  Job run;
  std::string dir = ::testing::TempDir() + "masyvas_pause_XXXXXX";
  EXPECT_NE(nullptr, mkdtemp(&dir[0]));
  run.dir = dir;
  std::ofstream(dir + "/Masyvas.txt") << data;

  run.master = posix_openpt(O_RDWR | O_NOCTTY);
  EXPECT_GE(run.master, 0);
  EXPECT_EQ(0, grantpt(run.master));
  EXPECT_EQ(0, unlockpt(run.master));
  run.slave = open(ptsname(run.master), O_RDWR | O_NOCTTY);
  EXPECT_GE(run.slave, 0);
  EXPECT_EQ(0, ioctl(run.slave, TIOCSCTTY, 0));
  EXPECT_EQ(0, tcgetattr(run.slave, &run.found));
  if (setup == kBackgroundLineEditor) {
    termios editor = run.found;
    editor.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON);
    EXPECT_EQ(0, tcsetattr(run.slave, TCSANOW, &editor));
  }
  const bool foreground =
      setup != kBackground && setup != kBackgroundLineEditor;

  run.program = fork();
  if (run.program == 0) {
    // Both sides set the process group and the foreground, as shells do,
    // so that the program never runs before they are set.
    setpgid(0, 0);
    if (foreground) tcsetpgrp(run.slave, getpid());
    static_cast<void>(signal(SIGTTOU, SIG_DFL));
    static_cast<void>(signal(SIGHUP, SIG_DFL));
    dup2(run.slave, 0);
    dup2(run.slave, 1);
    dup2(run.slave, 2);
    const rlimit no_core{0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
    if (setup == kClosedStdout) {
      int out[2];
      if (pipe(out) == 0) {
        close(out[0]);
        dup2(out[1], 1);
      }
      dup2(open((dir + "/err.txt").c_str(), O_WRONLY | O_CREAT, 0644), 2);
    }
    if (setup == kHangUpIgnored) static_cast<void>(signal(SIGHUP, SIG_IGN));
    if (setup == kStdoutToFile) {
      dup2(open((dir + "/out.txt").c_str(), O_WRONLY | O_CREAT, 0644), 1);
    }
    if (chdir(dir.c_str()) == 0) {
      execl(MASYVAS_PROGRAM, MASYVAS_PROGRAM, nullptr);
    }
    _exit(127);
  }
  EXPECT_GT(run.program, 0);
  setpgid(run.program, run.program);
  if (foreground) tcsetpgrp(run.slave, run.program);
  return run;
}

// Polls the program's state for up to `seconds`, until it stops (when
// `stop` is set) or ends; records an end in run. Returns the signal that
// stopped it, or 0.
int Watch(Job& run, bool stop, double seconds) {
  for (int k = 0; !run.ended && k < seconds * 20; ++k) {
    int status = 0;
    const pid_t got =
        waitpid(run.program, &status, WNOHANG | (stop ? WUNTRACED : 0));
    if (got == run.program && WIFSTOPPED(status)) return WSTOPSIG(status);
    if (got == run.program) {
      run.status = status;
      run.ended = true;
    } else {
      usleep(50 * 1000);
    }
  }
  return 0;
}

// Waits up to 5 seconds for the program to stop; the signal that stopped
// it, or 0.
int WaitForStop(Job& run) { return Watch(run, true, 5); }

// True if the program is still running a moment from now: neither ended nor
// stopped.
bool StillWaiting(Job& run) { return Watch(run, true, 0.2) == 0 && !run.ended; }

// Waits for the program to end (killing it after 5 seconds) and returns how
// it ended: its exit status, or 128 + the signal that ended it.
int Finish(Job& run) {
  Watch(run, false, 5);
  if (!run.ended) {
    kill(run.program, SIGKILL);
    waitpid(run.program, nullptr, 0);
    return -1;
  }
  return WIFSIGNALED(run.status) ? 128 + WTERMSIG(run.status)
                                 : WEXITSTATUS(run.status);
}

void Close(Job& run) {
  close(run.slave);
  close(run.master);
  std::error_code ignored;
  std::filesystem::remove_all(run.dir, ignored);
}

// Continues the stopped job in the foreground (`fg`) or the background
// (`bg`).
void Continue(Job& run, bool foreground) {
  EXPECT_EQ(0, tcsetpgrp(run.slave, foreground ? run.program : getpgrp()));
  EXPECT_EQ(0, kill(-run.program, SIGCONT));
}

// True for the signals that stop a job in the background at the terminal.
bool TerminalStop(int signal_number) {
  return signal_number == SIGTTOU || signal_number == SIGTTIN;
}

const std::string kPrompt = "Press any key to continue . . . ";
const std::string kGoodData = "1 1\n5\n";

// Starts the program on good data and waits until it waits for the key.
Job StartWaiting(Setup setup) {
  Job run = Start(kGoodData, setup);
  std::string out;
  EXPECT_TRUE(ReadUntil(run.master, out, kPrompt)) << out;
  EXPECT_NE(std::string::npos,
            out.find("Rezultatu ieskokite faile: Rezultatai.txt."))
      << out;
  usleep(100 * 1000);
  return run;
}

// Presses one key (by default "x"), without Enter, and checks that the wait
// ends at once with nothing echoed, exit status 0 and the terminal restored,
// nothing of the key left for the shell to read.
void PressOneKey(Job& run, const std::string& key = "x") {
  ASSERT_EQ(static_cast<ssize_t>(key.size()),
            write(run.master, key.data(), key.size()));
  std::string rest;
  EXPECT_TRUE(ReadUntil(run.master, rest, "\r\n")) << rest;
  EXPECT_EQ(0, Finish(run));
  Drain(run.master, rest);
  EXPECT_EQ("\r\n", rest) << "the key was echoed or more was written";
  EXPECT_TRUE(Echoes(run.slave)) << "terminal left without echo";
  EXPECT_EQ(0, Unread(run.slave)) << "part of the key left for the shell";
}

TEST(Pause, OnATerminalWaitsForOneUnechoedKeyAndRestoresTheTerminal) {
  // Ctrl-C is a key, not an interrupt; an arrow is one key of three bytes.
  for (const char* key : {"x", "\x03", "\x1b[A"}) {
    AsShell([key] {
      Job run = StartWaiting(kPlain);
      EXPECT_TRUE(StillWaiting(run)) << "ended or stopped before a key";
      PressOneKey(run, key);
      Close(run);
    });
  }
}

// A signal sent while the program waits, and whether it ends the program.
struct SignalRow {
  int signal_number;
  Setup setup;
  bool ends;
};

TEST(Pause, RestoresTheTerminalOnASignalThatEndsTheWait) {
  const SignalRow rows[] = {
      {SIGTERM, kPlain, true},
      {SIGHUP, kPlain, true},
      {SIGUSR1, kPlain, true},
      {SIGALRM, kPlain, true},
      {SIGSEGV, kPlain, true},
      {SIGBUS, kPlain, true},
      {SIGFPE, kPlain, true},
      {SIGILL, kPlain, true},
      // Ignored by the program from its start, or ignored when it was
      // started (nohup): the wait leaves them so.
      {SIGPIPE, kPlain, false},
      {SIGHUP, kHangUpIgnored, false},
  };
  for (const SignalRow& row : rows) {
    AsShell([&row] {
      Job run = StartWaiting(row.setup);
      kill(run.program, row.signal_number);
      if (row.ends) {
        EXPECT_EQ(128 + row.signal_number, Finish(run))
            << "signal " << row.signal_number;
        EXPECT_TRUE(Echoes(run.slave))
            << "terminal left without echo or line editing, signal "
            << row.signal_number;
      } else {
        EXPECT_TRUE(StillWaiting(run))
            << "ended or stopped by signal " << row.signal_number;
        PressOneKey(run);
      }
      Close(run);
    });
  }
}

TEST(Pause, EndsWithoutAKeyWhenThePromptCannotBeWritten) {
  AsShell([] {
    // Bad data, so that nothing is written to the closed standard output
    // before the prompt, which goes there as standard error is no terminal.
    Job run = Start("", kClosedStdout);
    EXPECT_EQ(1, Finish(run)) << "waited for a key or ended otherwise";
    EXPECT_EQ(Mode(run.found), Mode(run.slave));
    Close(run);
  });
}

TEST(Pause, StartedInTheBackgroundWaitsForOneKeyInTheForeground) {
  for (const auto setup : {kBackground, kBackgroundLineEditor}) {
    AsShell([setup] {
      Job run = Start(kGoodData, setup);
      EXPECT_TRUE(TerminalStop(WaitForStop(run)))
          << "not stopped in the background, setup " << setup;
      // A line editor puts back the settings the shell runs jobs with.
      ASSERT_EQ(0, tcsetattr(run.slave, TCSANOW, &run.found));
      Continue(run, true);
      std::string out;
      EXPECT_TRUE(ReadUntil(run.master, out, kPrompt)) << out;
      EXPECT_TRUE(StillWaiting(run))
          << "ended or stopped before a key, setup " << setup;
      PressOneKey(run);
      EXPECT_EQ(Mode(run.found), Mode(run.slave)) << "setup " << setup;
      Close(run);
    });
  }
}

// `kill %1` sends a job stopped in the background SIGTERM, then SIGCONT.
TEST(Pause, EndsOnKillWhenStoppedInTheBackground) {
  for (const bool sent_back : {false, true}) {
    AsShell([sent_back] {
      Job run;
      if (sent_back) {
        // Stopped while it waits, then continued in the background; the
        // shell puts its own settings back meanwhile, which the program
        // must then leave alone.
        run = StartWaiting(kPlain);
        kill(run.program, SIGTSTP);
        EXPECT_EQ(SIGTSTP, WaitForStop(run));
        ASSERT_EQ(0, tcsetattr(run.slave, TCSANOW, &run.found));
        Continue(run, false);
      } else {
        run = Start(kGoodData, kBackground);
      }
      EXPECT_TRUE(TerminalStop(WaitForStop(run)))
          << "not stopped in the background, sent back " << sent_back;
      kill(-run.program, SIGTERM);
      kill(-run.program, SIGCONT);
      EXPECT_EQ(128 + SIGTERM, Finish(run)) << "sent back " << sent_back;
      EXPECT_EQ(Mode(run.found), Mode(run.slave)) << "sent back " << sent_back;
      Close(run);
    });
  }
}

TEST(Pause, PromptsOnTheTerminalWhenOutputGoesToAFile) {
  AsShell([] {
    Job run = Start(kGoodData, kStdoutToFile);
    std::string out;
    EXPECT_TRUE(ReadUntil(run.master, out, kPrompt)) << out;
    EXPECT_EQ(kPrompt, out);
    PressOneKey(run);
    std::ifstream file(run.dir + "/out.txt");
    const std::string in_file{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ("\nRezultatu ieskokite faile: Rezultatai.txt.\n", in_file);
    Close(run);
  });
}

}  // namespace
