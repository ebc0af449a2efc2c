#include "pages/PlayerPage.h"

#include "app/ObrixApp.h"
#include "editing/Roster.h"
#include "pages/PageForm.h"
#include "util/TextCodec.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QScrollArea>
#include <QVBoxLayout>

namespace
{
constexpr std::array<const char*, CPlayer::kSkillCount> kSkillLabels = {
    "Acceleration:", "Agility:", "Awareness:", "Ball Control:", "Creativity:", "Fitness:", "Heading:",
    "Passing:",      "Reaction:", "Shot Power:", "Shot Acc.",   "Speed:",    "Tackle:"};
constexpr std::array<const char*, 4> kSkinColours = {"White", "Tanned", "Brown", "Black"};
constexpr std::array<const char*, 4> kHairColours = {"Blond", "Brown", "Red", "Black"};

template <std::size_t N>
QString listText(const std::array<const char*, N>& names, int value)
{
    return value >= 0 && value < static_cast<int>(N) ? QString::fromLatin1(names[value]) : QString::number(value);
}
}  // namespace

CPlayerPage::CPlayerPage(CObrixApp& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    // The pane is sized by the user; rather than clip the page, let it scroll.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_content = new QWidget(scroll);
    scroll->setWidget(m_content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    auto* player = new QGroupBox(QStringLiteral("Player"), m_content);
    QFormLayout* playerForm = pageform::formIn(player);
    m_name = pageform::addRow(playerForm, QStringLiteral("Name:"));
    m_letter = pageform::addRow(playerForm, QStringLiteral("Letter:"));
    m_number = pageform::addRow(playerForm, QStringLiteral("No.:"));
    m_position = pageform::addRow(playerForm, QStringLiteral("Pos:"));
    m_rating = pageform::addRow(playerForm, QStringLiteral("Rating:"));
    m_commentary = pageform::addRow(playerForm, QStringLiteral("Commentary:"));
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);

    auto* looks = new QGroupBox(QStringLiteral("Appearance"), m_content);
    QFormLayout* looksForm = pageform::formIn(looks);
    m_hair = pageform::addRow(looksForm, QStringLiteral("Hair:"));
    m_hairColour = pageform::addRow(looksForm, QStringLiteral("Hair Colour:"));
    m_face = pageform::addRow(looksForm, QStringLiteral("Face:"));
    m_facialHair = pageform::addRow(looksForm, QStringLiteral("Facial Hair:"));
    m_skin = pageform::addRow(looksForm, QStringLiteral("Skin Colour:"));

    auto* skills = new QGroupBox(QStringLiteral("Skills"), m_content);
    auto* skillGrid = new QGridLayout(skills);
    skillGrid->setContentsMargins(8, 6, 8, 6);
    skillGrid->setHorizontalSpacing(8);
    skillGrid->setVerticalSpacing(3);
    for (int i = 0; i < CPlayer::kSkillCount; ++i)
    {
        auto* label = new QLabel(QString::fromLatin1(kSkillLabels[static_cast<std::size_t>(i)]), skills);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* value = pageform::valueLabel(skills);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("16")) + 4);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* bar = new QProgressBar(skills);
        // Shown as the game's menus show skills: 1..16.
        bar->setRange(0, 16);
        bar->setTextVisible(false);
        bar->setMaximumHeight(label->sizeHint().height() - 4);
        bar->setMinimumWidth(120);
        skillGrid->addWidget(label, i, 0);
        skillGrid->addWidget(value, i, 1);
        skillGrid->addWidget(bar, i, 2);
        m_skills[static_cast<std::size_t>(i)] = bar;
        m_skillValues[static_cast<std::size_t>(i)] = value;
    }
    skillGrid->setColumnStretch(2, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(player);
    left->addWidget(looks);
    left->addStretch(1);
    auto* columns = new QHBoxLayout(m_content);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->addLayout(left, 2);
    auto* right = new QVBoxLayout;
    right->addWidget(skills);
    right->addStretch(1);
    columns->addLayout(right, 3);

    setEmpty();
}

void CPlayerPage::selectPlayer(uint32_t playerId)
{
    // Nothing on the page can be edited yet, so there is nothing to store first.
    showPlayer(playerId);
}

void CPlayerPage::showPlayer(uint32_t playerId)
{
    const CPlayer* player = m_app.db().player(playerId);
    if (!player)
    {
        setEmpty();
        return;
    }
    m_playerId = playerId;
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode);
    m_name->setText(QString::fromStdString(toUtf8(player->name, encoding)));
    m_letter->setText(player->letterCode == 0
                          ? QString()
                          : QString::fromStdString(toUtf8(std::string(1, static_cast<char>(player->letterCode)), encoding)));
    m_number->setText(QString::number(player->jerseyNumber));
    m_position->setText(QString::fromStdString(rosterPositionText(*player)));
    m_rating->setText(QString::number(player->skillRating()));
    m_commentary->setText(player->hasCommentary ? QStringLiteral("Spoken name") : QStringLiteral("None"));
    // Models are numbered from 1, as in the picture lists of the full page.
    m_hair->setText(QStringLiteral("Model %1").arg(player->hairStyle + 1));
    m_hairColour->setText(listText(kHairColours, player->hairColour));
    m_face->setText(QStringLiteral("Model %1").arg(player->face + 1));
    m_facialHair->setText(QStringLiteral("Model %1").arg(player->facialHair + 1));
    m_skin->setText(listText(kSkinColours, player->skinColour));
    for (std::size_t i = 0; i < m_skills.size(); ++i)
    {
        const int shown = player->skill(static_cast<int>(i)) + 1;
        m_skills[i]->setValue(shown);
        m_skillValues[i]->setText(QString::number(shown));
    }
    m_content->setEnabled(true);
}

void CPlayerPage::storePage()
{
    // Read-only for now: the record already holds everything the page shows.
}

void CPlayerPage::clearPage() { setEmpty(); }

uint32_t CPlayerPage::playerShown() const { return m_playerId; }

void CPlayerPage::setEmpty()
{
    m_playerId = 0;
    for (QLabel* label : m_skillValues) label->clear();
    for (QLabel* label : {m_name, m_letter, m_number, m_position, m_rating, m_commentary, m_hair, m_hairColour, m_face,
                          m_facialHair, m_skin})
        label->clear();
    for (QProgressBar* bar : m_skills) bar->reset();
    m_content->setEnabled(false);
}
