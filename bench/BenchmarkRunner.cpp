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
    timespec now {};
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

    Finished finished {};
    const long long deadline = monotonicNanoseconds() + (long long)ChildTimeoutMs * 1'000'000;
    char buffer[4096];
    for (;;) {
        pollfd readable {pipeEnds[0], POLLIN, 0};
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
    rusage usage {};
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
            valueOf(line, "painted_us") / 1000, valueOf(line, "idle_us") / 1000,
            finished.peakResidentKiB / 1024.0};
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

void printRow(const char* what, double ours, double baseline, const char* target)
{
    std::printf("  %-38s %11.1f %10.1f %7.2f   %s\n", what, ours, baseline, ours / baseline, target);
}

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
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("Machine: %ld cores, %s; Qt %s, platform %s\n\n", sysconf(_SC_NPROCESSORS_ONLN),
                processorModel().c_str(), ZELT_QT_VERSION, platform ? platform : "default");
}

void printStartUps(const StartUps& ours, const StartUps& baseline, int count)
{
    std::printf("Start-up, %d fresh processes each (medians)\n", count);
    std::printf("  %-38s %11s %10s %7s   %s\n", "", "Zelt Noggle", "baseline", "ratio", "target");
    printRow("launch to main window idle (ms)", median(ours.idle), median(baseline.idle), "at most 1.20");
    printRow("  launch to application object (ms)", median(ours.application), median(baseline.application), "");
    printRow("  launch to main window shown (ms)", median(ours.shown), median(baseline.shown), "");
    printRow("  launch to first paint (ms)", median(ours.painted), median(baseline.painted), "");
    printRow("peak resident memory (MiB)", median(ours.peakMiB), median(baseline.peakMiB), "at most 1.20");
}

// The event whose median over the runs is the slowest, of one test or of all.
const UserEvent* slowest(const TestRuns& runs, const std::string& test, bool painted)
{
    const UserEvent* found = nullptr;
    for (const UserEvent& event : runs.events) {
        if (!test.empty() && event.test != test)
            continue;
        if (!found || median(painted ? event.painted : event.handled)
                          > median(painted ? found->painted : found->handled))
            found = &event;
    }
    return found;
}

void printTestRuns(const TestRuns& runs, int count)
{
    std::printf("\nUser events of a whole run of each test, %d fresh processes (medians)\n", count);
    std::printf("  %-6s %6s  %-30s %10s  %-30s %10s\n", "test", "events", "slowest event handled", "ms",
                "slowest event with its frame", "ms");
    for (const char* test : {"Brain", "EQ", "MF", ""}) {
        const UserEvent* handled = slowest(runs, test, false);
        const UserEvent* painted = slowest(runs, test, true);
        if (!handled)
            fail(std::string("no events of the test ") + test);
        const long events = std::count_if(runs.events.begin(), runs.events.end(),
                                          [&](const UserEvent& event) { return !*test || event.test == test; });
        std::printf("  %-6s %6ld  %-30s %10.2f  %-30s %10.2f\n", *test ? test : "all", events,
                    (handled->test + " " + handled->control).c_str(), median(handled->handled),
                    (painted->test + " " + painted->control).c_str(), median(painted->painted));
    }
    std::printf("  target: the slowest event handled in under 2 ms\n");

    std::vector<const UserEvent*> byTime;
    for (const UserEvent& event : runs.events)
        byTime.push_back(&event);
    std::sort(byTime.begin(), byTime.end(),
              [](const UserEvent* a, const UserEvent* b) { return median(a->handled) > median(b->handled); });
    std::printf("\n  the five slowest events handled: ");
    for (std::size_t place = 0; place < std::min<std::size_t>(5, byTime.size()); ++place)
        std::printf("%s%s %s %.2f ms", place ? ", " : "", byTime[place]->test.c_str(),
                    byTime[place]->control.c_str(), median(byTime[place]->handled));
    std::printf("\n  peak resident memory after the three runs: %.1f MiB\n", median(runs.peakMiB));
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
    printStartUps(ours, bare, startUps);
    printTestRuns(runs, runsOfTheTests);
    std::filesystem::remove_all(benchRoot);
    return 0;
}
