#include "pages/TeamPage.h"

#include "app/ObrixApp.h"
#include "editing/PageTexts.h"
#include "editing/TeamEditSession.h"
#include "widgets/LeagueTree.h"
#include "util/TextCodec.h"
#include "widgets/ColourPicker.h"
#include "widgets/HyperlinkLabel.h"
#include "widgets/PictureListBox.h"
#include "util/PathText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

using pageform::label;
using pageform::tightGrid;

namespace
{
CKitList kindOfList(int list)
{
    switch (list % 3)
    {
    case 0: return CKitList::Jersey;
    case 1: return CKitList::Shorts;
    default: return CKitList::Socks;
    }
}

// Weftor is looked for beside our own program first, then on the PATH.
QString findWeftor()
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& name : {QStringLiteral("Weftor"), QStringLiteral("Weftor.exe")})
    {
        const QFileInfo beside(here.filePath(name));
        if (beside.isFile() && beside.isExecutable()) return beside.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(QStringLiteral("Weftor"));
}
}  // namespace

CTeamPage::CTeamPage(CObrixApp& app, QWidget* parent) : CEditPage(app, parent)
{
    m_session = std::make_unique<CTeamEditSession>(app.document(), app.prompts(),
                                                   CKitFiles{pathFromUtf8(app.settings().gameFolder)});

    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(buildNames(), 1);
    top->addWidget(makeAboutLink(), 0, Qt::AlignTop);
    auto* kitRow = new QHBoxLayout;
    kitRow->setSpacing(4);
    kitRow->addWidget(buildKit(teampage::kHome));
    kitRow->addWidget(buildKit(teampage::kAway));
    auto* layout = new QVBoxLayout(content());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addLayout(kitRow);
    layout->addStretch(1);

    findJerseyEditor();
    reload([] {});
}

CTeamPage::~CTeamPage() = default;

QGroupBox* CTeamPage::buildNames()
{
    using teampage::CNameBox;
    auto* team = pageform::group(pagetexts::kTeamGroup, content());
    QGridLayout* grid = tightGrid(team);
    m_name = new QLineEdit(team);
    m_abbreviation = new QLineEdit(team);
    m_shortName = new QLineEdit(team);
    m_bankroll = new QLineEdit(team);
    grid->addWidget(label(pagetexts::kNameLabel, team), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 3);
    grid->addWidget(label(pagetexts::kBankrollLabel, team), 0, 4);
    grid->addWidget(m_bankroll, 0, 5);
    grid->addWidget(label(pagetexts::kAbbreviationLabel, team), 1, 0);
    grid->addWidget(m_abbreviation, 1, 1);
    grid->addWidget(label(pagetexts::kShortNameLabel, team), 1, 2);
    grid->addWidget(m_shortName, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(5, 1);
    const std::array<std::pair<QLineEdit*, CNameBox>, 3> names = {
        {{m_name, CNameBox::LongName}, {m_abbreviation, CNameBox::Abbreviation}, {m_shortName, CNameBox::ShortName}}};
    for (const auto& [box, which] : names)
        addTextBox(
            box, [this, which = which](const std::string& typed) { return m_session->commitName(which, typed); },
            [this, which = which] { return m_session->nameLimit(which); });
    addTextBox(m_bankroll, [this](const std::string& typed) { return m_session->commitBankroll(typed); });
    return team;
}

QGroupBox* CTeamPage::buildKit(int side)
{
    const char* colourLabels[] = {pagetexts::kPrimary, pagetexts::kSecondary, pagetexts::kTertiary};
    auto* kit = pageform::group(side == teampage::kHome ? pagetexts::kHomeKit : pagetexts::kAwayKit, content());
    QGridLayout* grid = tightGrid(kit);
    // A description is read whole: it wraps onto a second line rather than being cut.
    auto* description = new QLabel(kit);
    description->setWordWrap(true);
    description->setTextInteractionFlags(Qt::TextSelectableByMouse);
    description->setFrameShape(QFrame::StyledPanel);
    description->setMinimumHeight(2 * description->fontMetrics().lineSpacing() + 6);
    description->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_descriptions[std::size_t(side)] = description;
    grid->addWidget(description, 0, 0, 1, 4);
    const char* headings[] = {pagetexts::kJerseyHeading, pagetexts::kShortsHeading, pagetexts::kSocksHeading};
    for (int part = 0; part < 3; ++part)
    {
        const int list = side * 3 + part;
        grid->addWidget(new QLabel(pageform::text(headings[part]), kit), 1, 1 + part, Qt::AlignHCenter);
        auto* box = new CPictureListBox(kit);
        box->setKitPictures(kindOfList(list), m_app.jerseysFolder());
        m_models[std::size_t(list)] = box;
        grid->addWidget(box, 2, 1 + part, Qt::AlignHCenter | Qt::AlignBottom);
        // A step, a page or the scroll box let go: each model the list comes to is the team's.
        connect(box, &CPictureListBox::valueChanged, this,
                [this, list](int value) { run([this, list, value] { m_session->chooseModel(list, value); }); });
    }
    // Jersey colours 1..3 under the jersey, then two each under the shorts and socks.
    int button = teampage::firstColourButton(side);
    for (int part = 0; part < 3; ++part)
        for (int c = 0; c < (part == 0 ? 3 : 2); ++c, ++button)
        {
            auto* picker = new CColourPicker(kit);
            m_colours[std::size_t(button)] = picker;
            grid->addWidget(picker, 3 + c, 1 + part);
            connect(picker, &CColourPicker::colourChosen, this, [this, button](int entry) {
                run([this, button, entry] { m_session->chooseColour(button, entry); });
            });
        }
    // The away kit's rows line up with the home kit's, so one set of labels serves both.
    if (side == teampage::kHome)
        for (int c = 0; c < 3; ++c) grid->addWidget(label(colourLabels[c], kit), 3 + c, 0);
    m_edit[std::size_t(side)] = new QPushButton(pageform::text(pagetexts::kEdit), kit);
    m_presetColours[std::size_t(side)] = new QPushButton(pageform::text(pagetexts::kUsePresetColours), kit);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(m_edit[std::size_t(side)]);
    buttons->addWidget(m_presetColours[std::size_t(side)], 1);
    grid->addLayout(buttons, 6, 0, 1, 4);
    for (QPushButton* b : {m_edit[std::size_t(side)], m_presetColours[std::size_t(side)]}) b->setAutoDefault(false);
    connect(m_edit[std::size_t(side)], &QPushButton::clicked, this, [this, side] { startWeftor(side); });
    connect(m_presetColours[std::size_t(side)], &QPushButton::clicked, this,
            [this, side] { run([this, side] { m_session->usePresetColours(side); }); });
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);
    return kit;
}

