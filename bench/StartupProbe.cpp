// Linked into the start-up benchmark's programs beside their own main(): times the start of
// the process to the main window shown, its first frame painted and the event loop idle, and
// then ends the program. The benchmark runner passes the moment it launched the process.

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

bool belongsToMainWindow(QObject* watched)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && qobject_cast<QMainWindow*>(widget->window());
}

class StartupProbe : public QObject {
public:
    explicit StartupProbe(qint64 launchedAt)
        : m_launchedAt(launchedAt)
        , m_applicationAt(monotonicNanoseconds())
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Any event but the probe's own and a timer's shows that the loop still had work to do.
        if (watched != this && event->type() != QEvent::Timer)
            m_busy = true;
        if (event->type() == QEvent::Show && !m_shownAt && qobject_cast<QMainWindow*>(watched))
            m_shownAt = monotonicNanoseconds();
        if (event->type() == QEvent::Paint && !m_paintedAt && belongsToMainWindow(watched)) {
            m_paintedAt = monotonicNanoseconds();
            // Posted from inside the first paint, the timer fires once that frame is flushed.
            QTimer::singleShot(0, this, &StartupProbe::waitForIdle);
        }
        return false;
    }

private:
    // The loop is idle when a whole turn passed with nothing to deliver but this timer.
    void waitForIdle()
    {
        if (m_busy) {
            m_busy = false;
            QTimer::singleShot(0, this, &StartupProbe::waitForIdle);
            return;
        }
        const qint64 idleAt = monotonicNanoseconds();
        std::printf("startup application_us=%lld shown_us=%lld painted_us=%lld idle_us=%lld\n",
                    sinceLaunch(m_applicationAt), sinceLaunch(m_shownAt), sinceLaunch(m_paintedAt),
                    sinceLaunch(idleAt));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    long long sinceLaunch(qint64 moment) const { return (moment - m_launchedAt) / 1000; }

    qint64 m_launchedAt;
    qint64 m_applicationAt;
    qint64 m_shownAt = 0;
    qint64 m_paintedAt = 0;
    bool m_busy = false;
};

void installStartupProbe()
{
    const char* launchedAt = std::getenv("ZELT_BENCH_LAUNCHED_AT");
    if (!launchedAt) {
        std::fprintf(stderr, "ZELT_BENCH_LAUNCHED_AT is not set: start this program from the benchmark runner\n");
        std::exit(2);
    }
    auto* probe = new StartupProbe(std::atoll(launchedAt));
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installStartupProbe)
