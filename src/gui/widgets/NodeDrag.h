#pragma once

#include <QMimeData>
#include <QModelIndex>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QObject;

// What a drag out of a roster or a league tree carries: the node's level (0 league,
// 1 team, 2 player), its value, and for a player the team it is listed under.
struct CNodeDrag
{
    int level = -1;
    uint32_t value = 0;
    uint32_t teamId = 0;

    static QString mimeType() { return QStringLiteral("application/x-obrix-node"); }

    QMimeData* toMime() const
    {
        auto* mime = new QMimeData;
        mime->setData(mimeType(), QStringLiteral("%1 %2 %3").arg(level).arg(value).arg(teamId).toLatin1());
        return mime;
    }

    static std::optional<CNodeDrag> from(const QMimeData* mime)
    {
        if (!mime || !mime->hasFormat(mimeType())) return std::nullopt;
        const QList<QByteArray> parts = mime->data(mimeType()).split(' ');
        if (parts.size() != 3) return std::nullopt;
        CNodeDrag drag{parts[0].toInt(), parts[1].toUInt(), parts[2].toUInt()};
        if (drag.level < 0 || drag.level > 2 || drag.value == 0) return std::nullopt;
        return drag;
    }
};

// Decides on a drop onto a tree node: whether it would be taken (perform false, asked
// while the pointer moves) or does it (perform true). source is the view the drag
// came from; copying is true while Ctrl is held.
using CNodeDropHandler = std::function<bool(const CNodeDrag& drag, QObject* source, const QModelIndex& target,
                                            bool copying, bool perform)>;
