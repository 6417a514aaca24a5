// Starts Zelt Noggle and the bare baseline window again and again, each in a fresh process, and
// the runs of the three tests; prints the medians of start-up time, peak memory and the slowest
// user events in one table. Usage:
//   bench_runner PROGRAM BASELINE TEST_RUNS [START_UPS] [RUNS_OF_THE_TESTS]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int WarmUpStarts = 2;
constexpr int ChildTimeoutMs = 60'000;

// The folder that holds the user folders of every run, removed at the end.
std::string benchRoot;

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "benchmark: %s\n", why.c_str());
    if (!benchRoot.empty())
        std::filesystem::remove_all(benchRoot);
    std::exit(1);
}

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)now.tv_sec * 1'000'000'000 + now.tv_nsec;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A folder of the user's own for settings and the single-instance lock, as a fresh user has.
std::string newUserFolder(const std::string& root, const char* name)
{
    const std::string folder = root + "/" + name;
    for (const std::string& path : {folder, folder + "/config", folder + "/runtime"}) {
        if (mkdir(path.c_str(), 0700) != 0)
            fail("cannot create " + path);
    }
    return folder;
}

struct Finished {
    std::string output;
    long peakResidentKiB;
};

std::string contentsOf(const std::string& path)
{
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Runs the program to its end in the user folder; the moment it was launched goes with it. What
// the program says on its error output goes to a log in the user folder, shown if it fails.
Finished runOnce(const std::string& program, const std::string& userFolder)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        fail("no pipe");
    const std::string log = userFolder + "/errors.log";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        if (entry.rfind("XDG_CONFIG_HOME=", 0) != 0 && entry.rfind("XDG_RUNTIME_DIR=", 0) != 0)
            variables.push_back(entry);
    }
    variables.push_back("XDG_CONFIG_HOME=" + userFolder + "/config");
    variables.push_back("XDG_RUNTIME_DIR=" + userFolder + "/runtime");
    std::vector<char*> environment;
    for (std::string& variable : variables)
        environment.push_back(variable.data());
    char* arguments[] = {const_cast<char*>(program.c_str()), nullptr};

    std::string launchedAt = "ZELT_BENCH_LAUNCHED_AT=" + std::to_string(monotonicNanoseconds());
    environment.push_back(launchedAt.data());
    environment.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0)
        fail("cannot start " + program + ": " + std::strerror(spawned));

    Finished finished{};
    const long long deadline = monotonicNanoseconds() + (long long)ChildTimeoutMs * 1'000'000;
    char buffer[4096];
    for (;;) {
        pollfd readable{pipeEnds[0], POLLIN, 0};
        const int left = int(std::max(0LL, (deadline - monotonicNanoseconds()) / 1'000'000));
        if (poll(&readable, 1, left) <= 0) {
            kill(child, SIGKILL);
            fail(program + " did not finish within a minute:\n" + contentsOf(log));
        }
        const ssize_t count = read(pipeEnds[0], buffer, sizeof buffer);
        if (count <= 0)
            break;
        finished.output.append(buffer, std::size_t(count));
    }
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(program + " failed:\n" + contentsOf(log));
    finished.peakResidentKiB = usage.ru_maxrss;
    return finished;
}

// The value of "name=" in a line of key=value words.
double valueOf(const std::string& line, const std::string& name)
{
    const std::size_t at = line.find(" " + name + "=");
    if (at == std::string::npos)
        fail("no " + name + " in \"" + line + "\"");
    return std::atof(line.c_str() + at + name.size() + 2);
}

std::string wordOf(const std::string& line, const std::string& name)
{
    const std::size_t at = line.find(" " + name + "=");
    if (at == std::string::npos)
        fail("no " + name + " in \"" + line + "\"");
    const std::size_t start = at + name.size() + 2;
    return line.substr(start, line.find(' ', start) - start);
}

// The milestones of one start-up, in milliseconds from the launch, and its peak memory.
struct StartUp {
    double application, shown, painted, idle, peakMiB;
};

StartUp startOnce(const std::string& program, const std::string& userFolder)
{
    const Finished finished = runOnce(program, userFolder);
    const std::size_t at = finished.output.find("startup ");
    if (at == std::string::npos)
        fail(program + " reported no start-up");
    const std::string line = finished.output.substr(at, finished.output.find('\n', at) - at);
    return {valueOf(line, "application_us") / 1000, valueOf(line, "shown_us") / 1000,
            valueOf(line, "painted_us") / 1000, valueOf(line, "idle_us") / 1000, finished.peakResidentKiB / 1024.0};
}

struct StartUps {
    std::vector<double> application, shown, painted, idle, peakMiB;

    void add(const StartUp& one)
    {
        application.push_back(one.application);
        shown.push_back(one.shown);
        painted.push_back(one.painted);
        idle.push_back(one.idle);
        peakMiB.push_back(one.peakMiB);
    }
};

// One user event of a test run, by its place in the run; its times in milliseconds, run by run.
struct UserEvent {
    std::string test, control;
    std::vector<double> handled, painted;
};

struct TestRuns {
    std::vector<UserEvent> events;
    std::vector<double> peakMiB;

    void add(const Finished& run)
    {
        std::istringstream lines(run.output);
        std::size_t place = 0;
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("event ", 0) != 0)
                continue;
            if (place == events.size())
                events.push_back({wordOf(line, "test"), wordOf(line, "control"), {}, {}});
            UserEvent& event = events[place++];
            if (event.control != wordOf(line, "control"))
                fail("the runs of the tests went differently");
            event.handled.push_back(valueOf(line, "handled_us") / 1000);
            event.painted.push_back(valueOf(line, "painted_us") / 1000);
        }
        peakMiB.push_back(run.peakResidentKiB / 1024.0);
    }
};

