#include "pages/TeamPage.h"
#include "pages/PageForm.h"

#include "app/AboutBox.h"
#include "app/ObrixApp.h"
#include "editing/PageTexts.h"
#include "editing/TeamEditSession.h"
#include "shell/GroupView.h"
#include "widgets/LeagueTree.h"
#include "shell/MainFrame.h"
#include "util/TextCodec.h"
#include "widgets/ColourPicker.h"
#include "widgets/HyperlinkLabel.h"
#include "widgets/PictureListBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

using pageform::label;

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

CTeamPage::CTeamPage(CObrixApp& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    CTeamPageLinks links;
    links.relabelTeam = [this](uint32_t teamId) { relabel(teamId); };
    links.gameFolder = std::filesystem::path(app.settings().gameFolder);
    m_session = std::make_unique<CTeamEditSession>(app.document(), app.prompts(), std::move(links));

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_content = new QWidget(scroll);
    scroll->setWidget(m_content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    auto* team = new QGroupBox(QStringLiteral("Team"), m_content);
    auto* teamGrid = new QGridLayout(team);
    teamGrid->setContentsMargins(6, 4, 6, 4);
    teamGrid->setHorizontalSpacing(4);
    teamGrid->setVerticalSpacing(2);
    m_name = new QLineEdit(team);
    m_name->setMaxLength(int(teampage::kLongNameBytes));
    m_abbreviation = new QLineEdit(team);
    m_abbreviation->setMaxLength(int(teampage::kAbbreviationBytes));
    m_shortName = new QLineEdit(team);
    m_shortName->setMaxLength(int(teampage::kShortNameBytes));
    m_bankroll = new QLineEdit(team);
    teamGrid->addWidget(new QLabel(QStringLiteral("Name:"), team), 0, 0, Qt::AlignRight);
    teamGrid->addWidget(m_name, 0, 1, 1, 3);
    teamGrid->addWidget(label(pagetexts::kBankrollLabel, team), 0, 4);
    teamGrid->addWidget(m_bankroll, 0, 5);
    teamGrid->addWidget(label(pagetexts::kAbbreviationLabel, team), 1, 0);
    teamGrid->addWidget(m_abbreviation, 1, 1);
    teamGrid->addWidget(label(pagetexts::kShortNameLabel, team), 1, 2);
    teamGrid->addWidget(m_shortName, 1, 3);
    teamGrid->setColumnStretch(1, 1);
    teamGrid->setColumnStretch(3, 2);
    teamGrid->setColumnStretch(5, 1);
    for (QLineEdit* box : {m_name, m_abbreviation, m_shortName, m_bankroll}) box->installEventFilter(this);

    auto* link = new CHyperlinkLabel(m_content);
    link->setToolTip(QStringLiteral("About Obrix"));
    connect(link, &CHyperlinkLabel::clicked, this, [this] { CAboutBox(m_app, window()).exec(); });

    const char* colourLabels[] = {pagetexts::kPrimary, pagetexts::kSecondary, pagetexts::kTertiary};
    std::array<QGroupBox*, 2> kits{};
    for (int side = teampage::kHome; side <= teampage::kAway; ++side)
    {
        auto* kit = new QGroupBox(side == teampage::kHome ? QStringLiteral("Home Kit") : QStringLiteral("Away Kit"),
                                  m_content);
        kits[std::size_t(side)] = kit;
        auto* grid = new QGridLayout(kit);
        grid->setContentsMargins(6, 4, 6, 4);
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(2);
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
            grid->addWidget(new QLabel(QString::fromLatin1(headings[part]), kit), 1, 1 + part, Qt::AlignHCenter);
            auto* box = new CPictureListBox(kit);
            box->setKitPictures(kindOfList(list), m_app.jerseysFolder());
            m_models[std::size_t(list)] = box;
            grid->addWidget(box, 2, 1 + part, Qt::AlignHCenter | Qt::AlignBottom);
            connect(box, &CPictureListBox::valueChanged, this, [this, list](int value) {
                m_previousModel[std::size_t(list)] = m_currentModel[std::size_t(list)];
                m_currentModel[std::size_t(list)] = value;
            });
            connect(box, &CPictureListBox::stepped, this, [this, list](int value) { onModelStepped(list, value); });
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
        m_edit[std::size_t(side)] = new QPushButton(QString::fromLatin1(pagetexts::kEdit), kit);
        m_presetColours[std::size_t(side)] = new QPushButton(QString::fromLatin1(pagetexts::kUsePresetColours), kit);
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
    }

    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(team, 1);
    top->addWidget(link, 0, Qt::AlignTop);
    auto* kitRow = new QHBoxLayout;
    kitRow->setSpacing(4);
    kitRow->addWidget(kits[0]);
    kitRow->addWidget(kits[1]);
    auto* layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addLayout(kitRow);
    layout->addStretch(1);

    showState();
}

CTeamPage::~CTeamPage() = default;

template <typename Call>
void CTeamPage::run(Call call)
{
    if (m_busy) return;
    m_busy = true;
    takeControls();
    call();
    showState();
    m_busy = false;
}

void CTeamPage::showTeam(uint32_t teamId)
{
    // The game folder may have been chosen since the page was made.
    m_session->setGameFolder(std::filesystem::path(m_app.settings().gameFolder));
    // The jerseys folder may have been made again since the last team (Make Thumbnails).
    if (teamId != m_session->shownTeam())
        for (CPictureListBox* box : m_models) box->reloadPictures();
    run([this, teamId] { m_session->showTeam(teamId); });
}

void CTeamPage::storePage()
{
    run([this] { m_session->storePage(); });
}

uint32_t CTeamPage::teamShown() const { return m_session->state().enabled ? m_session->shownTeam() : 0; }

void CTeamPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The kit colours may have been changed elsewhere (a remembered team, an import).
    if (m_session->state().enabled) run([this] { m_session->activate(); });
}