void CTeamPage::showTeam(uint32_t teamId)
{
    // The game folder may have been chosen since the page was made.
    m_session->setGameFolder(pathFromUtf8(m_app.settings().gameFolder));
    // The jerseys folder may have been made again since the last team (Make Thumbnails).
    if (teamId != m_session->shownTeam())
        for (CPictureListBox* box : m_models) box->reloadPictures();
    run([this, teamId] { m_session->showTeam(teamId); });
}

uint32_t CTeamPage::teamShown() const { return m_session->state().enabled ? m_session->shownTeam() : 0; }

void CTeamPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The jersey editor may have been put in place since the page was last shown.
    findJerseyEditor();
    // The kit colours may have been changed elsewhere (a remembered team, an import).
    if (m_session->state().enabled) run([this] { m_session->activate(); });
}

void CTeamPage::findJerseyEditor()
{
    m_weftor = findWeftor();
    const QString tip = m_weftor.isEmpty()
                            ? pageform::text(pagetexts::kWeftorNotFound)
                                  .arg(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()))
                            : pageform::text(pagetexts::kWeftorFound).arg(QDir::toNativeSeparators(m_weftor));
    for (QPushButton* edit : m_edit)
    {
        edit->setToolTip(tip);
        edit->setEnabled(m_session->state().enabled && !m_weftor.isEmpty());
    }
}

void CTeamPage::startWeftor(int side)
{
    const std::optional<CWeftorLaunch> launch = m_session->weftorLaunch(side);
    if (!launch) return;
    QStringList words = QProcess::splitCommand(QString::fromStdString(launch->commandLine));
    bool started = false;
    if (!m_weftor.isEmpty() && !words.isEmpty())
    {
        words.removeFirst();
        started = QProcess::startDetached(m_weftor, words);
    }
    if (!started) m_session->weftorFailed();
}

void CTeamPage::showState()
{
    const CTeamPageState& s = m_session->state();
    const auto text = [this](const std::string& bytes) { return shownText(bytes); };

    m_name->setText(text(s.longName));
    m_abbreviation->setText(text(s.abbreviation));
    m_shortName->setText(text(s.shortName));
    m_bankroll->setText(QString::fromStdString(s.bankrollText));
    for (std::size_t side = 0; side < 2; ++side)
    {
        m_descriptions[side]->setText(text(s.descriptions[side]));
        m_descriptions[side]->setToolTip(m_descriptions[side]->text());
    }
    for (std::size_t list = 0; list < m_models.size(); ++list)
    {
        CKitColours kit{};
        for (std::size_t slot = 0; slot < kit.size(); ++slot) kit[slot] = s.listSlots[list][slot];
        m_models[list]->setKitColours(kit);
        m_models[list]->setValue(s.models[list]);
    }
    for (std::size_t button = 0; button < m_colours.size(); ++button) m_colours[button]->setColour(s.colours[button]);

    for (QWidget* w : {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_bankroll)}) w->setEnabled(s.enabled);
    m_abbreviation->setEnabled(s.enabled && s.shortNamesEnabled);
    m_shortName->setEnabled(s.enabled && s.shortNamesEnabled);
    for (CPictureListBox* box : m_models) box->setEnabled(s.enabled);
    for (CColourPicker* picker : m_colours) picker->setEnabled(s.enabled);
    for (std::size_t side = 0; side < 2; ++side)
    {
        m_edit[side]->setEnabled(s.enabled && !m_weftor.isEmpty());
        m_presetColours[side]->setEnabled(s.enabled && s.presetColoursEnabled[side]);
    }
}
