#pragma once

#include "ProgramInvariants.h"
#include "RunOracle.h"
#include "UserEvent.h"
#include "platform/SingleInstance.h"
#include "support/TestSupport.h"

#include <QList>
#include <QSet>
#include <memory>

class EventChooser;

// Where a run of events first broke the program.
struct FuzzFailure {
    qsizetype eventIndex = -1;
    QString reason;

    bool found() const { return eventIndex >= 0; }
    // The part of the reason before its colon: the invariant that broke.
    QString invariant() const { return reason.section(QLatin1Char(':'), 0, 0); }
};

// What a run of events got to see of the program, to show that the events reach deep.
struct FuzzReach {
    QSet<QString> testWindowsShown;
    QSet<QString> messagesShown;
    QSet<QString> pagesOpened;
    int aboutBoxesAnswered = 0;
    int starts = 0;
    qint16 furthestBrainQuestion = 0;
    qint16 furthestEQStatement = 0;
    int mfVerdicts = 0;
    // After each event: the windows on screen and the run counters, one line per event.
    QStringList states;
};

// The program as it is after a fresh start, driven one event at a time and checked after each.
// When one of the main window's closing commands ends it, it is started afresh, as a user would.
class FuzzedProgram {
public:
    // The folder holds the settings store and the lock; its files must stay as they are.
    explicit FuzzedProgram(const QString& userFolder);
    ~FuzzedProgram();

    // Empty when the event left the program sound, else the broken invariants.
    QString step(const UserEvent& event);
    frmMDI& mainWindow() { return *m_mainWindow; }
    const FuzzReach& reach() const { return m_reach; }

private:
    void start();
    QStringList startUp(int start);
    QString checkAfter(const UserEvent& event, const EventOutcome& outcome);
    void noteReach(const EventOutcome& outcome);

    MessageRecorder m_messages;
    UrlRecorder m_pages;
    ProgramInvariants m_invariants;
    RunOracle m_oracle;
    std::unique_ptr<platform::SingleInstanceLock> m_lock;
    std::unique_ptr<frmMDI> m_mainWindow;
    QStringList m_startProblems;
    bool m_closingCommandUsed = false;
    FuzzReach m_reach;
};

// Runs the events on a freshly started program, stopping at the first failure.
FuzzFailure replay(const QList<UserEvent>& events, const QString& userFolder, FuzzReach* reach = nullptr);

// Runs as many events as asked, each chosen for the windows open at the time; the events done
// are left in the log.
FuzzFailure explore(EventChooser& chooser, int eventCount, const QString& userFolder, QList<UserEvent>& log,
                    FuzzReach* reach = nullptr);

// The shortest list of events, taken from the failing ones, that breaks the same invariant.
QList<UserEvent> reduce(QList<UserEvent> events, const FuzzFailure& failure, const QString& userFolder);