void CTeamPage::hideEvent(QHideEvent* event)
{
    // Another page of the sheet came to the front.
    storePage();
    QWidget::hideEvent(event);
}

bool CTeamPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !m_busy && m_session->state().enabled)
    {
        if (watched == m_bankroll)
        {
            bool keep = false;
            run([this, &keep] { keep = !m_session->bankrollFocusLost(); });
            // Handed back once the focus change in progress has finished.
            if (keep) QTimer::singleShot(0, m_bankroll, [box = m_bankroll] { box->setFocus(); });
        }
        else if (watched == m_name)
            run([this] { m_session->nameFocusLost(teampage::CNameBox::LongName); });
        else if (watched == m_abbreviation)
            run([this] { m_session->nameFocusLost(teampage::CNameBox::Abbreviation); });
        else if (watched == m_shortName)
            run([this] { m_session->nameFocusLost(teampage::CNameBox::ShortName); });
    }
    return QWidget::eventFilter(watched, event);
}

void CTeamPage::onModelStepped(int list, int value)
{
    const int before = m_previousModel[std::size_t(list)];
    run([this, list, value, before] {
        // The step is the session's to take, from where the list stood before it.
        m_session->state().models[std::size_t(list)] = before;
        m_session->stepModel(list, value < before ? -1 : 1);
    });
}

void CTeamPage::startWeftor(int side)
{
    const std::optional<CWeftorLaunch> launch = m_session->weftorLaunch(side);
    if (!launch) return;
    QStringList words = QProcess::splitCommand(QString::fromStdString(launch->commandLine));
    const QString program = findWeftor();
    bool started = false;
    if (!program.isEmpty() && !words.isEmpty())
    {
        words.removeFirst();
        started = QProcess::startDetached(program, words);
    }
    if (!started) m_session->weftorFailed();
}

void CTeamPage::relabel(uint32_t teamId)
{
    CMainFrame* frame = m_app.mainFrame();
    CLeagueTree* tree = frame && frame->groupView() ? frame->groupView()->tree() : nullptr;
    if (!tree) return;
    const QModelIndex node = tree->findTeamNode(teamId);
    if (!node.isValid()) return;
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    tree->setNodeText(node, QString::fromStdString(toUtf8(m_app.db().teamLabel(teamId), encoding)));
}

void CTeamPage::takeControls()
{
    CTeamPageState& s = m_session->state();
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    const auto take = [encoding](const QLineEdit* box, std::string& field) {
        std::string bytes;
        if (fromUtf8(box->text().toStdString(), encoding, bytes)) field = bytes;
    };
    take(m_name, s.longName);
    if (s.shortNamesEnabled)
    {
        take(m_abbreviation, s.abbreviation);
        take(m_shortName, s.shortName);
    }
    s.bankrollText = m_bankroll->text().toStdString();
    // A model the list cannot show stays as the record has it unless the list was moved.
    for (std::size_t list = 0; list < m_models.size(); ++list)
        if (m_models[list]->value() != m_shownModels[list]) s.models[list] = m_models[list]->value();
}

void CTeamPage::showState()
{
    const CTeamPageState& s = m_session->state();
    const CTextEncoding encoding = encodingForLanguage(m_app.db().languageCode());
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QWidget* w : m_content->findChildren<QWidget*>()) blockers.push_back(std::make_unique<QSignalBlocker>(w));
    const auto text = [encoding](const std::string& bytes) { return QString::fromStdString(toUtf8(bytes, encoding)); };

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
        m_currentModel[list] = m_previousModel[list] = m_shownModels[list] = m_models[list]->value();
    }
    for (std::size_t button = 0; button < m_colours.size(); ++button) m_colours[button]->setColour(s.colours[button]);

    for (QWidget* w : {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_bankroll)}) w->setEnabled(s.enabled);
    m_abbreviation->setEnabled(s.enabled && s.shortNamesEnabled);
    m_shortName->setEnabled(s.enabled && s.shortNamesEnabled);
    for (CPictureListBox* box : m_models) box->setEnabled(s.enabled);
    for (CColourPicker* picker : m_colours) picker->setEnabled(s.enabled);
    for (std::size_t side = 0; side < 2; ++side)
    {
        m_edit[side]->setEnabled(s.enabled);
        m_presetColours[side]->setEnabled(s.enabled && s.presetColoursEnabled[side]);
    }
}
