#include "pages/StatsGridFill.h"

#include "util/TextCodec.h"

#include <QMetaObject>

#include <unordered_map>

CStatsGridFill::~CStatsGridFill() { abandon(); }

void CStatsGridFill::abandon()
{
    ++m_generation;
    m_cancel = true;
    if (m_thread.joinable()) m_thread.join();
    m_cancel = false;
    m_running = false;
}

void CStatsGridFill::start(std::vector<CStatsRow> rows, std::vector<CTeam> teams, CStatsKind kind,
                           CStatsFilters filters, CTextEncoding encoding)
{
    abandon();
    const uint64_t generation = m_generation;
    m_running = true;
    m_thread = std::thread([this, generation, rows = std::move(rows), teams = std::move(teams), kind,
                            filters = std::move(filters), encoding] {
        QList<QStringList> out;
        // The rows sorted out by team once, not looked for again for every team.
        std::unordered_map<uint32_t, std::vector<CStatsRow>> byTeam;
        for (const CStatsRow& row : rows) byTeam[row.teamId].push_back(row);
        for (const CTeam& team : teams)
        {
            if (m_cancel) return;
            // Posted to this object, so they are dropped with it if the page goes first.
            QMetaObject::invokeMethod(
                this,
                [this, generation, text = team.announcement] {
                    if (generation == m_generation) emit teamStarted(text);
                },
                Qt::QueuedConnection);
            const auto mine = byTeam.find(team.id);
            if (mine == byTeam.end()) continue;
            for (const auto& cells : gridRows(mine->second, kind, filters, encoding))
            {
                QStringList line;
                line.reserve(qsizetype(cells.size()));
                for (const std::string& cell : cells) line.push_back(QString::fromStdString(toUtf8(cell, encoding)));
                out.push_back(std::move(line));
            }
        }
        if (m_cancel) return;
        QMetaObject::invokeMethod(
            this,
            [this, generation, out = std::move(out)] {
                if (generation != m_generation) return;
                if (m_thread.joinable()) m_thread.join();
                m_running = false;
                emit finished(out);
            },
            Qt::QueuedConnection);
    });
}
