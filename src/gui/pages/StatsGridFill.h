#pragma once

#include "exchange/StatsReport.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <thread>
#include <utility>
#include <vector>

enum class CTextEncoding;

// Turns a snapshot of contributed players into the grid's rows on a worker thread. The
// worker sees only the snapshot, never the database, so the rest of the window may go
// on editing while it runs. Progress and the result come back as signals on the
// object's own (user-interface) thread.
class CStatsGridFill : public QObject
{
    Q_OBJECT

public:
    struct CTeam
    {
        uint32_t id = 0;
        QString announcement;  // shown when the team's players are taken
    };

    using QObject::QObject;
    // Abandons a running fill and waits for its thread.
    ~CStatsGridFill() override;

    // Starts a fill; one still running is abandoned and its signals never arrive.
    void start(std::vector<CStatsRow> rows, std::vector<CTeam> teams, CStatsKind kind, CStatsFilters filters,
               CTextEncoding encoding);
    // Abandons a running fill: its signals never arrive.
    void cancel() { abandon(); }
    bool running() const { return m_running; }

signals:
    void teamStarted(const QString& announcement);
    void finished(const QList<QStringList>& rows);

private:
    void abandon();

    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    // Only touched on the object's thread: tells this fill's signals from a stale one's.
    uint64_t m_generation = 0;
    bool m_running = false;
};
