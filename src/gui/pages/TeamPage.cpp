#include "pages/TeamPage.h"

#include "app/ObrixApp.h"
#include "editing/Roster.h"
#include "kits/KitPalette.h"
#include "pages/PageForm.h"
#include "util/TextCodec.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QScrollArea>
#include <QVBoxLayout>

namespace
{
// A colour by its name, with a swatch in front so the kit can be seen at a glance.
void showColour(QLabel* label, int value)
{
    const char* name = kitColourName(value);
    if (!name)
    {
        label->setText(QStringLiteral("Colour %1").arg(value));
        return;
    }
    const CRgb rgb = kitColourButtonRgb(value);
    label->setText(QStringLiteral("<span style=\"background-color:#%1%2%3;\">&nbsp;&nbsp;&nbsp;&nbsp;</span>&nbsp; %4")
                       .arg(rgb.r, 2, 16, QLatin1Char('0'))
                       .arg(rgb.g, 2, 16, QLatin1Char('0'))
                       .arg(rgb.b, 2, 16, QLatin1Char('0'))
                       .arg(QString::fromLatin1(name).toHtmlEscaped()));
}

}  // namespace

CTeamPage::CTeamPage(CObrixApp& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_content = new QWidget(scroll);
    scroll->setWidget(m_content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    auto* team = new QGroupBox(QStringLiteral("Team"), m_content);
    auto* teamColumns = new QHBoxLayout(team);
    teamColumns->setContentsMargins(0, 0, 0, 0);
    auto* names = new QFormLayout;
    auto* money = new QFormLayout;
    for (QFormLayout* form : {names, money})
    {
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        form->setHorizontalSpacing(8);
        form->setVerticalSpacing(4);
        form->setContentsMargins(8, 6, 8, 6);
        teamColumns->addLayout(form, 1);
    }
    m_name = pageform::addRow(names, QStringLiteral("Name:"));
    m_abbreviation = pageform::addRow(names, QStringLiteral("Abb.:"));
    m_shortName = pageform::addRow(names, QStringLiteral("Shorten Name:"));
    m_bankroll = pageform::addRow(money, QStringLiteral("Bankroll:"));
    m_players = pageform::addRow(money, QStringLiteral("Players:"));
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);

    auto* kits = new QGroupBox(QStringLiteral("Kits"), m_content);
    auto* grid = new QGridLayout(kits);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(3);
    const QStringList headings = {QString(), QString(), QStringLiteral("Model"), QStringLiteral("Primary"),
                                  QStringLiteral("Secondary"), QStringLiteral("Tertiary")};
    for (int column = 0; column < headings.size(); ++column)
    {
        auto* heading = new QLabel(headings[column], kits);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        grid->addWidget(heading, 0, column);
    }
    const char* parts[] = {"Jersey:", "Shorts:", "Socks:"};
    for (int line = 0; line < 6; ++line)
    {
        const int row = line + 1 + (line >= 3 ? 1 : 0);
        if (line % 3 == 0)
        {
            auto* side = new QLabel(line == 0 ? QStringLiteral("Home") : QStringLiteral("Away"), kits);
            side->setFont(bold);
            grid->addWidget(side, row, 0);
        }
        grid->addWidget(new QLabel(QString::fromLatin1(parts[line % 3]), kits), row, 1);
        CKitLine& kit = m_kit[static_cast<std::size_t>(line)];
        kit.model = pageform::valueLabel(kits);
        grid->addWidget(kit.model, row, 2);
        // Jerseys have three colours, shorts and socks two.
        const int colours = line % 3 == 0 ? 3 : 2;
        for (int c = 0; c < colours; ++c)
        {
            kit.colours[static_cast<std::size_t>(c)] = pageform::valueLabel(kits);
            kit.colours[static_cast<std::size_t>(c)]->setTextFormat(Qt::RichText);
            grid->addWidget(kit.colours[static_cast<std::size_t>(c)], row, 3 + c);
        }
    }
    // A little air between the home and the away lines.
    grid->setRowMinimumHeight(4, 6);
    for (int column = 3; column < 6; ++column) grid->setColumnStretch(column, 1);

    auto* layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(team);
    layout->addWidget(kits);
    layout->addStretch(1);

    setEmpty();
}

void CTeamPage::showTeam(uint32_t teamId)
{
    const CTeam* team = m_app.db().team(teamId);
    if (!team)
    {
        setEmpty();
        return;
    }
    m_teamId = teamId;
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode);
    const auto text = [encoding](const std::string& bytes) { return QString::fromStdString(toUtf8(bytes, encoding)); };
    m_name->setText(text(team->longName));
    m_abbreviation->setText(text(team->abbreviation));
    m_shortName->setText(text(team->shortName));
    // The game counts money in thousands.
    m_bankroll->setText(QLocale().toString(static_cast<qlonglong>(team->bankroll) * 1000));
    m_players->setText(QString::number(rosterPlayers(m_app.db(), teamId).size()));

    const auto showLine = [this](int line, int model, std::initializer_list<int> colours) {
        CKitLine& kit = m_kit[static_cast<std::size_t>(line)];
        kit.model->setText(QString::number(model + 1));
        std::size_t c = 0;
        for (int colour : colours) showColour(kit.colours[c++], colour);
    };
    showLine(0, team->homeJerseyStyle, {team->homeJerseyColour1, team->homeJerseyColour2, team->homeJerseyColour3});
    showLine(1, team->homeShortsStyle, {team->homeShortsColour1, team->homeShortsColour2});
    showLine(2, team->homeSocksStyle, {team->homeSocksColour1, team->homeSocksColour2});
    showLine(3, team->awayJerseyStyle, {team->awayJerseyColour1, team->awayJerseyColour2, team->awayJerseyColour3});
    showLine(4, team->awayShortsStyle, {team->awayShortsColour1, team->awayShortsColour2});
    showLine(5, team->awaySocksStyle, {team->awaySocksColour1, team->awaySocksColour2});
    m_content->setEnabled(true);
}

uint32_t CTeamPage::teamShown() const { return m_teamId; }

void CTeamPage::setEmpty()
{
    m_teamId = 0;
    for (QLabel* label : m_content->findChildren<QLabel*>())
        if (label->buddy() == nullptr && label->textInteractionFlags() & Qt::TextSelectableByMouse) label->clear();
    m_content->setEnabled(false);
}
