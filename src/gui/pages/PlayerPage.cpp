#include "pages/PlayerPage.h"
#include "pages/PageForm.h"

#include "app/AboutBox.h"
#include "app/ObrixApp.h"
#include "editing/PageTexts.h"
#include "editing/PlayerEditSession.h"
#include "shell/MainFrame.h"
#include "shell/RosterView.h"
#include "util/TextCodec.h"
#include "widgets/AppearanceArt.h"
#include "widgets/HyperlinkLabel.h"
#include "widgets/PictureListBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

using pageform::label;
using pageform::tightGrid;

namespace
{
CRosterView* rosterOf(CObrixApp& app) { return app.mainFrame() ? app.mainFrame()->rosterView() : nullptr; }
}  // namespace

CPlayerPage::CPlayerPage(CObrixApp& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    CPlayerPageLinks links;
    links.refreshRoster = [this] {
        if (CRosterView* roster = rosterOf(m_app)) roster->refreshKeepingPlayer();
    };
    links.listedTeam = [this]() -> uint32_t {
        CRosterView* roster = rosterOf(m_app);
        return roster ? roster->teamShown() : 0;
    };
    m_session = std::make_unique<CPlayerEditSession>(app.document(), app.prompts(), std::move(links));

    // The pane is sized by the user; rather than clip the page, let it scroll.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_content = new QWidget(scroll);
    scroll->setWidget(m_content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    // Identity: letter, name, number, position, rating, commentary.
    auto* player = new QGroupBox(QStringLiteral("Player"), m_content);
    QGridLayout* playerGrid = tightGrid(player);
    m_letter = new QLineEdit(player);
    m_letter->setMaxLength(1);
    m_letter->setFixedWidth(m_letter->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 10);
    m_name = new QLineEdit(player);
    m_name->setMaxLength(15);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(3);
    nameRow->addWidget(m_letter);
    nameRow->addWidget(m_name, 1);
    playerGrid->addLayout(nameRow, 0, 0, 1, 4);
    m_number = new QComboBox(player);
    for (int n = 1; n <= CPlayerEditSession::kNumberCount; ++n) m_number->addItem(QString::number(n));
    m_position = new QComboBox(player);
    for (int p = 0; p < kPositionCount; ++p) m_position->addItem(QString::fromLatin1(positionLabel(p)));
    playerGrid->addWidget(label(pagetexts::kNumberLabel, player), 1, 0);
    playerGrid->addWidget(m_number, 1, 1);
    playerGrid->addWidget(label(pagetexts::kPositionLabel, player), 1, 2);
    playerGrid->addWidget(m_position, 1, 3);
    m_rating = new QLineEdit(player);
    m_rating->setReadOnly(true);
    m_rating->setFixedWidth(m_rating->fontMetrics().horizontalAdvance(QStringLiteral("888")) + 12);
    m_commentary = new QCheckBox(QString::fromLatin1(pagetexts::kCommentary), player);
    playerGrid->addWidget(label(pagetexts::kRatingLabel, player), 2, 0);
    playerGrid->addWidget(m_rating, 2, 1);
    playerGrid->addWidget(m_commentary, 2, 2, 1, 2);
    // The nationality list is kept, hidden with its label: nothing of the record is behind it.
    m_nationalityLabel = label(pagetexts::kNationalityLabel, player);
    m_nationality = new QComboBox(player);
    playerGrid->addWidget(m_nationalityLabel, 3, 0);
    playerGrid->addWidget(m_nationality, 3, 1, 1, 3);
    m_nationalityLabel->hide();
    m_nationality->hide();
    playerGrid->setColumnStretch(3, 1);

    // Looks: three picture lists, then the two colour lists.
    auto* looks = new QGroupBox(QStringLiteral("Appearance"), m_content);
    QGridLayout* looksGrid = tightGrid(looks);
    const QSize cell(appearance::kPictureSize, appearance::kPictureSize);
    m_hair = new CPictureListBox(looks);
    m_hair->setPictures(hairPictures(), cell);
    m_face = new CPictureListBox(looks);
    m_face->setPictures(facePictures(), cell);
    m_facialHair = new CPictureListBox(looks);
    m_facialHair->setPictures(facialHairPictures(), cell);
    const std::array<std::pair<const char*, CPictureListBox*>, 3> pictureLists = {
        {{pagetexts::kHairLabel, m_hair}, {pagetexts::kFaceLabel, m_face}, {pagetexts::kFacialHairLabel, m_facialHair}}};
    for (int column = 0; column < 3; ++column)
    {
        auto* caption = new QLabel(QString::fromLatin1(pictureLists[std::size_t(column)].first), looks);
        looksGrid->addWidget(caption, 0, column, Qt::AlignHCenter | Qt::AlignBottom);
        looksGrid->addWidget(pictureLists[std::size_t(column)].second, 1, column, Qt::AlignHCenter | Qt::AlignTop);
    }
    m_skin = new QComboBox(looks);
    for (const char* text : pagetexts::kSkinColours) m_skin->addItem(QString::fromLatin1(text));
    m_hairColour = new QComboBox(looks);
    for (const char* text : pagetexts::kHairColours) m_hairColour->addItem(QString::fromLatin1(text));
    auto* colourForm = new QGridLayout;
    colourForm->setHorizontalSpacing(4);
    colourForm->setVerticalSpacing(2);
    colourForm->addWidget(label(pagetexts::kSkinColourLabel, looks), 0, 0);
    colourForm->addWidget(m_skin, 0, 1);
    colourForm->addWidget(label(pagetexts::kHairColourLabel, looks), 1, 0);
    colourForm->addWidget(m_hairColour, 1, 1);
    colourForm->setColumnStretch(1, 1);
    looksGrid->addLayout(colourForm, 2, 0, 1, 3);

    // Skills: a spin box per skill whose text cannot be typed into.
    auto* skills = new QGroupBox(QStringLiteral("Skills"), m_content);
    QGridLayout* skillGrid = tightGrid(skills);
    skillGrid->setVerticalSpacing(1);
    skillGrid->setContentsMargins(6, 2, 6, 2);
    for (int i = 0; i < CPlayer::kSkillCount; ++i)
    {
        auto* spin = new QSpinBox(skills);
        spin->setRange(playerpresets::kLowestSkill, playerpresets::kHighestShownSkill);
        spin->findChild<QLineEdit*>()->setReadOnly(true);
        spin->setAlignment(Qt::AlignRight);
        spin->setFixedWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("888")) + 34);
        // Thirteen rows must fit the sheet's default height.
        spin->setFixedHeight(20);
        skillGrid->addWidget(label(pagetexts::kSkillLabels[std::size_t(i)], skills), i, 0);
        skillGrid->addWidget(spin, i, 1);
        m_skills[std::size_t(i)] = spin;
    }

    // One row for each kind of player, star, good and average side by side, so that a
    // row never pairs two kinds; the button's whole name is its tool tip.
    auto* presets = new QGroupBox(QStringLiteral("Presets"), m_content);
    QGridLayout* presetGrid = tightGrid(presets);
    for (int kind = 0; kind < 4; ++kind)
    {
        presetGrid->addWidget(label(pagetexts::kPresetKinds[std::size_t(kind)], presets), kind, 0);
        for (int level = 0; level < 3; ++level)
        {
            const int preset = kind * 3 + (2 - level);
            auto* button = new QPushButton(QString::fromLatin1(pagetexts::kPresetLevels[std::size_t(level)]), presets);
            button->setToolTip(QString::fromLatin1(playerpresets::presetName(preset)));
            button->setAccessibleName(button->toolTip());
            button->setAutoDefault(false);
            presetGrid->addWidget(button, kind, 1 + level);
            m_presets[std::size_t(preset)] = button;
            connect(button, &QPushButton::clicked, this, [this, preset] {
                run([this, preset] { m_session->applyPreset(preset); });
            });
        }
    }
    m_maxAttributes = new QPushButton(QString::fromLatin1(pagetexts::kMaxAttributes), presets);
    m_resetAll = new QPushButton(QString::fromLatin1(pagetexts::kResetAll), presets);
    presetGrid->addWidget(m_maxAttributes, 4, 0, 1, 2);
    presetGrid->addWidget(m_resetAll, 4, 2, 1, 2);
    for (QPushButton* button : presets->findChildren<QPushButton*>())
    {
        button->setAutoDefault(false);
        button->setStyleSheet(QStringLiteral("padding: 2px 4px;"));
    }
    connect(m_maxAttributes, &QPushButton::clicked, this, [this] { run([this] { m_session->maxAttributes(); }); });
    connect(m_resetAll, &QPushButton::clicked, this, [this] { run([this] { m_session->resetAll(); }); });

    auto* link = new CHyperlinkLabel(m_content);
    link->setToolTip(QStringLiteral("About Obrix"));
    connect(link, &CHyperlinkLabel::clicked, this, [this] { CAboutBox(m_app, window()).exec(); });

    connect(m_position, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { run([this, index] { m_session->choosePosition(index); }); });
    connect(m_number, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { run([this, index] { m_session->chooseNumber(index); }); });
    connect(m_nationality, qOverload<int>(&QComboBox::activated), this,
            [this] { run([this] { m_session->chooseNationality(); }); });

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(player);
    left->addWidget(looks);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(link, 0, Qt::AlignHCenter);
    right->addWidget(presets);
    right->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(skills);
    middle->addStretch(1);
    auto* columns = new QHBoxLayout(m_content);
    columns->setContentsMargins(4, 4, 4, 4);
    columns->setSpacing(4);
    columns->addLayout(left, 3);
    columns->addLayout(middle, 0);
    columns->addLayout(right, 2);

    connect(qApp, &QApplication::focusChanged, this, &CPlayerPage::onFocusChanged);
    showState();
}

