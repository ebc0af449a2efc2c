#include "pages/StatsGridFill.h"

#include "util/TextCodec.h"

#include <QMetaObject>

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
            std::vector<CStatsRow> mine;
            for (const CStatsRow& row : rows)
                if (row.teamId == team.id) mine.push_back(row);
            for (const auto& cells : gridRows(mine, kind, filters, encoding))
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