// The processor model as the kernel names it.
std::string processorModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    }
    return "unknown processor";
}

void printMachine()
{
    // The platform without its options.
    const std::string platform = std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default";
    std::printf("Machine: %ld cores, %s; Qt %s, platform %s\n", sysconf(_SC_NPROCESSORS_ONLN), processorModel().c_str(),
                ZELT_QT_VERSION, platform.substr(0, platform.find(':')).c_str());
}

const char* verdict(bool met)
{
    return met ? "met" : "MISSED";
}

// A row that compares Zelt Noggle with the baseline; a target is a highest ratio.
void printComparison(const char* what, const std::vector<double>& ours, const std::vector<double>& baseline,
                     double highestRatio = 0)
{
    const double ratio = median(ours) / median(baseline);
    std::printf("%-44s %11.1f %10.1f %7.2f", what, median(ours), median(baseline), ratio);
    if (highestRatio > 0)
        std::printf("   ratio at most %.2f: %s", highestRatio, verdict(ratio <= highestRatio));
    std::printf("\n");
}

// The event whose median over the runs is the slowest, of one test or of all.
const UserEvent* slowest(const TestRuns& runs, const std::string& test, bool painted)
{
    const auto timeOf = [painted](const UserEvent& event) { return median(painted ? event.painted : event.handled); };
    const UserEvent* found = nullptr;
    for (const UserEvent& event : runs.events) {
        if ((test.empty() || event.test == test) && (!found || timeOf(event) > timeOf(*found)))
            found = &event;
    }
    if (!found)
        fail("no events of the test " + test);
    return found;
}

// A row of the slowest event of a test: the event handled, or handled with its frame painted.
void printSlowest(const TestRuns& runs, const char* test, const char* title, bool painted)
{
    const UserEvent* event = slowest(runs, test, painted);
    const double milliseconds = median(painted ? event->painted : event->handled);
    const std::string where = "  " + event->test + " " + event->control;
    if (painted)
        std::printf("%-44s %11.2f %s\n", title, milliseconds, where.c_str());
    else
        std::printf("%-44s %11.2f %-26s   under 2 ms: %s\n", title, milliseconds, where.c_str(),
                    verdict(milliseconds < 2));
}

void printTable(const StartUps& ours, const StartUps& baseline, const TestRuns& runs, int startUps, int runsOfTheTests)
{
    std::printf(
        "\nMedians of %d start-ups of each program and of %d runs of the three tests, each in a fresh process\n\n",
        startUps, runsOfTheTests);
    std::printf("%-44s %11s %10s %7s   %s\n", "", "Zelt Noggle", "baseline", "ratio", "target");
    printComparison("start-up: launch to main window idle (ms)", ours.idle, baseline.idle, 1.2);
    printComparison("  launch to QApplication ready (ms)", ours.application, baseline.application);
    printComparison("  launch to main window shown (ms)", ours.shown, baseline.shown);
    printComparison("  launch to first paint (ms)", ours.painted, baseline.painted);
    printComparison("peak resident memory at start-up (MiB)", ours.peakMiB, baseline.peakMiB, 1.2);
    for (const auto& [test, name] : {std::pair{"Brain", "Brain Test"}, std::pair{"EQ", "Emotional Quotient Test"},
                                     std::pair{"MF", "Masculine Feminine Test"}, std::pair{"", "all three"}}) {
        printSlowest(runs, test, (std::string("slowest event, ") + name + " (ms)").c_str(), false);
        printSlowest(runs, test, "  slowest with its frame painted (ms)", true);
    }
    std::printf("%-44s %11.1f\n", "peak resident memory after the runs (MiB)", median(runs.peakMiB));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4)
        fail("usage: bench_runner PROGRAM BASELINE TEST_RUNS [START_UPS] [RUNS_OF_THE_TESTS]");
    const std::string program = argv[1], baseline = argv[2], testRuns = argv[3];
    const int startUps = argc > 4 ? std::atoi(argv[4]) : 41;
    const int runsOfTheTests = argc > 5 ? std::atoi(argv[5]) : 15;

    // A desktop session keeps its runtime folder (/run/user/N), where the lock lies, in memory.
    std::string rootTemplate = access("/dev/shm", W_OK) == 0 ? "/dev/shm/zelt-bench-XXXXXX" : "/tmp/zelt-bench-XXXXXX";
    if (!mkdtemp(rootTemplate.data()))
        fail("no temporary folder");
    benchRoot = rootTemplate;
    const std::string& root = benchRoot;
    const std::string programFolder = newUserFolder(root, "program");
    const std::string baselineFolder = newUserFolder(root, "baseline");
    const std::string testRunsFolder = newUserFolder(root, "testruns");

    // The first starts fill the disk cache and write the first settings; they do not count.
    for (int start = 0; start < WarmUpStarts; ++start) {
        startOnce(program, programFolder);
        startOnce(baseline, baselineFolder);
    }
    StartUps ours, bare;
    for (int round = 0; round < startUps; ++round) {
        // Taking turns at going first spreads what else the machine does evenly over both.
        if (round % 2) {
            bare.add(startOnce(baseline, baselineFolder));
            ours.add(startOnce(program, programFolder));
        } else {
            ours.add(startOnce(program, programFolder));
            bare.add(startOnce(baseline, baselineFolder));
        }
    }
    TestRuns runs;
    for (int run = 0; run < runsOfTheTests; ++run)
        runs.add(runOnce(testRuns, testRunsFolder));

    printMachine();
    printTable(ours, bare, runs, startUps, runsOfTheTests);
    std::filesystem::remove_all(benchRoot);
    return 0;
}