CPlayerPage::~CPlayerPage() = default;

template <typename Call>
void CPlayerPage::run(Call call)
{
    if (m_busy) return;
    m_busy = true;
    takeControls();
    call();
    showState();
    m_busy = false;
}

void CPlayerPage::selectPlayer(uint32_t playerId)
{
    run([this, playerId] { m_session->selectPlayer(playerId); });
}

void CPlayerPage::showPlayer(uint32_t playerId)
{
    // Loads from the record: what the controls hold is dropped, not taken.
    if (m_busy) return;
    m_busy = true;
    m_session->showPlayer(playerId);
    showState();
    m_busy = false;
}

void CPlayerPage::storePage()
{
    run([this] { m_session->storePage(); });
}

void CPlayerPage::clearPage()
{
    if (m_busy) return;
    m_busy = true;
    m_session->clearPage();
    showState();
    m_busy = false;
}

uint32_t CPlayerPage::playerShown() const { return m_session->state().enabled ? m_session->shownPlayer() : 0; }

void CPlayerPage::hideEvent(QHideEvent* event)
{
    // Another page of the sheet came to the front.
    storePage();
    QWidget::hideEvent(event);
}

void CPlayerPage::onFocusChanged(QWidget* old, QWidget* now)
{
    // The edits are written when the focus leaves the sheet for the tree or the roster,
    // so that what they show is never behind the page.
    if (!old || !isAncestorOf(old)) return;
    QWidget* sheet = parentWidget() ? parentWidget() : this;
    while (sheet && !sheet->inherits("QTabWidget")) sheet = sheet->parentWidget();
    if (now && (sheet ? sheet->isAncestorOf(now) : isAncestorOf(now))) return;
    storePage();
}

