#include "GridPrinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <numeric>
#include <vector>

CGridPrinter::CGridPrinter(QStringList titles, QList<QStringList> rows)
    : m_titles(std::move(titles)), m_rows(std::move(rows))
{
}

int CGridPrinter::print(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer)) return 0;

    QFont font(QStringLiteral("Sans Serif"), 8);
    painter.setFont(font);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(font, &printer);
    const QFontMetrics boldMetrics(bold, &printer);
    const int pad = metrics.horizontalAdvance(QLatin1Char('n'));

    // Column 0 holds the row numbers, as the grid's own row heading does.
    const int columns = int(m_titles.size()) + 1;
    std::vector<int> widths(std::size_t(columns), 0);
    widths[0] = metrics.horizontalAdvance(QString::number(m_rows.size())) + 2 * pad;
    for (int c = 1; c < columns; ++c)
    {
        int w = boldMetrics.horizontalAdvance(m_titles[c - 1]);
        for (const QStringList& row : m_rows)
            if (c - 1 < row.size()) w = std::max(w, metrics.horizontalAdvance(row[c - 1]));
        widths[std::size_t(c)] = w + 2 * pad;
    }
    const int total = std::accumulate(widths.begin(), widths.end(), 0);

    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(0, 0, page.width(), page.height());
    const double scale = total > area.width() ? area.width() / total : 1.0;
    painter.scale(scale, scale);
    const double width = total;
    const double height = area.height() / scale;
    const int lineHeight = metrics.height() + pad / 2;
    const int perPage = std::max(1, int(height / lineHeight) - 1);

    auto drawLine = [&](double y, const QStringList& cells, const QString& number, bool heading) {
        double x = 0;
        painter.setFont(heading ? bold : font);
        const QRectF numberCell(x, y, widths[0], lineHeight);
        painter.drawText(numberCell.adjusted(pad, 0, -pad, 0), Qt::AlignRight | Qt::AlignVCenter, number);
        x += widths[0];
        for (int c = 1; c < columns; ++c)
        {
            const QRectF cell(x, y, widths[std::size_t(c)], lineHeight);
            painter.drawText(cell.adjusted(pad, 0, -pad, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             c - 1 < cells.size() ? cells[c - 1] : QString());
            x += widths[std::size_t(c)];
        }
    };

    int pages = 0;
    int next = 0;
    do
    {
        if (pages > 0) printer.newPage();
        ++pages;
        drawLine(0, m_titles, QString(), true);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLine(QPointF(0, lineHeight), QPointF(width, lineHeight));
        double y = lineHeight;
        for (int i = 0; i < perPage && next < m_rows.size(); ++i, ++next)
        {
            if (next % 2 == 1) painter.fillRect(QRectF(0, y, width, lineHeight), QColor(238, 238, 238));
            drawLine(y, m_rows[next], QString::number(next + 1), false);
            y += lineHeight;
        }
    } while (next < m_rows.size());
    painter.end();
    return pages;
}