void CPlayerPage::takeControls()
{
    CPlayerPageState& s = m_session->state();
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    std::string bytes;
    if (fromUtf8(m_name->text().toStdString(), encoding, bytes)) s.name = bytes;
    bytes.clear();
    if (fromUtf8(m_letter->text().left(1).toStdString(), encoding, bytes)) s.letter = bytes.substr(0, 1);
    s.numberIndex = m_number->currentIndex();
    s.positionIndex = m_position->currentIndex();
    // A look the list cannot show (an imported record) stays as it was unless the user
    // scrolled the list.
    const std::array<std::pair<CPictureListBox*, int*>, 3> looks = {
        {{m_hair, &s.hairStyle}, {m_face, &s.face}, {m_facialHair, &s.facialHair}}};
    for (std::size_t i = 0; i < looks.size(); ++i)
        if (looks[i].first->value() != m_shownLooks[i]) *looks[i].second = looks[i].first->value();
    s.skinColour = m_skin->currentIndex();
    s.hairColour = m_hairColour->currentIndex();
    for (std::size_t i = 0; i < m_skills.size(); ++i) s.skills[i] = m_skills[i]->value();
}

void CPlayerPage::showState()
{
    const CPlayerPageState& s = m_session->state();
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QWidget* w : m_content->findChildren<QWidget*>()) blockers.push_back(std::make_unique<QSignalBlocker>(w));

    m_name->setText(QString::fromStdString(toUtf8(s.name, encoding)));
    m_letter->setText(QString::fromStdString(toUtf8(s.letter, encoding)));
    m_number->setCurrentIndex(s.numberIndex);
    m_position->setCurrentIndex(s.positionIndex);
    m_hair->setValue(s.hairStyle);
    m_face->setValue(s.face);
    m_facialHair->setValue(s.facialHair);
    m_shownLooks = {m_hair->value(), m_face->value(), m_facialHair->value()};
    m_skin->setCurrentIndex(s.skinColour);
    m_hairColour->setCurrentIndex(s.hairColour);
    for (std::size_t i = 0; i < m_skills.size(); ++i) m_skills[i]->setValue(s.skills[i]);
    m_rating->setText(s.enabled ? QString::number(s.rating) : QString());
    m_commentary->setChecked(s.commentary);
    m_name->setToolTip(QString::fromStdString(m_session->nameToolTip(encoding)));

    std::vector<QWidget*> editing = {m_letter, m_name, m_number, m_position, m_nationality, m_hair, m_face,
                                     m_facialHair, m_skin, m_hairColour, m_maxAttributes, m_resetAll};
    editing.insert(editing.end(), m_skills.begin(), m_skills.end());
    editing.insert(editing.end(), m_presets.begin(), m_presets.end());
    for (QWidget* w : editing) w->setEnabled(s.enabled);
    m_rating->setEnabled(s.enabled);
    m_commentary->setEnabled(false);
}
